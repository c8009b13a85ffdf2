// The trace builder shared by the single-mode charts and the packet simulation.
#include "packet/mode_traces.h"
#include "views/byte_text.h"
#include "views/colours.h"

#include <QtTest>

using namespace tavrin;

namespace {
QList<double> ys(const PointList& l)
{
    QList<double> out;
    for (const auto& p : l)
        out << p.y;
    return out;
}
QList<double> xs(const PointList& l)
{
    QList<double> out;
    for (const auto& p : l)
        out << p.x;
    return out;
}
} // namespace

class TestModeTraces : public QObject {
    Q_OBJECT
private slots:
    void worked_example_a5_in_mode_1()
    {
        const ModeTraces t = build_mode_traces("1010 0101", 1);
        QCOMPARE(xs(t.data), (QList<double>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
        QCOMPARE(ys(t.data), (QList<double>{2.1, 2.1, 2.9, 2.1, 2.9, 2.1, 2.1, 2.9, 2.1, 2.9, 2.1}));
        // Idle points in the idle colour, bit points in the data colour.
        QCOMPARE(t.data[0].colour, std::optional<Rgb>(colour::idle));
        QCOMPARE(t.data[1].colour, std::optional<Rgb>(colour::idle));
        for (int i = 2; i <= 9; ++i)
            QCOMPARE(t.data[i].colour, std::optional<Rgb>(colour::data));
        QCOMPARE(t.data[10].colour, std::optional<Rgb>(colour::idle));

        QList<double> clock_x{0, 1}, clock_y{1.1, 1.1};
        for (int k = 0; k < 8; ++k) {
            clock_x << 1.5 + k << 2 + k;
            clock_y << 1.9 << 1.1;
        }
        clock_x << 10;
        clock_y << 1.1;
        QCOMPARE(xs(t.clock), clock_x);
        QCOMPARE(ys(t.clock), clock_y);
        for (const auto& p : t.clock)
            QVERIFY(!p.colour.has_value());
    }

    void clock_depends_on_mode_alone_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<double>("idle");
        QTest::addColumn<double>("first_half");
        QTest::addColumn<double>("second_half");
        QTest::newRow("mode 0: idle low, high in the second half") << 0 << 1.1 << 1.1 << 1.9;
        QTest::newRow("mode 1: idle low, high in the first half") << 1 << 1.1 << 1.9 << 1.1;
        QTest::newRow("mode 2: idle high, low in the second half") << 2 << 1.9 << 1.9 << 1.1;
        QTest::newRow("mode 3: idle high, low in the first half") << 3 << 1.9 << 1.1 << 1.9;
    }
    void clock_depends_on_mode_alone()
    {
        QFETCH(int, mode);
        QFETCH(double, idle);
        QFETCH(double, first_half);
        QFETCH(double, second_half);
        for (const char* bin : {"0000 0000", "1111 1111", "1010 0101"}) {
            const ModeTraces t = build_mode_traces(bin, mode);
            QCOMPARE(t.clock.size(), std::size_t(19));
            QCOMPARE(t.clock.front().y, idle);
            QCOMPARE(t.clock[1].y, idle);
            QCOMPARE(t.clock.back().y, idle);
            for (int k = 0; k < 8; ++k) {
                QCOMPARE(t.clock[2 + 2 * k].x, 1.5 + k);
                QCOMPARE(t.clock[2 + 2 * k].y, first_half);
                QCOMPARE(t.clock[3 + 2 * k].x, 2.0 + k);
                QCOMPARE(t.clock[3 + 2 * k].y, second_half);
            }
            // Sampling markers: eight vertical lines in the middle of each cell, in every mode.
            QCOMPARE(t.sampling.size(), std::size_t(27));
            for (int k = 0; k < 8; ++k) {
                const double x = 1.5 + k;
                QCOMPARE(t.sampling[2 + 3 * k].x, x);
                QCOMPARE(t.sampling[2 + 3 * k].y, 0.1);
                QCOMPARE(t.sampling[3 + 3 * k].y, 0.9);
                QCOMPARE(t.sampling[4 + 3 * k].y, 0.1);
            }
        }
    }

    void high_cells_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<QList<int>>("high_cells"); // cells [c, c+1] drawn high
        QTest::newRow("0x00") << 0x00 << QList<int>{};
        QTest::newRow("0xFF") << 0xFF << QList<int>{1, 2, 3, 4, 5, 6, 7, 8};
        QTest::newRow("0x80 first cell") << 0x80 << QList<int>{1};
        QTest::newRow("0x01 last cell") << 0x01 << QList<int>{8};
        QTest::newRow("0x08 right after the upper nibble") << 0x08 << QList<int>{5};
        QTest::newRow("0x10 last cell of the upper nibble") << 0x10 << QList<int>{4};
        QTest::newRow("0x3C") << 0x3C << QList<int>{3, 4, 5, 6};
    }
    void high_cells()
    {
        QFETCH(int, byte);
        QFETCH(QList<int>, high_cells);
        for (int mode = 0; mode < 4; ++mode) {
            const ModeTraces t = build_mode_traces(bin_text(byte), mode);
            QCOMPARE(t.data.size(), std::size_t(11));
            // The point at x = c + 1 carries the level of the cell [c, c + 1].
            for (int c = 1; c <= 8; ++c) {
                const TracePoint& p = t.data[static_cast<std::size_t>(c + 1)];
                QCOMPARE(p.x, double(c + 1));
                QCOMPARE(p.y, high_cells.contains(c) ? 2.9 : 2.1);
            }
            QCOMPARE(t.data.back().y, 2.1);
        }
    }

