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
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>

namespace tavrin {

namespace {

const QStringList mode_items = {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                                QStringLiteral("3")};

// The lane names stand in the 64 pixels left of the chart; the longer ones
// break into lines there instead of running under the chart.
constexpr int lane_label_width = 62;

// The chart buttons of one exchange chart page.
struct ChartButtons {
    QPushButton* copy = nullptr;
    QPushButton* print = nullptr;
    QPushButton* zoom_out = nullptr;
    QPushButton* zoom_in = nullptr;
};

// One exchange chart page: caption, chart, lane names from top to bottom and
// the command buttons; the buttons are named after the chart's prefix.
WaveformChart* exchange_chart_page(QWidget* page, ChartModel model, const QList<int>& lane_tops,
                                   const QString& prefix, ChartButtons& buttons)
{
    label_at(page, QStringLiteral("Grafikon"), 3, 3, LabelStyle::section);
    auto* chart = chart_at(page, std::move(model), 72, 9);
    const auto& lanes = chart->model().lane_labels;
    for (int i = 0; i < lane_tops.size() && i < static_cast<int>(lanes.size()); ++i)
        wrapped_label_at(page, QString::fromStdString(lanes[static_cast<std::size_t>(i)]), 8, lane_tops[i],
                         lane_label_width);
    buttons.copy = glyph_button_at(page, prefix + "nezetmasol", copy_view_caption(),
                                   QStringLiteral(":/pictures/glyph_camera.svg"), 35, 511, 178, 51);
    buttons.print = glyph_button_at(page, prefix + "nezetnyomtat", print_view_caption(),
                                    QStringLiteral(":/pictures/glyph_printer.svg"), 219, 511, 178,
                                    51);
    buttons.zoom_out = glyph_button_at(page, prefix + "tengelycsok", QString(),
                                       QStringLiteral(":/pictures/glyph_zoom_out.svg"), 663, 511,
                                       62, 51);
    buttons.zoom_in = glyph_button_at(page, prefix + "tengelynov", QString(),
                                      QStringLiteral(":/pictures/glyph_zoom_in.svg"), 739, 511, 62,
                                      51);
    return chart;
}

// What the master's and the slave's settings pages have in common.
struct UnitSettings {
    RadioGroup* mode = nullptr;
    ImageBox* mode_table = nullptr;
    QWidget* separator = nullptr;
    ByteView data;
    WaveformChart* bits = nullptr;
};

UnitSettings unit_settings_page(QWidget* page, const QString& headline, const QString& unit,
                                const QString& table_name, const QString& separator_name)
{
    const QString prefix = QStringLiteral("tav_spi_avsz_%1_").arg(unit);
    UnitSettings s;
    label_at(page, headline, 16, 17, LabelStyle::headline);
    label_at(page, QStringLiteral("Üzemmód beállítások:"), 48, 73, LabelStyle::section);
    s.mode = radio_group_at(page, prefix + "uzemmod", QStringLiteral("SPI üzemmód"), mode_items, 1,
                            192, 72, 89, 129, 0);
    s.mode_table = image_at(page, table_name, QStringLiteral(":/pictures/mode_table.svg"), 307, 88,
                            498, 93);
    wrapped_label_at(page,
                     QStringLiteral("Az adatkommunikáció működőképességéhez szükséges, hogy a "
                                    "Master és a Slave egység azonos SPI üzemmódra legyen "
                                    "beállítva."),
                     384, 208, 319);

    s.separator = new Separator(page, 3, 275, 808);
    s.separator->setObjectName(separator_name);
    label_at(page, QStringLiteral("Küldendő adatok:"), 48, 291, LabelStyle::section);
    label_at(page, QStringLiteral("Adat"), 80, 390, LabelStyle::bold);
    s.data = byte_view_row_at(page, prefix + "d", 120, 387, 371);
    const std::string chart_name = (prefix + "dc").toStdString();
    const std::string series_name = (prefix + "ds").toStdString();
    s.bits = chart_at(page, bit_sample_chart(chart_name, series_name), 451, 380);
    label_at(page, QStringLiteral("MSB"), 451, 361);
    label_at(page, QStringLiteral("LSB"), 724, 361);
    wrapped_label_at(page, msb_first_note(), 451, 419, 294);
    return s;
}

} // namespace

void TForm1::build_exchange_pages()
{
    PageControl21 = page_control_at(TabSheet50, QStringLiteral("PageControl21"), 3, 3, 856, 742);
    TabSheet94 = add_page(PageControl21, QStringLiteral("TabSheet94"),
                          QStringLiteral("Szimuláció leírása"));
    TabSheet96 = add_page(PageControl21, QStringLiteral("TabSheet96"),
                          QStringLiteral("Master beállításai"));
    TabSheet98 = add_page(PageControl21, QStringLiteral("TabSheet98"),
                          QStringLiteral("Slave beállításai"));
    TabSheet100 = add_page(PageControl21, QStringLiteral("TabSheet100"),
                           QStringLiteral("Szimuláció"));
    build_exchange_description_page();
    build_master_settings_page();
    build_slave_settings_page();
    build_exchange_simulation_page();
    PageControl21->setCurrentIndex(0);
}

void TForm1::build_exchange_description_page()
{
    QWidget* page = TabSheet94;
    Image41 = image_at(page, QStringLiteral("Image41"), QStringLiteral(":/pictures/chip.svg"), 202,
                       62, 103, 79);
    Image42 = image_at(page, QStringLiteral("Image42"), QStringLiteral(":/pictures/chip.svg"), 478,
                       62, 103, 79);
    Image43 = image_at(page, QStringLiteral("Image43"), QStringLiteral(":/pictures/arrows.svg"),
                       311, 71, 159, 61);
    label_at(page, QStringLiteral("Master"), 237, 52, LabelStyle::bold);
    label_at(page, QStringLiteral("Slave"), 510, 52, LabelStyle::bold);
    tav_spi_avsz_szimleir = rich_edit_at(page, QStringLiteral("tav_spi_avsz_szimleir"), 16, 160,
                                         817, 537, colour::window,
                                         QStringLiteral("SPI szimuláció leírás"));
}

void TForm1::build_master_settings_page()
{
    PageControl30 = page_control_at(TabSheet96, QStringLiteral("PageControl30"), 3, 3, 842, 702,
                                    QTabWidget::West);
    TabSheet92 = add_page(PageControl30, QStringLiteral("TabSheet92"), QStringLiteral("1. lap"));
    QWidget* page = TabSheet92;

    const UnitSettings s = unit_settings_page(page, QStringLiteral("Master egység beállításai"),
                                              QStringLiteral("m"), QStringLiteral("Image54"),
                                              QStringLiteral("Panel29"));
    tav_spi_avsz_m_uzemmod = s.mode;
    Image54 = s.mode_table;
    Panel29 = s.separator;
    tav_spi_avsz_m_d = s.data.dec;
    tav_spi_avsz_m_dh = s.data.hex;
    tav_spi_avsz_m_db = s.data.bin;
    tav_spi_avsz_m_da = s.data.ascii;
    tav_spi_avsz_m_dc = s.bits;
    tav_spi_avsz_m_ds = s.bits->series(0);

    Panel52 = new Separator(page, 3, 483, 808);
    Panel52->setObjectName(QStringLiteral("Panel52"));
    label_at(page, QStringLiteral("Adatátviteli beállítások:"), 48, 504, LabelStyle::section);
    label_at(page, QStringLiteral("Adatátviteli sebesség:"), 80, 579, LabelStyle::bold);
    tav_spi_avsz_m_seb = spin_at(page, QStringLiteral("tav_spi_avsz_m_seb"), 80, 598, 81, 22,
                                 100000, 25000000, 1000000);
    tav_spi_avsz_m_sebegyseg = label_at(page, QStringLiteral("bps"), 167, 633);
    tav_spi_avsz_m_sebegyseg->setObjectName(QStringLiteral("tav_spi_avsz_m_sebegyseg"));
    RadioGroup4 = radio_group_at(page, QStringLiteral("RadioGroup4"), QStringLiteral("mértékegység"),
                                 {QStringLiteral("bps"), QStringLiteral("kbps")}, 1, 225, 566, 81,
                                 80, 0);
    tav_spi_avsz_m_sebrg = radio_group_at(
        page, QStringLiteral("tav_spi_avsz_m_sebrg"),
        QStringLiteral("Leggyakrabban használt adatátviteli sebességek"),
        {QStringLiteral("1 000 000 bps"), QStringLiteral("5 000 000 bps"),
         QStringLiteral("10 000 000 bps"), QStringLiteral("15 000 000 bps"),
         QStringLiteral("20 000 000 bps"), QStringLiteral("25 000 000 bps")},
        2, 468, 525, 277, 140, 0);
    PageControl30->setCurrentIndex(0);
}

void TForm1::build_slave_settings_page()
{
    PageControl31 = page_control_at(TabSheet98, QStringLiteral("PageControl31"), 3, 3, 842, 702,
                                    QTabWidget::West);
    TabSheet93 = add_page(PageControl31, QStringLiteral("TabSheet93"), QStringLiteral("1. lap"));

    const UnitSettings s = unit_settings_page(TabSheet93, QStringLiteral("Slave egység beállításai"),
                                              QStringLiteral("s"), QStringLiteral("Image59"),
                                              QStringLiteral("Panel48"));
    tav_spi_avsz_s_uzemmod = s.mode;
    Image59 = s.mode_table;
    Panel48 = s.separator;
    tav_spi_avsz_s_d = s.data.dec;
    tav_spi_avsz_s_dh = s.data.hex;
    tav_spi_avsz_s_db = s.data.bin;
    tav_spi_avsz_s_da = s.data.ascii;
    tav_spi_avsz_s_dc = s.bits;
    tav_spi_avsz_s_ds = s.bits->series(0);
    PageControl31->setCurrentIndex(0);
}

void TForm1::build_exchange_simulation_page()
{
    QWidget* page = TabSheet100;
    PageControl17 = page_control_at(page, QStringLiteral("PageControl17"), 3, 3, 842, 614,
                                    QTabWidget::West);
    TabSheet102 = add_page(PageControl17, QStringLiteral("TabSheet102"), QStringLiteral("Master"));
    TabSheet103 = add_page(PageControl17, QStringLiteral("TabSheet103"), QStringLiteral("Slave"));
    TabSheet80 = add_page(PageControl17, QStringLiteral("TabSheet80"),
                          QStringLiteral("Adatkommunikáció összefoglalása"));
    TabSheet81 = add_page(PageControl17, QStringLiteral("TabSheet81"),
                          QStringLiteral("Adatkommunikáció eredménye"));

    ChartButtons b;
    tav_spi_avsz_master_chart = exchange_chart_page(
        TabSheet102, exchange_master_chart(), {65, 172, 284, 396}, QStringLiteral("tav_spi_avsz_master_"), b);
    tav_spi_avsz_master_svett = tav_spi_avsz_master_chart->series(0);
    tav_spi_avsz_master_sorajel = tav_spi_avsz_master_chart->series(1);
    tav_spi_avsz_master_sadatvalt = tav_spi_avsz_master_chart->series(2);
    tav_spi_avsz_master_sm = tav_spi_avsz_master_chart->series(3);
    tav_spi_avsz_master_nezetmasol = b.copy;
    tav_spi_avsz_master_nezetnyomtat = b.print;
    tav_spi_avsz_master_tengelycsok = b.zoom_out;
    tav_spi_avsz_master_tengelynov = b.zoom_in;

    tav_spi_avsz_slave_chart = exchange_chart_page(
        TabSheet103, exchange_slave_chart(), {65, 172, 284, 396}, QStringLiteral("tav_spi_avsz_slave_"), b);
    tav_spi_avsz_slave_svett = tav_spi_avsz_slave_chart->series(0);
    tav_spi_avsz_slave_sorajel = tav_spi_avsz_slave_chart->series(1);
    tav_spi_avsz_slave_sadatvalt = tav_spi_avsz_slave_chart->series(2);
    tav_spi_avsz_slave_sm = tav_spi_avsz_slave_chart->series(3);
    tav_spi_avsz_slave_nezetmasol = b.copy;
    tav_spi_avsz_slave_nezetnyomtat = b.print;
    tav_spi_avsz_slave_tengelycsok = b.zoom_out;
    tav_spi_avsz_slave_tengelynov = b.zoom_in;

    tav_spi_avsz_chart = exchange_chart_page(
        TabSheet80, exchange_summary_chart(), {48, 142, 234, 322, 420}, QStringLiteral("tav_spi_avsz_"), b);
    tav_spi_avsz_smastervett = tav_spi_avsz_chart->series(0);
    tav_spi_avsz_sslavevett = tav_spi_avsz_chart->series(1);
    tav_spi_avsz_sorajel = tav_spi_avsz_chart->series(2);
    tav_spi_avsz_sslavekivalaszt = tav_spi_avsz_chart->series(3);
    tav_spi_avsz_sm = tav_spi_avsz_chart->series(4);
    tav_spi_avsz_nezetmasol = b.copy;
    tav_spi_avsz_nezetnyomtat = b.print;
    tav_spi_avsz_tengelycsok = b.zoom_out;
    tav_spi_avsz_tengelynov = b.zoom_in;

    build_exchange_result_half(true, TabSheet81);
    auto* separator = new Separator(TabSheet81, 3, 296, 808);
    separator->setObjectName(QStringLiteral("Panel71"));
    build_exchange_result_half(false, TabSheet81);
    PageControl17->setCurrentIndex(0);

    Panel72 = panel_at(page, QStringLiteral("Panel72"), QString(), 3, 631, 406, 70);
    label_at(Panel72, QStringLiteral("Színmagyarázat"), 8, 4, LabelStyle::bold);
    tav_spi_avsz_szmagy_adat = panel_at(Panel72, QStringLiteral("tav_spi_avsz_szmagy_adat"),
                                        QStringLiteral("adat"), 77, 38, 77, 17);
    tav_spi_avsz_szmagy_var = panel_at(Panel72, QStringLiteral("tav_spi_avsz_szmagy_var"),
                                       QStringLiteral("busz tétlen/vár"), 191, 38, 77, 17);
    tav_spi_avsz_szmagy_var->set_caption_colour(Qt::white);

    Panel81 = panel_at(page, QStringLiteral("Panel81"), QString(), 424, 631, 421, 70);
    label_at(Panel81, QStringLiteral("Szimulációs folyamat elindítása"), 16, 32, LabelStyle::bold);
    tav_spi_avsz_szim = glyph_button_at(Panel81, QStringLiteral("tav_spi_avsz_szim"),
                                        QStringLiteral("     Szimuláció            "),
                                        QStringLiteral(":/pictures/glyph_magnifier.svg"), 232, 11,
                                        178, 51);
}

void TForm1::build_exchange_result_half(bool master, QWidget* page)
{
    // The slave's half repeats the master's some 300 pixels lower.
    const QString side = master ? QStringLiteral("mastervett") : QStringLiteral("slavevett");
    const QString prefix = QStringLiteral("tav_spi_avsz_%1_").arg(side);
    const int headline_top = master ? 3 : 304;
    const int table_top = master ? 66 : 366;
    const int block_top = master ? 18 : 323;

    label_at(page, master ? QStringLiteral("Master") : QStringLiteral("Slave"), 18, headline_top,
             LabelStyle::headline);
    label_at(page, QStringLiteral("Érkezett adatok"), 18, table_top - 19, LabelStyle::bold);
    StringGrid* table = bit_table_at(page, prefix + "eredmenytabla", 18, table_top);

    QTabWidget* pages = page_control_at(page, master ? QStringLiteral("PageControl18")
                                                     : QStringLiteral("PageControl19"),
                                        183, block_top, 401, 267);
    QWidget* data_page = add_page(pages, QString(), QStringLiteral("adat"));
    Panel* sample = nullptr;
    const ByteView view = display_byte_view(data_page, prefix + "d", &sample,
                                            master ? QStringLiteral("Panel73")
                                                   : QStringLiteral("Panel77"));
    pages->setCurrentIndex(0);

    Panel* result = panel_at(page, master ? QStringLiteral("Panel53") : QStringLiteral("Panel80"),
                             QString(), 600, block_top, 204, 267);
    label_at(result, QStringLiteral("Adatkommunikáció eredménye"), 11, 7, LabelStyle::bold);
    QPlainTextEdit* memo = result_memo_at(result, prefix + "eredmeny", 9, 26, 153, 231);
    // The tick is made after the cross so that it is drawn over it.
    ImageBox* cross = image_at(result, master ? QStringLiteral("Image39") : QStringLiteral("Image44"),
                               QStringLiteral(":/pictures/cross.svg"), 168, 26, 28, 28);
    ImageBox* tick = image_at(result, master ? QStringLiteral("Image40") : QStringLiteral("Image45"),
                              QStringLiteral(":/pictures/tick.svg"), 168, 26, 28, 28);

    if (master) {
        tav_spi_avsz_mastervett_eredmenytabla = table;
        PageControl18 = pages;
        tav_spi_avsz_mastervett_d = view.dec;
        tav_spi_avsz_mastervett_dh = view.hex;
        tav_spi_avsz_mastervett_db = view.bin;
        tav_spi_avsz_mastervett_da = view.ascii;
        Panel73 = sample;
        Panel53 = result;
        tav_spi_avsz_mastervett_eredmeny = memo;
        Image39 = cross;
        Image40 = tick;
    } else {
        tav_spi_avsz_slavevett_eredmenytabla = table;
        PageControl19 = pages;
        tav_spi_avsz_slavevett_d = view.dec;
        tav_spi_avsz_slavevett_dh = view.hex;
        tav_spi_avsz_slavevett_db = view.bin;
        tav_spi_avsz_slavevett_da = view.ascii;
        Panel77 = sample;
        Panel80 = result;
        tav_spi_avsz_slavevett_eredmeny = memo;
        Image44 = cross;
        Image45 = tick;
    }
}

} // namespace tavrin
