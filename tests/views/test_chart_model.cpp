#include "views/chart_model.h"
#include "views/chart_specs.h"
#include "views/trace.h"

#include <QtTest>

#include <cmath>
#include <limits>

using namespace tavrin;

Q_DECLARE_METATYPE(tavrin::AxisRange)

namespace {

constexpr double nan_value = std::numeric_limits<double>::quiet_NaN();
constexpr double inf_value = std::numeric_limits<double>::infinity();

QString describe(const Segment& s)
{
    return QStringLiteral("(%1,%2)-(%3,%4) rgb(%5,%6,%7)")
        .arg(s.x1)
        .arg(s.y1)
        .arg(s.x2)
        .arg(s.y2)
        .arg(s.colour.r)
        .arg(s.colour.g)
        .arg(s.colour.b);
}

} // namespace

class TestChartModel : public QObject {
    Q_OBJECT
private slots:
    void zoom_steps_data();
    void zoom_steps();
    void zoom_refused_data();
    void zoom_refused();
    void zoom_limits();
    void points_keep_x_order();
    void stair_segments_follow_points();
    void stair_segments_need_two_points_data();
    void stair_segments_need_two_points();
    void plot_mapping_of_a_chart();
    void plot_mapping_stays_finite_data();
    void plot_mapping_stays_finite();
    void time_label_data();
    void time_label();
    void time_label_keeps_every_digit_of_a_huge_value();
    void tick_values_data();
    void tick_values();
};

// Ops: 'i' zoom in, 'o' zoom out; one expected range after each.
void TestChartModel::zoom_steps_data()
{
    QTest::addColumn<AxisRange>("start");
    QTest::addColumn<AxisRange>("current");
    QTest::addColumn<QString>("ops");
    QTest::addColumn<QList<AxisRange>>("expected");

    const AxisRange packet{0, 10};
    const AxisRange exchange{-1, 9};
    QTest::newRow("packet chart: in, in, out, out back to the start")
        << packet << packet << "iioo" << QList<AxisRange>{{0, 5}, {0, 2.5}, {0, 5}, {0, 10}};
    QTest::newRow("exchange chart: out keeps the minimum")
        << exchange << exchange << "o" << QList<AxisRange>{{-1, 19}};
    QTest::newRow("exchange chart: four ins push the maximum below zero")
        << exchange << exchange << "iiii" << QList<AxisRange>{{-1, 4}, {-1, 1.5}, {-1, 0.25}, {-1, -0.375}};
    QTest::newRow("panned packet chart zooms from its new minimum")
        << packet << AxisRange{3, 13} << "i" << QList<AxisRange>{{3, 8}};
}

void TestChartModel::zoom_steps()
{
    QFETCH(AxisRange, start);
    QFETCH(AxisRange, current);
    QFETCH(QString, ops);
    QFETCH(QList<AxisRange>, expected);

    QCOMPARE(ops.size(), expected.size());
    for (qsizetype i = 0; i < ops.size(); ++i) {
        const auto next = ops[i] == 'i' ? zoomed_in(current, start) : zoomed_out(current, start);
        QVERIFY2(next.has_value(), qPrintable(QStringLiteral("step %1 refused").arg(i)));
        current = *next;
        QCOMPARE(current.min, expected[i].min);
        QCOMPARE(current.max, expected[i].max);
    }
}

void TestChartModel::zoom_refused_data()
{
    QTest::addColumn<AxisRange>("current");
    QTest::newRow("zero span") << AxisRange{5, 5};
    QTest::newRow("reversed range") << AxisRange{9, -1};
    QTest::newRow("NaN maximum") << AxisRange{0, nan_value};
    QTest::newRow("infinite maximum") << AxisRange{0, inf_value};
    QTest::newRow("infinite span between finite ends")
        << AxisRange{-std::numeric_limits<double>::max(), std::numeric_limits<double>::max()};
}

// An axis that the exchange simulation or a caller left in a state no zoom can
// make sense of stays as it is.
void TestChartModel::zoom_refused()
{
    QFETCH(AxisRange, current);
    const AxisRange start{-1, 9};
    QVERIFY(!zoomed_in(current, start));
    QVERIFY(!zoomed_out(current, start));
}

