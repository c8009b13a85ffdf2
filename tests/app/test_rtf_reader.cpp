#include "app/rtf_document.h"
#include "app/rtf_reader.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#include <functional>
#include <random>

using namespace tavrin;

namespace {

// Literals may hold NUL bytes, so their length comes from the array.
template <std::size_t N>
QByteArray raw(const char (&s)[N])
{
    return QByteArray(s, qsizetype(N - 1));
}

std::string to_std(const QByteArray& b)
{
    return std::string(b.constData(), std::size_t(b.size()));
}

// Block texts joined by '\n', keeping every character as the document holds it.
QString raw_text(const QTextDocument& doc)
{
    QString t = doc.toRawText();
    t.replace(QChar::ParagraphSeparator, u'\n');
    return t;
}

// One character per character of the document, 'X' where the format has the
// property, '.' elsewhere, '|' between blocks.
QString mask(const QTextDocument& doc, const std::function<bool(const QTextCharFormat&)>& has)
{
    QString out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        if (b != doc.begin())
            out += u'|';
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            out += QString(f.length(), has(f.charFormat()) ? u'X' : u'.');
        }
    }
    return out;
}

bool is_bold(const QTextCharFormat& f)
{
    return f.fontWeight() >= QFont::Bold;
}

QString block_description(const QTextBlockFormat& f)
{
    QString a = QStringLiteral("L");
    if (f.alignment() & Qt::AlignHCenter)
        a = QStringLiteral("C");
    else if (f.alignment() & Qt::AlignRight)
        a = QStringLiteral("R");
    else if ((f.alignment() & Qt::AlignJustify) == Qt::AlignJustify)
        a = QStringLiteral("J");
    return QStringLiteral("%1 li=%2 ri=%3 fi=%4 sb=%5 sa=%6")
        .arg(a)
        .arg(f.leftMargin())
        .arg(f.rightMargin())
        .arg(f.textIndent())
        .arg(f.topMargin())
        .arg(f.bottomMargin());
}

QString model_text(const rtf::Document& doc)
{
    QStringList paragraphs;
    for (const auto& p : doc.paragraphs) {
        QString text;
        for (const auto& run : p.runs)
            for (const auto& piece : run.pieces)
                text += decode_text_piece(piece);
        paragraphs << text;
    }
    return paragraphs.join(u'\n');
}

QByteArray nested(int depth, const QByteArray& inner)
{
    return QByteArray(depth, '{') + inner + QByteArray(depth, '}');
}

} // namespace

class TestRtfReader : public QObject {
    Q_OBJECT

private slots:
    void tokenizer_data();
    void tokenizer();
    void character_formats_data();
    void character_formats();
    void paragraph_formats_data();
    void paragraph_formats();
    void colours_and_sizes_data();
    void colours_and_sizes();
    void text_decoding_data();
    void text_decoding();
    void model_keeps_bytes_with_their_code_page();
    void hostile_input_data();
    void hostile_input();
    void deep_nesting_restores_formats();
    void truncation_at_every_offset();
    void random_bytes_keep_model_and_document_in_step();
    void plain_text_fallback_data();
    void plain_text_fallback();
    void utf8_validity_data();
    void utf8_validity();
    void load_rich_text_file_data();
    void load_rich_text_file();
    void description_files_data();
    void description_files();
};

