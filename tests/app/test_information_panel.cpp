// The information panel: each choice reloads its description from disk.
#include "support/test_form.h"

#include <QComboBox>
#include <QTextEdit>
#include <QtTest>

using namespace tavrin;

namespace {
void choose(QComboBox* box, int index)
{
    box->setCurrentIndex(index);
    emit box->activated(index);
}
} // namespace

class TestInformationPanel : public QObject {
    Q_OBJECT
private slots:
    void each_choice_reads_its_file_anew()
    {
        DescriptionFolder folder;
        folder.write("spi_adatcsomag.rtf", "csomag");
        folder.write("spi_topologia.rtf", "topo");
        folder.write("spi_szimulacio.rtf", "szim");
        folder.write("spi_adatatvitelbeall.rtf", "beall");
        TestForm f({folder.path()});
        QCOMPARE(f->tav_spi_inf_re->toPlainText().trimmed(), QString("csomag"));
        QCOMPARE(f->tav_spi_infobox->count(), 2);
        QCOMPARE(f->tav_spi_infobox->itemText(0), QString("SPI adatcsomag felépítése"));
        QCOMPARE(f->tav_spi_infobox->itemText(1), QString("SPI adatátvitel beállítása"));

        choose(f->tav_spi_infobox, 1);
        QCOMPARE(f->tav_spi_inf_re->toPlainText().trimmed(), QString("beall"));
        // Changed on disk while the program runs: the next choice shows the new text.
        folder.write("spi_adatcsomag.rtf", "uj csomag");
        choose(f->tav_spi_infobox, 0);
        QCOMPARE(f->tav_spi_inf_re->toPlainText().trimmed(), QString("uj csomag"));
        QVERIFY(f.dialogs.messages.empty());
        QVERIFY(f->tav_spi_inf_re->isReadOnly());
        QCOMPARE(f->tav_spi_inf_re->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    }

    void a_missing_file_warns_and_leaves_the_panel_empty()
    {
        DescriptionFolder folder({"spi_topologia.rtf", "spi_szimulacio.rtf"});
        folder.write("spi_adatcsomag.rtf", "csomag");
        TestForm f({folder.path()});
        QVERIFY(f.dialogs.messages.empty());
        choose(f->tav_spi_infobox, 1);
        QCOMPARE(int(f.dialogs.messages.size()), 1);
        QCOMPARE(f.dialogs.messages[0].kind, MessageKind::warning);
        QCOMPARE(f.dialogs.messages[0].text, QString("Az adott fájl nem található!"));
        QCOMPARE(f->tav_spi_inf_re->toPlainText(), QString());
        choose(f->tav_spi_infobox, 0);
        QCOMPARE(f->tav_spi_inf_re->toPlainText().trimmed(), QString("csomag"));
        QCOMPARE(int(f.dialogs.messages.size()), 1);
    }
};

QTEST_MAIN(TestInformationPanel)
#include "test_information_panel.moc"
