// The window's layout: page controls, places and sizes, colours, fonts.
#include "support/test_form.h"
#include "views/colours.h"
#include "views/image_box.h"
#include "views/panel.h"
#include "views/radio_group.h"
#include "views/spin_edit.h"
#include "views/string_grid.h"
#include "views/waveform_chart.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>
#include <QtTest>

using namespace tavrin;

class TestLayout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        form_ = std::make_unique<TestForm>();
        (*form_)->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_->form.get()));
    }
    void cleanupTestCase() { form_.reset(); }

    void every_page_control_opens_on_its_first_page()
    {
        const auto tabs = (*form_)->findChildren<QTabWidget*>();
        QCOMPARE(tabs.size(), 11);
        for (const QTabWidget* t : tabs)
            QVERIFY2(t->currentIndex() == 0, qPrintable(t->objectName()));
        TForm1* f = form_->form.get();
        QCOMPARE(f->PageControl4->tabText(0), QString("Egyszerűsített nézet"));
        QCOMPARE(f->PageControl32->tabText(0), QString("Adatcsomag (üzemmód 0)"));
        QCOMPARE(f->PageControl32->tabText(3), QString("Adatcsomag (üzemmód 3)"));
        QCOMPARE(f->PageControl21->tabText(0), QString("Szimuláció leírása"));
        QCOMPARE(f->PageControl17->tabText(0), QString("Master"));
        QCOMPARE(f->PageControl4->tabPosition(), QTabWidget::West);
        QCOMPARE(f->PageControl17->tabPosition(), QTabWidget::West);
        QCOMPARE(f->PageControl32->tabPosition(), QTabWidget::North);
    }

    void places_and_sizes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("main page control") << "tav_spi_pc" << QRect(3, 3, 870, 782);
        QTest::newRow("information panel") << "Panel11" << QRect(879, 3, 291, 772);
        QTest::newRow("topology picture") << "Image24" << QRect(48, 16, 721, 287);
        QTest::newRow("topology text") << "tav_spi_top_re" << QRect(17, 320, 824, 409);
        QTest::newRow("mode 0 chart") << "tav_spi_acssz_uzemmod0_chart" << QRect(77, 114, 725, 412);
        QTest::newRow("mode 2 DEC") << "tav_spi_acssz_uzemmod2_adat" << QRect(368, 44, 49, 22);
        QTest::newRow("mode 3 BIN") << "tav_spi_acssz_uzemmod3_adatb" << QRect(368, 88, 57, 21);
        QTest::newRow("mode 1 band") << "Image56" << QRect(82, 532, 716, 103);
        QTest::newRow("mode 0 copy") << "tav_spi_acssz_uzemmod0_nezetmasol" << QRect(417, 641, 178, 51);
        QTest::newRow("packet mode group") << "tav_spi_acssz_uzemmod" << QRect(120, 140, 89, 129);
        QTest::newRow("packet chart") << "tav_spi_acsszim" << QRect(72, 9, 739, 326);
        QTest::newRow("packet zoom in") << "tav_spi_acssz_tengelynov" << QRect(739, 341, 62, 51);
        QTest::newRow("packet table") << "tav_spi_acssz_csadatok" << QRect(16, 464, 145, 148);
        QTest::newRow("packet bit sample chart") << "tav_spi_acssz_dc" << QRect(452, 569, 290, 33);
        QTest::newRow("speed box") << "tav_spi_avsz_m_seb" << QRect(80, 598, 81, 22);
        QTest::newRow("common speeds") << "tav_spi_avsz_m_sebrg" << QRect(468, 525, 277, 140);
        QTest::newRow("summary chart") << "tav_spi_avsz_chart" << QRect(72, 9, 739, 496);
        QTest::newRow("master zoom out") << "tav_spi_avsz_master_tengelycsok" << QRect(663, 511, 62, 51);
        QTest::newRow("legend") << "Panel72" << QRect(3, 631, 406, 70);
        QTest::newRow("legend idle") << "tav_spi_avsz_szmagy_var" << QRect(191, 38, 77, 17);
        QTest::newRow("exchange button") << "tav_spi_avsz_szim" << QRect(232, 11, 178, 51);
        QTest::newRow("master memo") << "tav_spi_avsz_mastervett_eredmeny" << QRect(9, 26, 153, 231);
        QTest::newRow("information text") << "tav_spi_inf_re" << QRect(8, 198, 273, 565);
    }
    void places_and_sizes()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        const QWidget* w = (*form_)->findChild<QWidget*>(name);
        QVERIFY2(w, qPrintable(name));
        QCOMPARE(w->geometry(), geometry);
    }

    void zoom_buttons_stand_beside_four_charts_only()
    {
        QStringList zoom;
        for (const QPushButton* b : (*form_)->findChildren<QPushButton*>())
            if (b->objectName().endsWith("tengelycsok") || b->objectName().endsWith("tengelynov"))
                zoom << b->objectName();
        zoom.sort();
        QCOMPARE(zoom, (QStringList{"tav_spi_acssz_tengelycsok", "tav_spi_acssz_tengelynov",
                                    "tav_spi_avsz_master_tengelycsok", "tav_spi_avsz_master_tengelynov",
                                    "tav_spi_avsz_slave_tengelycsok", "tav_spi_avsz_slave_tengelynov",
                                    "tav_spi_avsz_tengelycsok", "tav_spi_avsz_tengelynov"}));
        TForm1* f = form_->form.get();
        QCOMPARE(f->tav_spi_acssz_uzemmod0_nezetmasol->text(), QString("Nézet másolása        "));
        QCOMPARE(f->tav_spi_acssz_uzemmod0_nezetnyomtat->text(), QString("Nézet nyomtatása     "));
        QVERIFY(f->tav_spi_avsz_tengelynov->text().isEmpty());
        QVERIFY(!f->tav_spi_avsz_tengelynov->icon().isNull());
    }

    void colours()
    {
        TForm1* f = form_->form.get();
        QCOMPARE(f->tav_spi_avsz_szmagy_var->palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(f->tav_spi_avsz_szmagy_var->caption(), QString("busz tétlen/vár"));
        QCOMPARE(f->tav_spi_avsz_szmagy_adat->caption(), QString("adat"));
        for (const QLineEdit* e : {f->tav_spi_acssz_dh, f->tav_spi_avsz_m_db, f->tav_spi_avsz_slavevett_da}) {
            QVERIFY(e->isReadOnly());
            QCOMPARE(e->palette().color(QPalette::Base), to_qcolor(colour::display_field));
        }
        QCOMPARE(f->tav_spi_acssz_acs_d->palette().color(QPalette::Base), to_qcolor(colour::display_field));
        QCOMPARE(f->tav_spi_avsz_mastervett_eredmeny->palette().color(QPalette::Base),
                 to_qcolor(colour::result_memo));
        QCOMPARE(f->tav_spi_inf_re->palette().color(QPalette::Base), to_qcolor(colour::information_panel));
        QCOMPARE(f->tav_spi_top_re->palette().color(QPalette::Base), to_qcolor(colour::window));
        QCOMPARE(f->tav_spi_acssz_uzemmod1_chart->model().background, std::optional<Rgb>(colour::window));
    }

    void radio_groups()
    {
        TForm1* f = form_->form.get();
        QCOMPARE(f->tav_spi_avsz_m_sebrg->title(), QString("Leggyakrabban használt adatátviteli sebességek"));
        QCOMPARE(f->tav_spi_avsz_m_sebrg->button(5)->text(), QString("25 000 000 bps"));
        QCOMPARE(f->RadioGroup4->title(), QString("mértékegység"));
        for (RadioGroup* g : {f->tav_spi_acssz_uzemmod, f->tav_spi_avsz_m_uzemmod, f->tav_spi_avsz_s_uzemmod}) {
            QCOMPARE(g->title(), QString("SPI üzemmód"));
            QCOMPARE(g->count(), 4);
            QCOMPARE(g->item_index(), 0);
        }
    }

    void every_control_fits_inside_its_parent()
    {
        // Nothing stands outside the page that holds it, so nothing is cut off.
        // Pages get their real size once shown, so every page is shown once first.
        const auto tabs = (*form_)->findChildren<QTabWidget*>();
        for (int round = 0; round < 3; ++round)
            for (QTabWidget* t : tabs)
                for (int i = t->count() - 1; i >= 0; --i) {
                    t->setCurrentIndex(i);
                    QCoreApplication::processEvents();
                }
        for (QWidget* page : {(*form_)->TabSheet65, (*form_)->tav_spi_pc_szim, (*form_)->TabSheet50}) {
            for (QWidget* w : page->findChildren<QWidget*>()) {
                QWidget* parent = w->parentWidget();
                if (!parent || w->isWindow() || qobject_cast<QTabWidget*>(parent) ||
                    parent->inherits("QStackedWidget") || parent->inherits("QAbstractScrollArea") ||
                    parent->inherits("QTabBar") || parent->inherits("QAbstractSpinBox") ||
                    w->objectName().startsWith("qt_"))
                    continue;
                if (!parent->isVisibleTo(page) && parent != page)
                    continue;
                const QRect inside = QRect(QPoint(0, 0), parent->size());
                if (parent->size().isEmpty() || w->size().isEmpty())
                    continue;
                QVERIFY2(inside.contains(w->geometry()),
                         qPrintable(QString("%1 (%2) in %3 (%4)")
                                        .arg(w->objectName(), QString(w->metaObject()->className()),
                                             parent->objectName())
                                        .arg(QString("%1x%2").arg(parent->width()).arg(parent->height()))));
            }
        }
    }

    void fonts()
    {
        TForm1* f = form_->form.get();
        QCOMPARE(f->font().pixelSize(), 11);
        bool headline = false;
        for (const QLabel* l : f->findChildren<QLabel*>())
            if (l->text() == "Adatcsomag adatai" && l->font().pixelSize() == 21) {
                headline = l->font().bold();
            }
        QVERIFY(headline);
    }

private:
    std::unique_ptr<TestForm> form_;
};

QTEST_MAIN(TestLayout)
#include "test_layout.moc"