void TestRtfReader::tokenizer_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("tokens");

    const QByteArray digits40 = "1234567890123456789012345678901234567890";
    QTest::newRow("word, negative parameter, delimiter space") << raw("\\fs-12 x") << "w:fs=-12|t:x";
    QTest::newRow("only one space is the delimiter") << raw("\\b  x") << "w:b|t:20|t:x";
    QTest::newRow("a letter after the digits starts the text") << raw("\\li720abc") << "w:li=720|t:a|t:b|t:c";
    QTest::newRow("hyphen without digits is text") << raw("\\b-x") << "w:b|t:-|t:x";
    QTest::newRow("40 digits saturate upwards") << "\\fs" + digits40 + " y" << "w:fs=2147483647|t:y";
    QTest::newRow("40 digits saturate downwards") << "\\li-" + digits40 << "w:li=-2147483648";
    QTest::newRow("name cut at 32 letters") << "\\" + QByteArray(40, 'a') << "w:" + QString(32, u'a');
    QTest::newRow("control symbols") << raw("\\{\\}\\\\\\~\\*") << "s:{|s:}|s:\\|s:~|s:*";
    QTest::newRow("groups") << raw("{a}") << "{|t:a|}";
    QTest::newRow("hex bytes, either case") << raw("\\'f5\\'C3") << "x:f5|x:c3";
    QTest::newRow("malformed hex escape is dropped") << raw("\\'4g\\'") << "t:g";
    QTest::newRow("hex escape cut short") << raw("a\\'f") << "t:a";
    QTest::newRow("backslash at the end") << raw("a\\") << "t:a";
    QTest::newRow("word cut before its parameter") << raw("\\u-") << "w:u|t:-";
    QTest::newRow("bin takes raw bytes, braces included") << raw("\\bin3 {}\\x") << "bin:3|t:x";
    QTest::newRow("bin beyond the end takes what is left") << raw("\\bin99999999999 ab") << "bin:2";
    QTest::newRow("negative bin takes nothing") << raw("\\bin-5 ab") << "bin:0|t:a|t:b";
    QTest::newRow("NUL bytes") << raw("a\0\\\0") << "t:a|t:00|s:00";
}

void TestRtfReader::tokenizer()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, tokens);

    const std::string bytes = to_std(input);
    rtf::Tokenizer tokenizer(bytes);
    QStringList seen;
    auto byte_text = [](unsigned char c) {
        return c > 0x20 && c < 0x7F ? QString(QChar(c)) : QString::asprintf("%02x", c);
    };
    for (int guard = 0; guard < 1000; ++guard) {
        const rtf::Token t = tokenizer.next();
        using K = rtf::Token::Kind;
        if (t.kind == K::end)
            break;
        switch (t.kind) {
        case K::group_open:
            seen << "{";
            break;
        case K::group_close:
            seen << "}";
            break;
        case K::control_word:
            seen << "w:" + QString::fromStdString(std::string(t.name))
                        + (t.has_parameter ? "=" + QString::number(t.parameter) : QString());
            break;
        case K::control_symbol:
            seen << "s:" + byte_text(t.symbol);
            break;
        case K::text:
            seen << "t:" + byte_text(t.byte);
            break;
        case K::hex_byte:
            seen << QString::asprintf("x:%02x", t.byte);
            break;
        case K::binary:
            seen << "bin:" + QString::number(t.data.size());
            break;
        case K::end:
            break;
        }
    }
    QVERIFY(tokenizer.at_end());
    QCOMPARE(seen.join(u'|'), tokens);
}

void TestRtfReader::character_formats_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("bold");
    QTest::addColumn<QString>("italic");
    QTest::addColumn<QString>("underline");

    QTest::newRow("bold on and off") << raw("{\\rtf1 a\\b bc\\b0 d}") << "abcd" << ".XX." << "...." << "....";
    QTest::newRow("b1 is on, b0 is off") << raw("{\\rtf1 \\b1 a\\b0 b}") << "ab" << "X." << ".." << "..";
    QTest::newRow("italic") << raw("{\\rtf1 \\i x\\i0 y}") << "xy" << ".." << "X." << "..";
    QTest::newRow("underline ends three ways")
        << raw("{\\rtf1 \\ul a\\ulnone b\\ul c\\ul0 d\\uldb e\\plain f}") << "abcdef" << "......" << "......"
        << "X.X.X.";
    QTest::newRow("a group restores the outer format")
        << raw("{\\rtf1 a{\\b b{\\i c}d}e}") << "abcde" << ".XXX." << "..X.." << ".....";
    QTest::newRow("plain resets everything") << raw("{\\rtf1\\b\\i\\ul a\\plain b}") << "ab" << "X." << "X." << "X.";
    QTest::newRow("formats carry over paragraphs")
        << raw("{\\rtf1\\b a\\par b\\b0\\par c}") << "a\nb\nc" << "X|X|." << ".|.|." << ".|.|.";
}

void TestRtfReader::character_formats()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, text);
    QFETCH(QString, bold);
    QFETCH(QString, italic);
    QFETCH(QString, underline);

    QTextDocument doc;
    set_rich_text(doc, to_std(input));
    QCOMPARE(doc.toPlainText(), text);
    QCOMPARE(mask(doc, is_bold), bold);
    QCOMPARE(mask(doc, [](const QTextCharFormat& f) { return f.fontItalic(); }), italic);
    QCOMPARE(mask(doc, [](const QTextCharFormat& f) { return f.fontUnderline(); }), underline);
}

