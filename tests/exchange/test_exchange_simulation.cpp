// The master and slave settings, the exchange simulation and its result display.
#include "exchange/exchange_traces.h"
#include "support/test_form.h"
#include "views/radio_group.h"
#include "views/spin_edit.h"
#include "views/string_grid.h"
#include "views/waveform_chart.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace tavrin;

namespace {
const QString mode_message = QStringLiteral(
    "A Slave egység SPI módjának meg kell egyeznie a Master egység SPI módjával. Amennyiben ez nem "
    "teljesül, az adott hardveres felépítéstől függően adatátviteli hiba fog fellépni. Az SPI mód a Master "
    "egység lapján állítható!");

void type_speed(SpinEdit* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}

void leave(SpinEdit* box)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(box, &out);
}

QString column2(const StringGrid* g)
{
    QString s;
    for (int r = 1; r <= 8; ++r)
        s += g->cell(2, r);
    return s;
}

std::vector<WaveformChart*> exchange_charts(TForm1* f)
{
    return {f->tav_spi_avsz_chart, f->tav_spi_avsz_master_chart, f->tav_spi_avsz_slave_chart};
}
} // namespace

class TestExchangeSimulation : public QObject {
    Q_OBJECT
private slots:
    // Speed box and common speeds.
    void common_speed_selects_the_box()
    {
        TestForm f;
        QCOMPARE(f->tav_spi_avsz_m_seb->text_value(), QString("1000000"));
        QCOMPARE(f->tav_spi_avsz_m_sebrg->item_index(), 0);
        f->tav_spi_avsz_m_sebrg->button(2)->click();
        QCOMPARE(f->tav_spi_avsz_m_seb->text_value(), QString("10000000"));
        QCOMPARE(f->tav_spi_avsz_m_sebrg->item_index(), 2);
    }

