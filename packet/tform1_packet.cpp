// The single-mode charts and the packet simulation of the main window.
#include "app/tform1.h"
#include "packet/mode_traces.h"
#include "views/radio_group.h"
#include "views/spin_edit.h"
#include "views/string_grid.h"
#include "views/waveform_chart.h"

#include <QLineEdit>
#include <QPushButton>

namespace tavrin {

void TForm1::draw_mode_chart(int mode)
{
    struct Page {
        QLineEdit* bin;
        ChartSeries* data;
        ChartSeries* clock;
        ChartSeries* sampling;
    };
    const Page pages[4] = {
        {tav_spi_acssz_uzemmod0_adatb, tav_spi_acssz_uzemmod0_s1, tav_spi_acssz_uzemmod0_s2, tav_spi_acssz_uzemmod0_sm},
        {tav_spi_acssz_uzemmod1_adatb, tav_spi_acssz_uzemmod1_s1, tav_spi_acssz_uzemmod1_s2, tav_spi_acssz_uzemmod1_sm},
        {tav_spi_acssz_uzemmod2_adatb, tav_spi_acssz_uzemmod2_s1, tav_spi_acssz_uzemmod2_s2, tav_spi_acssz_uzemmod2_sm},
        {tav_spi_acssz_uzemmod3_adatb, tav_spi_acssz_uzemmod3_s1, tav_spi_acssz_uzemmod3_s2, tav_spi_acssz_uzemmod3_sm},
    };
    if (mode < 0 || mode > 3)
        return;
    const Page& page = pages[mode];
    page.data->clear();
    page.clock->clear();
    page.sampling->clear();
    // The bits come from the BIN text the page shows, never from the number.
    const ModeTraces traces = build_mode_traces(page.bin->text().toStdString(), mode);
    page.data->append_all(traces.data);
    page.clock->append_all(traces.clock);
    page.sampling->append_all(traces.sampling);
}

void TForm1::fill_bit_table(StringGrid* table, const QString& bin)
{
    table->set_row_count(9);
    const auto rows = bit_table_rows(bin.toStdString());
    for (int r = 1; r <= 8; ++r) {
        const BitRow& row = rows[static_cast<std::size_t>(r - 1)];
        table->set_cell(0, r, QString::fromStdString(row.number));
        table->set_cell(1, r, QString::fromStdString(row.type));
        // A character that is not a bit leaves the cell as it was.
        if (!row.value.empty())
            table->set_cell(2, r, QString::fromStdString(row.value));
    }
}

void TForm1::tav_spi_acssz_szimClick()
{
    tav_spi_acssz_s1->clear();
    tav_spi_acssz_s2->clear();
    tav_spi_acssz_sm->clear();
    const int mode = tav_spi_acssz_uzemmod->item_index();
    const QString bin = tav_spi_acssz_db->text();
    const ModeTraces traces = build_mode_traces(bin.toStdString(), mode);
    tav_spi_acssz_s1->append_all(traces.data);
    tav_spi_acssz_s2->append_all(traces.clock);
    tav_spi_acssz_sm->append_all(traces.sampling);
    // The display view rewrites itself through its change event before the table is filled.
    tav_spi_acssz_acs_d->set_value(tav_spi_acssz_d->value());
    fill_bit_table(tav_spi_acssz_csadatok, tav_spi_acssz_db->text());
}

void TForm1::connect_packet_handlers()
{
    connect(tav_spi_acssz_szim, &QPushButton::clicked, this, &TForm1::tav_spi_acssz_szimClick);
}

} // namespace tavrin