void TestRtfReader::paragraph_formats_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("blocks");

    QTest::newRow("four alignments") << raw("{\\rtf1\\ql a\\par\\qc b\\par\\qr c\\par\\qj d}") << "a\nb\nc\nd"
                                     << QStringList{"L li=0 ri=0 fi=0 sb=0 sa=0", "C li=0 ri=0 fi=0 sb=0 sa=0",
                                                    "R li=0 ri=0 fi=0 sb=0 sa=0", "J li=0 ri=0 fi=0 sb=0 sa=0"};
    QTest::newRow("indents in twips become pixels at 96 dpi")
        << raw("{\\rtf1\\li1440\\ri720\\fi-360\\sb150\\sa300 a}") << "a"
        << QStringList{"L li=96 ri=48 fi=-24 sb=10 sa=20"};
    QTest::newRow("pard resets, properties carry on otherwise")
        << raw("{\\rtf1\\qc\\li720 a\\par b\\par\\pard c}") << "a\nb\nc"
        << QStringList{"C li=48 ri=0 fi=0 sb=0 sa=0", "C li=48 ri=0 fi=0 sb=0 sa=0", "L li=0 ri=0 fi=0 sb=0 sa=0"};
    QTest::newRow("the setting in force at the paragraph mark counts")
        << raw("{\\rtf1 a\\qr\\par b}") << "a\nb"
        << QStringList{"R li=0 ri=0 fi=0 sb=0 sa=0", "R li=0 ri=0 fi=0 sb=0 sa=0"};
    QTest::newRow("last paragraph keeps its format after the closing brace")
        << raw("{\\rtf1 a\\par\\qj b}") << "a\nb"
        << QStringList{"L li=0 ri=0 fi=0 sb=0 sa=0", "J li=0 ri=0 fi=0 sb=0 sa=0"};
    QTest::newRow("empty paragraphs are kept") << raw("{\\rtf1 \\par\\par x}") << "\n\nx"
                                               << QStringList(3, "L li=0 ri=0 fi=0 sb=0 sa=0");
    QTest::newRow("huge indents are clamped") << raw("{\\rtf1\\li99999999999 a}") << "a"
                                              << QStringList{"L li=2112 ri=0 fi=0 sb=0 sa=0"};
}

void TestRtfReader::paragraph_formats()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, text);
    QFETCH(QStringList, blocks);

    QTextDocument doc;
    set_rich_text(doc, to_std(input));
    QCOMPARE(doc.toPlainText(), text);
    QStringList seen;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        seen << block_description(b.blockFormat());
    QCOMPARE(seen, blocks);
}

void TestRtfReader::colours_and_sizes_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("fragments");

    const QByteArray table = "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue128;}";
    QTest::newRow("colour from the table, cf0 is the default")
        << "{\\rtf1" + table + "a\\cf1 b\\cf2 c\\cf0 d}"
        << QStringList{"a|-|12", "b|#ff0000|12", "c|#000080|12", "d|-|12"};
    QTest::newRow("index beyond the table is the default") << "{\\rtf1" + table + "\\cf7 a}" << QStringList{"a|-|12"};
    QTest::newRow("negative index is the default") << "{\\rtf1" + table + "\\cf-1 a}" << QStringList{"a|-|12"};
    QTest::newRow("no colour table") << raw("{\\rtf1\\cf1 a}") << QStringList{"a|-|12"};
    QTest::newRow("components are clamped") << raw("{\\rtf1{\\colortbl\\red300\\green-4\\blue17;}\\cf0 a}")
                                            << QStringList{"a|#ff0011|12"};
    QTest::newRow("font size in half-points") << raw("{\\rtf1\\fs18 a\\fs21 b{\\fs40 c}d}")
                                              << QStringList{"a|-|9", "b|-|10.5", "c|-|20", "d|-|10.5"};
    QTest::newRow("fs0 and negative sizes fall back to 12 points")
        << raw("{\\rtf1\\fs10 a\\fs0 b\\fs10 c\\fs-8 d}") << QStringList{"a|-|5", "b|-|12", "c|-|5", "d|-|12"};
    QTest::newRow("40-digit size is clamped to 1638 points")
        << raw("{\\rtf1\\fs1234567890123456789012345678901234567890 a}") << QStringList{"a|-|1638"};
    QTest::newRow("plain resets colour and size") << "{\\rtf1" + table + "\\cf1\\fs30 a\\plain b}"
                                                  << QStringList{"a|#ff0000|15", "b|-|12"};
}

