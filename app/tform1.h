#pragma once

#include "app/description_files.h"
#include "app/dialogs.h"

#include <QMainWindow>
#include <QPrinter>
#include <array>
#include <functional>
#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTextEdit;
class QTimer;

namespace tavrin {

class ChartSeries;
class ImageBox;
class Panel;
class RadioGroup;
class SpinEdit;
class StringGrid;
class WaveformChart;
struct LocalDateTime;

// What the window needs from its surroundings at start-up.
struct StartupEnvironment {
    Dialogs* dialogs = nullptr;          // every modal window goes through here
    DescriptionSearch descriptions;      // where the folder "inf" is looked for
    std::function<LocalDateTime()> now;  // the clock; local time when empty

    // The working directory, the executable's folder, the installed data folder.
    static DescriptionSearch default_descriptions();
};

// The main window. It holds every control as a field, under the names the
// handlers use; handlers read their controls, call the logic, write back.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(const StartupEnvironment& env, QWidget* parent = nullptr);
    ~TForm1() override;

    // True when the screen check refused to start: the program must end.
    bool start_refused() const { return start_refused_; }

    Dialogs& dialogs() { return *dialogs_; }
    QPrinter& printer() { return printer_; }

    // Shared operations.
    void init_views();
    void show_byte_value(SpinEdit* dec, QLineEdit* hex, QLineEdit* bin);
    void show_byte_value_chart(SpinEdit* dec, QLineEdit* hex, QLineEdit* bin, ChartSeries* series);
    static char hex_digit(std::uint8_t nibble);
    void draw_mode_chart(int mode);

    // The clock text of the status bar.
    QString clock_text() const;

    // Window and start-up.
    QMenuBar* MainMenu1 = nullptr;
    QMenu* Programkezels1 = nullptr;
    QAction* Nyomtatbelltsai1 = nullptr;
    QAction* Kilps1 = nullptr;
    QMenu* SPImodul1 = nullptr;
    QAction* Adatcsomagszimulci5 = nullptr;
    QAction* Adsvtelszimulci4 = nullptr;
    QMenu* Sg1 = nullptr;
    QAction* Sgmegnyitsa1 = nullptr;
    QAction* Nvjegy1 = nullptr;
    QWidget* StatusBar1 = nullptr;
    std::array<QLabel*, 3> status_panels{};
    QTimer* ido_kiir = nullptr;

    // Main page control.
    QTabWidget* tav_spi_pc = nullptr;
    QWidget* TabSheet65 = nullptr;
    QWidget* tav_spi_pc_szim = nullptr;
    QWidget* TabSheet50 = nullptr;

    // Page 0: topology.
    ImageBox* Image24 = nullptr;
    QTextEdit* tav_spi_top_re = nullptr;

    // Page 1: packet simulation.
    QTabWidget* PageControl4 = nullptr;
    QWidget* TabSheet17 = nullptr;
    QWidget* TabSheet18 = nullptr;
    QTabWidget* PageControl32 = nullptr;
    QWidget* TabSheet95 = nullptr;
    QWidget* TabSheet97 = nullptr;
    QWidget* TabSheet99 = nullptr;
    QWidget* TabSheet101 = nullptr;

    SpinEdit* tav_spi_acssz_uzemmod0_adat = nullptr;
    QLineEdit* tav_spi_acssz_uzemmod0_adath = nullptr;
    QLineEdit* tav_spi_acssz_uzemmod0_adatb = nullptr;
    QLineEdit* tav_spi_acssz_uzemmod0_adata = nullptr;
    WaveformChart* tav_spi_acssz_uzemmod0_chart = nullptr;
    ChartSeries* tav_spi_acssz_uzemmod0_s1 = nullptr;
    ChartSeries* tav_spi_acssz_uzemmod0_s2 = nullptr;
    ChartSeries* tav_spi_acssz_uzemmod0_sm = nullptr;
    ImageBox* Image55 = nullptr;
    QPushButton* tav_spi_acssz_uzemmod0_nezetmasol = nullptr;
    QPushButton* tav_spi_acssz_uzemmod0_nezetnyomtat = nullptr;

