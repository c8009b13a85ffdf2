// The byte value views of the main window: DEC, HEX, BIN, ASCII and the bit-sample series.
#include "support/test_form.h"
#include "views/byte_text.h"
#include "views/spin_edit.h"
#include "views/waveform_chart.h"

#include <QLineEdit>
#include <QtTest>

using namespace tavrin;

namespace {
QList<double> series_levels(const ChartSeries* s)
{
    QList<double> out;
    for (const auto& p : s->points())
        out << p.y;
    return out;
}

QList<double> repeated(double y, int n)
{
    return QList<double>(n, y);
}

// Types a text into a spin edit as the learner would: select all, type. A
// leading minus typed alone would read as "not a number" and reset the field,
// so a negative text is put in whole, as a paste would.
void type_into(SpinEdit* edit, const QString& text)
{
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Backspace);
    else if (text.startsWith('-'))
        edit->set_text_value(text);
    else
        QTest::keyClicks(edit, text);
}

void leave(SpinEdit* edit)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(edit, &out);
}
} // namespace

class TestByteViews : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { form_ = std::make_unique<TestForm>(); (*form_)->show(); }
    void cleanupTestCase() { form_.reset(); }

    void texts_and_levels_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("hex");
        QTest::addColumn<QString>("bin");
        QTest::addColumn<QString>("ascii");
        QTest::addColumn<QList<double>>("levels");
        const double L = 0.1, H = 0.9;
        QTest::newRow("0") << "0" << "00h" << "0000 0000" << "" << repeated(L, 9);
        QTest::newRow("1 control character") << "1" << "01h" << "0000 0001" << QString(QChar(1))
                                             << (repeated(L, 8) << H);
        QTest::newRow("10 line feed") << "10" << "0Ah" << "0000 1010" << QString(QChar(10))
                                      << QList<double>{L, L, L, L, L, H, L, H, L};
        QTest::newRow("65 A") << "65" << "41h" << "0100 0001" << "A" << QList<double>{L, L, H, L, L, L, L, L, H};
        QTest::newRow("128 euro sign") << "128" << "80h" << "1000 0000" << QString(QChar(0x20AC))
                                       << (QList<double>{H, H} << repeated(L, 7));
        QTest::newRow("165 A with ogonek") << "165" << "A5h" << "1010 0101" << QString(QChar(0x0104))
                                           << QList<double>{H, H, L, H, L, L, H, L, H};
        QTest::newRow("245 o with double acute") << "245" << "F5h" << "1111 0101" << QString(QChar(0x0151))
                                                 << QList<double>{H, H, H, H, H, L, H, L, H};
        QTest::newRow("255 dot above") << "255" << "FFh" << "1111 1111" << QString(QChar(0x02D9)) << repeated(H, 9);
        QTest::newRow("300 typed: comma") << "300" << "FFh" << "1111 1111" << "," << repeated(H, 9);
        QTest::newRow("256 typed: empty") << "256" << "FFh" << "1111 1111" << "" << repeated(H, 9);
        QTest::newRow("-1 typed: dot above") << "-1" << "FFh" << "1111 1111" << QString(QChar(0x02D9))
                                             << repeated(H, 9);
        QTest::newRow("-5 typed: u with double acute") << "-5" << "FFh" << "1111 1111" << QString(QChar(0x0171))
                                                       << repeated(H, 9);
    }
    void texts_and_levels()
    {
        QFETCH(QString, typed);
        QFETCH(QString, hex);
        QFETCH(QString, bin);
        QFETCH(QString, ascii);
        QFETCH(QList<double>, levels);
        TForm1* f = form_->form.get();
        struct View {
            SpinEdit* dec;
            QLineEdit *h, *b, *a;
            ChartSeries* series;
        };
        const View views[] = {
            {f->tav_spi_acssz_d, f->tav_spi_acssz_dh, f->tav_spi_acssz_db, f->tav_spi_acssz_da, f->tav_spi_acssz_ds},
            {f->tav_spi_avsz_m_d, f->tav_spi_avsz_m_dh, f->tav_spi_avsz_m_db, f->tav_spi_avsz_m_da, f->tav_spi_avsz_m_ds},
            {f->tav_spi_avsz_s_d, f->tav_spi_avsz_s_dh, f->tav_spi_avsz_s_db, f->tav_spi_avsz_s_da, f->tav_spi_avsz_s_ds},
            {f->tav_spi_acssz_uzemmod2_adat, f->tav_spi_acssz_uzemmod2_adath, f->tav_spi_acssz_uzemmod2_adatb,
             f->tav_spi_acssz_uzemmod2_adata, nullptr},
        };
        for (const View& v : views) {
            type_into(v.dec, typed);
            QCOMPARE(v.dec->text_value(), typed);
            QCOMPARE(v.h->text(), hex);
            QCOMPARE(v.b->text(), bin);
            QCOMPARE(v.a->text(), ascii);
            if (v.series) {
                QCOMPARE(series_levels(v.series), levels);
                QCOMPARE(v.series->points()[0].y, v.series->points()[1].y);
            }
        }
        // The single-mode chart follows the BIN text of its page.
        const auto& data = f->tav_spi_acssz_uzemmod2_chart->model().series[0].points();
        QCOMPARE(data.size(), std::size_t(11));
        for (int k = 1; k <= 8; ++k)
            QCOMPARE(data[static_cast<std::size_t>(k + 1)].y, bin[k <= 4 ? k - 1 : k] == '1' ? 2.9 : 2.1);
        for (const View& v : views)
            leave(v.dec);
    }

    void leaving_pulls_the_value_into_range_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("hex");
        QTest::newRow("300 becomes 255") << "300" << "255" << "FFh";
        QTest::newRow("-5 becomes 0") << "-5" << "0" << "00h";
        QTest::newRow("42 stays") << "42" << "42" << "2Ah";
    }
    void leaving_pulls_the_value_into_range()
    {
        QFETCH(QString, typed);
        QFETCH(QString, after);
        QFETCH(QString, hex);
        TForm1* f = form_->form.get();
        type_into(f->tav_spi_acssz_d, typed);
        leave(f->tav_spi_acssz_d);
        QCOMPARE(f->tav_spi_acssz_d->text_value(), after);
        QCOMPARE(f->tav_spi_acssz_dh->text(), hex);
        QCOMPARE(f->tav_spi_acssz_da->text(), after == "0" ? QString() : QString(QChar(windows_char(after.toInt()))));
    }

    void clearing_a_field_shows_zero()
    {
        TForm1* f = form_->form.get();
        f->tav_spi_avsz_m_d->set_value(165);
        int changes = 0;
        auto c = connect(f->tav_spi_avsz_m_d, &SpinEdit::changed, this, [&] { ++changes; });
        type_into(f->tav_spi_avsz_m_d, "");
        disconnect(c);
        // The emptied text raised the event; reading it reset it to "0" and raised it once more, nested.
        QCOMPARE(changes, 2);
        QCOMPARE(f->tav_spi_avsz_m_d->text_value(), QString("0"));
        QCOMPARE(f->tav_spi_avsz_m_dh->text(), QString("00h"));
        QCOMPARE(f->tav_spi_avsz_m_db->text(), QString("0000 0000"));
        QCOMPARE(f->tav_spi_avsz_m_da->text(), QString());
        QCOMPARE(series_levels(f->tav_spi_avsz_m_ds), repeated(0.1, 9));
    }

    void stepping_stops_at_the_limits()
    {
        TForm1* f = form_->form.get();
        SpinEdit* dec = f->tav_spi_acssz_uzemmod1_adat;
        dec->set_value(255);
        const PointList before = f->tav_spi_acssz_uzemmod1_chart->model().series[0].points();
        int changes = 0;
        auto c = connect(dec, &SpinEdit::changed, this, [&] { ++changes; });
        dec->setFocus();
        QTest::keyClick(dec, Qt::Key_Up);
        dec->stepBy(1);
        QCOMPARE(changes, 0);
        QCOMPARE(dec->text_value(), QString("255"));
        QCOMPARE(f->tav_spi_acssz_uzemmod1_chart->model().series[0].points(), before);
        dec->set_value(0);
        changes = 0;
        QTest::keyClick(dec, Qt::Key_Down);
        QCOMPARE(changes, 0);
        QCOMPARE(dec->text_value(), QString("0"));
        QTest::keyClick(dec, Qt::Key_Up);
        QCOMPARE(changes, 1);
        QCOMPARE(f->tav_spi_acssz_uzemmod1_adath->text(), QString("01h"));
        disconnect(c);
    }

    void display_views_refuse_input()
    {
        TForm1* f = form_->form.get();
        for (SpinEdit* dec : {f->tav_spi_acssz_acs_d, f->tav_spi_avsz_mastervett_d, f->tav_spi_avsz_slavevett_d}) {
            QVERIFY(dec->isReadOnly());
            dec->setFocus();
            QTest::keyClicks(dec, "7");
            QTest::keyClick(dec, Qt::Key_Up);
            dec->stepBy(1);
            QCOMPARE(dec->text_value(), QString("0"));
        }
        QCOMPARE(f->tav_spi_acssz_acs_dh->text(), QString("00h"));
        // Setting the value it already shows changes nothing.
        int changes = 0;
        auto c = connect(f->tav_spi_acssz_acs_d, &SpinEdit::changed, this, [&] { ++changes; });
        f->tav_spi_acssz_acs_d->set_value(0);
        QCOMPARE(changes, 0);
        f->tav_spi_acssz_acs_d->set_value(200);
        QCOMPARE(changes, 1);
        QCOMPARE(f->tav_spi_acssz_acs_dh->text(), QString("C8h"));
        disconnect(c);
        f->tav_spi_acssz_acs_d->set_value(0);
    }

    void changing_one_mode_page_leaves_the_others()
    {
        TForm1* f = form_->form.get();
        const PointList other = f->tav_spi_acssz_uzemmod3_chart->model().series[0].points();
        f->tav_spi_acssz_uzemmod0_adat->set_value(0x81);
        QCOMPARE(f->tav_spi_acssz_uzemmod3_chart->model().series[0].points(), other);
        QCOMPARE(f->tav_spi_acssz_uzemmod0_chart->model().series[0].points()[2].y, 2.9);
    }

    void hex_digit_table()
    {
        QCOMPARE(TForm1::hex_digit(0), '0');
        QCOMPARE(TForm1::hex_digit(9), '9');
        QCOMPARE(TForm1::hex_digit(10), 'A');
        QCOMPARE(TForm1::hex_digit(15), 'F');
        QCOMPARE(TForm1::hex_digit(16), '\0');
        QCOMPARE(TForm1::hex_digit(255), '\0');
    }

private:
    static QChar windows_char(int code);
    std::unique_ptr<TestForm> form_;
};

QChar TestByteViews::windows_char(int code)
{
    QStringDecoder decoder("windows-1250");
    const QString s = decoder.decode(QByteArray(1, char(code)));
    return s.at(0);
}

QTEST_MAIN(TestByteViews)
#include "test_byte_views.moc"