    void box_selects_the_common_speed_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("after_leaving");
        QTest::addColumn<int>("index"); // of the common-speed group afterwards
        QTest::newRow("15000000 selects its item") << "15000000" << "15000000" << 3;
        QTest::newRow("2000000 leaves the group alone") << "2000000" << "2000000" << 1;
        QTest::newRow("30000000 becomes 25000000") << "30000000" << "25000000" << 5;
        QTest::newRow("50000 becomes 100000, group alone") << "50000" << "100000" << 1;
        QTest::newRow("not a number reads as 100000") << "" << "100000" << 1;
    }
    void box_selects_the_common_speed()
    {
        QFETCH(QString, typed);
        QFETCH(QString, after_leaving);
        QFETCH(int, index);
        TestForm f;
        f->show();
        f->tav_spi_avsz_m_sebrg->set_item_index(1); // 5 000 000 bps
        if (typed.isEmpty()) {
            f->tav_spi_avsz_m_seb->setFocus();
            f->tav_spi_avsz_m_seb->selectAll();
            QTest::keyClick(f->tav_spi_avsz_m_seb, Qt::Key_Backspace);
        } else {
            type_speed(f->tav_spi_avsz_m_seb, typed);
        }
        leave(f->tav_spi_avsz_m_seb);
        QCOMPARE(f->tav_spi_avsz_m_seb->text_value(), after_leaving);
        QCOMPARE(f->tav_spi_avsz_m_sebrg->item_index(), index);
    }

    void kilobits_per_second()
    {
        TestForm f;
        f->show();
        f->RadioGroup4->button(1)->click();
        QCOMPARE(f->tav_spi_avsz_m_seb->text_value(), QString("1000"));
        QCOMPARE(f->tav_spi_avsz_m_sebegyseg->text(), QString("kbps"));
        QCOMPARE(f->tav_spi_avsz_m_seb->minimum(), 100);
        QCOMPARE(f->tav_spi_avsz_m_seb->maximum(), 25000);
        // The common speeds still select and are selected.
        f->tav_spi_avsz_m_sebrg->button(4)->click();
        QCOMPARE(f->tav_spi_avsz_m_seb->text_value(), QString("20000"));
        type_speed(f->tav_spi_avsz_m_seb, "5000");
        QCOMPARE(f->tav_spi_avsz_m_sebrg->item_index(), 1);
        type_speed(f->tav_spi_avsz_m_seb, "30000");
        leave(f->tav_spi_avsz_m_seb);
        QCOMPARE(f->tav_spi_avsz_m_seb->text_value(), QString("25000"));
        QCOMPARE(f->tav_spi_avsz_m_sebrg->item_index(), 5);
        // The simulation computes in bits per second: 250 kbps is a bit time of 4 µs.
        type_speed(f->tav_spi_avsz_m_seb, "250");
        leave(f->tav_spi_avsz_m_seb);
        f->tav_spi_avsz_szim->click();
        QCOMPARE(f->tav_spi_avsz_chart->time_axis(), (AxisRange{-4, 36}));
        // Back to bps: the shown value is converted.
        f->RadioGroup4->button(0)->click();
        QCOMPARE(f->tav_spi_avsz_m_seb->text_value(), QString("250000"));
        QCOMPARE(f->tav_spi_avsz_m_sebegyseg->text(), QString("bps"));
        QCOMPARE(f->tav_spi_avsz_m_seb->maximum(), 25000000);
        // A bps value that is no whole number of kbps rounds to the nearest one.
        f->tav_spi_avsz_m_seb->set_value(1234567);
        f->RadioGroup4->button(1)->click();
        QCOMPARE(f->tav_spi_avsz_m_seb->text_value(), QString("1235"));
    }

    // Mode coupling.
    void master_mode_carries_over_silently()
    {
        TestForm f;
        f->tav_spi_avsz_m_uzemmod->button(2)->click();
        QCOMPARE(f->tav_spi_avsz_s_uzemmod->item_index(), 2);
        QVERIFY(f.dialogs.messages.empty());
    }

    void slave_mode_snaps_back_with_one_message()
    {
        TestForm f;
        f->tav_spi_avsz_m_uzemmod->button(2)->click();
        int index_while_shown = -1;
        f.dialogs.messages.clear();
        f->tav_spi_avsz_s_uzemmod->button(3)->click();
        index_while_shown = f->tav_spi_avsz_s_uzemmod->item_index();
        QCOMPARE(index_while_shown, 2);
        QCOMPARE(int(f.dialogs.messages.size()), 1);
        QCOMPARE(f.dialogs.messages[0].kind, MessageKind::information);
        QCOMPARE(f.dialogs.messages[0].text, mode_message);
        f->tav_spi_avsz_s_uzemmod->button(2)->click();
        QCOMPARE(int(f.dialogs.messages.size()), 1);
    }

    // The exchange.
    void worked_example_a5_3c()
    {
        TestForm f;
        f->tav_spi_avsz_m_d->set_value(0xA5);
        f->tav_spi_avsz_s_d->set_value(0x3C);
        f->tav_spi_avsz_szim->click();
        const ExchangeTraces expected = build_exchange_traces(1, 0, "1010 0101", "0011 1100");
        const auto& summary = f->tav_spi_avsz_chart->model().series;
        QCOMPARE(summary[0].points(), expected.summary_miso);
        QCOMPARE(summary[1].points(), expected.summary_mosi);
        QCOMPARE(summary[2].points(), expected.summary_clock);
        QCOMPARE(summary[3].points(), expected.slave_select);
        QCOMPARE(summary[4].points(), expected.summary_sampling);
        const auto& master = f->tav_spi_avsz_master_chart->model().series;
        QCOMPARE(master[0].points(), expected.master_miso);
        QCOMPARE(master[1].points(), expected.master_clock);
        QCOMPARE(master[2].points(), expected.master_changes);
        QCOMPARE(master[3].points(), expected.master_sampling);
        const auto& slave = f->tav_spi_avsz_slave_chart->model().series;
        QCOMPARE(slave[0].points(), expected.slave_mosi);
        QCOMPARE(slave[1].points(), expected.slave_clock);
        QCOMPARE(slave[2].points(), expected.slave_changes);
        QCOMPARE(slave[3].points(), expected.slave_sampling);
        for (WaveformChart* c : exchange_charts(f.form.get()))
            QCOMPARE(c->time_axis(), (AxisRange{-1, 9}));

        // The result stage.
        QCOMPARE(column2(f->tav_spi_avsz_mastervett_eredmenytabla), QString("00111100"));
        QCOMPARE(column2(f->tav_spi_avsz_slavevett_eredmenytabla), QString("10100101"));
        QCOMPARE(f->tav_spi_avsz_mastervett_d->text_value(), QString("60"));
        QCOMPARE(f->tav_spi_avsz_mastervett_dh->text(), QString("3Ch"));
        QCOMPARE(f->tav_spi_avsz_slavevett_d->text_value(), QString("165"));
        QCOMPARE(f->tav_spi_avsz_slavevett_db->text(), QString("1010 0101"));
        QCOMPARE(f->tav_spi_avsz_mastervett_eredmenytabla->cell(1, 4), QString("adat 4.bit"));
        QCOMPARE(f->tav_spi_avsz_mastervett_eredmenytabla->cell(0, 5), QString("5."));
    }

    void default_settings_and_speeds_data()
    {
        QTest::addColumn<int>("speed");
        QTest::addColumn<double>("T");
        QTest::newRow("1000000") << 1000000 << 1.0;
        QTest::newRow("25000000") << 25000000 << 0.04;
        QTest::newRow("100000") << 100000 << 10.0;
    }
    void default_settings_and_speeds()
    {
        QFETCH(int, speed);
        QFETCH(double, T);
        TestForm f;
        f->tav_spi_avsz_m_seb->set_value(speed);
        f->tav_spi_avsz_szim->click();
        for (WaveformChart* c : exchange_charts(f.form.get()))
            QCOMPARE(c->time_axis(), (AxisRange{-T, 9 * T}));
        // Both bytes 0: every data line level at its low level.
        for (const auto& p : f->tav_spi_avsz_chart->model().series[0].points())
            QCOMPARE(p.y, 4.1);
        for (const auto& p : f->tav_spi_avsz_slave_chart->model().series[0].points())
            QCOMPARE(p.y, 3.1);
    }

    void axis_rule_after_four_zoom_ins()
    {
        TestForm f;
        QList<double> maxima;
        for (int i = 0; i < 4; ++i) {
            f->tav_spi_avsz_master_tengelynov->click();
            maxima << f->tav_spi_avsz_master_chart->time_axis().max;
        }
        QCOMPARE(maxima, (QList<double>{4, 1.5, 0.25, -0.375}));
        f->tav_spi_avsz_tengelycsok->click();
        QCOMPARE(f->tav_spi_avsz_chart->time_axis(), (AxisRange{-1, 19}));
        f->tav_spi_avsz_m_seb->set_value(25000000);
        f->tav_spi_avsz_szim->click();
        for (WaveformChart* c : exchange_charts(f.form.get())) {
            QCOMPARE(c->time_axis(), (AxisRange{-0.04, 0.36}));
            QVERIFY(c->time_axis().min <= c->time_axis().max);
        }
    }

    void changes_after_a_click_leave_the_result()
    {
        TestForm f;
        f->tav_spi_avsz_m_d->set_value(0x81);
        f->tav_spi_avsz_szim->click();
        const auto before = f->tav_spi_avsz_chart->model().series;
        f->tav_spi_avsz_m_d->set_value(0x7E);
        f->tav_spi_avsz_m_uzemmod->set_item_index(3);
        f->tav_spi_avsz_m_seb->set_value(100000);
        for (std::size_t i = 0; i < before.size(); ++i)
            QCOMPARE(f->tav_spi_avsz_chart->model().series[i].points(), before[i].points());
        QCOMPARE(f->tav_spi_avsz_slavevett_d->text_value(), QString("129"));
        // A second click with the same settings gives the same lists.
        f->tav_spi_avsz_szim->click();
        const auto once = f->tav_spi_avsz_chart->model().series;
        f->tav_spi_avsz_szim->click();
        for (std::size_t i = 0; i < once.size(); ++i)
            QCOMPARE(f->tav_spi_avsz_chart->model().series[i].points(), once[i].points());
    }

    void memo_holds_one_line_after_many_clicks()
    {
        TestForm f;
        for (int i = 0; i < 5; ++i)
            f->tav_spi_avsz_szim->click();
        for (QPlainTextEdit* memo : {f->tav_spi_avsz_mastervett_eredmeny, f->tav_spi_avsz_slavevett_eredmeny}) {
            QCOMPARE(memo->toPlainText(), QString("Az adatkommunikáció sikeres."));
            QCOMPARE(memo->document()->blockCount(), 1);
            QVERIFY(memo->isReadOnly());
        }
    }

    void each_side_receives_what_the_other_sent_data()
    {
        QTest::addColumn<int>("master");
        QTest::addColumn<int>("slave");
        QTest::addColumn<int>("mode");
        QTest::newRow("0 and 255, mode 1") << 0 << 255 << 1;
        QTest::newRow("0x08 and 0x10, mode 3") << 0x08 << 0x10 << 3;
        QTest::newRow("equal bytes, mode 2") << 0x5A << 0x5A << 2;
    }
    void each_side_receives_what_the_other_sent()
    {
        QFETCH(int, master);
        QFETCH(int, slave);
        QFETCH(int, mode);
        TestForm f;
        f->tav_spi_avsz_m_d->set_value(master);
        f->tav_spi_avsz_s_d->set_value(slave);
        f->tav_spi_avsz_m_uzemmod->set_item_index(mode);
        f->tav_spi_avsz_szim->click();
        QCOMPARE(f->tav_spi_avsz_mastervett_d->text_value().toInt(), slave);
        QCOMPARE(f->tav_spi_avsz_slavevett_d->text_value().toInt(), master);
        QCOMPARE(f->tav_spi_avsz_mastervett_db->text(), f->tav_spi_avsz_s_db->text());
        QCOMPARE(column2(f->tav_spi_avsz_slavevett_eredmenytabla), QString(f->tav_spi_avsz_m_db->text()).remove(' '));
        QCOMPARE(f->tav_spi_avsz_chart->model().series[2].points().front().y, mode < 2 ? 2.1 : 2.9);
    }
};

QTEST_MAIN(TestExchangeSimulation)
#include "test_exchange_simulation.moc"