    SpinEdit* tav_spi_acssz_uzemmod1_adat = nullptr;
    QLineEdit* tav_spi_acssz_uzemmod1_adath = nullptr;
    QLineEdit* tav_spi_acssz_uzemmod1_adatb = nullptr;
    QLineEdit* tav_spi_acssz_uzemmod1_adata = nullptr;
    WaveformChart* tav_spi_acssz_uzemmod1_chart = nullptr;
    ChartSeries* tav_spi_acssz_uzemmod1_s1 = nullptr;
    ChartSeries* tav_spi_acssz_uzemmod1_s2 = nullptr;
    ChartSeries* tav_spi_acssz_uzemmod1_sm = nullptr;
    ImageBox* Image56 = nullptr;
    QPushButton* tav_spi_acssz_uzemmod1_nezetmasol = nullptr;
    QPushButton* tav_spi_acssz_uzemmod1_nezetnyomtat = nullptr;

    SpinEdit* tav_spi_acssz_uzemmod2_adat = nullptr;
    QLineEdit* tav_spi_acssz_uzemmod2_adath = nullptr;
    QLineEdit* tav_spi_acssz_uzemmod2_adatb = nullptr;
    QLineEdit* tav_spi_acssz_uzemmod2_adata = nullptr;
    WaveformChart* tav_spi_acssz_uzemmod2_chart = nullptr;
    ChartSeries* tav_spi_acssz_uzemmod2_s1 = nullptr;
    ChartSeries* tav_spi_acssz_uzemmod2_s2 = nullptr;
    ChartSeries* tav_spi_acssz_uzemmod2_sm = nullptr;
    ImageBox* Image57 = nullptr;
    QPushButton* tav_spi_acssz_uzemmod2_nezetmasol = nullptr;
    QPushButton* tav_spi_acssz_uzemmod2_nezetnyomtat = nullptr;

    SpinEdit* tav_spi_acssz_uzemmod3_adat = nullptr;
    QLineEdit* tav_spi_acssz_uzemmod3_adath = nullptr;
    QLineEdit* tav_spi_acssz_uzemmod3_adatb = nullptr;
    QLineEdit* tav_spi_acssz_uzemmod3_adata = nullptr;
    WaveformChart* tav_spi_acssz_uzemmod3_chart = nullptr;
    ChartSeries* tav_spi_acssz_uzemmod3_s1 = nullptr;
    ChartSeries* tav_spi_acssz_uzemmod3_s2 = nullptr;
    ChartSeries* tav_spi_acssz_uzemmod3_sm = nullptr;
    ImageBox* Image58 = nullptr;
    QPushButton* tav_spi_acssz_uzemmod3_nezetmasol = nullptr;
    QPushButton* tav_spi_acssz_uzemmod3_nezetnyomtat = nullptr;

    QTabWidget* PageControl16 = nullptr;
    QWidget* TabSheet77 = nullptr;
    QWidget* TabSheet89 = nullptr;
    RadioGroup* tav_spi_acssz_uzemmod = nullptr;
    ImageBox* Image30 = nullptr;
    ImageBox* Image53 = nullptr;
    QWidget* Panel89 = nullptr;
    SpinEdit* tav_spi_acssz_d = nullptr;
    QLineEdit* tav_spi_acssz_dh = nullptr;
    QLineEdit* tav_spi_acssz_db = nullptr;
    QLineEdit* tav_spi_acssz_da = nullptr;
    WaveformChart* tav_spi_acssz_dc = nullptr;
    ChartSeries* tav_spi_acssz_ds = nullptr;

