// Charts written as JSON, value change dumps and text waveforms, and the
// simulations of the logic library that the command-line companion writes.
#include "exchange/exchange_simulation.h"
#include "packet/packet_simulation.h"
#include "support/test_form.h"
#include "views/chart_export.h"
#include "views/chart_specs.h"
#include "views/radio_group.h"
#include "views/spin_edit.h"
#include "views/string_grid.h"
#include "views/waveform_chart.h"

#include <QColor>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include <cmath>
#include <cstring>

using namespace tavrin;

namespace {

const QString idle_hex = "#000000";
const QString data_hex = "#81a3a3";

struct Expected {
    double x;
    double y;
    QString colour; // empty: null
};
using ExpectedList = QList<Expected>;

QJsonObject parse_object(const std::string& text)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    if (error.error != QJsonParseError::NoError)
        qWarning("JSON error at %d: %s", error.offset, qPrintable(error.errorString()));
    return doc.object();
}

bool same_double(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// A data line of the worked examples: idle twice, the eight bits, idle.
ExpectedList data_line(double first, double T, double start, const char* bits, double low, double high)
{
    ExpectedList l{{first, low, idle_hex}, {start, low, idle_hex}};
    for (int k = 1; k <= 8; ++k)
        l.append({start + k * T, bits[k - 1] == '1' ? high : low, data_hex});
    l.append({start + 9 * T, low, idle_hex});
    return l;
}

ExpectedList markers(double first, double start, double offset, double end, double low, double high)
{
    ExpectedList l{{first, low, {}}, {start, low, {}}};
    for (int k = 0; k < 8; ++k)
        for (double y : {low, high, low})
            l.append({start + k + offset, y, {}});
    l.append({end, low, {}});
    return l;
}

void compare_series(const QJsonObject& series, const QString& name, const QString& colour,
                    const ExpectedList& points)
{
    QCOMPARE(series["name"].toString(), name);
    QCOMPARE(series["colour"].toString(), colour);
    QCOMPARE(series["width"].toInt(), 2);
    const QJsonArray got = series["points"].toArray();
    QCOMPARE(got.size(), points.size());
    for (int i = 0; i < points.size(); ++i) {
        const QJsonArray p = got[i].toArray();
        QCOMPARE(p.size(), 3);
        QCOMPARE(p[0].toDouble(), points[i].x);
        QCOMPARE(p[1].toDouble(), points[i].y);
        if (points[i].colour.isEmpty())
            QVERIFY2(p[2].isNull(), qPrintable(name + " point " + QString::number(i)));
        else
            QCOMPARE(p[2].toString(), points[i].colour);
    }
}

void compare_axis(const QJsonValue& axis, double min, double max)
{
    QCOMPARE(axis["min"].toDouble(), min);
    QCOMPARE(axis["max"].toDouble(), max);
}

void compare_table(const QJsonValue& table, const char* bits)
{
    const QJsonArray rows = table.toArray();
    QCOMPARE(rows.size(), 8);
    for (int r = 0; r < 8; ++r) {
        const QJsonArray row = rows[r].toArray();
        QCOMPARE(row.size(), 3);
        QCOMPARE(row[0].toString(), QString("%1.").arg(r + 1));
        QCOMPARE(row[1].toString(), QString("adat %1.bit").arg(7 - r));
        QCOMPARE(row[2].toString(), QString(QChar(bits[r])));
    }
}

QString hex_of(Rgb c)
{
    return QColor(c.r, c.g, c.b).name();
}

// The level a trace has at time t by the stair rule: that of the first point
// past t. Times on a point are not asked for.
bool level_at(const Series& series, int lane, double t)
{
    for (const TracePoint& p : series.points())
        if (p.x > t)
            return p.y > lane + 0.5;
    return series.points().back().y > lane + 0.5;
}

struct Dump {
    QStringList header;            // every line up to $enddefinitions
    QStringList wires;             // in $var order
    QMap<QString, int> wire_of_id; // identifier code -> index
    QList<QChar> initial;
    QList<qint64> times;                    // of the timestamps after #0
    QList<QList<QPair<int, QChar>>> changes; // per timestamp
};

Dump read_dump(const std::string& vcd)
{
    Dump d;
    const QStringList lines = QString::fromStdString(vcd).split('\n', Qt::SkipEmptyParts);
    int i = 0;
    for (; i < lines.size(); ++i) {
        d.header << lines[i];
        const QStringList w = lines[i].split(' ');
        if (w[0] == "$var") {
            d.wire_of_id[w[3]] = int(d.wires.size());
            d.wires << w[4];
        }
        if (lines[i] == "$enddefinitions $end")
            break;
    }
    ++i;
    if (i + 1 < lines.size() && lines[i] == "#0" && lines[i + 1] == "$dumpvars") {
        for (i += 2; i < lines.size() && lines[i] != "$end"; ++i)
            d.initial << lines[i][0];
        ++i;
    }
    for (; i < lines.size(); ++i) {
        if (lines[i].startsWith('#')) {
            d.times << lines[i].mid(1).toLongLong();
            d.changes.emplaceBack();
        } else if (!d.changes.isEmpty()) {
            d.changes.last().append({d.wire_of_id.value(lines[i].mid(1), -1), lines[i][0]});
        } else {
            d.times << -1; // a change before any timestamp
            d.changes.emplaceBack();
        }
    }
    return d;
}

// Rows of one lane in a text drawing: the row with the label and the one above.
QPair<QString, QString> lane_text_rows(const QString& text, const QString& label)
{
    const QStringList lines = text.split('\n');
    for (int i = 1; i < lines.size(); ++i)
        if (lines[i].startsWith(label + "  ") || lines[i].startsWith(label + " ─"))
            return {lines[i - 1], lines[i]};
    return {};
}

} // namespace

