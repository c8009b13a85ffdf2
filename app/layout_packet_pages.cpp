#include "app/placement.h"
#include "app/tform1.h"
#include "views/chart_specs.h"
#include "views/image_box.h"
#include "views/panel.h"
#include "views/radio_group.h"
#include "views/spin_edit.h"
#include "views/string_grid.h"
#include "views/waveform_chart.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tavrin {

namespace {

// The fields of one single-mode page, so that the four pages share one builder.
struct ModePage {
    SpinEdit*& dec;
    QLineEdit*& hex;
    QLineEdit*& bin;
    QLineEdit*& ascii;
    WaveformChart*& chart;
    ChartSeries*& data;
    ChartSeries*& clock;
    ChartSeries*& samples;
    ImageBox*& band;
    QPushButton*& copy;
    QPushButton*& print;
};

} // namespace

void TForm1::build_packet_pages()
{
    PageControl4 = page_control_at(tav_spi_pc_szim, QStringLiteral("PageControl4"), 3, 3, 856, 742,
                                   QTabWidget::West);
    TabSheet17 = add_page(PageControl4, QStringLiteral("TabSheet17"),
                          QStringLiteral("Egyszerűsített nézet"));
    TabSheet18 = add_page(PageControl4, QStringLiteral("TabSheet18"),
                          QStringLiteral("Összetett nézet"));

    PageControl32 = page_control_at(TabSheet17, QStringLiteral("PageControl32"), 3, 3, 822, 726);
    TabSheet95 = add_page(PageControl32, QStringLiteral("TabSheet95"),
                          QStringLiteral("Adatcsomag (üzemmód 0)"));
    TabSheet97 = add_page(PageControl32, QStringLiteral("TabSheet97"),
                          QStringLiteral("Adatcsomag (üzemmód 1)"));
    TabSheet99 = add_page(PageControl32, QStringLiteral("TabSheet99"),
                          QStringLiteral("Adatcsomag (üzemmód 2)"));
    TabSheet101 = add_page(PageControl32, QStringLiteral("TabSheet101"),
                           QStringLiteral("Adatcsomag (üzemmód 3)"));
    build_mode_page(0, TabSheet95);
    build_mode_page(1, TabSheet97);
    build_mode_page(2, TabSheet99);
    build_mode_page(3, TabSheet101);

    PageControl16 = page_control_at(TabSheet18, QStringLiteral("PageControl16"), 3, 3, 822, 726);
    TabSheet77 = add_page(PageControl16, QStringLiteral("TabSheet77"),
                          QStringLiteral("Adatcsomag adatai"));
    TabSheet89 = add_page(PageControl16, QStringLiteral("TabSheet89"),
                          QStringLiteral("Összállított adatcsomag"));
    build_packet_settings_page();
    build_packet_result_page();

    PageControl32->setCurrentIndex(0);
    PageControl16->setCurrentIndex(0);
    PageControl4->setCurrentIndex(0);
}