    WaveformChart* tav_spi_acsszim = nullptr;
    ChartSeries* tav_spi_acssz_s1 = nullptr;
    ChartSeries* tav_spi_acssz_s2 = nullptr;
    ChartSeries* tav_spi_acssz_sm = nullptr;
    QPushButton* tav_spi_acssz_tengelycsok = nullptr;
    QPushButton* tav_spi_acssz_tengelynov = nullptr;
    StringGrid* tav_spi_acssz_csadatok = nullptr;
    QTabWidget* PageControl29 = nullptr;
    QWidget* TabSheet90 = nullptr;
    SpinEdit* tav_spi_acssz_acs_d = nullptr;
    QLineEdit* tav_spi_acssz_acs_dh = nullptr;
    QLineEdit* tav_spi_acssz_acs_db = nullptr;
    QLineEdit* tav_spi_acssz_acs_da = nullptr;
    Panel* Panel49 = nullptr;
    QPushButton* tav_spi_acssz_nezetmasol = nullptr;
    QPushButton* tav_spi_acssz_nezetnyomtat = nullptr;
    Panel* Panel83 = nullptr;
    QPushButton* tav_spi_acssz_szim = nullptr;

    // Page 2: transmit-receive simulation.
    QTabWidget* PageControl21 = nullptr;
    QWidget* TabSheet94 = nullptr;
    QWidget* TabSheet96 = nullptr;
    QWidget* TabSheet98 = nullptr;
    QWidget* TabSheet100 = nullptr;
    ImageBox* Image41 = nullptr;
    ImageBox* Image42 = nullptr;
    ImageBox* Image43 = nullptr;
    QTextEdit* tav_spi_avsz_szimleir = nullptr;

    QTabWidget* PageControl30 = nullptr;
    QWidget* TabSheet92 = nullptr;
    RadioGroup* tav_spi_avsz_m_uzemmod = nullptr;
    ImageBox* Image54 = nullptr;
    QWidget* Panel29 = nullptr;
    SpinEdit* tav_spi_avsz_m_d = nullptr;
    QLineEdit* tav_spi_avsz_m_dh = nullptr;
    QLineEdit* tav_spi_avsz_m_db = nullptr;
    QLineEdit* tav_spi_avsz_m_da = nullptr;
    WaveformChart* tav_spi_avsz_m_dc = nullptr;
    ChartSeries* tav_spi_avsz_m_ds = nullptr;
    QWidget* Panel52 = nullptr;
    SpinEdit* tav_spi_avsz_m_seb = nullptr;
    QLabel* tav_spi_avsz_m_sebegyseg = nullptr; // "bps" or "kbps" beside the speed box
    RadioGroup* RadioGroup4 = nullptr;
    RadioGroup* tav_spi_avsz_m_sebrg = nullptr;

    QTabWidget* PageControl31 = nullptr;
    QWidget* TabSheet93 = nullptr;
    RadioGroup* tav_spi_avsz_s_uzemmod = nullptr;
    ImageBox* Image59 = nullptr;
    QWidget* Panel48 = nullptr;
    SpinEdit* tav_spi_avsz_s_d = nullptr;
    QLineEdit* tav_spi_avsz_s_dh = nullptr;
    QLineEdit* tav_spi_avsz_s_db = nullptr;
    QLineEdit* tav_spi_avsz_s_da = nullptr;
    WaveformChart* tav_spi_avsz_s_dc = nullptr;
    ChartSeries* tav_spi_avsz_s_ds = nullptr;

    QTabWidget* PageControl17 = nullptr;
    QWidget* TabSheet102 = nullptr;
    QWidget* TabSheet103 = nullptr;
    QWidget* TabSheet80 = nullptr;
    QWidget* TabSheet81 = nullptr;

    WaveformChart* tav_spi_avsz_master_chart = nullptr;
    ChartSeries* tav_spi_avsz_master_svett = nullptr;
    ChartSeries* tav_spi_avsz_master_sorajel = nullptr;
    ChartSeries* tav_spi_avsz_master_sadatvalt = nullptr;
    ChartSeries* tav_spi_avsz_master_sm = nullptr;
    QPushButton* tav_spi_avsz_master_nezetmasol = nullptr;
    QPushButton* tav_spi_avsz_master_nezetnyomtat = nullptr;
    QPushButton* tav_spi_avsz_master_tengelycsok = nullptr;
    QPushButton* tav_spi_avsz_master_tengelynov = nullptr;

