// The ten byte value views of the main window: DEC, HEX, BIN and ASCII of one byte.
#include "app/tform1.h"
#include "views/byte_text.h"
#include "views/spin_edit.h"
#include "views/waveform_chart.h"
#include "views/windows1250.h"

#include <QLineEdit>

namespace tavrin {

char TForm1::hex_digit(std::uint8_t nibble)
{
    return tavrin::hex_digit(nibble);
}

void TForm1::show_byte_value(SpinEdit* dec, QLineEdit* hex, QLineEdit* bin)
{
    const int v = dec->value();
    hex->setText(QString::fromLatin1(hex_text(v)));
    bin->setText(QString::fromLatin1(bin_text(v)));
}

void TForm1::show_byte_value_chart(SpinEdit* dec, QLineEdit* hex, QLineEdit* bin, ChartSeries* series)
{
    show_byte_value(dec, hex, bin);
    // The series follows the BIN text as the edit holds it, not the number.
    const std::string t = bin->text().toStdString();
    series->clear();
    for (double level : bit_sample_levels(t))
        series->add(level);
}

void TForm1::show_ascii(SpinEdit* dec, QLineEdit* ascii)
{
    // The value is read again and not limited: while the learner's text lies
    // outside 0 to 255 the field shows the character of its low 8 bits.
    const std::uint8_t code = ascii_code(dec->value());
    ascii->setText(code == 0 ? QString() : QString(windows1250_char(code)));
}

void TForm1::tav_spi_acssz_uzemmod0_adatChange()
{
    show_byte_value(tav_spi_acssz_uzemmod0_adat, tav_spi_acssz_uzemmod0_adath, tav_spi_acssz_uzemmod0_adatb);
    show_ascii(tav_spi_acssz_uzemmod0_adat, tav_spi_acssz_uzemmod0_adata);
    draw_mode_chart(0);
}

void TForm1::tav_spi_acssz_uzemmod1_adatChange()
{
    show_byte_value(tav_spi_acssz_uzemmod1_adat, tav_spi_acssz_uzemmod1_adath, tav_spi_acssz_uzemmod1_adatb);
    show_ascii(tav_spi_acssz_uzemmod1_adat, tav_spi_acssz_uzemmod1_adata);
    draw_mode_chart(1);
}

void TForm1::tav_spi_acssz_uzemmod2_adatChange()
{
    show_byte_value(tav_spi_acssz_uzemmod2_adat, tav_spi_acssz_uzemmod2_adath, tav_spi_acssz_uzemmod2_adatb);
    show_ascii(tav_spi_acssz_uzemmod2_adat, tav_spi_acssz_uzemmod2_adata);
    draw_mode_chart(2);
}

void TForm1::tav_spi_acssz_uzemmod3_adatChange()
{
    show_byte_value(tav_spi_acssz_uzemmod3_adat, tav_spi_acssz_uzemmod3_adath, tav_spi_acssz_uzemmod3_adatb);
    show_ascii(tav_spi_acssz_uzemmod3_adat, tav_spi_acssz_uzemmod3_adata);
    draw_mode_chart(3);
}

void TForm1::tav_spi_acssz_dChange()
{
    show_byte_value_chart(tav_spi_acssz_d, tav_spi_acssz_dh, tav_spi_acssz_db, tav_spi_acssz_ds);
    show_ascii(tav_spi_acssz_d, tav_spi_acssz_da);
}

void TForm1::tav_spi_acssz_acs_dChange()
{
    show_byte_value(tav_spi_acssz_acs_d, tav_spi_acssz_acs_dh, tav_spi_acssz_acs_db);
    show_ascii(tav_spi_acssz_acs_d, tav_spi_acssz_acs_da);
}

void TForm1::tav_spi_avsz_m_dChange()
{
    show_byte_value_chart(tav_spi_avsz_m_d, tav_spi_avsz_m_dh, tav_spi_avsz_m_db, tav_spi_avsz_m_ds);
    show_ascii(tav_spi_avsz_m_d, tav_spi_avsz_m_da);
}

void TForm1::tav_spi_avsz_s_dChange()
{
    show_byte_value_chart(tav_spi_avsz_s_d, tav_spi_avsz_s_dh, tav_spi_avsz_s_db, tav_spi_avsz_s_ds);
    show_ascii(tav_spi_avsz_s_d, tav_spi_avsz_s_da);
}

void TForm1::tav_spi_avsz_mastervett_dChange()
{
    show_byte_value(tav_spi_avsz_mastervett_d, tav_spi_avsz_mastervett_dh, tav_spi_avsz_mastervett_db);
    show_ascii(tav_spi_avsz_mastervett_d, tav_spi_avsz_mastervett_da);
}

void TForm1::tav_spi_avsz_slavevett_dChange()
{
    show_byte_value(tav_spi_avsz_slavevett_d, tav_spi_avsz_slavevett_dh, tav_spi_avsz_slavevett_db);
    show_ascii(tav_spi_avsz_slavevett_d, tav_spi_avsz_slavevett_da);
}

void TForm1::connect_byte_views()
{
    connect(tav_spi_acssz_uzemmod0_adat, &SpinEdit::changed, this, &TForm1::tav_spi_acssz_uzemmod0_adatChange);
    connect(tav_spi_acssz_uzemmod1_adat, &SpinEdit::changed, this, &TForm1::tav_spi_acssz_uzemmod1_adatChange);
    connect(tav_spi_acssz_uzemmod2_adat, &SpinEdit::changed, this, &TForm1::tav_spi_acssz_uzemmod2_adatChange);
    connect(tav_spi_acssz_uzemmod3_adat, &SpinEdit::changed, this, &TForm1::tav_spi_acssz_uzemmod3_adatChange);
    connect(tav_spi_acssz_d, &SpinEdit::changed, this, &TForm1::tav_spi_acssz_dChange);
    connect(tav_spi_acssz_acs_d, &SpinEdit::changed, this, &TForm1::tav_spi_acssz_acs_dChange);
    connect(tav_spi_avsz_m_d, &SpinEdit::changed, this, &TForm1::tav_spi_avsz_m_dChange);
    connect(tav_spi_avsz_s_d, &SpinEdit::changed, this, &TForm1::tav_spi_avsz_s_dChange);
    connect(tav_spi_avsz_mastervett_d, &SpinEdit::changed, this, &TForm1::tav_spi_avsz_mastervett_dChange);
    connect(tav_spi_avsz_slavevett_d, &SpinEdit::changed, this, &TForm1::tav_spi_avsz_slavevett_dChange);
}

} // namespace tavrin