void TForm1::build_mode_page(int mode, QWidget* page)
{
    ModePage fields = [&]() -> ModePage {
        switch (mode) {
        case 1:
            return {tav_spi_acssz_uzemmod1_adat, tav_spi_acssz_uzemmod1_adath,
                    tav_spi_acssz_uzemmod1_adatb, tav_spi_acssz_uzemmod1_adata,
                    tav_spi_acssz_uzemmod1_chart, tav_spi_acssz_uzemmod1_s1,
                    tav_spi_acssz_uzemmod1_s2, tav_spi_acssz_uzemmod1_sm, Image56,
                    tav_spi_acssz_uzemmod1_nezetmasol, tav_spi_acssz_uzemmod1_nezetnyomtat};
        case 2:
            return {tav_spi_acssz_uzemmod2_adat, tav_spi_acssz_uzemmod2_adath,
                    tav_spi_acssz_uzemmod2_adatb, tav_spi_acssz_uzemmod2_adata,
                    tav_spi_acssz_uzemmod2_chart, tav_spi_acssz_uzemmod2_s1,
                    tav_spi_acssz_uzemmod2_s2, tav_spi_acssz_uzemmod2_sm, Image57,
                    tav_spi_acssz_uzemmod2_nezetmasol, tav_spi_acssz_uzemmod2_nezetnyomtat};
        case 3:
            return {tav_spi_acssz_uzemmod3_adat, tav_spi_acssz_uzemmod3_adath,
                    tav_spi_acssz_uzemmod3_adatb, tav_spi_acssz_uzemmod3_adata,
                    tav_spi_acssz_uzemmod3_chart, tav_spi_acssz_uzemmod3_s1,
                    tav_spi_acssz_uzemmod3_s2, tav_spi_acssz_uzemmod3_sm, Image58,
                    tav_spi_acssz_uzemmod3_nezetmasol, tav_spi_acssz_uzemmod3_nezetnyomtat};
        default:
            return {tav_spi_acssz_uzemmod0_adat, tav_spi_acssz_uzemmod0_adath,
                    tav_spi_acssz_uzemmod0_adatb, tav_spi_acssz_uzemmod0_adata,
                    tav_spi_acssz_uzemmod0_chart, tav_spi_acssz_uzemmod0_s1,
                    tav_spi_acssz_uzemmod0_s2, tav_spi_acssz_uzemmod0_sm, Image55,
                    tav_spi_acssz_uzemmod0_nezetmasol, tav_spi_acssz_uzemmod0_nezetnyomtat};
        }
    }();
    const QString prefix = QStringLiteral("tav_spi_acssz_uzemmod%1_").arg(mode);

    // Two rows here, unlike the one-row views elsewhere: BIN sits under DEC.
    label_at(page, QStringLiteral("Küldendő adat:"), 368, 9, LabelStyle::bold);
    label_at(page, QStringLiteral("DEC"), 368, 28);
    label_at(page, QStringLiteral("HEX"), 440, 28);
    label_at(page, QStringLiteral("BIN"), 368, 72);
    label_at(page, QStringLiteral("ASCII"), 440, 72);
    fields.dec = spin_at(page, prefix + "adat", 368, 44, 49, 22, 0, 255, 0);
    fields.hex = display_edit_at(page, prefix + "adath", 440, 44, 25, 21, QStringLiteral("00h"));
    fields.bin = display_edit_at(page, prefix + "adatb", 368, 88, 57, 21,
                                 QStringLiteral("0000 0000"));
    fields.ascii = display_edit_at(page, prefix + "adata", 440, 88, 17, 21, QString());

    label_at(page, QStringLiteral("Grafikon"), 3, 107, LabelStyle::section);
    fields.chart = chart_at(page, single_mode_chart(mode), 77, 114);
    fields.data = fields.chart->series(0);
    fields.clock = fields.chart->series(1);
    fields.samples = fields.chart->series(2);
    lane_labels_at(page, fields.chart, 8, {178, 301, 445});

    fields.band = image_at(page, QStringLiteral("Image%1").arg(55 + mode),
                           QStringLiteral(":/pictures/data_band.svg"), 82, 532, 716, 103);
    fields.copy = glyph_button_at(page, prefix + "nezetmasol", copy_view_caption(),
                                  QStringLiteral(":/pictures/glyph_camera.svg"), 417, 641, 178, 51);
    fields.print = glyph_button_at(page, prefix + "nezetnyomtat", print_view_caption(),
                                   QStringLiteral(":/pictures/glyph_printer.svg"), 612, 641, 178,
                                   51);
}