void TestRtfReader::colours_and_sizes()
{
    QFETCH(QByteArray, input);
    QFETCH(QStringList, fragments);

    QTextDocument doc;
    set_rich_text(doc, to_std(input));
    QStringList seen;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            const QString colour = f.hasProperty(QTextFormat::ForegroundBrush)
                                       ? f.foreground().color().name()
                                       : QStringLiteral("-");
            seen << it.fragment().text() + "|" + colour + "|" + QString::number(f.fontPointSize());
        }
    }
    QCOMPARE(seen, fragments);
}

void TestRtfReader::text_decoding_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("text");

    QTest::newRow("hex escapes in Windows-1250 by default")
        << raw("{\\rtf1 \\'f5\\'fb\\'d5\\'db \\'e1rv\\'edzt\\'fbr\\'f5 t\\'fck\\'f6rf\\'far\\'f3g\\'e9p}")
        << u"őűŐŰ árvíztűrő tükörfúrógép"_qs;
    QTest::newRow("8-bit bytes without escapes") << raw("{\\rtf1 \xf5\xfb}") << u"őű"_qs;
    QTest::newRow("ansicpg1250 named") << raw("{\\rtf1\\ansi\\ansicpg1250 \\'f5}") << u"ő"_qs;
    QTest::newRow("ansicpg1252") << raw("{\\rtf1\\ansi\\ansicpg1252 \\'f5}") << u"õ"_qs;
    QTest::newRow("unknown code page falls back to 1250") << raw("{\\rtf1\\ansicpg99999 \\'f5}") << u"ő"_qs;
    QTest::newRow("double-byte code page joins its escapes") << raw("{\\rtf1\\ansicpg932 \\'82\\'a0}") << u"あ"_qs;
    QTest::newRow("a cut double-byte character does not swallow the next run")
        << raw("{\\rtf1\\ansicpg932 \\'82{\\b x}\\'82\\'a0}") << u"xあ"_qs;
    QTest::newRow("u with the default fallback of one") << raw("{\\rtf1 \\u337?\\u369?}") << u"őű"_qs;
    QTest::newRow("uc2 skips two") << raw("{\\rtf1\\uc2 \\u337??x}") << u"őx"_qs;
    QTest::newRow("uc0 skips nothing") << raw("{\\rtf1\\uc0 \\u337 x}") << u"őx"_qs;
    QTest::newRow("a hex escape is one fallback character") << raw("{\\rtf1 \\u337\\'f5x}") << u"őx"_qs;
    QTest::newRow("a control word is one fallback character") << raw("{\\rtf1 \\u337\\bullet x}") << u"őx"_qs;
    QTest::newRow("line breaks in the file do not count") << raw("{\\rtf1 \\u337\r\n?x}") << u"őx"_qs;
    QTest::newRow("a brace ends the fallback") << raw("{\\rtf1\\uc3 \\u337{x}y}") << u"őxy"_qs;
    QTest::newRow("uc belongs to its group") << raw("{\\rtf1 {\\uc2 \\u337??}\\u369?z}") << u"őűz"_qs;
    QTest::newRow("negative u counts from 65536") << raw("{\\rtf1 \\u-21?}") << QString(QChar(0xFFEB));
    QTest::newRow("surrogate pair") << raw("{\\rtf1 \\u-10179?\\u-8694?}") << u"😊"_qs;
    QTest::newRow("lone high surrogate") << raw("{\\rtf1 \\u55357?x}") << u"\uFFFDx"_qs;
    QTest::newRow("lone low surrogate") << raw("{\\rtf1 \\u56842?x}") << u"\uFFFDx"_qs;
    QTest::newRow("escaped braces and backslash") << raw("{\\rtf1 \\\\\\{\\}}") << u"\\{}"_qs;
    QTest::newRow("special characters")
        << raw("{\\rtf1 a\\~b\\-c\\_d\\tab e\\line f\\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote}")
        << u"a\u00A0b\u00ADc\u2011d\te\u2028f—–•‘’“”"_qs;
    QTest::newRow("file line breaks are not text, backslash-newline is a paragraph")
        << raw("{\\rtf1 a\r\nb\\\nc}") << u"ab\nc"_qs;
    QTest::newRow("control characters are dropped") << raw("{\\rtf1 a\\'0a\\'00\x01\\u10?b\\'09c}") << u"ab\tc"_qs;
    QTest::newRow("separators that would split a block stay inside it")
        << raw("{\\rtf1 a\\u8233?b\\u-560?c}") << u"a\u2028b\uFFFDc"_qs;
    QTest::newRow("ignorable destinations are skipped")
        << raw("{\\rtf1{\\fonttbl{\\f0\\fswiss Tahoma;}}{\\stylesheet{\\s0 Normal;}}"
               "{\\info{\\title T}{\\author A}}{\\*\\generator Gen;}{\\header H}{\\footerl F}"
               "{\\pict\\pngblip 89504e47}{\\object{\\objdata 0102}{\\result R}}{\\*\\unknownword text}"
               "{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt link}} body}")
        << u"link body"_qs;
    QTest::newRow("an unknown word does not hide its group") << raw("{\\rtf1 {\\madeupword a}b}") << u"ab"_qs;
    QTest::newRow("nothing after the closing brace") << raw("{\\rtf1 a}b{c}") << u"a"_qs;
}

