#include "support/recording_dialogs.h"
#include "views/chart_commands.h"
#include "views/chart_specs.h"
#include "views/waveform_chart.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <limits>
#include <stdexcept>

using namespace tavrin;

Q_DECLARE_METATYPE(tavrin::AxisRange)

namespace {

constexpr double nan_value = std::numeric_limits<double>::quiet_NaN();
constexpr double inf_value = std::numeric_limits<double>::infinity();

ChartModel chart_named(const QString& kind)
{
    if (kind == "packet")
        return packet_chart();
    if (kind == "single")
        return single_mode_chart(0);
    if (kind == "exchange")
        return exchange_master_chart();
    if (kind == "summary")
        return exchange_summary_chart();
    return bit_sample_chart("tav_spi_acssz_dc", "tav_spi_acssz_ds");
}

void send_move(QWidget* widget, QPoint pos, Qt::MouseButtons buttons)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(pos), widget->mapToGlobal(QPointF(pos)), Qt::NoButton,
                     buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

QColor pixel(const QImage& image, double x, double y)
{
    return image.pixelColor(int(std::floor(x)), int(std::floor(y)));
}

QString name_of(const QColor& c)
{
    return QStringLiteral("rgb(%1,%2,%3)").arg(c.red()).arg(c.green()).arg(c.blue());
}

QByteArray read_file(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

int pdf_page_count(const QByteArray& pdf)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![A-Za-z])"));
    int n = 0;
    for (auto it = page.globalMatch(QString::fromLatin1(pdf)); it.hasNext(); it.next())
        ++n;
    return n;
}

// Width and height of the first page's media box, in points.
QSizeF pdf_media_box(const QByteArray& pdf)
{
    static const QRegularExpression box(
        QStringLiteral("/MediaBox\\s*\\[\\s*([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s*\\]"));
    const auto m = box.match(QString::fromLatin1(pdf));
    if (!m.hasMatch())
        return {};
    return QSizeF(m.captured(3).toDouble() - m.captured(1).toDouble(),
                  m.captured(4).toDouble() - m.captured(2).toDouble());
}

} // namespace

#define QCOMPARE_COLOUR(actual, expected) QCOMPARE(name_of(actual), name_of(expected))

class TestWaveformChart : public QObject {
    Q_OBJECT
private slots:
    void right_drag_pans_data();
    void right_drag_pans();
    void context_menu_event_waits_for_the_release();
    void wheel_does_not_zoom();
    void zoom_commands();
    void series_handles();
    void background_data();
    void background();
    void stairs_in_their_colours();
    void render_into_a_scaled_target();
    void microseconds_axis_has_labels_under_the_plot();
    void absurd_axes_paint_safely_data();
    void absurd_axes_paint_safely();
    void copy_view_puts_the_chart_on_the_clipboard();
    void print_view_prints_one_landscape_page_data();
    void print_view_prints_one_landscape_page();
    void print_view_failure_restores_orientation();
    void print_view_cancelled_prints_nothing();
};

void TestWaveformChart::right_drag_pans_data()
{
    QTest::addColumn<QString>("chart");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<int>("panned_pixels"); // horizontal drag that moves the axis
    QTest::addColumn<bool>("menu");

    QTest::newRow("right drag to the right brings earlier time")
        << "packet" << Qt::RightButton << QPoint(300, 150) << QPoint(400, 150) << 100 << false;
    QTest::newRow("right drag to the left brings later time, height ignored")
        << "packet" << Qt::RightButton << QPoint(400, 100) << QPoint(250, 220) << -150 << false;
    QTest::newRow("right drag on an exchange chart")
        << "exchange" << Qt::RightButton << QPoint(100, 200) << QPoint(600, 200) << 500 << false;
    QTest::newRow("right click that jitters is a click and asks for the menu")
        << "packet" << Qt::RightButton << QPoint(300, 150) << QPoint(302, 151) << 0 << true;
    QTest::newRow("left drag does nothing")
        << "packet" << Qt::LeftButton << QPoint(300, 150) << QPoint(400, 150) << 0 << false;
    QTest::newRow("single-mode chart does not pan")
        << "single" << Qt::RightButton << QPoint(300, 150) << QPoint(400, 150) << 0 << false;
    QTest::newRow("right click on a chart without panning asks for the menu")
        << "single" << Qt::RightButton << QPoint(300, 150) << QPoint(300, 150) << 0 << true;
}

