// The Windows-1250 table of the logic library and the ASCII line of the command-line companion.
#include "views/windows1250_table.h"

#include <QStringDecoder>
#include <QtTest>

using namespace tavrin;

class TestWindows1250Table : public QObject {
    Q_OBJECT
private slots:
    void every_code_decodes_as_the_system_decoder_does()
    {
        QStringDecoder decoder("windows-1250");
        QVERIFY(decoder.isValid());
        for (int code = 0; code < 256; ++code) {
            const char byte = static_cast<char>(code);
            const QString expected = decoder.decode(QByteArrayView(&byte, 1));
            decoder.resetState();
            QCOMPARE(expected.size(), 1);
            const char32_t c = windows1250_code_point(static_cast<std::uint8_t>(code));
            if (c != expected[0].unicode())
                QFAIL(qPrintable(QStringLiteral("code %1: table U+%2, decoder U+%3")
                                     .arg(code, 2, 16, QChar('0'))
                                     .arg(uint(c), 4, 16, QChar('0'))
                                     .arg(expected[0].unicode(), 4, 16, QChar('0'))));
            // The UTF-8 form is what Qt writes for the same character.
            QCOMPARE(QByteArray::fromStdString(utf8(c)), expected.toUtf8());
        }
    }

    void display_text_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("0 is empty") << 0 << "";
        QTest::newRow("line feed") << 0x0A << "U+000A";
        QTest::newRow("first control") << 0x01 << "U+0001";
        QTest::newRow("last C0 control") << 0x1F << "U+001F";
        QTest::newRow("space is itself") << 0x20 << " ";
        QTest::newRow("letter") << 0x41 << "A";
        QTest::newRow("DEL") << 0x7F << "U+007F";
        QTest::newRow("euro sign") << 0x80 << "€";
        QTest::newRow("unassigned 81h") << 0x81 << "U+0081";
        QTest::newRow("unassigned 98h") << 0x98 << "U+0098";
        QTest::newRow("no-break space") << 0xA0 << "U+00A0";
        QTest::newRow("A with ogonek") << 0xA5 << "Ą";
        QTest::newRow("soft hyphen") << 0xAD << "U+00AD";
        QTest::newRow("o with double acute") << 0xF5 << "ő";
        QTest::newRow("dot above") << 0xFF << "˙";
    }
    void display_text()
    {
        QFETCH(int, code);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(windows1250_display_text(static_cast<std::uint8_t>(code))), text);
    }

    void code_point_names_and_long_utf8()
    {
        QCOMPARE(QString::fromStdString(code_point_name(0x0A)), QString("U+000A"));
        QCOMPARE(QString::fromStdString(code_point_name(0x1F600)), QString("U+1F600"));
        QCOMPARE(QString::fromStdString(utf8(0x1F600)), QString::fromUcs4(U"\U0001F600", 1));
        QCOMPARE(QString::fromStdString(utf8(0x7FF)), QString(QChar(0x7FF)));
    }
};

QTEST_MAIN(TestWindows1250Table)
#include "test_windows1250_table.moc"
