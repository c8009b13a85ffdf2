// Master and slave settings, the exchange simulation and its result display.
#include "app/tform1.h"
#include "exchange/exchange_simulation.h"
#include "exchange/exchange_traces.h"
#include "exchange/speed_settings.h"
#include "views/radio_group.h"
#include "views/spin_edit.h"
#include "views/string_grid.h"
#include "views/waveform_chart.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tavrin {

namespace {
SpeedUnit unit_of(bool kbps)
{
    return kbps ? SpeedUnit::kbps : SpeedUnit::bps;
}
} // namespace

int TForm1::speed_bps()
{
    return static_cast<int>(to_bps(tav_spi_avsz_m_seb->value(), unit_of(speed_in_kbps_)));
}

void TForm1::tav_spi_avsz_m_sebChange()
{
    // While the learner types, the value may lie outside the limits; only a
    // value equal to a common speed moves the group.
    if (const auto index = common_speed_index(speed_bps()))
        tav_spi_avsz_m_sebrg->set_item_index(*index);
}

void TForm1::tav_spi_avsz_m_sebrgClick()
{
    const int index = tav_spi_avsz_m_sebrg->item_index();
    if (index < 0 || index >= static_cast<int>(common_speeds_bps.size()))
        return;
    tav_spi_avsz_m_seb->set_value(
        shown_value(common_speeds_bps[static_cast<std::size_t>(index)], unit_of(speed_in_kbps_)));
}

void TForm1::RadioGroup4Click()
{
    const bool kbps = RadioGroup4->item_index() == 1;
    if (kbps == speed_in_kbps_)
        return;
    const long long bps = to_bps(tav_spi_avsz_m_seb->value(), unit_of(speed_in_kbps_));
    speed_in_kbps_ = kbps;
    const SpeedUnit unit = unit_of(kbps);
    tav_spi_avsz_m_seb->set_range(speed_minimum(unit), speed_maximum(unit));
    tav_spi_avsz_m_seb->set_value(shown_value(bps, unit));
    tav_spi_avsz_m_sebegyseg->setText(kbps ? QStringLiteral("kbps") : QStringLiteral("bps"));
    tav_spi_avsz_m_sebegyseg->adjustSize();
}

void TForm1::tav_spi_avsz_m_uzemmodClick()
{
    tav_spi_avsz_s_uzemmod->set_item_index(tav_spi_avsz_m_uzemmod->item_index());
}

void TForm1::tav_spi_avsz_s_uzemmodClick()
{
    if (tav_spi_avsz_s_uzemmod->item_index() == tav_spi_avsz_m_uzemmod->item_index())
        return;
    // The slave's group shows the master's mode again before the message appears.
    tav_spi_avsz_s_uzemmod->set_item_index(tav_spi_avsz_m_uzemmod->item_index());
    dialogs_->message(this, MessageKind::information,
                      QStringLiteral("A Slave egység SPI módjának meg kell egyeznie a Master egység SPI "
                                     "módjával. Amennyiben ez nem teljesül, az adott hardveres "
                                     "felépítéstől függően adatátviteli hiba fog fellépni. Az SPI mód a "
                                     "Master egység lapján állítható!"));
}

void TForm1::tav_spi_avsz_szimClick()
{
    for (ChartSeries* s : {tav_spi_avsz_smastervett, tav_spi_avsz_sslavevett, tav_spi_avsz_sorajel,
                           tav_spi_avsz_sslavekivalaszt, tav_spi_avsz_sm, tav_spi_avsz_master_svett,
                           tav_spi_avsz_master_sorajel, tav_spi_avsz_master_sadatvalt, tav_spi_avsz_master_sm,
                           tav_spi_avsz_slave_svett, tav_spi_avsz_slave_sorajel, tav_spi_avsz_slave_sadatvalt,
                           tav_spi_avsz_slave_sm})
        s->clear();

    const double T = bit_time_us(speed_bps());
    const ExchangeTraces t = build_exchange_traces(T, tav_spi_avsz_m_uzemmod->item_index(),
                                                   tav_spi_avsz_m_db->text().toStdString(),
                                                   tav_spi_avsz_s_db->text().toStdString());
    tav_spi_avsz_smastervett->append_all(t.summary_miso);
    tav_spi_avsz_master_svett->append_all(t.master_miso);
    tav_spi_avsz_sslavevett->append_all(t.summary_mosi);
    tav_spi_avsz_slave_svett->append_all(t.slave_mosi);
    tav_spi_avsz_sorajel->append_all(t.summary_clock);
    tav_spi_avsz_master_sorajel->append_all(t.master_clock);
    tav_spi_avsz_slave_sorajel->append_all(t.slave_clock);
    tav_spi_avsz_sslavekivalaszt->append_all(t.slave_select);
    tav_spi_avsz_sm->append_all(t.summary_sampling);
    tav_spi_avsz_master_sm->append_all(t.master_sampling);
    tav_spi_avsz_slave_sm->append_all(t.slave_sampling);
    tav_spi_avsz_master_sadatvalt->append_all(t.master_changes);
    tav_spi_avsz_slave_sadatvalt->append_all(t.slave_changes);

    for (WaveformChart* chart : {tav_spi_avsz_chart, tav_spi_avsz_master_chart, tav_spi_avsz_slave_chart}) {
        // Zooming in may have left the maximum below 0; lifting it first keeps
        // the minimum from passing the maximum on the way.
        if (chart->time_axis().max < 0)
            chart->set_time_max(0);
        chart->set_time_min(-T);
        chart->set_time_max(9 * T);
    }

    exchange_result_stage();
}

void TForm1::exchange_result_stage()
{
    tav_spi_avsz_slavevett_d->set_value(tav_spi_avsz_m_d->value());
    tav_spi_avsz_mastervett_d->set_value(tav_spi_avsz_s_d->value());
    fill_bit_table(tav_spi_avsz_mastervett_eredmenytabla, tav_spi_avsz_s_db->text());
    fill_bit_table(tav_spi_avsz_slavevett_eredmenytabla, tav_spi_avsz_m_db->text());
    for (QPlainTextEdit* memo : {tav_spi_avsz_mastervett_eredmeny, tav_spi_avsz_slavevett_eredmeny}) {
        memo->clear();
        memo->appendPlainText(QString::fromUtf8(exchange_success_message.data(),
                                                static_cast<qsizetype>(exchange_success_message.size())));
    }
}

void TForm1::connect_exchange_handlers()
{
    connect(tav_spi_avsz_m_seb, &SpinEdit::changed, this, &TForm1::tav_spi_avsz_m_sebChange);
    connect(tav_spi_avsz_m_sebrg, &RadioGroup::clicked, this, &TForm1::tav_spi_avsz_m_sebrgClick);
    connect(tav_spi_avsz_m_uzemmod, &RadioGroup::clicked, this, &TForm1::tav_spi_avsz_m_uzemmodClick);
    connect(tav_spi_avsz_s_uzemmod, &RadioGroup::clicked, this, &TForm1::tav_spi_avsz_s_uzemmodClick);
    connect(RadioGroup4, &RadioGroup::clicked, this, &TForm1::RadioGroup4Click);
    connect(tav_spi_avsz_szim, &QPushButton::clicked, this, &TForm1::tav_spi_avsz_szimClick);
}

} // namespace tavrin