class TestChartExport : public QObject {
    Q_OBJECT
private slots:
    void packet_json_worked_example()
    {
        const QJsonObject doc = parse_object(packet_json(simulate_packet(0x3C, 2)));
        QCOMPARE(doc["command"].toString(), QString("packet"));
        QCOMPARE(doc["sent"].toInt(), 60);
        compare_table(doc["table"], "00111100");
        const QJsonArray charts = doc["charts"].toArray();
        QCOMPARE(charts.size(), 1);
        const QJsonObject chart = charts[0].toObject();
        QCOMPARE(chart["name"].toString(), QString("tav_spi_acsszim"));
        compare_axis(chart["time_axis"], 0, 10);
        compare_axis(chart["level_axis"], 0, 3);
        const QJsonArray series = chart["series"].toArray();
        QCOMPARE(series.size(), 3);
        compare_series(series[0].toObject(), "tav_spi_acssz_s1", "#1a7972",
                       data_line(0, 1, 1, "00111100", 2.1, 2.9));
        // Mode 2: the clock idles high and falls in the middle of every cell.
        ExpectedList clock{{0, 1.9, {}}, {1, 1.9, {}}};
        for (int k = 0; k < 8; ++k)
            clock << Expected{1.5 + k, 1.9, {}} << Expected{2.0 + k, 1.1, {}};
        clock << Expected{10, 1.9, {}};
        compare_series(series[1].toObject(), "tav_spi_acssz_s2", "#205693", clock);
        compare_series(series[2].toObject(), "tav_spi_acssz_sm", "#000000", markers(0, 1, 0.5, 10, 0.1, 0.9));
    }

