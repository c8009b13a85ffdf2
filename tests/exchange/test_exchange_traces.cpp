// The thirteen traces of a full-duplex exchange.
#include "exchange/exchange_traces.h"
#include "views/byte_text.h"

#include <QtTest>

using namespace tavrin;

namespace {
using Pts = QList<QPair<double, double>>;

Pts pts(const PointList& l)
{
    Pts out;
    for (const auto& p : l)
        out << qMakePair(p.x, p.y);
    return out;
}

Pts markers(double T, double offset, double low, double high)
{
    Pts p{{-T, low}, {0, low}};
    for (int n = 0; n < 8; ++n) {
        const double x = (n + offset) * T;
        p << qMakePair(x, low) << qMakePair(x, high) << qMakePair(x, low);
    }
    p << qMakePair(9 * T, low);
    return p;
}
} // namespace

class TestExchangeTraces : public QObject {
    Q_OBJECT
private slots:
    void worked_example_a5_3c_mode_0()
    {
        const ExchangeTraces t = build_exchange_traces(1.0, 0, "1010 0101", "0011 1100");
        const Pts mosi{{-1, 3.1}, {0, 3.1}, {1, 3.9}, {2, 3.1}, {3, 3.9}, {4, 3.1},
                       {5, 3.1},  {6, 3.9}, {7, 3.1}, {8, 3.9}, {9, 3.1}};
        QCOMPARE(pts(t.summary_mosi), mosi);
        QCOMPARE(pts(t.slave_mosi), mosi);
        QCOMPARE(pts(t.summary_miso), (Pts{{-1, 4.1}, {0, 4.1}, {1, 4.1}, {2, 4.1}, {3, 4.9}, {4, 4.9},
                                            {5, 4.9}, {6, 4.9}, {7, 4.1}, {8, 4.1}, {9, 4.1}}));
        QCOMPARE(pts(t.master_miso), (Pts{{-1, 3.1}, {0, 3.1}, {1, 3.1}, {2, 3.1}, {3, 3.9}, {4, 3.9},
                                           {5, 3.9}, {6, 3.9}, {7, 3.1}, {8, 3.1}, {9, 3.1}}));
        // Idle points black, bit points in the data colour.
        for (const PointList* l : {&t.summary_mosi, &t.summary_miso, &t.master_miso, &t.slave_mosi}) {
            QCOMPARE(l->size(), std::size_t(11));
            for (std::size_t i = 0; i < l->size(); ++i) {
                const bool idle = i < 2 || i == 10;
                QCOMPARE((*l)[i].colour, std::optional<Rgb>(idle ? colour::idle : colour::data));
            }
        }
        Pts clock{{-1, 2.1}, {0, 2.1}};
        for (int k = 0; k < 8; ++k)
            clock << qMakePair(k + 0.5, 2.1) << qMakePair(k + 1.0, 2.9);
        clock << qMakePair(9.0, 2.1);
        QCOMPARE(pts(t.summary_clock), clock);
        QCOMPARE(pts(t.master_clock), clock);
        QCOMPARE(pts(t.slave_clock), clock);
        QCOMPARE(pts(t.slave_select), (Pts{{-1, 1.9}, {-0.5, 1.9}, {0, 1.1}, {8.5, 1.1}, {9, 1.9}}));
        for (const PointList* l : {&t.summary_sampling, &t.master_sampling, &t.slave_sampling})
            QCOMPARE(pts(*l), markers(1, 0.5, 0.1, 0.9));
        for (const PointList* l : {&t.master_changes, &t.slave_changes})
            QCOMPARE(pts(*l), markers(1, 0, 1.1, 1.9));
        // Everything but the data lines is drawn in the series colour.
        for (const PointList* l : {&t.summary_clock, &t.slave_select, &t.summary_sampling, &t.master_changes})
            for (const auto& p : *l)
                QVERIFY(!p.colour.has_value());
    }

