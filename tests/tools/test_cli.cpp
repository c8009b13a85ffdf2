// The command-line companion as a user runs it: its arguments, its output,
// and its value change dumps read by sigrok's SPI decoder and by GTKWave.
#include "exchange/exchange_simulation.h"
#include "packet/packet_simulation.h"
#include "views/chart_export.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using namespace tavrin;

namespace {

struct Run {
    int exit_code = -1;
    QByteArray out;
    QByteArray err;
};

Run run_program(const QString& program, const QStringList& args,
                const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    Run r;
    if (!p.waitForStarted(10000)) {
        r.err = "cannot start " + program.toUtf8();
        return r;
    }
    p.closeWriteChannel();
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        r.err = program.toUtf8() + " did not finish";
        return r;
    }
    r.exit_code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

Run cli(const QStringList& args)
{
    return run_program(QStringLiteral(TAVRIN_CLI_PATH), args);
}

QString hex_byte(int v)
{
    return QString("0x%1").arg(v, 2, 16, QChar('0')).toUpper().replace("0X", "0x");
}

// sigrok's VCD input makes one sample per time unit of the file; a bit cell
// of about ten thousand samples decodes exactly and keeps every run short.
int downsample_for(double bit_time_us)
{
    return std::max(1, int(bit_time_us * 1e6 / 10000));
}

// The data words of sigrok's SPI decoder by annotation row ("MOSI data", "MISO data").
QMap<QString, QStringList> decoded_words(const QByteArray& jsontrace)
{
    QMap<QString, QStringList> words;
    const QJsonArray events = QJsonDocument::fromJson(jsontrace)["traceEvents"].toArray();
    for (const QJsonValue e : events)
        if (e["ph"].toString() == "B")
            words[e["tid"].toString()] << e["name"].toString();
    return words;
}

bool level_at(const Series& series, int lane, double t)
{
    for (const TracePoint& p : series.points())
        if (p.x > t)
            return p.y > lane + 0.5;
    return series.points().back().y > lane + 0.5;
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    QProcess xvfb_;
    QString display_;

    QString sigrok()
    {
        return QStandardPaths::findExecutable("sigrok-cli");
    }

    QString write_file(const QString& name, const QByteArray& data)
    {
        QFile f(dir_.filePath(name));
        if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size())
            return {};
        return f.fileName();
    }

    // A virtual display of our own for GTKWave; it picks a free display number itself.
    bool start_display()
    {
        if (!display_.isEmpty())
            return true;
        const QString server = QStandardPaths::findExecutable("Xvfb");
        if (server.isEmpty())
            return false;
        xvfb_.start(server, {"-displayfd", "1", "-screen", "0", "640x480x24", "-nolisten", "tcp"});
        if (!xvfb_.waitForStarted(10000))
            return false;
        while (!xvfb_.canReadLine() && xvfb_.waitForReadyRead(10000)) {
        }
        const QByteArray line = xvfb_.readLine().trimmed();
        bool ok = false;
        line.toInt(&ok);
        if (ok)
            display_ = ":" + QString::fromLatin1(line);
        return ok;
    }

    // Loads a dump into GTKWave and reads its wires at the given picosecond times.
    // Returns the lines GTKWave printed for each time, and its error output.
    QPair<QStringList, QByteArray> gtkwave_values(const QString& vcd, const QStringList& wires,
                                                  const QList<qint64>& times)
    {
        QString script = "puts \"facilities [gtkwave::getNumFacs]\"\n";
        script += "gtkwave::addSignalsFromList [list";
        for (const QString& w : wires)
            script += " spi." + w;
        script += "]\nforeach t {";
        for (qint64 t : times)
            script += QString::number(t) + " ";
        script += "} {\n  gtkwave::setMarker $t\n  set line \"at $t\"\n  foreach s [list";
        for (const QString& w : wires)
            script += " spi." + w;
        script += "] { append line \" [gtkwave::getTraceValueAtMarkerFromName $s]\" }\n  puts $line\n}\n";
        script += "gtkwave::/File/Quit\n";
        const QString script_file = write_file("read.tcl", script.toUtf8());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", display_);
        env.remove("WAYLAND_DISPLAY");
        // No accessibility bus runs here; without this GTK may complain about it.
        env.insert("NO_AT_BRIDGE", "1");
        const Run r = run_program(QStandardPaths::findExecutable("gtkwave"), {"-S", script_file, vcd}, env);
        return {QString::fromUtf8(r.out).split('\n', Qt::SkipEmptyParts), r.err};
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        QVERIFY2(QFileInfo(QStringLiteral(TAVRIN_CLI_PATH)).isExecutable(), TAVRIN_CLI_PATH);
    }

