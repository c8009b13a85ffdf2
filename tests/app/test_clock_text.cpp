// The status bar clock and the screen-size rule.
#include "app/clock_text.h"
#include "app/screen_check.h"

#include <QtTest>

using namespace tavrin;

class TestClockText : public QObject {
    Q_OBJECT
private slots:
    void clock_text_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("minute");
        QTest::addColumn<int>("second");
        QTest::addColumn<int>("weekday");
        QTest::addColumn<QString>("expected");
        QTest::newRow("thursday afternoon") << 2011 << 1 << 13 << 14 << 5 << 9 << 5
                                            << QString("2011.01.13 14:05:09    csütörtök  ");
        QTest::newRow("leading zeros") << 2011 << 2 << 1 << 9 << 5 << 3 << 3
                                       << QString("2011.02.01 09:05:03    kedd  ");
        QTest::newRow("sunday") << 2026 << 12 << 13 << 0 << 0 << 0 << 1 << QString("2026.12.13 00:00:00    vasárnap  ");
        QTest::newRow("monday") << 2026 << 12 << 14 << 23 << 59 << 59 << 2 << QString("2026.12.14 23:59:59    hétfő  ");
        QTest::newRow("wednesday") << 2026 << 12 << 16 << 12 << 0 << 0 << 4 << QString("2026.12.16 12:00:00    szerda  ");
        QTest::newRow("friday") << 2026 << 12 << 11 << 8 << 30 << 0 << 6 << QString("2026.12.11 08:30:00    péntek  ");
        QTest::newRow("saturday") << 2026 << 12 << 12 << 8 << 30 << 0 << 7 << QString("2026.12.12 08:30:00    szombat  ");
    }
    void clock_text()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(int, hour);
        QFETCH(int, minute);
        QFETCH(int, second);
        QFETCH(int, weekday);
        QFETCH(QString, expected);
        const LocalDateTime t{year, month, day, hour, minute, second, weekday};
        QCOMPARE(QString::fromStdString(tavrin::clock_text(t)), expected);
    }

    void local_now_matches_the_system_clock()
    {
        const LocalDateTime t = local_now();
        const QDateTime now = QDateTime::currentDateTime();
        QCOMPARE(t.year, now.date().year());
        // Qt counts Monday = 1 … Sunday = 7; the clock counts Sunday = 1.
        QCOMPARE(t.weekday, now.date().dayOfWeek() % 7 + 1);
    }

    void screen_rule_data()
    {
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("h");
        QTest::addColumn<bool>("ok");
        QTest::newRow("1280 x 900 is enough") << 1280 << 900 << true;
        QTest::newRow("1280 x 1024") << 1280 << 1024 << true;
        QTest::newRow("1279 x 1024 too narrow") << 1279 << 1024 << false;
        QTest::newRow("1440 x 899 too low") << 1440 << 899 << false;
        QTest::newRow("no screen") << 0 << 0 << false;
    }
    void screen_rule()
    {
        QFETCH(int, w);
        QFETCH(int, h);
        QFETCH(bool, ok);
        QCOMPARE(screen_large_enough(w, h), ok);
    }
};

QTEST_GUILESS_MAIN(TestClockText)
#include "test_clock_text.moc"