void TestChartModel::zoom_limits()
{
    const AxisRange start{0, 10};
    AxisRange range = start;
    int ins = 0;
    for (int i = 0; i < 1000; ++i) {
        const auto next = zoomed_in(range, start);
        if (!next)
            break;
        range = *next;
        ++ins;
    }
    QVERIFY2(ins < 1000, "zoom in never stopped");
    QVERIFY(range.span() >= 1e-6 * start.span());
    QVERIFY(range.span() / 2 < 1e-6 * start.span());
    QCOMPARE(range.min, 0.0);

    for (int i = 0; i < ins; ++i) {
        const auto next = zoomed_out(range, start);
        QVERIFY2(next, "zoom out refused on the way back");
        range = *next;
    }
    QCOMPARE(range, start);

    int outs = 0;
    for (int i = 0; i < 1000; ++i) {
        const auto next = zoomed_out(range, start);
        if (!next)
            break;
        range = *next;
        ++outs;
    }
    QVERIFY2(outs < 1000, "zoom out never stopped");
    QVERIFY(range.span() <= 1e6 * start.span());
    QVERIFY(range.span() * 2 > 1e6 * start.span());
}

void TestChartModel::points_keep_x_order()
{
    Series s("s", colour::black, 2);
    const std::vector<std::pair<double, const char*>> appended{{1, "a"}, {3, "b"}, {3, "c"}, {2, "d"},
                                                               {3, "e"}, {0, "f"}, {2, "g"}};
    for (const auto& [x, label] : appended)
        s.append(TracePoint{x, 0, label, std::nullopt});

    QStringList order;
    for (const auto& p : s.points())
        order << QString::fromStdString(p.label);
    QCOMPARE(order, QStringList({"f", "a", "d", "g", "b", "c", "e"}));
}

void TestChartModel::stair_segments_follow_points()
{
    const Rgb second{1, 2, 3};
    const Rgb series_colour{7, 8, 9};
    Series s("s", series_colour, 2);
    s.append(point(5, 2.1, colour::data));
    s.append(point(5, 2.9, second));
    s.append(point(6, 2.9)); // series colour

    const std::vector<Segment> expected{
        {5, 2.1, 5, 2.9, second},        // the edge at x = 5
        {5, 2.9, 5, 2.9, second},        // no width: both points at x = 5
        {5, 2.9, 5, 2.9, series_colour}, // no height: the level does not change
        {5, 2.9, 6, 2.9, series_colour}, // the high level from 5 to 6
    };
    const auto actual = stair_segments(s);
    QCOMPARE(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        QVERIFY2(actual[i] == expected[i], qPrintable(describe(actual[i]) + " != " + describe(expected[i])));
}

void TestChartModel::stair_segments_need_two_points_data()
{
    QTest::addColumn<int>("points");
    QTest::newRow("empty series") << 0;
    QTest::newRow("one point") << 1;
}

void TestChartModel::stair_segments_need_two_points()
{
    QFETCH(int, points);
    Series s("s", colour::black, 2);
    for (int i = 0; i < points; ++i)
        s.append(point(i, 0.9));
    QVERIFY(stair_segments(s).empty());
}

void TestChartModel::plot_mapping_of_a_chart()
{
    const ChartModel chart = packet_chart(); // 739 x 326, margins 2, 2, 1, 1; 0..10 by 0..3
    const PlotMapping m = PlotMapping::for_chart(chart, chart.width, chart.height);
    QCOMPARE(m.left, 7.39);
    QCOMPARE(m.top, 6.52);
    QCOMPARE(m.width, 739 * 0.98);
    QCOMPARE(m.height, 326 * 0.96);
    QCOMPARE(m.x_to_pixel(0), m.left);
    QCOMPARE(m.x_to_pixel(10), m.left + m.width);
    QCOMPARE(m.y_to_pixel(0), m.top + m.height);
    QCOMPARE(m.y_to_pixel(3), m.top);
    QCOMPARE(m.pixel_to_x_shift(m.width / 2), 5.0);
}

void TestChartModel::plot_mapping_stays_finite_data()
{
    QTest::addColumn<AxisRange>("range");
    QTest::newRow("zero span") << AxisRange{3, 3};
    QTest::newRow("reversed") << AxisRange{10, 0};
    QTest::newRow("NaN minimum") << AxisRange{nan_value, 10};
    QTest::newRow("NaN maximum") << AxisRange{0, nan_value};
    QTest::newRow("infinite maximum") << AxisRange{0, inf_value};
    QTest::newRow("both ends infinite") << AxisRange{-inf_value, inf_value};
    QTest::newRow("span overflows") << AxisRange{-1e308, 1e308};
}

void TestChartModel::plot_mapping_stays_finite()
{
    QFETCH(AxisRange, range);
    ChartModel chart = exchange_summary_chart();
    chart.time_axis = range;
    chart.level_axis = range;
    const PlotMapping m = PlotMapping::for_chart(chart, chart.width, chart.height);
    for (double v : {0.0, 1.0, -1.0, 10.0, 1e300}) {
        QVERIFY2(std::isfinite(m.x_to_pixel(v)), qPrintable(QString::number(v)));
        QVERIFY2(std::isfinite(m.y_to_pixel(v)), qPrintable(QString::number(v)));
    }
    QVERIFY(std::isfinite(m.pixel_to_x_shift(100)));
    QCOMPARE(m.pixel_to_x_shift(100), 0.0);
}

void TestChartModel::time_label_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QString>("expected");

    QTest::newRow("zero") << 0.0 << ","
                          << "."
                          << "0.00µs";
    QTest::newRow("below one keeps the integer digit") << 0.5 << ","
                                                       << "."
                                                       << "0.50µs";
    QTest::newRow("thousands grouped") << 1234.5 << ","
                                       << "."
                                       << "1,234.50µs";
    QTest::newRow("three digits, no group") << 999.0 << ","
                                            << "."
                                            << "999.00µs";
    QTest::newRow("millions") << 1234567.891 << ","
                              << "."
                              << "1,234,567.89µs";
    QTest::newRow("rounding opens a new group") << 999.999 << ","
                                                << "."
                                                << "1,000.00µs";
    QTest::newRow("negative grouped") << -1000.0 << ","
                                      << "."
                                      << "-1,000.00µs";
    // -0.375 is exact in binary; the tie goes to the even digit, as printf does.
    QTest::newRow("exact tie rounds to even") << -0.375 << ","
                                              << "."
                                              << "-0.38µs";
    QTest::newRow("rounds to zero without a sign") << -0.004 << ","
                                                   << "."
                                                   << "0.00µs";
    QTest::newRow("Hungarian separators")
        << 1234567.891 << QStringLiteral("\u00a0") << "," << QStringLiteral("1\u00a0234\u00a0567,89µs");
    QTest::newRow("multi-byte separators pass through")
        << -9876.5 << QStringLiteral("\u202f") << QStringLiteral("\u066b")
        << QStringLiteral("-9\u202f876\u066b50µs");
}

