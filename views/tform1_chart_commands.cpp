// The copy, print and zoom buttons beside the waveform charts.
#include "app/tform1.h"
#include "views/chart_commands.h"
#include "views/chart_files.h"
#include "views/waveform_chart.h"

#include <QFileInfo>
#include <QMenu>
#include <QPushButton>
#include <stdexcept>

namespace tavrin {

void TForm1::run_command(const std::function<void()>& command)
{
    try {
        command();
    } catch (const std::exception& e) {
        dialogs_->message(this, MessageKind::error, QString::fromUtf8(e.what()));
    }
}

void TForm1::copy_chart(WaveformChart* chart)
{
    run_command([chart] { copy_view(*chart); });
}

void TForm1::print_chart(WaveformChart* chart)
{
    run_command([this, chart] { print_view(*chart, printer_, *dialogs_, this); });
}

QMenu* TForm1::chart_menu(WaveformChart* chart)
{
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(QStringLiteral("Nézet másolása"), this, [this, chart] { copy_chart(chart); });
    menu->addAction(QStringLiteral("Nézet nyomtatása"), this, [this, chart] { print_chart(chart); });
    menu->addSeparator();
    menu->addAction(QStringLiteral("Mentés képként…"), this, [this, chart] { save_chart_image(chart); });
    menu->addAction(QStringLiteral("Exportálás VCD fájlba…"), this, [this, chart] { export_chart_vcd(chart); });
    return menu;
}

void TForm1::save_chart_image(WaveformChart* chart)
{
    QString filter;
    const QString name = QString::fromStdString(chart->model().name);
    QString path = dialogs_->save_file_name(this, QStringLiteral("Mentés képként"), name + ".png",
                                            QStringLiteral("PNG kép (*.png);;SVG rajz (*.svg)"), &filter);
    if (path.isEmpty())
        return;
    const ChartImageFormat format = image_format_for(path, filter);
    // A name typed without an ending gets the one of the chosen format.
    if (QFileInfo(path).suffix().isEmpty())
        path += format == ChartImageFormat::svg ? QStringLiteral(".svg") : QStringLiteral(".png");
    run_command([chart, path, format] { write_file_atomically(path, chart_image_bytes(*chart, format)); });
}

void TForm1::export_chart_vcd(WaveformChart* chart)
{
    QString filter;
    const QString name = QString::fromStdString(chart->model().name);
    const QString path = dialogs_->save_file_name(this, QStringLiteral("Exportálás VCD fájlba"), name + ".vcd",
                                                  QStringLiteral("VCD fájl (*.vcd)"), &filter);
    if (path.isEmpty())
        return;
    run_command([chart, path] { write_file_atomically(path, chart_vcd_bytes(*chart)); });
}

// clang-format off
void TForm1::tav_spi_acssz_uzemmod0_nezetmasolClick() { copy_chart(tav_spi_acssz_uzemmod0_chart); }
void TForm1::tav_spi_acssz_uzemmod0_nezetnyomtatClick() { print_chart(tav_spi_acssz_uzemmod0_chart); }
void TForm1::tav_spi_acssz_uzemmod1_nezetmasolClick() { copy_chart(tav_spi_acssz_uzemmod1_chart); }
void TForm1::tav_spi_acssz_uzemmod1_nezetnyomtatClick() { print_chart(tav_spi_acssz_uzemmod1_chart); }
void TForm1::tav_spi_acssz_uzemmod2_nezetmasolClick() { copy_chart(tav_spi_acssz_uzemmod2_chart); }
void TForm1::tav_spi_acssz_uzemmod2_nezetnyomtatClick() { print_chart(tav_spi_acssz_uzemmod2_chart); }
void TForm1::tav_spi_acssz_uzemmod3_nezetmasolClick() { copy_chart(tav_spi_acssz_uzemmod3_chart); }
void TForm1::tav_spi_acssz_uzemmod3_nezetnyomtatClick() { print_chart(tav_spi_acssz_uzemmod3_chart); }
void TForm1::tav_spi_acssz_nezetmasolClick() { copy_chart(tav_spi_acsszim); }
void TForm1::tav_spi_acssz_nezetnyomtatClick() { print_chart(tav_spi_acsszim); }
void TForm1::tav_spi_acssz_tengelycsokClick() { tav_spi_acsszim->zoom_out(); }
void TForm1::tav_spi_acssz_tengelynovClick() { tav_spi_acsszim->zoom_in(); }
void TForm1::tav_spi_avsz_master_nezetmasolClick() { copy_chart(tav_spi_avsz_master_chart); }
void TForm1::tav_spi_avsz_master_nezetnyomtatClick() { print_chart(tav_spi_avsz_master_chart); }
void TForm1::tav_spi_avsz_master_tengelycsokClick() { tav_spi_avsz_master_chart->zoom_out(); }
void TForm1::tav_spi_avsz_master_tengelynovClick() { tav_spi_avsz_master_chart->zoom_in(); }
void TForm1::tav_spi_avsz_slave_nezetmasolClick() { copy_chart(tav_spi_avsz_slave_chart); }
void TForm1::tav_spi_avsz_slave_nezetnyomtatClick() { print_chart(tav_spi_avsz_slave_chart); }
void TForm1::tav_spi_avsz_slave_tengelycsokClick() { tav_spi_avsz_slave_chart->zoom_out(); }
void TForm1::tav_spi_avsz_slave_tengelynovClick() { tav_spi_avsz_slave_chart->zoom_in(); }
void TForm1::tav_spi_avsz_nezetmasolClick() { copy_chart(tav_spi_avsz_chart); }
void TForm1::tav_spi_avsz_nezetnyomtatClick() { print_chart(tav_spi_avsz_chart); }
void TForm1::tav_spi_avsz_tengelycsokClick() { tav_spi_avsz_chart->zoom_out(); }
void TForm1::tav_spi_avsz_tengelynovClick() { tav_spi_avsz_chart->zoom_in(); }
// clang-format on

void TForm1::connect_chart_commands()
{
    for (WaveformChart* chart : waveform_charts())
        connect(chart, &WaveformChart::context_menu_requested, this,
                [this, chart](QPoint at) { chart_menu(chart)->popup(at); });
    connect(tav_spi_acssz_uzemmod0_nezetmasol, &QPushButton::clicked, this, &TForm1::tav_spi_acssz_uzemmod0_nezetmasolClick);
    connect(tav_spi_acssz_uzemmod0_nezetnyomtat, &QPushButton::clicked, this, &TForm1::tav_spi_acssz_uzemmod0_nezetnyomtatClick);
    connect(tav_spi_acssz_uzemmod1_nezetmasol, &QPushButton::clicked, this, &TForm1::tav_spi_acssz_uzemmod1_nezetmasolClick);
    connect(tav_spi_acssz_uzemmod1_nezetnyomtat, &QPushButton::clicked, this, &TForm1::tav_spi_acssz_uzemmod1_nezetnyomtatClick);
    connect(tav_spi_acssz_uzemmod2_nezetmasol, &QPushButton::clicked, this, &TForm1::tav_spi_acssz_uzemmod2_nezetmasolClick);
    connect(tav_spi_acssz_uzemmod2_nezetnyomtat, &QPushButton::clicked, this, &TForm1::tav_spi_acssz_uzemmod2_nezetnyomtatClick);
    connect(tav_spi_acssz_uzemmod3_nezetmasol, &QPushButton::clicked, this, &TForm1::tav_spi_acssz_uzemmod3_nezetmasolClick);
    connect(tav_spi_acssz_uzemmod3_nezetnyomtat, &QPushButton::clicked, this, &TForm1::tav_spi_acssz_uzemmod3_nezetnyomtatClick);
    connect(tav_spi_acssz_nezetmasol, &QPushButton::clicked, this, &TForm1::tav_spi_acssz_nezetmasolClick);
    connect(tav_spi_acssz_nezetnyomtat, &QPushButton::clicked, this, &TForm1::tav_spi_acssz_nezetnyomtatClick);
    connect(tav_spi_acssz_tengelycsok, &QPushButton::clicked, this, &TForm1::tav_spi_acssz_tengelycsokClick);
    connect(tav_spi_acssz_tengelynov, &QPushButton::clicked, this, &TForm1::tav_spi_acssz_tengelynovClick);
    connect(tav_spi_avsz_master_nezetmasol, &QPushButton::clicked, this, &TForm1::tav_spi_avsz_master_nezetmasolClick);
    connect(tav_spi_avsz_master_nezetnyomtat, &QPushButton::clicked, this, &TForm1::tav_spi_avsz_master_nezetnyomtatClick);
    connect(tav_spi_avsz_master_tengelycsok, &QPushButton::clicked, this, &TForm1::tav_spi_avsz_master_tengelycsokClick);
    connect(tav_spi_avsz_master_tengelynov, &QPushButton::clicked, this, &TForm1::tav_spi_avsz_master_tengelynovClick);
    connect(tav_spi_avsz_slave_nezetmasol, &QPushButton::clicked, this, &TForm1::tav_spi_avsz_slave_nezetmasolClick);
    connect(tav_spi_avsz_slave_nezetnyomtat, &QPushButton::clicked, this, &TForm1::tav_spi_avsz_slave_nezetnyomtatClick);
    connect(tav_spi_avsz_slave_tengelycsok, &QPushButton::clicked, this, &TForm1::tav_spi_avsz_slave_tengelycsokClick);
    connect(tav_spi_avsz_slave_tengelynov, &QPushButton::clicked, this, &TForm1::tav_spi_avsz_slave_tengelynovClick);
    connect(tav_spi_avsz_nezetmasol, &QPushButton::clicked, this, &TForm1::tav_spi_avsz_nezetmasolClick);
    connect(tav_spi_avsz_nezetnyomtat, &QPushButton::clicked, this, &TForm1::tav_spi_avsz_nezetnyomtatClick);
    connect(tav_spi_avsz_tengelycsok, &QPushButton::clicked, this, &TForm1::tav_spi_avsz_tengelycsokClick);
    connect(tav_spi_avsz_tengelynov, &QPushButton::clicked, this, &TForm1::tav_spi_avsz_tengelynovClick);
}

} // namespace tavrin