void TestRtfReader::text_decoding()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, text);

    QTextDocument doc;
    set_rich_text(doc, to_std(input));
    QCOMPARE(raw_text(doc), text);
}

void TestRtfReader::model_keeps_bytes_with_their_code_page()
{
    const rtf::Document doc = rtf::read_document("{\\rtf1\\ansicpg1252 a\\'f5\\u337?b\\b c\\par}");
    QVERIFY(doc.is_rtf);
    QCOMPARE(doc.paragraphs.size(), std::size_t(1));
    const auto& runs = doc.paragraphs[0].runs;
    QCOMPARE(runs.size(), std::size_t(2));
    const std::vector<rtf::TextPiece> first = {
        {1252, "a\xf5"}, {rtf::utf8_text, "\xc5\x91"}, {1252, "b"}};
    QVERIFY(runs[0].pieces == first);
    QVERIFY(!runs[0].format.bold);
    QVERIFY(runs[1].format.bold);
    const std::vector<rtf::TextPiece> second = {{1252, "c"}};
    QVERIFY(runs[1].pieces == second);
    QVERIFY(doc.paragraphs[0].mark_format.bold);
    QCOMPARE(model_text(doc), u"aõőbc"_qs);
}

void TestRtfReader::hostile_input_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("text");

    const QByteArray digits40 = "1234567890123456789012345678901234567890";
    QTest::newRow("missing closing braces") << raw("{\\rtf1 {\\b a{\\i b") << "ab";
    QTest::newRow("extra closing braces") << raw("{\\rtf1 a}}}b{c}") << "a";
    QTest::newRow("cut in a control word") << raw("{\\rtf1 a\\pa") << "a";
    QTest::newRow("cut in a hex escape") << raw("{\\rtf1 a\\'f") << "a";
    QTest::newRow("cut in a unicode escape") << raw("{\\rtf1 a\\u33") << "a!";
    QTest::newRow("cut after the u") << raw("{\\rtf1 a\\u") << "a";
    QTest::newRow("cut in the fallback") << raw("{\\rtf1\\uc4 a\\u337??") << u"aő"_qs;
    QTest::newRow("huge bin skips the rest") << raw("{\\rtf1 a\\bin99999999999999999999 b}") << "a";
    QTest::newRow("negative bin skips nothing") << raw("{\\rtf1 a\\bin-7 b}") << "ab";
    QTest::newRow("bin data may hold braces") << raw("{\\rtf1 a\\bin3 }}}b}") << "ab";
    QTest::newRow("40-digit numbers")
        << "{\\rtf1\\fs" + digits40 + " a\\li-" + digits40 + " b\\uc" + digits40 + "\\uc1\\u" + digits40
               + "?c\\cf" + digits40 + " d}"
        << u"ab\uFFFDcd"_qs;
    QTest::newRow("NUL bytes") << raw("{\\rtf1 a\0b\\\0c\\'00d}") << "abcd";
    QTest::newRow("deep nesting inside a skipped destination")
        << "{\\rtf1 {\\*\\x " + nested(100000, "hidden") + "}y}" << "y";
    QTest::newRow("deep nesting never closed") << "{\\rtf1 " + QByteArray(100000, '{') + "x" << "x";
    QTest::newRow("nesting beyond the remembered depth")
        << "{\\rtf1 " + nested(int(rtf::max_remembered_depth) + 1000, "x") + "y}" << "xy";
}