    void exchange_json_worked_example()
    {
        const QJsonObject doc = parse_object(exchange_json(simulate_exchange(0xA5, 0x3C, 0, 1000000)));
        QCOMPARE(doc["command"].toString(), QString("exchange"));
        QCOMPARE(doc["bit_time_us"].toDouble(), 1.0);
        QCOMPARE(doc["received"]["master"].toInt(), 0x3C);
        QCOMPARE(doc["received"]["slave"].toInt(), 0xA5);
        compare_table(doc["tables"]["master"], "00111100");
        compare_table(doc["tables"]["slave"], "10100101");
        QCOMPARE(doc["message"].toString(), QString("Az adatkommunikáció sikeres."));

        ExpectedList clock{{-1, 2.1, {}}, {0, 2.1, {}}};
        for (int k = 0; k < 8; ++k)
            clock << Expected{0.5 + k, 2.1, {}} << Expected{1.0 + k, 2.9, {}};
        clock << Expected{9, 2.1, {}};
        const ExpectedList sampling = markers(-1, 0, 0.5, 9, 0.1, 0.9);
        const ExpectedList changes = markers(-1, 0, 0, 9, 1.1, 1.9);

        const QJsonArray charts = doc["charts"].toArray();
        QCOMPARE(charts.size(), 3);
        const QStringList names = {"tav_spi_avsz_chart", "tav_spi_avsz_master_chart", "tav_spi_avsz_slave_chart"};
        for (int c = 0; c < 3; ++c) {
            QCOMPARE(charts[c]["name"].toString(), names[c]);
            compare_axis(charts[c]["time_axis"], -1, 9);
            compare_axis(charts[c]["level_axis"], 0, c == 0 ? 5 : 4);
        }
        const QJsonArray summary = charts[0]["series"].toArray();
        QCOMPARE(summary.size(), 5);
        compare_series(summary[0].toObject(), "tav_spi_avsz_smastervett", idle_hex,
                       data_line(-1, 1, 0, "00111100", 4.1, 4.9));
        compare_series(summary[1].toObject(), "tav_spi_avsz_sslavevett", idle_hex,
                       data_line(-1, 1, 0, "10100101", 3.1, 3.9));
        compare_series(summary[2].toObject(), "tav_spi_avsz_sorajel", "#205693", clock);
        compare_series(summary[3].toObject(), "tav_spi_avsz_sslavekivalaszt", "#288e3a",
                       {{-1, 1.9, {}}, {-0.5, 1.9, {}}, {0, 1.1, {}}, {8.5, 1.1, {}}, {9, 1.9, {}}});
        compare_series(summary[4].toObject(), "tav_spi_avsz_sm", idle_hex, sampling);
        for (int c = 1; c < 3; ++c) {
            const QString side = c == 1 ? "master" : "slave";
            const QJsonArray series = charts[c]["series"].toArray();
            QCOMPARE(series.size(), 4);
            compare_series(series[0].toObject(), "tav_spi_avsz_" + side + "_svett", idle_hex,
                           data_line(-1, 1, 0, c == 1 ? "00111100" : "10100101", 3.1, 3.9));
            compare_series(series[1].toObject(), "tav_spi_avsz_" + side + "_sorajel", "#205693", clock);
            compare_series(series[2].toObject(), "tav_spi_avsz_" + side + "_sadatvalt", idle_hex, changes);
            compare_series(series[3].toObject(), "tav_spi_avsz_" + side + "_sm", idle_hex, sampling);
        }
    }