void TestWaveformChart::right_drag_pans()
{
    QFETCH(QString, chart);
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(int, panned_pixels);
    QFETCH(bool, menu);

    WaveformChart w(chart_named(chart));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const AxisRange before = w.time_axis();
    QSignalSpy changed(&w, &WaveformChart::time_axis_changed);
    QSignalSpy menus(&w, &WaveformChart::context_menu_requested);

    QTest::mousePress(&w, button, Qt::NoModifier, from);
    send_move(&w, (from + to) / 2, button);
    send_move(&w, to, button);

    // Independent of the widget: the plot spans the width less the side margins.
    const ChartModel& m = w.model();
    const double plot_width = m.width * (1 - (m.margins.left + m.margins.right) / 100);
    const double shift = -panned_pixels / plot_width * before.span();
    if (!menu) {
        // The chart follows the mouse while the button is still down.
        QCOMPARE(w.time_axis().min - before.min, shift);
        QCOMPARE(w.time_axis().max - before.max, shift);
    }
    if (panned_pixels != 0)
        QCOMPARE(w.cursor().shape(), Qt::ClosedHandCursor);

    QTest::mouseRelease(&w, button, Qt::NoModifier, to);
    if (panned_pixels == 0) {
        QCOMPARE(w.time_axis(), before);
    } else {
        QCOMPARE(w.time_axis().min - before.min, shift);
        QCOMPARE(w.time_axis().max - before.max, shift);
        QVERIFY(!changed.isEmpty());
    }
    if (!m.panning || button != Qt::RightButton)
        QCOMPARE(changed.size(), 0);
    QCOMPARE(w.cursor().shape(), Qt::ArrowCursor);

    QCOMPARE(menus.size(), menu ? 1 : 0);
    if (menu)
        QCOMPARE(menus.first().first().toPoint(), w.mapToGlobal(to));

    // A later move without a button must not pan on.
    const AxisRange after = w.time_axis();
    send_move(&w, to + QPoint(50, 0), Qt::NoButton);
    QCOMPARE(w.time_axis(), after);
}