void TestRtfReader::hostile_input()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, text);

    const rtf::Document model = rtf::read_document(to_std(input));
    QVERIFY(model.is_rtf);
    QCOMPARE(model_text(model), text);
    QTextDocument doc;
    set_rich_text(doc, to_std(input));
    QCOMPARE(doc.toPlainText(), text);
}

void TestRtfReader::deep_nesting_restores_formats()
{
    const QByteArray input = "{\\rtf1 a" + nested(100000, "\\b\\i x") + "y}";
    QTextDocument doc;
    set_rich_text(doc, to_std(input));
    QCOMPARE(doc.toPlainText(), QStringLiteral("axy"));
    QCOMPARE(mask(doc, is_bold), QStringLiteral(".X."));
    QCOMPARE(mask(doc, [](const QTextCharFormat& f) { return f.fontItalic(); }), QStringLiteral(".X."));
}

void TestRtfReader::truncation_at_every_offset()
{
    // Every feature the reader knows, so that the cut lands in each kind of token.
    const QByteArray full = raw(
        "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fswiss Tahoma;}}"
        "{\\colortbl;\\red32\\green86\\blue147;}{\\*\\generator x;}"
        "\\pard\\qc\\li720\\fs22\\cf1\\b SPI adatcsomag\\b0\\par"
        "\\pard\\qj\\fi-240 Az \\'e1tvitel \\i MSB\\i0  els\\'f5,{\\ul D7}\\tab\\u8230?D0\\line"
        "{\\uc2\\u337??}\\u369?\\~v\\'e9g\\bin2 {}\\\\\\{\\}\\par}");
    QTextDocument doc;
    set_rich_text(doc, to_std(full));
    const QString full_text = doc.toPlainText();
    const QString full_bold = mask(doc, is_bold);
    const QString full_italic = mask(doc, [](const QTextCharFormat& f) { return f.fontItalic(); });
    QCOMPARE(full_text, u"SPI adatcsomag\nAz átvitel MSB első,D7\t…D0\nőű vég\\{}"_qs);
    QCOMPARE(full_bold, QStringLiteral("XXXXXXXXXXXXXX|") + QString(full_text.size() - 15, u'.'));

    for (qsizetype n = 0; n <= full.size(); ++n) {
        const QByteArray cut = full.left(n);
        QTextDocument part;
        set_rich_text(part, to_std(cut));
        const QString text = part.toPlainText();
        if (n < 5) {
            // Too short to be recognised as RTF: shown as it is.
            QCOMPARE(text, QString::fromLatin1(cut));
            continue;
        }
        // The last character may come from a token that the cut changed (\u33
        // of \u337, \par of \pard); everything before it must be what the
        // whole document shows there.
        const qsizetype keep = std::max<qsizetype>(text.size() - 1, 0);
        QVERIFY2(full_text.startsWith(text.left(keep)), qPrintable(QStringLiteral("cut at %1").arg(n)));
        QVERIFY2(full_bold.startsWith(mask(part, is_bold).left(keep)), qPrintable(QStringLiteral("cut at %1").arg(n)));
        QVERIFY2(full_italic.startsWith(mask(part, [](const QTextCharFormat& f) { return f.fontItalic(); }).left(keep)),
                 qPrintable(QStringLiteral("cut at %1").arg(n)));
    }
}

