// Renders the main window and each of its pages to PNG files, for looking at
// the layout without a desktop and for the README's pictures.
//
//   tavrin-spi-snapshot <folder> [--simulate]
//
// --simulate presses both "Szimuláció" buttons first (packet 0x3C in mode 2;
// exchange 0xA5 / 0x3C in mode 0 at 1 000 000 bps).
#include "app/dialogs.h"
#include "app/fonts.h"
#include "app/tform1.h"
#include "views/radio_group.h"
#include "views/spin_edit.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTabWidget>
#include <QTextStream>
#include <cstdio>

namespace {

using namespace tavrin;

// Prints what would have been shown in a dialog instead of blocking on it.
class ConsoleDialogs : public Dialogs {
public:
    void message(QWidget*, MessageKind kind, const QString& text) override
    {
        std::fprintf(stderr, "[%s] %s\n", qPrintable(message_title(kind)), qPrintable(text));
    }
    bool print_dialog(QWidget*, QPrinter&) override { return false; }
    void printer_setup(QWidget*, QPrinter&) override {}
    QString save_file_name(QWidget*, const QString&, const QString&, const QString&, QString*) override
    {
        return {};
    }
};

struct Shot {
    const char* file;
    std::vector<std::pair<QTabWidget* TForm1::*, int>> path;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: tavrin-spi-snapshot <folder> [--simulate]\n");
        return 2;
    }
    const QDir out(args[1]);
    if (!QDir().mkpath(out.absolutePath())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(out.absolutePath()));
        return 1;
    }
    install_fonts();
    app.setFont(window_font());

    ConsoleDialogs dialogs;
    StartupEnvironment env;
    env.dialogs = &dialogs;
    env.descriptions = StartupEnvironment::default_descriptions();
    TForm1 form(env);
    form.show();

    if (args.contains(QStringLiteral("--simulate"))) {
        form.tav_spi_acssz_d->set_value(0x3C);
        form.tav_spi_acssz_uzemmod->set_item_index(2);
        form.tav_spi_acssz_szim->click();
        form.tav_spi_avsz_m_d->set_value(0xA5);
        form.tav_spi_avsz_s_d->set_value(0x3C);
        form.tav_spi_avsz_szim->click();
    }

    const std::vector<Shot> shots = {
        {"00_topologia.png", {{&TForm1::tav_spi_pc, 0}}},
        {"10_uzemmod0.png", {{&TForm1::tav_spi_pc, 1}, {&TForm1::PageControl4, 0}, {&TForm1::PageControl32, 0}}},
        {"11_uzemmod1.png", {{&TForm1::tav_spi_pc, 1}, {&TForm1::PageControl4, 0}, {&TForm1::PageControl32, 1}}},
        {"12_uzemmod2.png", {{&TForm1::tav_spi_pc, 1}, {&TForm1::PageControl4, 0}, {&TForm1::PageControl32, 2}}},
        {"13_uzemmod3.png", {{&TForm1::tav_spi_pc, 1}, {&TForm1::PageControl4, 0}, {&TForm1::PageControl32, 3}}},
        {"14_adatcsomag_adatai.png", {{&TForm1::tav_spi_pc, 1}, {&TForm1::PageControl4, 1}, {&TForm1::PageControl16, 0}}},
        {"15_osszallitott_adatcsomag.png", {{&TForm1::tav_spi_pc, 1}, {&TForm1::PageControl4, 1}, {&TForm1::PageControl16, 1}}},
        {"20_szimulacio_leirasa.png", {{&TForm1::tav_spi_pc, 2}, {&TForm1::PageControl21, 0}}},
        {"21_master_beallitasai.png", {{&TForm1::tav_spi_pc, 2}, {&TForm1::PageControl21, 1}}},
        {"22_slave_beallitasai.png", {{&TForm1::tav_spi_pc, 2}, {&TForm1::PageControl21, 2}}},
        {"23_szimulacio_master.png", {{&TForm1::tav_spi_pc, 2}, {&TForm1::PageControl21, 3}, {&TForm1::PageControl17, 0}}},
        {"24_szimulacio_slave.png", {{&TForm1::tav_spi_pc, 2}, {&TForm1::PageControl21, 3}, {&TForm1::PageControl17, 1}}},
        {"25_szimulacio_osszefoglalas.png", {{&TForm1::tav_spi_pc, 2}, {&TForm1::PageControl21, 3}, {&TForm1::PageControl17, 2}}},
        {"26_szimulacio_eredmeny.png", {{&TForm1::tav_spi_pc, 2}, {&TForm1::PageControl21, 3}, {&TForm1::PageControl17, 3}}},
    };

    int failures = 0;
    for (const Shot& shot : shots) {
        for (const auto& [control, index] : shot.path)
            if (QTabWidget* tabs = form.*control)
                tabs->setCurrentIndex(index);
        app.processEvents();
        const QString file = out.filePath(QString::fromLatin1(shot.file));
        if (!form.grab().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            ++failures;
        } else {
            std::printf("%s\n", qPrintable(file));
        }
    }
    return failures == 0 ? 0 : 1;
}