// Qt asks for a mouse menu on the press, before it is known whether the press
// starts a drag; only the keyboard's menu key asks at once.
void TestWaveformChart::context_menu_event_waits_for_the_release()
{
    WaveformChart w(packet_chart());
    QSignalSpy menus(&w, &WaveformChart::context_menu_requested);

    QContextMenuEvent by_mouse(QContextMenuEvent::Mouse, QPoint(10, 10), w.mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(&w, &by_mouse);
    QVERIFY(by_mouse.isAccepted());
    QCOMPARE(menus.size(), 0);

    QContextMenuEvent by_key(QContextMenuEvent::Keyboard, QPoint(20, 30), w.mapToGlobal(QPoint(20, 30)));
    QApplication::sendEvent(&w, &by_key);
    QCOMPARE(menus.size(), 1);
    QCOMPARE(menus.first().first().toPoint(), w.mapToGlobal(QPoint(20, 30)));
}

void TestWaveformChart::wheel_does_not_zoom()
{
    WaveformChart w(packet_chart());
    const AxisRange before = w.time_axis();
    QSignalSpy changed(&w, &WaveformChart::time_axis_changed);
    for (const int delta : {120, -120, 960, -960}) {
        for (const auto modifiers : {Qt::NoModifier, Qt::ControlModifier}) {
            QWheelEvent wheel(QPointF(300, 150), w.mapToGlobal(QPointF(300, 150)), QPoint(), QPoint(0, delta),
                              Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
            QApplication::sendEvent(&w, &wheel);
            QVERIFY(!wheel.isAccepted());
        }
    }
    QCOMPARE(w.time_axis(), before);
    QCOMPARE(changed.size(), 0);
}

void TestWaveformChart::zoom_commands()
{
    WaveformChart w(exchange_master_chart());
    QSignalSpy changed(&w, &WaveformChart::time_axis_changed);

    QVERIFY(w.zoom_out());
    QCOMPARE(w.time_axis(), (AxisRange{-1, 19}));
    QVERIFY(w.zoom_in());
    QVERIFY(w.zoom_in());
    QCOMPARE(w.time_axis(), (AxisRange{-1, 4}));
    QCOMPARE(changed.size(), 3);

    w.set_time_min(2);
    QCOMPARE(w.time_axis(), (AxisRange{2, 4}));
    w.set_time_max(2 + 1e-5); // a millionth of the start span of 10
    QCOMPARE(w.time_axis(), (AxisRange{2, 2 + 1e-5}));
    QCOMPARE(changed.size(), 5);

    QVERIFY(!w.zoom_in());
    QCOMPARE(w.time_axis(), (AxisRange{2, 2 + 1e-5}));
    QCOMPARE(changed.size(), 5);

    w.set_time_axis({0, 1e7}); // a million times the start span
    QVERIFY(!w.zoom_out());
    QCOMPARE(w.time_axis(), (AxisRange{0, 1e7}));
    QCOMPARE(changed.size(), 6);
}

void TestWaveformChart::series_handles()
{
    WaveformChart w(exchange_summary_chart());
    QCOMPARE(w.series_count(), 5);
    ChartSeries* s = w.series(3);
    QCOMPARE(s->chart(), &w);
    QCOMPARE(s->model().name(), std::string("tav_spi_avsz_sslavekivalaszt"));

    s->add(1.1);
    s->add(1.9, colour::data);
    s->append(0.5, 1.1);
    QCOMPARE(s->count(), 3);
    QCOMPARE(s->points()[0], point(0, 1.1));
    QCOMPARE(s->points()[1], point(0.5, 1.1));
    QCOMPARE(s->points()[2], point(1, 1.9, colour::data));
    s->add(1.1); // x = 3, the number of points before it
    QCOMPARE(s->points().back().x, 3.0);

    s->append_all({point(-1, 1.9), point(7, 1.1)});
    QCOMPARE(s->count(), 6);
    QCOMPARE(s->points().front().x, -1.0);
    QCOMPARE(w.model().series[3].points(), s->points());
    QVERIFY(w.model().series[2].points().empty());

    s->clear();
    QCOMPARE(s->count(), 0);
}

void TestWaveformChart::background_data()
{
    QTest::addColumn<QString>("chart");
    QTest::addColumn<QColor>("inside");
    QTest::addColumn<QColor>("outside");
    const QColor window = to_qcolor(colour::window);
    QTest::newRow("single-mode chart: window colour throughout") << "single" << window << window;
    QTest::newRow("packet chart: white plot in a window-coloured frame")
        << "packet" << QColor(Qt::white) << window;
    QTest::newRow("bit-sample chart") << "bits" << QColor(Qt::white) << window;
}

void TestWaveformChart::background()
{
    QFETCH(QString, chart);
    QFETCH(QColor, inside);
    QFETCH(QColor, outside);
    WaveformChart w(chart_named(chart));
    const QImage image = w.to_image();
    QCOMPARE(image.size(), QSize(w.model().width, w.model().height));
    QCOMPARE(w.size(), image.size());
    const PlotMapping plot = w.plot_mapping();
    QCOMPARE_COLOUR(pixel(image, plot.left + plot.width / 2, plot.top + plot.height / 2), inside);
    QCOMPARE_COLOUR(pixel(image, 0, 0), outside);
    QCOMPARE_COLOUR(pixel(image, image.width() - 1, image.height() - 1), outside);
}

void TestWaveformChart::stairs_in_their_colours()
{
    WaveformChart w(packet_chart());
    ChartSeries* data = w.series(0); // series colour: packet data colour
    data->append(0, 2.1, {}, colour::data);
    data->append(2, 2.9, {}, colour::data);
    data->append(6, 2.9, {}, colour::data);
    data->append(6, 2.1);
    data->append(10, 2.1);
    ChartSeries* markers = w.series(2); // black, drawn over the data line
    markers->append(3, 2.9);
    markers->append(5, 2.9);

    const QImage image = w.to_image();
    const PlotMapping p = w.plot_mapping();
    const QColor data_colour = to_qcolor(colour::data);
    const QColor series_colour = to_qcolor(colour::packet_data_series);
    const QColor white(Qt::white);

    QCOMPARE_COLOUR(pixel(image, p.x_to_pixel(1), p.y_to_pixel(2.9)), data_colour);
    QCOMPARE_COLOUR(pixel(image, p.x_to_pixel(4), p.y_to_pixel(2.9)), QColor(Qt::black));
    QCOMPARE_COLOUR(pixel(image, p.x_to_pixel(5.5), p.y_to_pixel(2.9)), data_colour);
    // The falling edge at 6 belongs to the point that ends it.
    QCOMPARE_COLOUR(pixel(image, p.x_to_pixel(6), p.y_to_pixel(2.5)), series_colour);
    QCOMPARE_COLOUR(pixel(image, p.x_to_pixel(8), p.y_to_pixel(2.1)), series_colour);
    QCOMPARE_COLOUR(pixel(image, p.x_to_pixel(1), p.y_to_pixel(2.1)), white);
    QCOMPARE_COLOUR(pixel(image, p.x_to_pixel(8), p.y_to_pixel(2.9)), white);
    QCOMPARE_COLOUR(pixel(image, p.x_to_pixel(1), p.y_to_pixel(2.5)), white);
    // The level axis line; the hidden time axis leaves no line.
    QCOMPARE_COLOUR(pixel(image, p.left, p.y_to_pixel(1.5)), QColor(Qt::black));
    const int bottom = int(p.top + p.height);
    for (int row = bottom - 2; row <= bottom + 2; ++row)
        for (int col = int(p.left) + 2; col < int(p.left + p.width); ++col)
            QVERIFY(image.pixelColor(col, row) != QColor(Qt::black));

    // A line is two pixels thick, not more.
    const double y = p.y_to_pixel(2.1);
    int thick = 0;
    for (int row = int(y) - 4; row <= int(y) + 4; ++row)
        thick += name_of(pixel(image, p.x_to_pixel(8), row)) == name_of(series_colour);
    QCOMPARE(thick, 2);
}

void TestWaveformChart::render_into_a_scaled_target()
{
    WaveformChart w(packet_chart());
    ChartSeries* data = w.series(0);
    data->append(0, 2.9, {}, colour::data);
    data->append(10, 2.9, {}, colour::data);
    const PlotMapping p = w.plot_mapping();

    const QColor untouched(255, 0, 255);
    const QPointF offset(40, 20);
    QImage image(2 * w.width() + 60, 2 * w.height() + 30, QImage::Format_ARGB32_Premultiplied);
    image.fill(untouched);
    {
        QPainter painter(&image);
        w.render_chart(painter, QRectF(offset, QSizeF(2 * w.width(), 2 * w.height())));
    }
    QCOMPARE_COLOUR(pixel(image, offset.x() + 2 * p.x_to_pixel(5), offset.y() + 2 * p.y_to_pixel(2.9)),
                    to_qcolor(colour::data));
    QCOMPARE_COLOUR(pixel(image, offset.x() + 2 * p.x_to_pixel(5), offset.y() + 2 * p.y_to_pixel(1.5)),
                    QColor(Qt::white));
    QCOMPARE_COLOUR(pixel(image, offset.x() + 1, offset.y() + 1), to_qcolor(colour::window));
    // Nothing outside the target.
    QCOMPARE_COLOUR(pixel(image, offset.x() - 1, offset.y() + 100), untouched);
    QCOMPARE_COLOUR(pixel(image, offset.x() + 100, offset.y() - 1), untouched);
    QCOMPARE_COLOUR(pixel(image, offset.x() + 2 * w.width(), offset.y() + 100), untouched);
    QCOMPARE_COLOUR(pixel(image, offset.x() + 100, offset.y() + 2 * w.height()), untouched);
}

void TestWaveformChart::microseconds_axis_has_labels_under_the_plot()
{
    WaveformChart w(exchange_master_chart());
    const QImage image = w.to_image();
    const PlotMapping p = w.plot_mapping();
    const double axis_y = p.top + p.height;
    for (double t : {-1.0, 0.5, 4.0, 8.9})
        QCOMPARE_COLOUR(pixel(image, p.x_to_pixel(t), axis_y), QColor(Qt::black));
    // No grid: the plot above the axis stays white.
    for (double t : {0.0, 4.0, 8.0})
        QCOMPARE_COLOUR(pixel(image, p.x_to_pixel(t), axis_y - 5), QColor(Qt::white));

    // Label text lies between the axis line and the bottom edge, inside the chart.
    const QColor frame = to_qcolor(colour::window);
    int ink_rows = 0;
    for (int row = int(axis_y) + 2; row < image.height(); ++row) {
        bool ink = false;
        for (int col = 0; col < image.width() && !ink; ++col)
            ink = image.pixelColor(col, row) != frame;
        ink_rows += ink;
    }
    QVERIFY2(ink_rows >= 6, qPrintable(QString::number(ink_rows)));
    QCOMPARE_COLOUR(image.pixelColor(image.width() / 2, image.height() - 1), frame);

    // The packet chart hides its time axis: nothing under its plot.
    WaveformChart packet(packet_chart());
    const QImage hidden = packet.to_image();
    const PlotMapping q = packet.plot_mapping();
    for (int row = int(q.top + q.height) + 1; row < hidden.height(); ++row)
        for (int col = 0; col < hidden.width(); ++col)
            QCOMPARE_COLOUR(hidden.pixelColor(col, row), frame);
}

void TestWaveformChart::absurd_axes_paint_safely_data()
{
    QTest::addColumn<AxisRange>("time");
    QTest::addColumn<AxisRange>("level");
    const AxisRange lanes{0, 5};
    QTest::newRow("zero time span") << AxisRange{5, 5} << lanes;
    QTest::newRow("reversed time axis") << AxisRange{9, -1} << lanes;
    QTest::newRow("NaN time axis") << AxisRange{nan_value, nan_value} << lanes;
    QTest::newRow("infinite time axis") << AxisRange{-inf_value, inf_value} << lanes;
    QTest::newRow("time span near the largest double") << AxisRange{0, 1e308} << lanes;
    QTest::newRow("time span overflows") << AxisRange{-1e308, 1e308} << lanes;
    QTest::newRow("deep zoom far from zero") << AxisRange{1e15, 1e15 + 1e-3} << lanes;
    QTest::newRow("tiny span near zero") << AxisRange{0, 1e-300} << lanes;
    QTest::newRow("NaN level axis") << AxisRange{-1, 9} << AxisRange{nan_value, 5};
    QTest::newRow("tiny level axis") << AxisRange{-1, 9} << AxisRange{0, 1e-300};
    QTest::newRow("zero level axis") << AxisRange{-1, 9} << AxisRange{0, 0};
}

// Whatever the axes hold, painting ends and draws nothing over the frame.
void TestWaveformChart::absurd_axes_paint_safely()
{
    QFETCH(AxisRange, time);
    QFETCH(AxisRange, level);
    ChartModel model = exchange_summary_chart();
    model.level_axis = level;
    WaveformChart w(model);
    w.set_time_axis(time);
    for (int i = 0; i < w.series_count(); ++i) {
        ChartSeries* s = w.series(i);
        s->append(-1, i + 0.1);
        s->append(3, i + 0.9, {}, colour::data);
        s->append(3, i + 0.1);
        s->append(1e300, -1e300);
        s->append(inf_value, i + 0.9);
    }

    const QImage image = w.to_image();
    QCOMPARE(image.size(), QSize(739, 496));
    QVERIFY(!w.grab().isNull());

    const PlotMapping p = w.plot_mapping();
    const QColor frame = to_qcolor(colour::window);
    for (int row = 0; row < int(p.top + p.height); ++row)
        QCOMPARE_COLOUR(image.pixelColor(2, row), frame);
    for (int col = 0; col < image.width(); ++col)
        QCOMPARE_COLOUR(image.pixelColor(col, 1), frame);
}

void TestWaveformChart::copy_view_puts_the_chart_on_the_clipboard()
{
    WaveformChart w(exchange_master_chart());
    QClipboard* clipboard = QGuiApplication::clipboard();
    QVERIFY(clipboard);
    clipboard->setText(QStringLiteral("earlier contents"));

    copy_view(w);
    const QImage copied = clipboard->image();
    QCOMPARE(copied.size(), QSize(739, 496));
    QCOMPARE(copied.convertToFormat(QImage::Format_RGB32),
             w.to_image().convertToFormat(QImage::Format_RGB32));
    QCOMPARE(w.time_axis(), (AxisRange{-1, 9}));
}

void TestWaveformChart::print_view_prints_one_landscape_page_data()
{
    QTest::addColumn<QPageLayout::Orientation>("orientation");
    QTest::newRow("portrait printer") << QPageLayout::Portrait;
    QTest::newRow("landscape printer") << QPageLayout::Landscape;
}

void TestWaveformChart::print_view_prints_one_landscape_page()
{
    QFETCH(QPageLayout::Orientation, orientation);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath("chart.pdf");

    WaveformChart w(packet_chart());
    w.series(0)->append_all({point(0, 2.1, colour::data), point(10, 2.9, colour::data)});
    QPrinter printer;
    printer.setPageOrientation(orientation);
    RecordingDialogs dialogs;
    dialogs.confirm_print = true;
    dialogs.prepare_printer = [&](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(file);
    };

    print_view(w, printer, dialogs, nullptr);

    QCOMPARE(dialogs.print_dialogs, 1);
    QCOMPARE(printer.pageLayout().orientation(), orientation);
    QCOMPARE(printer.docName(), QStringLiteral("tav_spi_acsszim"));
    const QByteArray pdf = read_file(file);
    QVERIFY(pdf.startsWith("%PDF-"));
    QCOMPARE(pdf_page_count(pdf), 1);
    // The document bears the chart's name: a PDF text string in UTF-16BE.
    QByteArray title("\xfe\xff");
    for (const QChar c : QStringLiteral("tav_spi_acsszim")) {
        title.append(char(c.unicode() >> 8));
        title.append(char(c.unicode() & 0xff));
    }
    QVERIFY(pdf.contains("/Title (" + title + ")"));
    const QSizeF media = pdf_media_box(pdf);
    QVERIFY2(media.width() > media.height(),
             qPrintable(QStringLiteral("%1 x %2").arg(media.width()).arg(media.height())));
}

void TestWaveformChart::print_view_failure_restores_orientation()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // A folder that is a file: no one can create anything in it, not even root.
    const QString blocker = dir.filePath("f");
    {
        QFile f(blocker);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    QString target = blocker + "/out.pdf";

    WaveformChart w(exchange_summary_chart());
    QPrinter printer;
    RecordingDialogs dialogs;
    dialogs.confirm_print = true;
    dialogs.prepare_printer = [&](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(target);
    };

    QVERIFY_THROWS_EXCEPTION(std::runtime_error, print_view(w, printer, dialogs, nullptr));
    QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);
    try {
        print_view(w, printer, dialogs, nullptr);
        QFAIL("printing into a file under a file succeeded");
    } catch (const std::runtime_error& e) {
        const QString text = QString::fromUtf8(e.what());
        QVERIFY2(text.startsWith(QStringLiteral("A nyomtatás nem sikerült.")), qPrintable(text));
        QVERIFY2(text.contains(target), qPrintable(text));
    }
    QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);

    // The printer is still good for the next job.
    target = dir.filePath("next.pdf");
    print_view(w, printer, dialogs, nullptr);
    QCOMPARE(pdf_page_count(read_file(target)), 1);
    QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);
}

void TestWaveformChart::print_view_cancelled_prints_nothing()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath("never.pdf");
    WaveformChart w(single_mode_chart(2));
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setDocName(QStringLiteral("earlier"));
    RecordingDialogs dialogs;
    dialogs.confirm_print = false;

    print_view(w, printer, dialogs, nullptr);

    QCOMPARE(dialogs.print_dialogs, 1);
    QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);
    QCOMPARE(printer.outputFileName(), file);
    QCOMPARE(printer.docName(), QStringLiteral("earlier"));
    QVERIFY(!QFile::exists(file));
}

QTEST_MAIN(TestWaveformChart)
#include "test_waveform_chart.moc"