void TestRtfReader::random_bytes_keep_model_and_document_in_step()
{
    std::mt19937 random(20240611u);
    const QByteArray alphabet = "{}\\\\\\'*;? -0123456789abcdefilnpqrstu\r\n";
    for (int round = 0; round < 400; ++round) {
        const int length = std::uniform_int_distribution<int>(0, 3000)(random);
        QByteArray bytes = round % 3 == 0 ? QByteArray() : QByteArray("{\\rtf1 ");
        for (int i = 0; i < length; ++i) {
            if (random() % 8 == 0)
                bytes += char(random() % 256);
            else
                bytes += alphabet[qsizetype(random() % std::size_t(alphabet.size()))];
        }
        const std::string input = to_std(bytes);
        const rtf::Document model = rtf::read_document(input);
        QTextDocument doc;
        set_rich_text(doc, input);
        // One block per paragraph: no decoded character may split a block.
        QCOMPARE(doc.blockCount(), std::max(1, int(model.paragraphs.size())));
        QCOMPARE(doc.toPlainText().size(), model_text(model).size());
    }
}

void TestRtfReader::plain_text_fallback_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<bool>("is_rtf");
    QTest::addColumn<QString>("text");

    QTest::newRow("valid UTF-8") << u"árvíztűrő\ntükörfúrógép"_qs.toUtf8() << false << u"árvíztűrő\ntükörfúrógép"_qs;
    QTest::newRow("Windows-1250 bytes") << raw("\xe1rv\xedzt\xfbr\xf5 t\xfck\xf6rf\xfar\xf3g\xe9p") << false
                                        << u"árvíztűrő tükörfúrógép"_qs;
    QTest::newRow("overlong UTF-8 is read as Windows-1250") << raw("\xc0\xaf") << false << u"ŔŻ"_qs;
    QTest::newRow("CR LF, LF and CR end lines") << raw("a\r\nb\nc\rd\n") << false << "a\nb\nc\nd\n";
    QTest::newRow("UTF-8 byte order mark is dropped") << raw("\xEF\xBB\xBF\xc5\x91") << false << u"ő"_qs;
    QTest::newRow("NUL and control bytes are dropped, tabs kept") << raw("a\0b\x07\tc") << false << "ab\tc";
    QTest::newRow("RTF not at the start") << raw("text {\\rtf1 x}") << false << "text {\\rtf1 x}";
    QTest::newRow("header cut short") << raw("{\\rt") << false << "{\\rt";
    QTest::newRow("empty") << QByteArray() << false << "";
    QTest::newRow("blanks before RTF") << raw(" \r\n\t{\\rtf1 x}") << true << "x";
    QTest::newRow("byte order mark before RTF") << raw("\xEF\xBB\xBF{\\rtf1 x}") << true << "x";
}

void TestRtfReader::plain_text_fallback()
{
    QFETCH(QByteArray, input);
    QFETCH(bool, is_rtf);
    QFETCH(QString, text);

    QCOMPARE(rtf::looks_like_rtf(to_std(input)), is_rtf);
    const rtf::Document model = rtf::read_document(to_std(input));
    QCOMPARE(model.is_rtf, is_rtf);
    QCOMPARE(model_text(model), text);

    QTextDocument doc;
    doc.setPlainText(QStringLiteral("old content"));
    set_rich_text(doc, to_std(input));
    QCOMPARE(doc.toPlainText(), text);
    if (!is_rtf) {
        // Plain text takes the display's own font, not the RTF default size.
        for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it)
                QVERIFY(!it.fragment().charFormat().hasProperty(QTextFormat::FontPointSize));
    }
}

void TestRtfReader::utf8_validity_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<bool>("valid");

    QTest::newRow("ASCII") << raw("plain") << true;
    QTest::newRow("two, three and four bytes") << raw("\xc5\x91\xe2\x82\xac\xf0\x9f\x98\x8a") << true;
    QTest::newRow("highest code point") << raw("\xf4\x8f\xbf\xbf") << true;
    QTest::newRow("above U+10FFFF") << raw("\xf4\x90\x80\x80") << false;
    QTest::newRow("overlong two bytes") << raw("\xc1\xbf") << false;
    QTest::newRow("overlong three bytes") << raw("\xe0\x9f\xbf") << false;
    QTest::newRow("overlong four bytes") << raw("\xf0\x8f\xbf\xbf") << false;
    QTest::newRow("surrogate") << raw("\xed\xa0\x80") << false;
    QTest::newRow("sequence cut at the end") << raw("a\xe2\x82") << false;
    QTest::newRow("lead byte followed by ASCII") << raw("\xc5x") << false;
    QTest::newRow("stray continuation byte") << raw("\x80") << false;
    QTest::newRow("byte FF") << raw("\xff") << false;
    QTest::newRow("NUL is valid") << raw("a\0b") << true;
}