void TForm1::build_packet_settings_page()
{
    QWidget* page = TabSheet77;
    label_at(page, QStringLiteral("Adatcsomag adatai"), 16, 27, LabelStyle::headline);
    wrapped_label_at(page, QStringLiteral("Kommunikáció általános beállításai:"), 48, 73, 90,
                     LabelStyle::section);
    tav_spi_acssz_uzemmod = radio_group_at(page, QStringLiteral("tav_spi_acssz_uzemmod"),
                                           QStringLiteral("SPI üzemmód"),
                                           {QStringLiteral("0"), QStringLiteral("1"),
                                            QStringLiteral("2"), QStringLiteral("3")},
                                           1, 120, 140, 89, 129, 0);
    Image30 = image_at(page, QStringLiteral("Image30"), QStringLiteral(":/pictures/sclk_modes.svg"),
                       320, 53, 469, 233, true);
    // The row captions reach into the picture's idle margin, so they go on top of it.
    for (int m = 0; m < 4; ++m)
        label_at(page, QStringLiteral("%1. üzemmód").arg(m), 280, 83 + 53 * m);
    Image53 = image_at(page, QStringLiteral("Image53"), QStringLiteral(":/pictures/mode_table.svg"),
                       304, 312, 498, 93);

    Panel89 = new Separator(page, 3, 486, 808);
    Panel89->setObjectName(QStringLiteral("Panel89"));
    label_at(page, QStringLiteral("Adatcsomag adatai:"), 46, 507, LabelStyle::section);
    label_at(page, QStringLiteral("Adat:"), 80, 579, LabelStyle::bold);
    const ByteView view = byte_view_row_at(page, QStringLiteral("tav_spi_acssz_d"), 160, 576, 560);
    tav_spi_acssz_d = view.dec;
    tav_spi_acssz_dh = view.hex;
    tav_spi_acssz_db = view.bin;
    tav_spi_acssz_da = view.ascii;
    tav_spi_acssz_dc = chart_at(page, bit_sample_chart("tav_spi_acssz_dc", "tav_spi_acssz_ds"),
                                452, 569);
    tav_spi_acssz_ds = tav_spi_acssz_dc->series(0);
    label_at(page, QStringLiteral("MSB"), 452, 550);
    label_at(page, QStringLiteral("LSB"), 725, 550);
    wrapped_label_at(page, msb_first_note(), 452, 608, 294);
}

void TForm1::build_packet_result_page()
{
    QWidget* page = TabSheet89;
    label_at(page, QStringLiteral("Grafikon"), 3, 3, LabelStyle::section);
    tav_spi_acsszim = chart_at(page, packet_chart(), 72, 9);
    tav_spi_acssz_s1 = tav_spi_acsszim->series(0);
    tav_spi_acssz_s2 = tav_spi_acsszim->series(1);
    tav_spi_acssz_sm = tav_spi_acsszim->series(2);
    lane_labels_at(page, tav_spi_acsszim, 8, {65, 157, 252});
    tav_spi_acssz_tengelycsok = glyph_button_at(
        page, QStringLiteral("tav_spi_acssz_tengelycsok"), QString(),
        QStringLiteral(":/pictures/glyph_zoom_out.svg"), 663, 341, 62, 51);
    tav_spi_acssz_tengelynov = glyph_button_at(
        page, QStringLiteral("tav_spi_acssz_tengelynov"), QString(),
        QStringLiteral(":/pictures/glyph_zoom_in.svg"), 739, 341, 62, 51);

    label_at(page, QStringLiteral("Adatcsomag tartalma"), 16, 445, LabelStyle::bold);
    tav_spi_acssz_csadatok = bit_table_at(page, QStringLiteral("tav_spi_acssz_csadatok"), 16, 464);

    PageControl29 = page_control_at(page, QStringLiteral("PageControl29"), 192, 376, 401, 314);
    TabSheet90 = add_page(PageControl29, QStringLiteral("TabSheet90"), QStringLiteral("adat"));
    const ByteView content = display_byte_view(TabSheet90, QStringLiteral("tav_spi_acssz_acs_d"),
                                               &Panel49, QStringLiteral("Panel49"));
    tav_spi_acssz_acs_d = content.dec;
    tav_spi_acssz_acs_dh = content.hex;
    tav_spi_acssz_acs_db = content.bin;
    tav_spi_acssz_acs_da = content.ascii;
    PageControl29->setCurrentIndex(0);

    tav_spi_acssz_nezetmasol = glyph_button_at(
        page, QStringLiteral("tav_spi_acssz_nezetmasol"), copy_view_caption(),
        QStringLiteral(":/pictures/glyph_camera.svg"), 619, 445, 178, 51);
    tav_spi_acssz_nezetnyomtat = glyph_button_at(
        page, QStringLiteral("tav_spi_acssz_nezetnyomtat"), print_view_caption(),
        QStringLiteral(":/pictures/glyph_printer.svg"), 619, 502, 178, 51);

    Panel83 = panel_at(page, QStringLiteral("Panel83"), QString(), 612, 590, 193, 99);
    label_at(Panel83, QStringLiteral("Adatcsomag szimuláció"), 32, 8, LabelStyle::bold);
    tav_spi_acssz_szim = glyph_button_at(
        Panel83, QStringLiteral("tav_spi_acssz_szim"),
        QStringLiteral("       Szimuláció              "),
        QStringLiteral(":/pictures/glyph_magnifier.svg"), 7, 38, 178, 51);
}

} // namespace tavrin