    WaveformChart* tav_spi_avsz_slave_chart = nullptr;
    ChartSeries* tav_spi_avsz_slave_svett = nullptr;
    ChartSeries* tav_spi_avsz_slave_sorajel = nullptr;
    ChartSeries* tav_spi_avsz_slave_sadatvalt = nullptr;
    ChartSeries* tav_spi_avsz_slave_sm = nullptr;
    QPushButton* tav_spi_avsz_slave_nezetmasol = nullptr;
    QPushButton* tav_spi_avsz_slave_nezetnyomtat = nullptr;
    QPushButton* tav_spi_avsz_slave_tengelycsok = nullptr;
    QPushButton* tav_spi_avsz_slave_tengelynov = nullptr;

    WaveformChart* tav_spi_avsz_chart = nullptr;
    ChartSeries* tav_spi_avsz_smastervett = nullptr;
    ChartSeries* tav_spi_avsz_sslavevett = nullptr;
    ChartSeries* tav_spi_avsz_sorajel = nullptr;
    ChartSeries* tav_spi_avsz_sslavekivalaszt = nullptr;
    ChartSeries* tav_spi_avsz_sm = nullptr;
    QPushButton* tav_spi_avsz_nezetmasol = nullptr;
    QPushButton* tav_spi_avsz_nezetnyomtat = nullptr;
    QPushButton* tav_spi_avsz_tengelycsok = nullptr;
    QPushButton* tav_spi_avsz_tengelynov = nullptr;

    StringGrid* tav_spi_avsz_mastervett_eredmenytabla = nullptr;
    StringGrid* tav_spi_avsz_slavevett_eredmenytabla = nullptr;
    QTabWidget* PageControl18 = nullptr;
    QTabWidget* PageControl19 = nullptr;
    SpinEdit* tav_spi_avsz_mastervett_d = nullptr;
    QLineEdit* tav_spi_avsz_mastervett_dh = nullptr;
    QLineEdit* tav_spi_avsz_mastervett_db = nullptr;
    QLineEdit* tav_spi_avsz_mastervett_da = nullptr;
    SpinEdit* tav_spi_avsz_slavevett_d = nullptr;
    QLineEdit* tav_spi_avsz_slavevett_dh = nullptr;
    QLineEdit* tav_spi_avsz_slavevett_db = nullptr;
    QLineEdit* tav_spi_avsz_slavevett_da = nullptr;
    Panel* Panel73 = nullptr;
    Panel* Panel77 = nullptr;
    Panel* Panel53 = nullptr;
    Panel* Panel80 = nullptr;
    QPlainTextEdit* tav_spi_avsz_mastervett_eredmeny = nullptr;
    QPlainTextEdit* tav_spi_avsz_slavevett_eredmeny = nullptr;
    ImageBox* Image39 = nullptr;
    ImageBox* Image40 = nullptr;
    ImageBox* Image44 = nullptr;
    ImageBox* Image45 = nullptr;

    Panel* Panel72 = nullptr;
    Panel* tav_spi_avsz_szmagy_adat = nullptr;
    Panel* tav_spi_avsz_szmagy_var = nullptr;
    Panel* Panel81 = nullptr;
    QPushButton* tav_spi_avsz_szim = nullptr;

    // Information panel.
    Panel* Panel11 = nullptr;
    ImageBox* Image11 = nullptr;
    QComboBox* tav_spi_infobox = nullptr;
    QTextEdit* tav_spi_inf_re = nullptr;

    // The charts with their copy and print buttons, for commands that act on any of them.
    std::vector<WaveformChart*> waveform_charts() const;

    // The context menu of a waveform chart: copy, print, save as image, export
    // to VCD. The caller shows it; it deletes itself when closed.
    QMenu* chart_menu(WaveformChart* chart);
    void save_chart_image(WaveformChart* chart);
    void export_chart_vcd(WaveformChart* chart);

public slots:
    // Menu.
    void Nyomtatbelltsai1Click();
    void Kilps1Click();
    void Adatcsomagszimulci5Click();
    void Adsvtelszimulci4Click();
    void Sgmegnyitsa1Click();
    void Nvjegy1Click();
    void ido_kiirTimer();

    // Information panel.
    void tav_spi_infoboxChange();