    void sclk_of_every_mode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<double>("idle");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::newRow("mode 0") << 0 << 2.1 << 2.1 << 2.9;
        QTest::newRow("mode 1") << 1 << 2.1 << 2.9 << 2.1;
        QTest::newRow("mode 2") << 2 << 2.9 << 2.9 << 2.1;
        QTest::newRow("mode 3") << 3 << 2.9 << 2.1 << 2.9;
    }
    void sclk_of_every_mode()
    {
        QFETCH(int, mode);
        QFETCH(double, idle);
        QFETCH(double, a);
        QFETCH(double, b);
        const double T = 0.2;
        const PointList c = exchange_clock(T, mode);
        QCOMPARE(c.size(), std::size_t(19));
        QCOMPARE(c[0].x, -T);
        QCOMPARE(c[0].y, idle);
        QCOMPARE(c[1].y, idle);
        QCOMPARE(c[18].x, 9 * T);
        QCOMPARE(c[18].y, idle);
        for (int k = 0; k < 8; ++k) {
            QVERIFY(qFuzzyCompare(c[2 + 2 * k].x, (k + 0.5) * T));
            QCOMPARE(c[2 + 2 * k].y, a);
            QVERIFY(qFuzzyCompare(c[3 + 2 * k].x, (k + 1) * T));
            QCOMPARE(c[3 + 2 * k].y, b);
        }
    }

    void only_the_clock_follows_the_mode()
    {
        const ExchangeTraces m0 = build_exchange_traces(1, 0, "1100 1010", "0101 0011");
        for (int mode = 1; mode < 4; ++mode) {
            const ExchangeTraces m = build_exchange_traces(1, mode, "1100 1010", "0101 0011");
            QCOMPARE(m.summary_mosi, m0.summary_mosi);
            QCOMPARE(m.summary_miso, m0.summary_miso);
            QCOMPARE(m.slave_select, m0.slave_select);
            QCOMPARE(m.summary_sampling, m0.summary_sampling);
            QCOMPARE(m.master_changes, m0.master_changes);
            QVERIFY(m.summary_clock != m0.summary_clock);
        }
    }

    void swapping_the_bytes_swaps_the_patterns()
    {
        const ExchangeTraces a = build_exchange_traces(1, 0, "1010 0101", "0011 1100");
        const ExchangeTraces b = build_exchange_traces(1, 0, "0011 1100", "1010 0101");
        // Same lanes, exchanged bits.
        QCOMPARE(pts(b.summary_mosi), pts(exchange_data_line(1, "0011 1100", 3.1, 3.9)));
        QCOMPARE(pts(b.master_miso), pts(a.slave_mosi));
        QCOMPARE(pts(b.slave_mosi), pts(a.master_miso));
    }

    void speeds_scale_the_shape_data()
    {
        QTest::addColumn<int>("speed");
        QTest::addColumn<double>("T");
        QTest::newRow("100000 bps") << 100000 << 10.0;
        QTest::newRow("1000000 bps") << 1000000 << 1.0;
        QTest::newRow("25000000 bps") << 25000000 << 0.04;
    }
    void speeds_scale_the_shape()
    {
        QFETCH(int, speed);
        QFETCH(double, T);
        QCOMPARE(bit_time_us(speed), T);
        const ExchangeTraces t = build_exchange_traces(T, 2, "1000 0001", "0000 1000");
        const ExchangeTraces unit = build_exchange_traces(1, 2, "1000 0001", "0000 1000");
        const PointList* scaled[] = {&t.summary_mosi, &t.summary_clock, &t.slave_select, &t.summary_sampling,
                                     &t.master_changes};
        const PointList* base[] = {&unit.summary_mosi, &unit.summary_clock, &unit.slave_select,
                                   &unit.summary_sampling, &unit.master_changes};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(scaled[i]->size(), base[i]->size());
            for (std::size_t j = 0; j < base[i]->size(); ++j) {
                QVERIFY2(qAbs((*scaled[i])[j].x - (*base[i])[j].x * T) < 1e-9 * T, "x scales with T");
                QCOMPARE((*scaled[i])[j].y, (*base[i])[j].y);
            }
        }
        QCOMPARE(t.summary_mosi.front().x, -T);
        QCOMPARE(t.summary_mosi.back().x, 9 * T);
    }

    void single_high_cells_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<QList<int>>("high_cells"); // n: the cell [nT, (n+1)T]
        QTest::newRow("255 high over the whole transfer") << 255 << QList<int>{0, 1, 2, 3, 4, 5, 6, 7};
        QTest::newRow("0x80 first cell") << 0x80 << QList<int>{0};
        QTest::newRow("0x08 right after the upper nibble") << 0x08 << QList<int>{4};
        QTest::newRow("0 level") << 0 << QList<int>{};
    }
    void single_high_cells()
    {
        QFETCH(int, byte);
        QFETCH(QList<int>, high_cells);
        const PointList l = exchange_data_line(1, bin_text(byte), 3.1, 3.9);
        QCOMPARE(l.size(), std::size_t(11));
        for (int n = 0; n < 8; ++n)
            QCOMPARE(l[static_cast<std::size_t>(n + 2)].y, high_cells.contains(n) ? 3.9 : 3.1);
        QCOMPARE(l.back().y, 3.1);
    }

    void short_bin_text_gives_an_idle_line()
    {
        QCOMPARE(pts(exchange_data_line(1, "101", 3.1, 3.9)), (Pts{{-1, 3.1}, {0, 3.1}, {9, 3.1}}));
    }
};

QTEST_GUILESS_MAIN(TestExchangeTraces)
#include "test_exchange_traces.moc"
