// Start-up of the main window: screen check, description texts, init_views,
// status bar, menu commands and the program entry.
#include "app/clock_text.h"
#include "app/program.h"
#include "app/tavrin_application.h"
#include "support/test_form.h"
#include "views/colours.h"
#include "views/panel.h"
#include "views/string_grid.h"
#include "views/waveform_chart.h"

#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

using namespace tavrin;

namespace {
const QString not_found = QStringLiteral("Az adott fájl nem található!");

int count_messages(const RecordingDialogs& d, MessageKind kind, const QString& text)
{
    int n = 0;
    for (const auto& m : d.messages)
        n += (m.kind == kind && m.text == text);
    return n;
}
} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void window_frame()
    {
        TestForm f;
        QCOMPARE(f->windowTitle(), QString("ZEPRA TAVRIN-SPI"));
        QVERIFY(!f->start_refused());
        QVERIFY(f.dialogs.messages.empty());
        QCOMPARE(f->centralWidget()->size(), QSize(1177, 806));
        QCOMPARE(f->minimumSize(), f->maximumSize()); // not resizable
        const Qt::WindowFlags flags = f->windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QCOMPARE(f->windowType(), Qt::Window); // a tool window would leave the task bar
        QCOMPARE(f->StatusBar1->geometry(), QRect(0, 787, 1177, 19));
        QCOMPARE(f->status_panels[0]->text(), QString("ZEPRA TAVRIN-SPI"));
        QCOMPARE(f->status_panels[1]->text(), QString("V1.0"));
        QVERIFY(f->status_panels[2]->text().contains(QRegularExpression(
            R"(^\d{4}\.\d{2}\.\d{2} \d{2}:\d{2}:\d{2}    \S+  $)")));
        QCOMPARE(f->ido_kiir->interval(), 1000);
        QVERIFY(f->ido_kiir->isActive());
        QCOMPARE(f->tav_spi_pc->count(), 3);
        QCOMPARE(f->tav_spi_pc->tabText(0), QString("Topológiai leírás"));
        QCOMPARE(f->tav_spi_pc->tabText(1), QString("Adatcsomag szimuláció"));
        QCOMPARE(f->tav_spi_pc->tabText(2), QString("Adásvétel szimuláció"));
        QCOMPARE(f->tav_spi_pc->currentIndex(), 0);
        QCOMPARE(f->tav_spi_infobox->currentIndex(), 0);
    }

    void clock_refreshes_on_every_tick()
    {
        RecordingDialogs dialogs;
        StartupEnvironment env;
        env.dialogs = &dialogs;
        env.descriptions.bases = {source_root()};
        LocalDateTime t{2011, 1, 13, 14, 5, 9, 5};
        env.now = [&t] { return t; };
        TForm1 form(env);
        QCOMPARE(form.status_panels[2]->text(), QString("2011.01.13 14:05:09    csütörtök  "));
        t = {2011, 1, 16, 9, 5, 3, 1};
        // The running timer picks the new time up within a second.
        QTRY_COMPARE_WITH_TIMEOUT(form.status_panels[2]->text(), QString("2011.01.16 09:05:03    vasárnap  "), 2500);
    }

    void init_views_results()
    {
        TestForm f;
        for (ChartSeries* s : {f->tav_spi_acssz_ds, f->tav_spi_avsz_m_ds, f->tav_spi_avsz_s_ds}) {
            QCOMPARE(s->count(), 9);
            for (int i = 0; i < 9; ++i) {
                QCOMPARE(s->points()[i].x, double(i));
                QCOMPARE(s->points()[i].y, 0.1);
                QVERIFY(!s->points()[i].colour.has_value());
            }
        }
        for (StringGrid* g : {f->tav_spi_acssz_csadatok, f->tav_spi_avsz_mastervett_eredmenytabla,
                              f->tav_spi_avsz_slavevett_eredmenytabla}) {
            QCOMPARE(g->cell(0, 0), QString("Nr."));
            QCOMPARE(g->cell(1, 0), QString("Típus"));
            QCOMPARE(g->cell(2, 0), QString("Ért."));
            for (int r = 1; r < g->row_count(); ++r)
                for (int c = 0; c < 3; ++c)
                    QVERIFY(g->cell(c, r).isEmpty());
        }
        QCOMPARE(f->tav_spi_avsz_szmagy_adat->colour(), to_qcolor(colour::data));
        QCOMPARE(f->tav_spi_avsz_szmagy_var->colour(), to_qcolor(colour::idle));
        // The four single-mode charts show the byte 0: a level data line and the mode's clock.
        const WaveformChart* charts[] = {f->tav_spi_acssz_uzemmod0_chart, f->tav_spi_acssz_uzemmod1_chart,
                                         f->tav_spi_acssz_uzemmod2_chart, f->tav_spi_acssz_uzemmod3_chart};
        for (int mode = 0; mode < 4; ++mode) {
            const auto& series = charts[mode]->model().series;
            QCOMPARE(series[0].points().size(), std::size_t(11));
            for (const auto& p : series[0].points())
                QCOMPARE(p.y, 2.1);
            QCOMPARE(series[1].points().size(), std::size_t(19));
            QCOMPARE(series[1].points().front().y, mode < 2 ? 1.1 : 1.9);
            QCOMPARE(series[2].points().size(), std::size_t(27));
        }
    }

    void description_loading_data()
    {
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<bool>("warned");
        QTest::addColumn<QString>("info_text");
        QTest::addColumn<QString>("topology_text");
        QTest::addColumn<QString>("simulation_text");
        const QStringList all{"spi_adatcsomag.rtf", "spi_topologia.rtf", "spi_szimulacio.rtf",
                              "spi_adatatvitelbeall.rtf"};
        QTest::newRow("all files") << all << false << "spi_adatcsomag.rtf tartalma"
                                   << "spi_topologia.rtf tartalma" << "spi_szimulacio.rtf tartalma";
        QTest::newRow("folder missing") << QStringList{} << true << "" << "SPI topológiai leírás"
                                        << "SPI szimuláció leírás";
        // The first failure ends the step: the simulation text is not even tried.
        QTest::newRow("only the topology missing")
            << QStringList{"spi_adatcsomag.rtf", "spi_szimulacio.rtf"} << true << "spi_adatcsomag.rtf tartalma"
            << "SPI topológiai leírás" << "SPI szimuláció leírás";
        QTest::newRow("only the simulation text missing")
            << QStringList{"spi_adatcsomag.rtf", "spi_topologia.rtf"} << true << "spi_adatcsomag.rtf tartalma"
            << "spi_topologia.rtf tartalma" << "SPI szimuláció leírás";
    }
    void description_loading()
    {
        QFETCH(QStringList, present);
        QFETCH(bool, warned);
        QFETCH(QString, info_text);
        QFETCH(QString, topology_text);
        QFETCH(QString, simulation_text);
        DescriptionFolder folder(present);
        TestForm f({folder.path()});
        QCOMPARE(int(f.dialogs.messages.size()), warned ? 1 : 0);
        QCOMPARE(count_messages(f.dialogs, MessageKind::warning, not_found), warned ? 1 : 0);
        QCOMPARE(f->tav_spi_inf_re->toPlainText().trimmed(), info_text);
        QCOMPARE(f->tav_spi_top_re->toPlainText().trimmed(), topology_text);
        QCOMPARE(f->tav_spi_avsz_szimleir->toPlainText().trimmed(), simulation_text);
        for (QTextEdit* e : {f->tav_spi_inf_re, f->tav_spi_top_re, f->tav_spi_avsz_szimleir})
            QVERIFY(e->isReadOnly());
    }

    void descriptions_beside_the_program_are_found()
    {
        // The working directory has no "inf"; the second place does.
        DescriptionFolder empty;
        DescriptionFolder beside({"spi_adatcsomag.rtf", "spi_topologia.rtf", "spi_szimulacio.rtf"});
        TestForm f({empty.path(), beside.path()});
        QVERIFY(f.dialogs.messages.empty());
        QCOMPARE(f->tav_spi_top_re->toPlainText().trimmed(), QString("spi_topologia.rtf tartalma"));
    }

    void menu_commands()
    {
        TestForm f;
        f->PageControl21->setCurrentIndex(3);
        f->Adatcsomagszimulci5->trigger();
        QCOMPARE(f->tav_spi_pc->currentIndex(), 1);
        f->Adsvtelszimulci4->trigger();
        QCOMPARE(f->tav_spi_pc->currentIndex(), 2);
        QCOMPARE(f->PageControl21->currentIndex(), 3); // the sub-page last shown stays
        f->Sgmegnyitsa1->trigger();
        f->Nvjegy1->trigger();
        QCOMPARE(int(f.dialogs.messages.size()), 2);
        QCOMPARE(f.dialogs.messages[0].kind, MessageKind::information);
        QCOMPARE(f.dialogs.messages[0].text, QString("A súgót a programhoz mellékelt pdf fájl tartalmazza."));
        QCOMPARE(f.dialogs.messages[1].text, QString("ZEPRA TAVRIN-SPI V1.00 kommunikációs szimulátor"));
        f->Nyomtatbelltsai1->trigger();
        QCOMPARE(f.dialogs.printer_setups, 1);
        QCOMPARE(f->Kilps1->shortcut(), QKeySequence(Qt::ALT | Qt::Key_F4));
        const QStringList menus{"Program kezelés", "SPI modul", "Súgó"};
        QStringList shown;
        for (QAction* a : f->MainMenu1->actions())
            shown << a->text();
        QCOMPARE(shown, menus);
    }

    void exit_command_closes_the_window()
    {
        TestForm f;
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
        f->Kilps1->trigger();
        QVERIFY(!f->isVisible());
    }

    void program_runs_and_ends_with_zero()
    {
        RecordingDialogs dialogs;
        QCOMPARE(run_program_closing_at_once(dialogs), 0);
        QVERIFY(dialogs.messages.empty());
    }

    void an_exception_while_the_window_is_created_ends_with_a_failure()
    {
        RecordingDialogs dialogs;
        QCOMPARE(run_program_closing_at_once(dialogs, []() -> LocalDateTime { throw std::runtime_error("nincs óra"); }),
                 1);
        QCOMPARE(int(dialogs.messages.size()), 1);
        QCOMPARE(dialogs.messages[0].kind, MessageKind::error);
        QCOMPARE(dialogs.messages[0].text, QString("nincs óra"));
        // An object that is no exception is shown with an empty message.
        dialogs.messages.clear();
        QCOMPARE(run_program_closing_at_once(dialogs, []() -> LocalDateTime { throw 42; }), 1);
        QCOMPARE(dialogs.messages.at(0).text, QString());
    }

    void an_exception_in_a_handler_is_shown_and_the_program_runs_on()
    {
        auto* app = qobject_cast<TavrinApplication*>(QCoreApplication::instance());
        RecordingDialogs dialogs;
        app->set_dialogs(&dialogs);
        QObject thrower;
        QTimer::singleShot(0, &thrower, [] { throw std::runtime_error("hiba a kezelőben"); });
        QTest::qWait(20);
        app->set_dialogs(nullptr);
        QCOMPARE(int(dialogs.messages.size()), 1);
        QCOMPARE(dialogs.messages[0].kind, MessageKind::error);
        QCOMPARE(dialogs.messages[0].text, QString("hiba a kezelőben"));
    }
};

int main(int argc, char** argv)
{
    TavrinApplication app(argc, argv);
    TestStartup test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_startup.moc"