void TestRtfReader::utf8_validity()
{
    QFETCH(QByteArray, input);
    QFETCH(bool, valid);
    QCOMPARE(rtf::is_valid_utf8(to_std(input)), valid);
}

void TestRtfReader::load_rich_text_file_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QString>("text");

    QTest::newRow("RTF file") << "a.rtf" << true << u"SPI ő"_qs;
    QTest::newRow("missing file") << "missing.rtf" << false << "old";
    QTest::newRow("a folder is not a file") << "folder" << false << "old";
}

void TestRtfReader::load_rich_text_file()
{
    QFETCH(QString, name);
    QFETCH(bool, loaded);
    QFETCH(QString, text);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile file(dir.filePath("a.rtf"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{\\rtf1 {\\b SPI} \\'f5}");
    file.close();
    QVERIFY(QDir(dir.path()).mkdir("folder"));

    QTextEdit edit;
    edit.setPlainText(QStringLiteral("old"));
    QCOMPARE(tavrin::load_rich_text_file(edit, dir.filePath(name)), loaded);
    QCOMPARE(edit.toPlainText(), text);
}

void TestRtfReader::description_files_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("phrases");

    QTest::newRow("packet structure")
        << "spi_adatcsomag.rtf"
        << QStringList{u"SPI adatcsomag felépítése"_qs, "MSB", "LSB", "D7", "D0", u"mintavétel"_qs,
                       u"Adatcsomag tartalma"_qs};
    QTest::newRow("transfer settings")
        << "spi_adatatvitelbeall.rtf"
        << QStringList{u"SPI adatátvitel beállítása"_qs, "CPOL", "CPHA", u"felfutó"_qs, u"lefutó"_qs,
                       u"1 µs"_qs, "Master", "Slave"};
    QTest::newRow("topology")
        << "spi_topologia.rtf"
        << QStringList{"SCLK", "MOSI", "MISO", "/SS", "full-duplex", u"léptetőregiszter"_qs, "/SS2"};
    QTest::newRow("using the simulations")
        << "spi_szimulacio.rtf"
        << QStringList{u"Adatcsomag szimuláció"_qs, u"Egyszerűsített nézet"_qs, u"Összetett nézet"_qs,
                       u"Adatcsomag adatai"_qs, u"Összállított adatcsomag"_qs, u"Adatcsomag tartalma"_qs,
                       u"Adásvétel szimuláció"_qs, u"Master beállításai"_qs, u"Slave beállításai"_qs,
                       u"Adatkommunikáció összefoglalása"_qs, u"Adatkommunikáció eredménye"_qs,
                       u"Nézet másolása"_qs, u"Nézet nyomtatása"_qs};
}

void TestRtfReader::description_files()
{
    QFETCH(QString, name);
    QFETCH(QStringList, phrases);

    QFile file(QStringLiteral(TAVRIN_SOURCE_DIR "/inf/") + name);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("{\\rtf1\\ansi\\ansicpg1250\\deff0"));
    // Every letter beyond ASCII is written as an escape.
    for (const char c : bytes)
        QVERIFY(static_cast<unsigned char>(c) < 0x80);

    QTextDocument doc;
    set_rich_text(doc, to_std(bytes));
    const QString text = doc.toPlainText();
    QVERIFY(text.size() > 1000);
    QVERIFY(text.contains(u'ő'));
    QVERIFY(!text.contains(QChar::ReplacementCharacter));
    // No piece of RTF syntax may leak into the text.
    QVERIFY(!text.contains(u'\\'));
    QVERIFY(!text.contains(u'{'));
    QVERIFY(!text.contains(u'}'));
    for (const QString& phrase : phrases)
        QVERIFY2(text.contains(phrase), qPrintable(phrase));

    bool bold = false;
    bool indented = false;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        indented = indented || b.blockFormat().leftMargin() > 0;
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            bold = bold || is_bold(f);
            QVERIFY2(f.fontPointSize() >= 9 && f.fontPointSize() <= 14, qPrintable(it.fragment().text()));
        }
    }
    QVERIFY(bold);
    QVERIFY(indented);
}

QTEST_MAIN(TestRtfReader)
#include "test_rtf_reader.moc"
