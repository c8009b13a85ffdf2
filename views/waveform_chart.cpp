#include "views/waveform_chart.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <QStringList>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace tavrin {

namespace {

// The label row under a microseconds axis: tick, gap, one line of text.
constexpr double tick_length = 3;
constexpr double label_gap = 2;
constexpr int label_pixel_size = 11;
constexpr int max_time_labels = 10;
// A trace lying on the plot's edge must not lose half its width to the clip.
constexpr double clip_tolerance = 2;

QRectF rect_of(const PlotMapping& plot)
{
    return QRectF(plot.left, plot.top, plot.width, plot.height).normalized();
}

double label_row_height(const QFont& font)
{
    return tick_length + label_gap + std::ceil(QFontMetricsF(font).height()) + 1;
}

// Keeps a vertex of an axis-parallel line inside `box`. Moving each coordinate
// on its own keeps a horizontal line horizontal and a vertical one vertical, so
// what lies inside stays where it was and what lies outside lands on the box's
// border, beyond the clip. QPainter never sees the huge numbers a deep zoom or
// an absurd axis produces.
QPointF clamped(double x, double y, const QRectF& box)
{
    return QPointF(std::clamp(x, box.left(), box.right()), std::clamp(y, box.top(), box.bottom()));
}

void add_vertex(QPolygonF& line, QPointF p)
{
    if (line.isEmpty() || line.constLast() != p)
        line.append(p);
}

void flush(QPainter& painter, QPolygonF& line)
{
    if (line.size() >= 2)
        painter.drawPolyline(line);
    line.clear();
}

} // namespace

QColor to_qcolor(Rgb c)
{
    return QColor(c.r, c.g, c.b);
}

void ChartSeries::clear()
{
    chart_->series_model(index_).clear();
    chart_->series_changed();
}

void ChartSeries::append(double x, double y, const std::string& label, std::optional<Rgb> colour)
{
    chart_->series_model(index_).append(TracePoint{x, y, label, colour});
    chart_->series_changed();
}

void ChartSeries::append_all(const PointList& points)
{
    chart_->series_model(index_).append_all(points);
    chart_->series_changed();
}

void ChartSeries::add(double y, std::optional<Rgb> colour)
{
    append(static_cast<double>(count()), y, {}, colour);
}

const Series& ChartSeries::model() const
{
    return chart_->model_.series.at(static_cast<std::size_t>(index_));
}

WaveformChart::WaveformChart(ChartModel model, QWidget* parent) : QWidget(parent), model_(std::move(model))
{
    setFixedSize(std::max(0, model_.width), std::max(0, model_.height));
    // Every paint fills the whole chart, so Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    handles_.reserve(model_.series.size());
    for (int i = 0; i < series_count(); ++i)
        handles_.push_back(std::make_unique<ChartSeries>(this, i));
}

WaveformChart::~WaveformChart() = default;

void WaveformChart::series_changed()
{
    update();
}

void WaveformChart::set_time_axis(AxisRange range)
{
    model_.time_axis = range;
    update();
    emit time_axis_changed();
}

void WaveformChart::set_time_min(double min)
{
    AxisRange range = model_.time_axis;
    range.min = min;
    set_time_axis(range);
}

void WaveformChart::set_time_max(double max)
{
    AxisRange range = model_.time_axis;
    range.max = max;
    set_time_axis(range);
}

bool WaveformChart::zoom_in()
{
    const auto range = zoomed_in(model_.time_axis, model_.start_time_axis);
    if (!range)
        return false;
    set_time_axis(*range);
    return true;
}

bool WaveformChart::zoom_out()
{
    const auto range = zoomed_out(model_.time_axis, model_.start_time_axis);
    if (!range)
        return false;
    set_time_axis(*range);
    return true;
}

QFont WaveformChart::label_font() const
{
    // A pixel size, not a point size: the chart is drawn in its own pixels and
    // scaled as a whole, so on a 1200 dpi printer the labels keep their
    // proportion to the traces.
    QFont f = font();
    f.setPixelSize(label_pixel_size);
    return f;
}

