// Saving a chart from its context menu: image and value change dump, written atomically.
#include "support/test_form.h"
#include "views/chart_files.h"
#include "views/spin_edit.h"
#include "views/waveform_chart.h"

#include <QAction>
#include <QImage>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

using namespace tavrin;

namespace {
QByteArray read_all(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void write_all(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QAction* action(QMenu* menu, const QString& text)
{
    for (QAction* a : menu->actions())
        if (a->text() == text)
            return a;
    return nullptr;
}
} // namespace

class TestChartFiles : public QObject {
    Q_OBJECT
private slots:
    void every_waveform_chart_has_the_menu()
    {
        TestForm f;
        for (WaveformChart* chart : f->waveform_charts()) {
            QMenu* menu = f->chart_menu(chart);
            QStringList texts;
            for (QAction* a : menu->actions())
                if (!a->isSeparator())
                    texts << a->text();
            QCOMPARE(texts, (QStringList{"Nézet másolása", "Nézet nyomtatása", "Mentés képként…",
                                         "Exportálás VCD fájlba…"}));
            delete menu;
        }
    }

    void saves_the_chart_as_it_stands_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QByteArray>("starts_with");
        QTest::newRow("png by its ending") << "chart.png" << "" << "chart.png" << QByteArray("\x89PNG");
        QTest::newRow("svg by its ending") << "chart.svg" << "" << "chart.svg" << QByteArray("<?xml");
        QTest::newRow("svg by the filter") << "chart" << "SVG rajz (*.svg)" << "chart.svg" << QByteArray("<?xml");
        QTest::newRow("png by the filter") << "abra" << "PNG kép (*.png)" << "abra.png" << QByteArray("\x89PNG");
    }
    void saves_the_chart_as_it_stands()
    {
        QFETCH(QString, file);
        QFETCH(QString, filter);
        QFETCH(QString, written);
        QFETCH(QByteArray, starts_with);
        QTemporaryDir dir;
        TestForm f;
        f->tav_spi_avsz_szim->click();
        f->tav_spi_avsz_tengelynov->click();
        f.dialogs.save_answer = dir.filePath(file);
        f.dialogs.save_filter_answer = filter;
        QMenu* menu = f->chart_menu(f->tav_spi_avsz_chart);
        action(menu, "Mentés képként…")->trigger();
        delete menu;
        QCOMPARE(f.dialogs.save_dialogs, 1);
        QVERIFY(f.dialogs.messages.empty());
        const QByteArray bytes = read_all(dir.filePath(written));
        QVERIFY(bytes.startsWith(starts_with));
        if (starts_with.startsWith("\x89")) {
            const QImage image = QImage::fromData(bytes, "PNG");
            QCOMPARE(image, f->tav_spi_avsz_chart->to_image().convertToFormat(image.format()));
        } else {
            QVERIFY(bytes.contains("<svg"));
        }
    }

    void exports_the_bus_lines()
    {
        QTemporaryDir dir;
        TestForm f;
        f->tav_spi_avsz_m_d->set_value(0xA5);
        f->tav_spi_avsz_szim->click();
        f.dialogs.save_answer = dir.filePath("bus.vcd");
        f->export_chart_vcd(f->tav_spi_avsz_chart);
        const QByteArray vcd = read_all(dir.filePath("bus.vcd"));
        QVERIFY(vcd.contains("$timescale 1 ps $end"));
        for (const char* wire : {" SCLK ", " MOSI ", " MISO ", " SS "})
            QVERIFY2(vcd.contains(wire), wire);
        QVERIFY(f.dialogs.messages.empty());
    }

    void a_cancelled_save_writes_nothing()
    {
        QTemporaryDir dir;
        TestForm f;
        f.dialogs.save_answer.clear();
        f->save_chart_image(f->tav_spi_acsszim);
        f->export_chart_vcd(f->tav_spi_acsszim);
        QCOMPARE(f.dialogs.save_dialogs, 2);
        QVERIFY(f.dialogs.messages.empty());
        QVERIFY(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    }

    void a_failed_save_keeps_the_old_file_and_says_why()
    {
        QTemporaryDir dir;
        TestForm f;
        // The temporary file beside this name would be longer than a file name
        // may be, so the save fails before the old file is touched; root meets it too.
        const QString old_file = dir.filePath(QString(250, 'a') + ".vcd");
        write_all(old_file, "OLD");
        f.dialogs.save_answer = old_file;
        f->export_chart_vcd(f->tav_spi_avsz_chart);
        QCOMPARE(read_all(old_file), QByteArray("OLD"));
        QCOMPARE(int(f.dialogs.messages.size()), 1);
        QCOMPARE(f.dialogs.messages[0].kind, MessageKind::error);
        QVERIFY(f.dialogs.messages[0].text.startsWith("A fájl nem menthető"));
        QCOMPARE(message_title(f.dialogs.messages[0].kind), QString("Hiba"));

        // A folder that is a file.
        write_all(dir.filePath("plain"), "x");
        f.dialogs.messages.clear();
        f.dialogs.save_answer = dir.filePath("plain/chart.png");
        f->save_chart_image(f->tav_spi_avsz_chart);
        QCOMPARE(int(f.dialogs.messages.size()), 1);
        QCOMPARE(read_all(dir.filePath("plain")), QByteArray("x"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2); // no stray temporary file
    }
};

QTEST_MAIN(TestChartFiles)
#include "test_chart_files.moc"