    void numbers_read_back_as_the_same_double_data()
    {
        QTest::addColumn<double>("value");
        QTest::newRow("0.1") << 0.1;
        QTest::newRow("a third") << 1.0 / 3.0;
        QTest::newRow("9 bit times at 25 Mbit/s") << 9 * 0.04;
        QTest::newRow("negative") << -0.04;
        QTest::newRow("negative zero") << -0.0;
        QTest::newRow("whole number") << 2.0;
        QTest::newRow("large") << 123456789.125;
        QTest::newRow("largest") << 1.7976931348623157e308;
        QTest::newRow("smallest normal") << 2.2250738585072014e-308;
        QTest::newRow("subnormal") << 5e-324;
    }
    void numbers_read_back_as_the_same_double()
    {
        QFETCH(double, value);
        const std::string text = json_number(value);
        const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString("[" + text + "]"));
        QVERIFY2(doc.isArray(), text.c_str());
        // Qt keeps a whole number as an integer, which has no negative zero;
        // the C library's reader shows that the sign is written.
        QVERIFY2(doc.array()[0].toDouble() == value, text.c_str());
        QVERIFY2(same_double(std::strtod(text.c_str(), nullptr), value), text.c_str());
    }

    void every_number_of_an_odd_bit_time_reads_back_exactly()
    {
        // 3 Mbit/s: a bit time of a third of a microsecond, every point a sum of thirds.
        const ExchangeSimulation sim = simulate_exchange(0x5A, 0xC3, 3, 3000000);
        const QJsonObject doc = parse_object(exchange_json(sim));
        QVERIFY(same_double(doc["bit_time_us"].toDouble(), sim.bit_time_us));
        const ChartModel* charts[] = {&sim.summary, &sim.master, &sim.slave};
        for (int c = 0; c < 3; ++c) {
            const QJsonObject chart = doc["charts"][c].toObject();
            QVERIFY(same_double(chart["time_axis"]["min"].toDouble(), charts[c]->time_axis.min));
            QVERIFY(same_double(chart["time_axis"]["max"].toDouble(), charts[c]->time_axis.max));
            for (std::size_t s = 0; s < charts[c]->series.size(); ++s) {
                const QJsonArray points = chart["series"][int(s)]["points"].toArray();
                const PointList& expected = charts[c]->series[s].points();
                QCOMPARE(std::size_t(points.size()), expected.size());
                for (std::size_t i = 0; i < expected.size(); ++i) {
                    QVERIFY(same_double(points[int(i)][0].toDouble(), expected[i].x));
                    QVERIFY(same_double(points[int(i)][1].toDouble(), expected[i].y));
                }
            }
        }
    }

    void strings_and_colours()
    {
        const std::string tricky = "a\"b\\c\nd\te\x01\x1f" "é€/";
        const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString("[" + json_string(tricky) + "]"));
        QCOMPARE(doc.array()[0].toString(), QString::fromUtf8(tricky));
        QVERIFY(json_string(tricky).find('\x01') == std::string::npos);
        QCOMPARE(json_string("\x01"), std::string("\"\\u0001\""));
        QCOMPARE(colour_hex(Rgb{0, 15, 255}), std::string("#000fff"));
        for (Rgb c : {colour::clock_series, colour::data, colour::slave_select_series})
            QCOMPARE(QString::fromStdString(colour_hex(c)), hex_of(c));
        QCOMPARE(json_number(std::nan("")), std::string("null"));
        QCOMPARE(json_number(-INFINITY), std::string("null"));
    }

    void simulations_equal_the_window_data()
    {
        QTest::addColumn<int>("master");
        QTest::addColumn<int>("slave");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("speed");
        QTest::newRow("worked example") << 0xA5 << 0x3C << 0 << 1000000;
        QTest::newRow("0 and 255, mode 3, 25 Mbit/s") << 0x00 << 0xFF << 3 << 25000000;
        QTest::newRow("81h and 7Eh, mode 1, 100 kbit/s") << 0x81 << 0x7E << 1 << 100000;
        QTest::newRow("5Ah and C3h, mode 2, 3 Mbit/s") << 0x5A << 0xC3 << 2 << 3000000;
    }
    void simulations_equal_the_window()
    {
        QFETCH(int, master);
        QFETCH(int, slave);
        QFETCH(int, mode);
        QFETCH(int, speed);
        TestForm f;
        f->tav_spi_acssz_d->set_value(master);
        f->tav_spi_acssz_uzemmod->set_item_index(mode);
        f->tav_spi_acssz_szim->click();
        f->tav_spi_avsz_m_d->set_value(master);
        f->tav_spi_avsz_s_d->set_value(slave);
        f->tav_spi_avsz_m_uzemmod->set_item_index(mode);
        f->tav_spi_avsz_m_seb->set_value(speed);
        f->tav_spi_avsz_szim->click();

        const auto same_chart = [](const ChartModel& core, const WaveformChart* window) {
            QCOMPARE(QString::fromStdString(core.name), QString::fromStdString(window->model().name));
            QCOMPARE(core.time_axis, window->time_axis());
            QCOMPARE(core.level_axis, window->model().level_axis);
            QCOMPARE(core.series.size(), window->model().series.size());
            for (std::size_t i = 0; i < core.series.size(); ++i) {
                QCOMPARE(core.series[i].name(), window->model().series[i].name());
                QCOMPARE(core.series[i].points(), window->model().series[i].points());
            }
        };
        const auto same_table = [](const std::array<BitRow, 8>& rows, const StringGrid* grid) {
            for (int r = 1; r <= 8; ++r) {
                const BitRow& row = rows[std::size_t(r - 1)];
                QCOMPARE(grid->cell(0, r), QString::fromStdString(row.number));
                QCOMPARE(grid->cell(1, r), QString::fromStdString(row.type));
                QCOMPARE(grid->cell(2, r), QString::fromStdString(row.value));
            }
        };

        const PacketSimulation packet = simulate_packet(std::uint8_t(master), mode);
        same_chart(packet.chart, f->tav_spi_acsszim);
        same_chart(simulate_packet_chart(std::uint8_t(master), mode), f->tav_spi_acsszim);
        same_table(packet.table, f->tav_spi_acssz_csadatok);

        const ExchangeSimulation ex = simulate_exchange(std::uint8_t(master), std::uint8_t(slave), mode, speed);
        same_chart(ex.summary, f->tav_spi_avsz_chart);
        same_chart(ex.master, f->tav_spi_avsz_master_chart);
        same_chart(ex.slave, f->tav_spi_avsz_slave_chart);
        same_table(ex.master_table, f->tav_spi_avsz_mastervett_eredmenytabla);
        same_table(ex.slave_table, f->tav_spi_avsz_slavevett_eredmenytabla);
        QCOMPARE(int(ex.master_received), f->tav_spi_avsz_mastervett_d->value());
        QCOMPARE(int(ex.slave_received), f->tav_spi_avsz_slavevett_d->value());
        QCOMPARE(QString::fromStdString(ex.message), f->tav_spi_avsz_mastervett_eredmeny->toPlainText());
        QCOMPARE(ex.bit_time_us, 1e6 / speed);
    }

    void bus_lines_of_every_chart_data()
    {
        QTest::addColumn<int>("chart");
        QTest::addColumn<QStringList>("lines"); // "WIRE series lane"
        QTest::newRow("packet") << 0 << QStringList{"SCLK 1 1", "DATA 0 2"};
        QTest::newRow("single mode 3") << 1 << QStringList{"SCLK 1 1", "DATA 0 2"};
        QTest::newRow("exchange summary") << 2 << QStringList{"SCLK 2 2", "MOSI 1 3", "MISO 0 4", "SS 3 1"};
        QTest::newRow("master's chart") << 3 << QStringList{"SCLK 1 2", "MISO 0 3"};
        QTest::newRow("slave's chart") << 4 << QStringList{"SCLK 1 2", "MOSI 0 3"};
        QTest::newRow("bit sample chart") << 5 << QStringList{};
    }
    void bus_lines_of_every_chart()
    {
        QFETCH(int, chart);
        QFETCH(QStringList, lines);
        const ChartModel charts[] = {packet_chart(), single_mode_chart(3), exchange_summary_chart(),
                                     exchange_master_chart(), exchange_slave_chart(),
                                     bit_sample_chart("tav_spi_bit", "tav_spi_bit_s")};
        QStringList got;
        for (const BusLine& l : bus_lines(charts[chart]))
            got << QString("%1 %2 %3").arg(QString::fromStdString(l.wire)).arg(l.series).arg(l.lane);
        QCOMPARE(got, lines);
    }

    void bus_lines_lie_on_their_lanes()
    {
        const ExchangeSimulation ex = simulate_exchange(0xA5, 0x3C, 1, 1000000);
        const PacketSimulation packet = simulate_packet(0xA5, 2);
        for (const ChartModel* chart : {&ex.summary, &ex.master, &ex.slave, &packet.chart})
            for (const BusLine& l : bus_lines(*chart))
                for (const TracePoint& p : chart->series[std::size_t(l.series)].points()) {
                    QVERIFY(p.y == lane_low(l.lane) || p.y == lane_high(l.lane));
                    QCOMPARE(is_high(p, l.lane), p.y == lane_high(l.lane));
                }
    }

    void dump_of_a_small_chart_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<QString>("vcd");
        const QString head = "$version ZEPRA TAVRIN-SPI $end\n"
                             "$comment tav_spi_acsszim $end\n"
                             "$timescale 1 ps $end\n"
                             "$scope module spi $end\n"
                             "$var wire 1 ! SCLK $end\n"
                             "$var wire 1 \" DATA $end\n"
                             "$upscope $end\n"
                             "$enddefinitions $end\n"
                             "#0\n$dumpvars\n1!\n0\"\n$end\n";
        QTest::newRow("1 unit = 1 µs") << 1e6 << head + "#500000\n0!\n1\"\n#1500000\n0\"\n#2623457\n";
        QTest::newRow("1 unit = 1 ns") << 1e3 << head + "#500\n0!\n1\"\n#1500\n0\"\n#2623\n";
    }
    void dump_of_a_small_chart()
    {
        QFETCH(double, scale);
        QFETCH(QString, vcd);
        ChartModel chart = packet_chart();
        // SCLK's first stretch (0.5, 1.0000001] is high, so it starts high;
        // its change lands within a picosecond of DATA's and shares its timestamp.
        chart.series[1].append_all({point(0.5, 1.1), point(1.0000001, 1.9), point(2.5, 1.1), point(3.1234567, 1.1)});
        // DATA repeats a level, and one of its points lies less than a
        // picosecond after another: neither gives an entry of its own.
        chart.series[0].append_all({point(0.5, 2.1), point(1, 2.1), point(1.25, 2.9), point(2, 2.9),
                                    point(2.0000004, 2.1), point(3, 2.1)});
        // A marker is not a bus line.
        chart.series[2].append_all({point(1.5, 0.1), point(1.5, 0.9), point(1.5, 0.1)});
        QCOMPARE(QString::fromStdString(chart_vcd(chart, scale)), vcd);
    }

    void dump_of_a_chart_without_points()
    {
        const Dump d = read_dump(chart_vcd(exchange_summary_chart()));
        QCOMPARE(d.wires, (QStringList{"SCLK", "MOSI", "MISO", "SS"}));
        QCOMPARE(d.initial, (QList<QChar>{'x', 'x', 'x', 'x'}));
        QVERIFY(d.times.isEmpty());
    }

    void dump_of_the_exchange_follows_the_stair_rule_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("master");
        QTest::addColumn<int>("slave");
        QTest::newRow("mode 0, 1 Mbit/s") << 0 << 1000000 << 0xA5 << 0x3C;
        QTest::newRow("mode 1, 3 Mbit/s") << 1 << 3000000 << 0x5A << 0xC3;
        QTest::newRow("mode 2, 25 Mbit/s") << 2 << 25000000 << 0x80 << 0x01;
        QTest::newRow("mode 3, 100 kbit/s") << 3 << 100000 << 0x00 << 0xFF;
    }
    void dump_of_the_exchange_follows_the_stair_rule()
    {
        QFETCH(int, mode);
        QFETCH(int, speed);
        QFETCH(int, master);
        QFETCH(int, slave);
        const ExchangeSimulation ex = simulate_exchange(std::uint8_t(master), std::uint8_t(slave), mode, speed);
        const Dump d = read_dump(exchange_vcd(ex));
        QVERIFY(d.header.contains("$timescale 1 ps $end"));
        QVERIFY(d.header.contains("$scope module spi $end"));
        QCOMPARE(d.header.last(), QString("$enddefinitions $end"));
        QCOMPARE(d.wires, (QStringList{"SCLK", "MOSI", "MISO", "SS"}));
        QCOMPARE(d.initial.size(), 4);

        // Times rise strictly; every entry changes its wire.
        QList<QChar> value = d.initial;
        qint64 last = 0;
        for (int i = 0; i < d.times.size(); ++i) {
            QVERIFY2(d.times[i] > last, qPrintable(QString::number(d.times[i])));
            last = d.times[i];
            for (const auto& [wire, v] : d.changes[i]) {
                QVERIFY(wire >= 0);
                QVERIFY(v != value[wire]);
                value[wire] = v;
            }
        }
        const double T = ex.bit_time_us;
        QCOMPARE(last, std::llround(10 * T * 1e6)); // the last point, 9T, shifted by T

        // The levels between the changes are those of the chart's stairs.
        const std::vector<BusLine> lines = bus_lines(ex.summary);
        for (int k = 0; k < 80; ++k) {
            const double t = -T + (k + 0.5) * T / 8;
            const qint64 ps = std::llround((t + T) * 1e6);
            QList<QChar> at = d.initial;
            for (int i = 0; i < d.times.size() && d.times[i] <= ps; ++i)
                for (const auto& [wire, v] : d.changes[i])
                    at[wire] = v;
            for (int w = 0; w < 4; ++w) {
                const BusLine& l = lines[std::size_t(w)];
                const bool high = level_at(ex.summary.series[std::size_t(l.series)], l.lane, t);
                QVERIFY2(at[w] == (high ? '1' : '0'),
                         qPrintable(QString("%1 at %2 ps").arg(d.wires[w]).arg(ps)));
            }
        }
    }

    void text_waveforms_data()
    {
        QTest::addColumn<int>("which"); // 0: packet, 1: summary, 2: master's, 3: slave's chart
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QStringList>("lanes"); // "label rising falling markers"
        const QStringList summary = {"Master vett adat (MISO)|1|1|0", "Slave vett adat (MOSI)|4|4|0",
                                     "órajel (SCLK)|8|8|0", "Slave kiválasztó vonal (/SS)|1|1|0",
                                     "mintavétel|0|0|8"};
        QTest::newRow("packet, mode 2") << 0 << 2 << 0 << 100
                                        << QStringList{"adatcsomag|1|1|0", "órajel (SCLK)|8|8|0", "mintavétel|0|0|8"};
        QTest::newRow("packet, mode 1, 60 columns")
            << 0 << 1 << 0 << 60 << QStringList{"adatcsomag|1|1|0", "órajel (SCLK)|8|8|0", "mintavétel|0|0|8"};
        QTest::newRow("summary, mode 0, 1 Mbit/s") << 1 << 0 << 1000000 << 100 << summary;
        QTest::newRow("summary, mode 3, 25 Mbit/s") << 1 << 3 << 25000000 << 100 << summary;
        QTest::newRow("summary, mode 1, 3 Mbit/s") << 1 << 1 << 3000000 << 100 << summary;
        QTest::newRow("master's chart, mode 2") << 2 << 2 << 100000 << 100
                                                << QStringList{"Master vett adat (MISO)|1|1|0", "órajel (SCLK)|8|8|0",
                                                               "Slave adatbit váltások|0|0|8",
                                                               "Master mintavétel|0|0|8"};
        QTest::newRow("slave's chart, mode 0") << 3 << 0 << 1000000 << 100
                                               << QStringList{"Slave vett adat (MOSI)|4|4|0", "órajel (SCLK)|8|8|0",
                                                              "Master adatbit váltások|0|0|8",
                                                              "Slave mintavétel|0|0|8"};
    }
    void text_waveforms()
    {
        QFETCH(int, which);
        QFETCH(int, mode);
        QFETCH(int, speed);
        QFETCH(int, columns);
        QFETCH(QStringList, lanes);
        const ExchangeSimulation ex = simulate_exchange(0xA5, 0x3C, mode, speed ? speed : 1000000);
        const ChartModel charts[] = {simulate_packet(0x3C, mode).chart, ex.summary, ex.master, ex.slave};
        const ChartModel& chart = charts[which];
        const QString text = QString::fromStdString(chart_text({chart}, columns));

        const QStringList lines = text.split('\n');
        for (const QString& line : lines)
            QVERIFY2(line.size() <= columns, qPrintable(line));
        QCOMPARE(lines[0], QString::fromStdString(chart.name));
        QVERIFY(text.contains(chart.time_axis_style == TimeAxisStyle::microseconds ? "time (µs)" : "time (bit cells)"));
        QVERIFY(lines[1].contains(QRegularExpression("D7 +D6 +D5 +D4 +D3 +D2 +D1 +D0")));
        QCOMPARE(lanes.size(), int(chart.series.size()));
        for (const QString& lane : lanes) {
            const QStringList f = lane.split('|');
            const auto [high, low] = lane_text_rows(text, f[0]);
            QVERIFY2(!low.isEmpty(), qPrintable(f[0]));
            // A rising edge turns up into the high row, a falling one comes down from it.
            QCOMPARE(high.count(u'┌') + high.count(u'┬'), f[1].toInt());
            QCOMPARE(high.count(u'┐') + high.count(u'┬'), f[2].toInt());
            QCOMPARE(high.count(u'│'), f[3].toInt());
            QCOMPARE(low.count(u'└') + low.count(u'┘') + low.count(u'┴'), f[1].toInt() + f[2].toInt() + f[3].toInt());
        }
    }

    void text_of_several_charts_shares_the_label_column()
    {
        const ExchangeSimulation ex = simulate_exchange(0xA5, 0x3C, 0, 1000000);
        const QString text = QString::fromStdString(chart_text({ex.summary, ex.master, ex.slave}));
        const QStringList lines = text.split('\n');
        for (const QString& line : lines)
            QVERIFY2(line.size() <= 100, qPrintable(line));
        for (const char* name : {"tav_spi_avsz_chart", "tav_spi_avsz_master_chart", "tav_spi_avsz_slave_chart"})
            QVERIFY(lines.contains(name));
        // Every plot starts in the same column, so the charts line up.
        const int plot = int(QString("Slave kiválasztó vonal (/SS) ").size());
        for (const QString& line : lines)
            if (line.startsWith("time (µs)"))
                QCOMPARE(line.indexOf(u'┬'), plot);
        QCOMPARE(lines.filter(QRegularExpression("^órajel \\(SCLK\\) +─")).size(), 3);
    }
};

QTEST_MAIN(TestChartExport)
#include "test_chart_export.moc"
