// The packet simulation on "Összállított adatcsomag".
#include "packet/mode_traces.h"
#include "support/test_form.h"
#include "views/byte_text.h"
#include "views/radio_group.h"
#include "views/spin_edit.h"
#include "views/string_grid.h"
#include "views/waveform_chart.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace tavrin;

namespace {
QString column2(const StringGrid* g)
{
    QString s;
    for (int r = 1; r <= 8; ++r)
        s += g->cell(2, r);
    return s;
}

void simulate(TForm1* f, int byte, int mode)
{
    f->tav_spi_acssz_d->set_value(byte);
    f->tav_spi_acssz_uzemmod->set_item_index(mode);
    f->tav_spi_acssz_szim->click();
}
} // namespace

class TestPacketSimulation : public QObject {
    Q_OBJECT
private slots:
    void before_the_first_simulation()
    {
        TestForm f;
        QCOMPARE(f->tav_spi_acsszim->model().series[0].points().size(), std::size_t(0));
        QCOMPARE(column2(f->tav_spi_acssz_csadatok), QString());
        QCOMPARE(f->tav_spi_acssz_acs_d->text_value(), QString("0"));
        QCOMPARE(f->tav_spi_acsszim->time_axis(), (AxisRange{0, 10}));
    }

    void worked_example_3c_in_mode_2()
    {
        TestForm f;
        // The display view is rewritten, nested in the click, before the table is filled.
        QString table_while_view_changed = "not called";
        connect(f->tav_spi_acssz_acs_d, &SpinEdit::changed, this, [&] {
            table_while_view_changed = column2(f->tav_spi_acssz_csadatok);
            QCOMPARE(f->tav_spi_acssz_acs_dh->text(), QString("3Ch"));
        });
        simulate(f.form.get(), 0x3C, 2);
        QCOMPARE(table_while_view_changed, QString());
        const auto& s = f->tav_spi_acsszim->model().series;
        QList<double> levels;
        for (int i = 2; i <= 9; ++i)
            levels << s[0].points()[static_cast<std::size_t>(i)].y;
        QCOMPARE(levels, (QList<double>{2.1, 2.1, 2.9, 2.9, 2.9, 2.9, 2.1, 2.1}));
        QCOMPARE(s[1].points().front().y, 1.9);
        QCOMPARE(s[1].points()[2].x, 1.5);
        QCOMPARE(s[1].points()[2].y, 1.9);
        QCOMPARE(s[1].points()[3].y, 1.1);
        QCOMPARE(column2(f->tav_spi_acssz_csadatok), QString("00111100"));
        QCOMPARE(f->tav_spi_acssz_csadatok->cell(0, 1), QString("1."));
        QCOMPARE(f->tav_spi_acssz_csadatok->cell(1, 1), QString("adat 7.bit"));
        QCOMPARE(f->tav_spi_acssz_csadatok->cell(0, 8), QString("8."));
        QCOMPARE(f->tav_spi_acssz_csadatok->cell(1, 8), QString("adat 0.bit"));
        QCOMPARE(f->tav_spi_acssz_acs_d->text_value(), QString("60"));
        QCOMPARE(f->tav_spi_acssz_acs_dh->text(), QString("3Ch"));
        QCOMPARE(f->tav_spi_acssz_acs_db->text(), QString("0011 1100"));
        QCOMPARE(f->tav_spi_acssz_acs_da->text(), QString("<"));
    }

    void traces_equal_the_single_mode_traces_data()
    {
        QTest::addColumn<int>("byte");
        for (int mode = 0; mode < 4; ++mode)
            for (int byte : {0x00, 0xFF, 0x08, 0xA5}) {
                const QByteArray name = QByteArray("mode ") + QByteArray::number(mode) + " byte " + QByteArray::number(byte);
                QTest::newRow(name.constData()) << (mode << 8 | byte);
            }
    }
    void traces_equal_the_single_mode_traces()
    {
        QFETCH(int, byte);
        const int mode = byte >> 8;
        byte &= 0xFF;
        TestForm f;
        simulate(f.form.get(), byte, mode);
        SpinEdit* page_edits[] = {f->tav_spi_acssz_uzemmod0_adat, f->tav_spi_acssz_uzemmod1_adat,
                                  f->tav_spi_acssz_uzemmod2_adat, f->tav_spi_acssz_uzemmod3_adat};
        WaveformChart* page_charts[] = {f->tav_spi_acssz_uzemmod0_chart, f->tav_spi_acssz_uzemmod1_chart,
                                        f->tav_spi_acssz_uzemmod2_chart, f->tav_spi_acssz_uzemmod3_chart};
        page_edits[mode]->set_value(byte);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(f->tav_spi_acsszim->model().series[static_cast<std::size_t>(i)].points(),
                     page_charts[mode]->model().series[static_cast<std::size_t>(i)].points());
        QString expected;
        for (int k = 1; k <= 8; ++k)
            expected += QChar(bin_bit(bin_text(byte), k));
        QCOMPARE(column2(f->tav_spi_acssz_csadatok), expected);
    }

    void the_result_stays_until_the_next_click()
    {
        TestForm f;
        simulate(f.form.get(), 0x3C, 2);
        const auto series = f->tav_spi_acsszim->model().series;
        const QString table = column2(f->tav_spi_acssz_csadatok);
        // A second click with the same settings gives the same result.
        f->tav_spi_acssz_szim->click();
        for (std::size_t i = 0; i < 3; ++i)
            QCOMPARE(f->tav_spi_acsszim->model().series[i].points(), series[i].points());
        QCOMPARE(column2(f->tav_spi_acssz_csadatok), table);
        // Later changes of byte and mode leave the page alone.
        f->tav_spi_acssz_d->set_value(0xF0);
        f->tav_spi_acssz_uzemmod->set_item_index(1);
        for (std::size_t i = 0; i < 3; ++i)
            QCOMPARE(f->tav_spi_acsszim->model().series[i].points(), series[i].points());
        QCOMPARE(column2(f->tav_spi_acssz_csadatok), table);
        QCOMPARE(f->tav_spi_acssz_acs_d->text_value(), QString("60"));
    }

    void a_zoom_or_pan_survives_a_simulation()
    {
        TestForm f;
        f->tav_spi_acssz_tengelynov->click();
        QCOMPARE(f->tav_spi_acsszim->time_axis(), (AxisRange{0, 5}));
        f->tav_spi_acsszim->set_time_axis({3, 8});
        simulate(f.form.get(), 0x55, 3);
        QCOMPARE(f->tav_spi_acsszim->time_axis(), (AxisRange{3, 8}));
        f->tav_spi_acssz_tengelycsok->click();
        QCOMPARE(f->tav_spi_acsszim->time_axis(), (AxisRange{3, 13}));
    }
};

QTEST_MAIN(TestPacketSimulation)
#include "test_packet_simulation.moc"
