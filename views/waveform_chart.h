#pragma once

#include "views/chart_model.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRectF>
#include <QWidget>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QPainter;

namespace tavrin {

class WaveformChart;

// A handle on one series of a chart, so that the window can name its series
// as fields (tav_spi_acssz_s1, …). Every change repaints the chart.
class ChartSeries {
public:
    ChartSeries(WaveformChart* chart, int index) : chart_(chart), index_(index) {}

    void clear();
    void append(double x, double y, const std::string& label = {}, std::optional<Rgb> colour = std::nullopt);
    void append_all(const PointList& points);
    // Appends a value as a point at x = number of points held before.
    void add(double y, std::optional<Rgb> colour = std::nullopt);

    const Series& model() const;
    const PointList& points() const { return model().points(); }
    int count() const { return static_cast<int>(points().size()); }
    WaveformChart* chart() const { return chart_; }

private:
    WaveformChart* chart_;
    int index_;
};

// A line chart with fixed axes whose series are drawn as stairs by the trace
// rule. Optional right-button drag pans the time axis. Zoom comes only from the
// zoom commands, never from the mouse.
class WaveformChart : public QWidget {
    Q_OBJECT
public:
    explicit WaveformChart(ChartModel model, QWidget* parent = nullptr);
    ~WaveformChart() override;

    const ChartModel& model() const { return model_; }
    ChartSeries* series(int index) { return handles_.at(static_cast<std::size_t>(index)).get(); }
    int series_count() const { return static_cast<int>(model_.series.size()); }

    // Time axis operations.
    AxisRange time_axis() const { return model_.time_axis; }
    void set_time_axis(AxisRange range);
    void set_time_min(double min);
    void set_time_max(double max);

    // Zoom commands: halve or double the visible span from the current minimum.
    // Return false when the zoom was refused (span limits).
    bool zoom_in();
    bool zoom_out();

    // The chart as it stands, at its on-screen size.
    QImage to_image() const;
    // Draws the whole chart into a painter's rectangle (printing, images).
    void render_chart(QPainter& painter, const QRectF& target) const;

    // Where the traces are drawn, in the chart's own pixels. On a chart with a
    // microseconds time axis the label row under the plot is kept out of it.
    PlotMapping plot_mapping() const;

signals:
    void time_axis_changed();
    // A right click that did not turn into a drag, or the keyboard's menu key.
    void context_menu_requested(QPoint global_pos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    friend class ChartSeries;
    Series& series_model(int index) { return model_.series.at(static_cast<std::size_t>(index)); }
    void series_changed();
    QFont label_font() const;
    void draw_background(QPainter& painter, const PlotMapping& plot) const;
    void draw_axes(QPainter& painter, const PlotMapping& plot) const;
    void draw_time_labels(QPainter& painter, const PlotMapping& plot) const;
    void draw_series(QPainter& painter, const PlotMapping& plot) const;
    void end_drag();

    ChartModel model_;
    std::vector<std::unique_ptr<ChartSeries>> handles_;
    bool right_pressed_ = false;
    bool dragging_ = false;
    QPoint press_pos_;
    AxisRange drag_start_range_;
};

QColor to_qcolor(Rgb c);

} // namespace tavrin