PlotMapping WaveformChart::plot_mapping() const
{
    const double width = model_.width;
    const double height = model_.height;
    double label_room = 0;
    if (model_.time_axis_style == TimeAxisStyle::microseconds) {
        // The bottom margin of a few percent is too low for a row of labels:
        // take from the height just what lets the row fit under the plot.
        const double needed = label_row_height(label_font());
        const double above_plot_bottom = 1.0 - model_.margins.bottom / 100.0;
        if (above_plot_bottom > 0)
            label_room = std::clamp(height - (height - needed) / above_plot_bottom, 0.0, height);
    }
    return PlotMapping::for_chart(model_, width, height - label_room);
}

QImage WaveformChart::to_image() const
{
    QImage image(std::max(0, model_.width), std::max(0, model_.height), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    image.fill(Qt::white);
    QPainter painter(&image);
    render_chart(painter, QRectF(image.rect()));
    return image;
}

void WaveformChart::render_chart(QPainter& painter, const QRectF& target) const
{
    if (model_.width <= 0 || model_.height <= 0 || !target.isValid())
        return;
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / model_.width, target.height() / model_.height);
    painter.setClipRect(QRectF(0, 0, model_.width, model_.height), Qt::IntersectClip);
    // Aliased 1- and 2-pixel lines land on whole pixels and stay crisp.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);

    const PlotMapping plot = plot_mapping();
    draw_background(painter, plot);
    draw_axes(painter, plot);
    draw_series(painter, plot);
    draw_time_labels(painter, plot);
    painter.restore();
}

void WaveformChart::draw_background(QPainter& painter, const PlotMapping& plot) const
{
    const QRectF whole(0, 0, model_.width, model_.height);
    if (model_.background) {
        painter.fillRect(whole, to_qcolor(*model_.background));
        return;
    }
    painter.fillRect(whole, to_qcolor(colour::window));
    painter.fillRect(rect_of(plot), Qt::white);
}

void WaveformChart::draw_axes(QPainter& painter, const PlotMapping& plot) const
{
    painter.save();
    painter.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::FlatCap));
    const QRectF r = rect_of(plot);
    if (model_.level_axis_line)
        painter.drawLine(QLineF(r.left(), r.top(), r.left(), r.bottom()));
    if (model_.time_axis_style == TimeAxisStyle::microseconds)
        painter.drawLine(QLineF(r.left(), r.bottom(), r.right(), r.bottom()));
    painter.restore();
}

void WaveformChart::draw_time_labels(QPainter& painter, const PlotMapping& plot) const
{
    if (model_.time_axis_style != TimeAxisStyle::microseconds)
        return;
    const QLocale locale;
    const std::string group = locale.groupSeparator().toStdString();
    const std::string decimal = locale.decimalPoint().toStdString();
    const QFont font = label_font();
    const QFontMetricsF metrics(font);

    // As many labels as fit: fewer when the texts grow wide.
    std::vector<double> ticks;
    QStringList texts;
    double widest = 0;
    for (int wanted = max_time_labels; wanted >= 2; --wanted) {
        ticks = tick_values(model_.time_axis, wanted);
        texts.clear();
        widest = 0;
        for (double t : ticks) {
            texts.append(QString::fromStdString(time_label(t, group, decimal)));
            widest = std::max(widest, metrics.horizontalAdvance(texts.constLast()));
        }
        if (ticks.size() < 2 || std::abs(plot.x_to_pixel(ticks[1]) - plot.x_to_pixel(ticks[0])) >= widest + 8)
            break;
    }

    painter.save();
    painter.setFont(font);
    painter.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::FlatCap));
    const double axis_y = plot.top + plot.height;
    const double text_top = axis_y + tick_length + label_gap;
    const double text_height = std::ceil(metrics.height());
    double previous_right = -1e9;
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        const double x = plot.x_to_pixel(ticks[i]);
        if (!std::isfinite(x))
            continue;
        const double text_width = std::ceil(metrics.horizontalAdvance(texts[qsizetype(i)])) + 2;
        const double left = std::clamp(x - text_width / 2, 0.0, std::max(0.0, model_.width - text_width));
        // A label that would run into the previous one is left out rather
        // than drawn as an unreadable smear.
        if (left < previous_right + 4)
            continue;
        previous_right = left + text_width;
        painter.drawLine(QLineF(x, axis_y, x, axis_y + tick_length));
        painter.drawText(QRectF(left, text_top, text_width, text_height), Qt::AlignCenter,
                         texts[qsizetype(i)]);
    }
    painter.restore();
}

