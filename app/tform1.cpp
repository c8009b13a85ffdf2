#include "app/tform1.h"

#include "app/clock_text.h"
#include "app/fonts.h"
#include "app/rtf_document.h"
#include "app/screen_check.h"
#include "views/colours.h"
#include "views/panel.h"
#include "views/string_grid.h"
#include "views/waveform_chart.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

namespace tavrin {

namespace {
constexpr int client_width = 1177;
constexpr int client_height = 806;
constexpr int status_bar_top = 787;
constexpr int status_bar_height = 19;
constexpr int status_panel_width = 380;

const char* const file_not_found_message = "Az adott fájl nem található!";
} // namespace

DescriptionSearch StartupEnvironment::default_descriptions()
{
    DescriptionSearch search;
    search.bases.push_back(std::filesystem::current_path());
    const QString exe_dir = QCoreApplication::applicationDirPath();
    if (!exe_dir.isEmpty())
        search.bases.emplace_back(exe_dir.toStdString());
    search.bases.emplace_back(TAVRIN_DATA_DIR);
    return search;
}

TForm1::TForm1(const StartupEnvironment& env, QWidget* parent)
    : QMainWindow(parent),
      dialogs_(env.dialogs),
      descriptions_(env.descriptions),
      now_(env.now ? env.now : std::function<LocalDateTime()>(local_now))
{
    if (!dialogs_)
        throw std::invalid_argument("TForm1 needs a dialogs implementation");

    // Step 1: every control with its initial properties; no handler is connected yet,
    // so nothing fires while the window is built.
    build_window_frame();
    build_topology_page();
    build_packet_pages();
    build_exchange_pages();
    build_information_panel();

    // Step 2: the screen check. A refused start still runs the remaining steps;
    // the entry then ends the program instead of running the event loop.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize screen_size = screen ? screen->size() : QSize();
    if (!screen_large_enough(screen_size.width(), screen_size.height())) {
        dialogs_->message(this, MessageKind::error, QString::fromUtf8(screen_too_small_message));
        start_refused_ = true;
        setWindowState(Qt::WindowMinimized);
        close();
        QCoreApplication::quit();
    }

    // Step 3: the first information topic, without its change event.
    {
        const QSignalBlocker block(tav_spi_infobox);
        tav_spi_infobox->setCurrentIndex(0);
    }

    // Step 4: the description texts, one guarded step.
    load_start_descriptions();

    // Step 5: the clock.
    ido_kiirTimer();

    // Step 6.
    init_views();

    connect_handlers();
    ido_kiir->start();
}

TForm1::~TForm1() = default;

void TForm1::build_window_frame()
{
    setWindowTitle(QStringLiteral("ZEPRA TAVRIN-SPI"));
    // A fixed-size window with only a close button; still a normal top-level
    // window, so it shows in the task bar.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFont(window_font());

    MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    Programkezels1 = MainMenu1->addMenu(QStringLiteral("Program kezelés"));
    Nyomtatbelltsai1 = Programkezels1->addAction(QStringLiteral("Nyomtató beállításai"));
    Kilps1 = Programkezels1->addAction(QStringLiteral("Kilépés"));
    Kilps1->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    SPImodul1 = MainMenu1->addMenu(QStringLiteral("SPI modul"));
    Adatcsomagszimulci5 = SPImodul1->addAction(QStringLiteral("Adatcsomag szimuláció"));
    Adsvtelszimulci4 = SPImodul1->addAction(QStringLiteral("Adásvétel szimuláció"));
    Sg1 = MainMenu1->addMenu(QStringLiteral("Súgó"));
    Sgmegnyitsa1 = Sg1->addAction(QStringLiteral("Súgó megnyitása"));
    Nvjegy1 = Sg1->addAction(QStringLiteral("Névjegy"));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(client_width, client_height);
    client->setAutoFillBackground(true);
    QPalette pal = client->palette();
    pal.setColor(QPalette::Window, to_qcolor(colour::window));
    client->setPalette(pal);
    setCentralWidget(client);
    // Frames, tabs and buttons in the window colour too.
    pal.setColor(QPalette::Button, to_qcolor(colour::window));
    setPalette(pal);

    tav_spi_pc = new QTabWidget(client);
    tav_spi_pc->setObjectName(QStringLiteral("tav_spi_pc"));
    tav_spi_pc->setGeometry(3, 3, 870, 782);
    // Tabs drawn as buttons: raised when not chosen, pressed in when chosen. The
    // style sheet sits on the tab bar alone, so the pages keep the plain style.
    tav_spi_pc->tabBar()->setStyleSheet(QStringLiteral(
        "QTabBar::tab { border: 1px solid #808080; border-top-color: #ffffff;"
        " border-left-color: #ffffff; padding: 3px 10px; margin-right: 3px; margin-bottom: 2px;"
        " background: rgb(212,208,200); }"
        "QTabBar::tab:selected { border-top-color: #808080; border-left-color: #808080;"
        " border-bottom-color: #ffffff; border-right-color: #ffffff; background: rgb(228,225,218); }"));
    tav_spi_pc->setDocumentMode(true);
    TabSheet65 = new QWidget;
    TabSheet65->setObjectName(QStringLiteral("TabSheet65"));
    tav_spi_pc_szim = new QWidget;
    tav_spi_pc_szim->setObjectName(QStringLiteral("tav_spi_pc_szim"));
    TabSheet50 = new QWidget;
    TabSheet50->setObjectName(QStringLiteral("TabSheet50"));
    tav_spi_pc->addTab(TabSheet65, QStringLiteral("Topológiai leírás"));
    tav_spi_pc->addTab(tav_spi_pc_szim, QStringLiteral("Adatcsomag szimuláció"));
    tav_spi_pc->addTab(TabSheet50, QStringLiteral("Adásvétel szimuláció"));
    tav_spi_pc->setCurrentIndex(0);

    Panel11 = new Panel(client);
    Panel11->setObjectName(QStringLiteral("Panel11"));
    Panel11->setGeometry(879, 3, 291, 772);

    auto* bar = new QFrame(client);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setGeometry(0, status_bar_top, client_width, status_bar_height);
    StatusBar1 = bar;
    const Qt::Alignment alignments[3] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    const QString texts[3] = {QStringLiteral("ZEPRA TAVRIN-SPI"), QStringLiteral("V1.0"), QString()};
    for (int i = 0; i < 3; ++i) {
        auto* panel = new QLabel(texts[i], bar);
        panel->setObjectName(QStringLiteral("StatusBar1_panel%1").arg(i));
        panel->setGeometry(i * status_panel_width, 0, status_panel_width - 2, status_bar_height);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setAlignment(alignments[i] | Qt::AlignVCenter);
        panel->setContentsMargins(2, 0, 2, 0);
        status_panels[static_cast<std::size_t>(i)] = panel;
    }

    ido_kiir = new QTimer(this);
    ido_kiir->setObjectName(QStringLiteral("ido_kiir"));
    ido_kiir->setInterval(1000);

    setFixedSize(client_width, client_height + MainMenu1->sizeHint().height());
}

void TForm1::connect_handlers()
{
    connect(Nyomtatbelltsai1, &QAction::triggered, this, &TForm1::Nyomtatbelltsai1Click);
    connect(Kilps1, &QAction::triggered, this, &TForm1::Kilps1Click);
    connect(Adatcsomagszimulci5, &QAction::triggered, this, &TForm1::Adatcsomagszimulci5Click);
    connect(Adsvtelszimulci4, &QAction::triggered, this, &TForm1::Adsvtelszimulci4Click);
    connect(Sgmegnyitsa1, &QAction::triggered, this, &TForm1::Sgmegnyitsa1Click);
    connect(Nvjegy1, &QAction::triggered, this, &TForm1::Nvjegy1Click);
    connect(ido_kiir, &QTimer::timeout, this, &TForm1::ido_kiirTimer);
    connect(tav_spi_infobox, &QComboBox::activated, this, &TForm1::tav_spi_infoboxChange);
    connect_byte_views();
    connect_packet_handlers();
    connect_exchange_handlers();
    connect_chart_commands();
}

QString TForm1::clock_text() const
{
    return QString::fromStdString(tavrin::clock_text(now_()));
}

void TForm1::ido_kiirTimer()
{
    status_panels[2]->setText(clock_text());
}

bool TForm1::load_description(QTextEdit* edit, const char* file_name)
{
    const auto path = descriptions_.find(file_name);
    if (!path)
        return false;
    if (!load_rich_text_file(*edit, QString::fromStdString(path->string())))
        return false;
    // A text is read from its beginning.
    edit->moveCursor(QTextCursor::Start);
    return true;
}

void TForm1::load_start_descriptions()
{
    // The first file that cannot be loaded ends the step; the ones after it are not tried.
    const bool all_loaded = load_description(tav_spi_inf_re, adatcsomag_file) &&
                            load_description(tav_spi_top_re, topologia_file) &&
                            load_description(tav_spi_avsz_szimleir, szimulacio_file);
    if (!all_loaded)
        dialogs_->message(this, MessageKind::warning, QString::fromUtf8(file_not_found_message));
}

void TForm1::tav_spi_infoboxChange()
{
    const int i = tav_spi_infobox->currentIndex();
    tav_spi_inf_re->clear();
    bool loaded = true;
    if (i == 0)
        loaded = load_description(tav_spi_inf_re, adatcsomag_file);
    else if (i == 1)
        loaded = load_description(tav_spi_inf_re, adatatvitelbeall_file);
    if (!loaded)
        dialogs_->message(this, MessageKind::warning, QString::fromUtf8(file_not_found_message));
}

void TForm1::init_views()
{
    for (ChartSeries* s : {tav_spi_acssz_ds, tav_spi_avsz_m_ds, tav_spi_avsz_s_ds})
        for (int i = 0; i < 9; ++i)
            s->add(0.1);

    for (StringGrid* g : {tav_spi_acssz_csadatok, tav_spi_avsz_mastervett_eredmenytabla,
                          tav_spi_avsz_slavevett_eredmenytabla}) {
        g->set_cell(0, 0, QStringLiteral("Nr."));
        g->set_cell(1, 0, QStringLiteral("Típus"));
        g->set_cell(2, 0, QStringLiteral("Ért."));
    }

    tav_spi_avsz_szmagy_adat->set_colour(to_qcolor(colour::data));
    tav_spi_avsz_szmagy_var->set_colour(to_qcolor(colour::idle));

    for (int mode = 0; mode < 4; ++mode)
        draw_mode_chart(mode);
}

void TForm1::Nyomtatbelltsai1Click()
{
    dialogs_->printer_setup(this, printer_);
}

void TForm1::Kilps1Click()
{
    setWindowState(Qt::WindowMinimized);
    close();
    QCoreApplication::quit();
}

void TForm1::Adatcsomagszimulci5Click()
{
    tav_spi_pc->setCurrentIndex(1);
}

void TForm1::Adsvtelszimulci4Click()
{
    tav_spi_pc->setCurrentIndex(2);
}

void TForm1::Sgmegnyitsa1Click()
{
    dialogs_->message(this, MessageKind::information,
                      QStringLiteral("A súgót a programhoz mellékelt pdf fájl tartalmazza."));
}

void TForm1::Nvjegy1Click()
{
    dialogs_->message(this, MessageKind::information,
                      QStringLiteral("ZEPRA TAVRIN-SPI V1.00 kommunikációs szimulátor"));
}

std::vector<WaveformChart*> TForm1::waveform_charts() const
{
    return {tav_spi_acssz_uzemmod0_chart, tav_spi_acssz_uzemmod1_chart, tav_spi_acssz_uzemmod2_chart,
            tav_spi_acssz_uzemmod3_chart, tav_spi_acsszim,           tav_spi_avsz_master_chart,
            tav_spi_avsz_slave_chart,     tav_spi_avsz_chart};
}

} // namespace tavrin