    void malformed_bin_texts()
    {
        // Too short: only the three idle points.
        const ModeTraces shorter = build_mode_traces("1010", 0);
        QCOMPARE(xs(shorter.data), (QList<double>{0, 1, 10}));
        // A character that is no bit adds no point, so the next level spreads over its cell.
        const ModeTraces odd = build_mode_traces("1x10 0101", 0);
        QCOMPARE(xs(odd.data), (QList<double>{0, 1, 2, 4, 5, 6, 7, 8, 9, 10}));
        // The blank between the nibbles is never read.
        QCOMPARE(build_mode_traces("0000X1000", 0).data, build_mode_traces("0000 1000", 0).data);
    }

    void rebuild_is_identical()
    {
        const ModeTraces a = build_mode_traces("0110 1001", 2);
        const ModeTraces b = build_mode_traces("0110 1001", 2);
        QCOMPARE(a.data, b.data);
        QCOMPARE(a.clock, b.clock);
        QCOMPARE(a.sampling, b.sampling);
    }

    void bit_table_rows_data()
    {
        QTest::addColumn<QString>("bin");
        QTest::addColumn<QString>("values");
        QTest::newRow("0") << "0000 0000" << "00000000";
        QTest::newRow("255") << "1111 1111" << "11111111";
        QTest::newRow("0x08: only bit 3 in row 5") << "0000 1000" << "00001000";
        QTest::newRow("0x3C") << "0011 1100" << "00111100";
    }
    void bit_table_rows()
    {
        QFETCH(QString, bin);
        QFETCH(QString, values);
        const auto rows = tavrin::bit_table_rows(bin.toStdString());
        for (int r = 1; r <= 8; ++r) {
            const BitRow& row = rows[static_cast<std::size_t>(r - 1)];
            QCOMPARE(QString::fromStdString(row.number), QString("%1.").arg(r));
            QCOMPARE(QString::fromStdString(row.type), QString("adat %1.bit").arg(8 - r));
            QCOMPARE(QString::fromStdString(row.value), QString(values[r - 1]));
        }
        // A character that is no bit leaves the value empty.
        QCOMPARE(tavrin::bit_table_rows("10?0 0000")[2].value, std::string());
    }
};

QTEST_GUILESS_MAIN(TestModeTraces)
#include "test_mode_traces.moc"