void TestChartModel::time_label()
{
    QFETCH(double, value);
    QFETCH(QString, group);
    QFETCH(QString, decimal);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(tavrin::time_label(value, group.toStdString(), decimal.toStdString())),
             expected);
}

void TestChartModel::time_label_keeps_every_digit_of_a_huge_value()
{
    // An axis dragged far away still gets a whole label, not a cut-off one.
    const QString label = QString::fromStdString(tavrin::time_label(1e308, ",", "."));
    QVERIFY2(label.endsWith(".00µs"), qPrintable(label));
    QString integer = label.chopped(5);
    QCOMPARE(integer.count(','), 102);
    integer.remove(',');
    QCOMPARE(integer.size(), 309);
    QVERIFY(integer.startsWith("1000000000000000"));
}

void TestChartModel::tick_values_data()
{
    QTest::addColumn<AxisRange>("range");
    QTest::addColumn<int>("max_labels");
    QTest::addColumn<QList<double>>("expected");

    QTest::newRow("exchange start: every microsecond")
        << AxisRange{-1, 9} << 10 << QList<double>{-1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    QTest::newRow("fewer labels: steps of two") << AxisRange{0, 10} << 5 << QList<double>{0, 2, 4, 6, 8, 10};
    QTest::newRow("steps of five from an odd start") << AxisRange{-3, 19} << 5 << QList<double>{0, 5, 10, 15};
    QTest::newRow("small span crossing zero")
        << AxisRange{-0.3, 0.3} << 6 << QList<double>{-0.3, -0.2, -0.1, 0, 0.1, 0.2, 0.3};
    QTest::newRow("zero span") << AxisRange{2, 2} << 10 << QList<double>{};
    QTest::newRow("reversed") << AxisRange{9, -1} << 10 << QList<double>{};
    QTest::newRow("NaN") << AxisRange{nan_value, 1} << 10 << QList<double>{};
    QTest::newRow("infinite") << AxisRange{0, inf_value} << 10 << QList<double>{};
}

void TestChartModel::tick_values()
{
    QFETCH(AxisRange, range);
    QFETCH(int, max_labels);
    QFETCH(QList<double>, expected);
    const auto ticks = tavrin::tick_values(range, max_labels);
    QCOMPARE(qsizetype(ticks.size()), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        // Multiples of 0.1 carry the usual last-bit error; the label rounds it away.
        QVERIFY2(std::abs(ticks[std::size_t(i)] - expected[i]) < 1e-12,
                 qPrintable(QStringLiteral("tick %1: %2").arg(i).arg(ticks[std::size_t(i)], 0, 'g', 17)));
    }
}

QTEST_APPLESS_MAIN(TestChartModel)
#include "test_chart_model.moc"