void WaveformChart::draw_series(QPainter& painter, const PlotMapping& plot) const
{
    painter.save();
    const QRectF clip =
        rect_of(plot).adjusted(-clip_tolerance, -clip_tolerance, clip_tolerance, clip_tolerance);
    painter.setClipRect(clip, Qt::IntersectClip);
    for (const Series& series : model_.series) {
        const double margin = series.line_width() + clip_tolerance;
        const QRectF box = clip.adjusted(-margin, -margin, margin, margin);
        QPen pen(QColor(), std::max(1, series.line_width()), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
        // Segments of one colour run on without a break, so they go out as one
        // polyline and meet in clean corners instead of notches.
        QPolygonF line;
        std::optional<Rgb> line_colour;
        for (const Segment& s : stair_segments(series)) {
            const double x1 = plot.x_to_pixel(s.x1), y1 = plot.y_to_pixel(s.y1);
            const double x2 = plot.x_to_pixel(s.x2), y2 = plot.y_to_pixel(s.y2);
            if (std::isnan(x1) || std::isnan(y1) || std::isnan(x2) || std::isnan(y2)) {
                flush(painter, line);
                continue;
            }
            const QPointF from = clamped(x1, y1, box);
            if (line_colour != s.colour || line.isEmpty() || line.constLast() != from) {
                flush(painter, line);
                line_colour = s.colour;
                pen.setColor(to_qcolor(s.colour));
                painter.setPen(pen);
            }
            add_vertex(line, from);
            add_vertex(line, clamped(x2, y2, box));
        }
        flush(painter, line);
    }
    painter.restore();
}

void WaveformChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    render_chart(painter, QRectF(rect()));
}

void WaveformChart::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::RightButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    right_pressed_ = true;
    dragging_ = false;
    press_pos_ = event->position().toPoint();
    drag_start_range_ = model_.time_axis;
    event->accept();
}

void WaveformChart::mouseMoveEvent(QMouseEvent* event)
{
    if (!right_pressed_) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    if (!(event->buttons() & Qt::RightButton)) {
        // The release went somewhere else; a later plain move must not pan.
        end_drag();
        return;
    }
    const QPoint delta = event->position().toPoint() - press_pos_;
    if (!dragging_ && delta.manhattanLength() >= QApplication::startDragDistance()) {
        dragging_ = true;
        if (model_.panning)
            setCursor(Qt::ClosedHandCursor);
    }
    if (model_.panning) {
        // Measured from the press, so the time under the cursor stays under it
        // like paper held by a finger: dragging right brings earlier time in.
        PlotMapping mapping = plot_mapping();
        mapping.x_range = drag_start_range_;
        set_time_axis(panned(drag_start_range_, -mapping.pixel_to_x_shift(delta.x())));
    }
    event->accept();
}

void WaveformChart::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::RightButton || !right_pressed_) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const bool was_drag = dragging_;
    // A click may jitter by a pixel or two; it is a click, not a pan.
    if (!was_drag && model_.panning && model_.time_axis != drag_start_range_)
        set_time_axis(drag_start_range_);
    end_drag();
    event->accept();
    if (!was_drag)
        emit context_menu_requested(event->globalPosition().toPoint());
}

void WaveformChart::end_drag()
{
    right_pressed_ = false;
    dragging_ = false;
    unsetCursor();
}

void WaveformChart::wheelEvent(QWheelEvent* event)
{
    event->ignore();
}

void WaveformChart::contextMenuEvent(QContextMenuEvent* event)
{
    // A right press may still become a drag; the menu for the mouse is asked
    // for on release, when that is known.
    if (event->reason() != QContextMenuEvent::Mouse)
        emit context_menu_requested(event->globalPos());
    event->accept();
}

} // namespace tavrin