    // Byte value views.
    void tav_spi_acssz_uzemmod0_adatChange();
    void tav_spi_acssz_uzemmod1_adatChange();
    void tav_spi_acssz_uzemmod2_adatChange();
    void tav_spi_acssz_uzemmod3_adatChange();
    void tav_spi_acssz_dChange();
    void tav_spi_acssz_acs_dChange();
    void tav_spi_avsz_m_dChange();
    void tav_spi_avsz_s_dChange();
    void tav_spi_avsz_mastervett_dChange();
    void tav_spi_avsz_slavevett_dChange();

    // Packet simulation.
    void tav_spi_acssz_szimClick();

    // Master and slave settings.
    void tav_spi_avsz_m_sebChange();
    void tav_spi_avsz_m_sebrgClick();
    void tav_spi_avsz_m_uzemmodClick();
    void tav_spi_avsz_s_uzemmodClick();
    void RadioGroup4Click();

    // Exchange simulation.
    void tav_spi_avsz_szimClick();

    // Chart commands: copy, print, zoom out, zoom in.
    void tav_spi_acssz_uzemmod0_nezetmasolClick();
    void tav_spi_acssz_uzemmod0_nezetnyomtatClick();
    void tav_spi_acssz_uzemmod1_nezetmasolClick();
    void tav_spi_acssz_uzemmod1_nezetnyomtatClick();
    void tav_spi_acssz_uzemmod2_nezetmasolClick();
    void tav_spi_acssz_uzemmod2_nezetnyomtatClick();
    void tav_spi_acssz_uzemmod3_nezetmasolClick();
    void tav_spi_acssz_uzemmod3_nezetnyomtatClick();
    void tav_spi_acssz_nezetmasolClick();
    void tav_spi_acssz_nezetnyomtatClick();
    void tav_spi_acssz_tengelycsokClick();
    void tav_spi_acssz_tengelynovClick();
    void tav_spi_avsz_master_nezetmasolClick();
    void tav_spi_avsz_master_nezetnyomtatClick();
    void tav_spi_avsz_master_tengelycsokClick();
    void tav_spi_avsz_master_tengelynovClick();
    void tav_spi_avsz_slave_nezetmasolClick();
    void tav_spi_avsz_slave_nezetnyomtatClick();
    void tav_spi_avsz_slave_tengelycsokClick();
    void tav_spi_avsz_slave_tengelynovClick();
    void tav_spi_avsz_nezetmasolClick();
    void tav_spi_avsz_nezetnyomtatClick();
    void tav_spi_avsz_tengelycsokClick();
    void tav_spi_avsz_tengelynovClick();

private:
    // Page builders (one file each).
    void build_window_frame();
    void build_topology_page();
    void build_packet_pages();
    void build_mode_page(int mode, QWidget* page);
    void build_packet_settings_page();
    void build_packet_result_page();
    void build_exchange_pages();
    void build_exchange_description_page();
    void build_master_settings_page();
    void build_slave_settings_page();
    void build_exchange_simulation_page();
    void build_exchange_result_half(bool master, QWidget* page);
    void build_information_panel();

    void connect_handlers();
    void connect_byte_views();
    void connect_packet_handlers();
    void connect_exchange_handlers();
    // Runs a chart command; a failure is shown in the error box and the program runs on.
    void run_command(const std::function<void()>& command);
    // Rows 1 to 8 of a bit table from a BIN text.
    static void fill_bit_table(StringGrid* table, const QString& bin);
    // The speed in bits per second, whatever unit the speed box shows.
    int speed_bps();
    void connect_chart_commands();
    void copy_chart(WaveformChart* chart);
    void print_chart(WaveformChart* chart);
    void load_start_descriptions();
    bool load_description(QTextEdit* edit, const char* file_name);
    void show_ascii(SpinEdit* dec, QLineEdit* ascii);
    void exchange_result_stage();

    Dialogs* dialogs_;
    DescriptionSearch descriptions_;
    std::function<LocalDateTime()> now_;
    QPrinter printer_;
    bool start_refused_ = false;
    // Whether the speed box shows kilobits per second (RadioGroup4 item 1).
    bool speed_in_kbps_ = false;
};

} // namespace tavrin