    void cleanupTestCase()
    {
        if (xvfb_.state() != QProcess::NotRunning) {
            xvfb_.terminate();
            if (!xvfb_.waitForFinished(5000))
                xvfb_.kill();
        }
    }

    void bad_input_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("named"); // the message names these

        const QStringList byte_range = {"0 to 255"};
        QTest::newRow("no command") << QStringList{} << QStringList{"byte, packet or exchange"};
        QTest::newRow("unknown command") << QStringList{"bytes", "1"} << QStringList{"'bytes'", "byte, packet or exchange"};
        QTest::newRow("byte without a value") << QStringList{"byte"} << QStringList{"VALUE", "0 to 255"};
        QTest::newRow("byte 12x") << QStringList{"byte", "12x"} << QStringList{"VALUE", "'12x'", "0 to 255"};
        QTest::newRow("byte 0x") << QStringList{"byte", "0x"} << QStringList{"VALUE", "0 to 255"};
        QTest::newRow("byte empty") << QStringList{"byte", ""} << QStringList{"VALUE", "0 to 255"};
        QTest::newRow("byte leading blank") << QStringList{"byte", " 12"} << QStringList{"VALUE", "0 to 255"};
        QTest::newRow("byte trailing blank") << QStringList{"byte", "12 "} << QStringList{"VALUE", "0 to 255"};
        QTest::newRow("byte plus alone") << QStringList{"byte", "+"} << QStringList{"VALUE", "0 to 255"};
        QTest::newRow("byte with plus") << QStringList{"byte", "+12"} << QStringList{"VALUE", "0 to 255"};
        QTest::newRow("byte negative") << QStringList{"byte", "-1"} << QStringList{"VALUE", "0 to 255"};
        QTest::newRow("byte 256") << QStringList{"byte", "256"} << QStringList{"VALUE", "256", "0 to 255"};
        QTest::newRow("byte 0x100") << QStringList{"byte", "0x100"} << QStringList{"VALUE", "0 to 255"};
        QTest::newRow("byte beyond 64 bits") << QStringList{"byte", "99999999999999999999999"}
                                             << QStringList{"VALUE", "0 to 255"};
        QTest::newRow("byte hex digit without 0x") << QStringList{"byte", "A5"} << QStringList{"VALUE", "0 to 255"};
        QTest::newRow("byte two values") << QStringList{"byte", "1", "2"} << QStringList{"'2'", "VALUE"};
        QTest::newRow("byte with a line feed") << QStringList{"byte", "1\n2"} << QStringList{"VALUE", "0 to 255"};
        QTest::newRow("packet mode 4") << QStringList{"packet", "--byte", "1", "--mode", "4"}
                                       << QStringList{"--mode", "0 to 3"};
        QTest::newRow("packet byte 300") << QStringList{"packet", "--byte", "300", "--mode", "0"}
                                         << QStringList{"--byte", "0 to 255"};
        QTest::newRow("packet without --mode") << QStringList{"packet", "--byte", "1"}
                                               << QStringList{"--mode", "missing", "0 to 3"};
        QTest::newRow("packet --byte last, no value") << QStringList{"packet", "--mode", "1", "--byte"}
                                                      << QStringList{"--byte", "0 to 255"};
        QTest::newRow("packet --byte followed by an option") << QStringList{"packet", "--byte", "--mode", "1"}
                                                             << QStringList{"--byte", "0 to 255"};
        QTest::newRow("packet --byte twice") << QStringList{"packet", "--byte", "1", "--byte", "1", "--mode", "0"}
                                             << QStringList{"--byte", "twice", "0 to 255"};
        QTest::newRow("packet --speed") << QStringList{"packet", "--byte", "1", "--mode", "0", "--speed", "100000"}
                                        << QStringList{"'--speed'", "--byte, --mode and --format"};
        QTest::newRow("packet stray value") << QStringList{"packet", "5", "--byte", "1", "--mode", "0"}
                                            << QStringList{"'5'"};
        QTest::newRow("packet format xml") << QStringList{"packet", "--byte", "1", "--mode", "0", "--format", "xml"}
                                           << QStringList{"--format", "json, text or vcd"};
        QTest::newRow("packet format in capitals") << QStringList{"packet", "--byte=1", "--mode=0", "--format=JSON"}
                                                   << QStringList{"--format", "json, text or vcd"};
        QTest::newRow("packet empty mode after =") << QStringList{"packet", "--byte=1", "--mode="}
                                                   << QStringList{"--mode", "0 to 3"};
        const QStringList exchange = {"exchange", "--master", "0xA5", "--slave", "0x3C", "--mode", "0"};
        QTest::newRow("exchange speed below") << exchange + QStringList{"--speed", "99999"}
                                              << QStringList{"--speed", "100000 to 25000000"};
        QTest::newRow("exchange speed above") << exchange + QStringList{"--speed", "25000001"}
                                              << QStringList{"--speed", "100000 to 25000000"};
        QTest::newRow("exchange speed 1e6") << exchange + QStringList{"--speed", "1e6"}
                                            << QStringList{"--speed", "100000 to 25000000"};
        QTest::newRow("exchange without --speed") << exchange << QStringList{"--speed", "missing"};
        QTest::newRow("exchange slave 0x1FF")
            << QStringList{"exchange", "--master", "1", "--slave", "0x1FF", "--mode", "0", "--speed", "1000000"}
            << QStringList{"--slave", "0 to 255"};
        QTest::newRow("exchange master 0X")
            << QStringList{"exchange", "--master", "0X", "--slave", "1", "--mode", "0", "--speed", "1000000"}
            << QStringList{"--master", "0 to 255"};
        QTest::newRow("exchange --byte") << exchange + QStringList{"--speed", "1000000", "--byte", "1"}
                                         << QStringList{"'--byte'", "--master, --slave, --mode, --speed and --format"};
    }
    void bad_input()
    {
        QFETCH(QStringList, args);
        QFETCH(QStringList, named);
        const Run r = cli(args);
        QCOMPARE(r.exit_code, 2);
        QCOMPARE(r.out, QByteArray());
        const QString err = QString::fromUtf8(r.err);
        QVERIFY2(err.endsWith('\n') && err.count('\n') == 1, qPrintable(err));
        QVERIFY2(err.startsWith("tavrin-spi-cli: "), qPrintable(err));
        for (const QString& n : named)
            QVERIFY2(err.contains(n), qPrintable(err + " lacks " + n));
    }

    void byte_notations_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("out");
        QTest::newRow("165") << "165" << "DEC 165\nHEX A5h\nBIN 1010 0101\nASCII Ą\n";
        QTest::newRow("0xa5 in small letters") << "0xa5" << "DEC 165\nHEX A5h\nBIN 1010 0101\nASCII Ą\n";
        QTest::newRow("0: empty character") << "0" << "DEC 0\nHEX 00h\nBIN 0000 0000\nASCII \n";
        QTest::newRow("10: a control character") << "10" << "DEC 10\nHEX 0Ah\nBIN 0000 1010\nASCII U+000A\n";
        QTest::newRow("128: the euro sign") << "128" << "DEC 128\nHEX 80h\nBIN 1000 0000\nASCII €\n";
        QTest::newRow("0xFF") << "0xFF" << "DEC 255\nHEX FFh\nBIN 1111 1111\nASCII ˙\n";
        QTest::newRow("leading zeros") << "007" << "DEC 7\nHEX 07h\nBIN 0000 0111\nASCII U+0007\n";
    }
    void byte_notations()
    {
        QFETCH(QString, value);
        QFETCH(QString, out);
        const Run r = cli({"byte", value});
        QCOMPARE(r.exit_code, 0);
        QCOMPARE(QString::fromUtf8(r.out), out);
        QCOMPARE(r.err, QByteArray());
    }

    void help()
    {
        for (const QStringList& args : {QStringList{"--help"}, QStringList{"-h"}, QStringList{"exchange", "--help"}}) {
            const Run r = cli(args);
            QCOMPARE(r.exit_code, 0);
            QCOMPARE(r.err, QByteArray());
            const QString out = QString::fromUtf8(r.out);
            for (const char* part : {"tavrin-spi-cli byte VALUE", "tavrin-spi-cli packet --byte VALUE --mode M",
                                     "tavrin-spi-cli exchange --master VALUE --slave VALUE --mode M --speed BPS",
                                     "100000 to 25000000", "json", "vcd", "tav_spi_acssz_s1 (adatcsomag)",
                                     "órajel", "Slave kiválasztó vonal (/SS)", "Exit status"})
                QVERIFY2(out.contains(QString::fromUtf8(part)), part);
            for (const QString& line : out.split('\n'))
                QVERIFY2(line.size() <= 80, qPrintable(line));
        }
    }

    void formats_are_the_library_documents()
    {
        const PacketSimulation packet = simulate_packet(0x3C, 2);
        QCOMPARE(cli({"packet", "--byte", "0x3C", "--mode", "2"}).out, QByteArray::fromStdString(packet_text(packet)));
        QCOMPARE(cli({"packet", "--mode=2", "--format", "text", "--byte=60"}).out,
                 QByteArray::fromStdString(packet_text(packet)));
        QCOMPARE(cli({"packet", "--format", "json", "--byte", "60", "--mode", "2"}).out,
                 QByteArray::fromStdString(packet_json(packet)));
        QCOMPARE(cli({"packet", "--byte", "60", "--mode", "0x2", "--format", "vcd"}).out,
                 QByteArray::fromStdString(packet_vcd(packet)));

        const ExchangeSimulation ex = simulate_exchange(0xA5, 0x3C, 0, 1000000);
        const QStringList args = {"exchange", "--master", "0xA5", "--slave", "0x3C", "--mode", "0", "--speed", "1000000"};
        const Run text = cli(args);
        QCOMPARE(text.exit_code, 0);
        QCOMPARE(text.err, QByteArray());
        QCOMPARE(text.out, QByteArray::fromStdString(exchange_text(ex)));
        for (const QString& line : QString::fromUtf8(text.out).split('\n'))
            QVERIFY2(line.size() <= 100, qPrintable(line));
        QCOMPARE(cli(args + QStringList{"--format", "json"}).out, QByteArray::fromStdString(exchange_json(ex)));
        QCOMPARE(cli(args + QStringList{"--format", "vcd"}).out, QByteArray::fromStdString(exchange_vcd(ex)));
    }

    void sigrok_decodes_the_exchange_data()
    {
        QTest::addColumn<int>("master");
        QTest::addColumn<int>("slave");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("speed");
        const struct {
            int master, slave, speed;
        } pairs[] = {{0xA5, 0x3C, 1000000}, {0x00, 0xFF, 100000}, {0x80, 0x01, 25000000}, {0x5A, 0xC3, 3000000}};
        for (const auto& p : pairs)
            for (int mode = 0; mode < 4; ++mode)
                QTest::addRow("master %s slave %s mode %d, %d bit/s", qPrintable(hex_byte(p.master)),
                              qPrintable(hex_byte(p.slave)), mode, p.speed)
                    << p.master << p.slave << mode << p.speed;
    }
    void sigrok_decodes_the_exchange()
    {
        QFETCH(int, master);
        QFETCH(int, slave);
        QFETCH(int, mode);
        QFETCH(int, speed);
        QVERIFY2(!sigrok().isEmpty(), "sigrok-cli is not installed (Debian package sigrok-cli)");
        const Run dump = cli({"exchange", "--master", hex_byte(master), "--slave", QString::number(slave), "--mode",
                              QString::number(mode), "--speed", QString::number(speed), "--format", "vcd"});
        QCOMPARE(dump.exit_code, 0);
        const QString file = write_file("exchange.vcd", dump.out);
        QVERIFY(!file.isEmpty());
        const QString decoder = QString("spi:clk=SCLK:mosi=MOSI:miso=MISO:cs=SS:cpol=%1:cpha=%2").arg(mode / 2).arg(mode % 2);
        const Run r = run_program(sigrok(), {"-I", QString("vcd:downsample=%1").arg(downsample_for(1e6 / speed)),
                                             "-i", file, "-P", decoder, "-A", "spi=mosi-data:miso-data",
                                             "--protocol-decoder-jsontrace"});
        QVERIFY2(r.exit_code == 0, r.err.constData());
        const QMap<QString, QStringList> words = decoded_words(r.out);
        QCOMPARE(words.value("MOSI data"), QStringList{hex_byte(master).mid(2)});
        QCOMPARE(words.value("MISO data"), QStringList{hex_byte(slave).mid(2)});
        QCOMPARE(words.size(), 2);
    }

    void sigrok_decodes_the_packet_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("mode");
        for (int byte : {0x3C, 0x00, 0xFF, 0x81})
            for (int mode = 0; mode < 4; ++mode)
                QTest::addRow("%s mode %d", qPrintable(hex_byte(byte)), mode) << byte << mode;
    }
    void sigrok_decodes_the_packet()
    {
        QFETCH(int, byte);
        QFETCH(int, mode);
        QVERIFY2(!sigrok().isEmpty(), "sigrok-cli is not installed (Debian package sigrok-cli)");
        const Run dump = cli({"packet", "--byte", QString::number(byte), "--mode", QString::number(mode), "--format", "vcd"});
        QCOMPARE(dump.exit_code, 0);
        const QString file = write_file("packet.vcd", dump.out);
        QVERIFY(!file.isEmpty());
        const QString decoder = QString("spi:clk=SCLK:mosi=DATA:cpol=%1:cpha=%2").arg(mode / 2).arg(mode % 2);
        const Run r = run_program(sigrok(), {"-I", QString("vcd:downsample=%1").arg(downsample_for(1)), "-i", file,
                                             "-P", decoder, "-A", "spi=mosi-data", "--protocol-decoder-jsontrace"});
        QVERIFY2(r.exit_code == 0, r.err.constData());
        const QMap<QString, QStringList> words = decoded_words(r.out);
        QCOMPARE(words.value("MOSI data"), QStringList{hex_byte(byte).mid(2)});
        QCOMPARE(words.size(), 1);
    }

    void gtkwave_reads_the_levels_of_the_chart_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("speed");
        QTest::newRow("exchange, mode 0, 1 Mbit/s") << "exchange" << 0 << 1000000;
        QTest::newRow("exchange, mode 3, 3 Mbit/s") << "exchange" << 3 << 3000000;
        QTest::newRow("packet, mode 1") << "packet" << 1 << 0;
    }
    void gtkwave_reads_the_levels_of_the_chart()
    {
        QFETCH(QString, command);
        QFETCH(int, mode);
        QFETCH(int, speed);
        QVERIFY2(!QStandardPaths::findExecutable("gtkwave").isEmpty(), "gtkwave is not installed (Debian package gtkwave)");
        QVERIFY2(start_display(), "Xvfb did not start (Debian package xvfb)");

        ChartModel chart;
        Run dump;
        double T = 1;
        if (command == "packet") {
            chart = simulate_packet(0xA5, mode).chart;
            dump = cli({"packet", "--byte", "0xA5", "--mode", QString::number(mode), "--format", "vcd"});
        } else {
            const ExchangeSimulation ex = simulate_exchange(0x5A, 0xC3, mode, speed);
            chart = ex.summary;
            T = ex.bit_time_us;
            dump = cli({"exchange", "--master", "0x5A", "--slave", "0xC3", "--mode", QString::number(mode), "--speed",
                        QString::number(speed), "--format", "vcd"});
        }
        QCOMPARE(dump.exit_code, 0);
        const QString file = write_file(command + ".vcd", dump.out);
        const std::vector<BusLine> lines = bus_lines(chart);
        QStringList wires;
        for (const BusLine& l : lines)
            wires << QString::fromStdString(l.wire);

        // Eighths of a bit cell, half an eighth off every edge of the traces.
        const double first = chart.series[0].points().front().x;
        const double last = chart.series[0].points().back().x;
        QList<qint64> times;
        QList<double> chart_times;
        for (int k = 0; (k + 0.5) * T / 8 < last - first; ++k) {
            chart_times << first + (k + 0.5) * T / 8;
            times << std::llround((k + 0.5) * T / 8 * 1e6);
        }
        const auto [out, err] = gtkwave_values(file, wires, times);

        // Nothing about the file on the error output: GTKWave reports a bad
        // dump there ("Near byte …, Unknown VCD identifier", "… parse error").
        // Log lines of the toolkit GTKWave is built on (themes, buses, locales)
        // say nothing about the file and depend on the machine, so they are passed over.
        static const QRegularExpression toolkit_log(R"(^\(gtkwave:\d+\): [\w-]+-(WARNING|CRITICAL|Message|DEBUG|INFO) )");
        for (const QString& line : QString::fromUtf8(err).split('\n')) {
            if (toolkit_log.match(line).hasMatch())
                continue;
            QVERIFY2(!line.contains("Near byte") && !line.contains("VCD") && !line.contains("error", Qt::CaseInsensitive) &&
                         !line.contains("warning", Qt::CaseInsensitive),
                     qPrintable(line));
        }
        QVERIFY2(out.contains(QString("facilities %1").arg(wires.size())), qPrintable(out.join('\n')));
        for (int i = 0; i < times.size(); ++i) {
            QString expected = QString("at %1").arg(times[i]);
            for (const BusLine& l : lines)
                expected += level_at(chart.series[std::size_t(l.series)], l.lane, chart_times[i]) ? " 1" : " 0";
            QVERIFY2(out.contains(expected), qPrintable(expected + "\n" + out.join('\n')));
        }
    }
};

QTEST_MAIN(TestCli)
#include "test_cli.moc"
