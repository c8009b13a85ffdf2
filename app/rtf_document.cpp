#include "app/rtf_document.h"

#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QFont>
#include <QStringDecoder>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <map>

namespace tavrin {

namespace {

constexpr int utf8_code_page = 65001;

// Stateless: each piece stands alone, so the bytes of a character cut at the
// end of a piece are dropped instead of joining the next piece's text.
QStringDecoder decoder_for(int code_page)
{
    constexpr auto flags = QStringDecoder::Flag::Stateless;
    if (code_page == rtf::utf8_text || code_page == utf8_code_page)
        return QStringDecoder(QStringDecoder::Utf8, flags);
    for (const QByteArray& name :
         {"windows-" + QByteArray::number(code_page), "cp" + QByteArray::number(code_page)}) {
        QStringDecoder decoder(name.constData(), flags);
        if (decoder.isValid())
            return decoder;
    }
    return QStringDecoder("windows-1250", flags);
}

// Decoders are built once per code page while a document is filled.
class PieceDecoder {
public:
    QString decode(const rtf::TextPiece& piece)
    {
        auto found = decoders_.find(piece.code_page);
        if (found == decoders_.end())
            found = decoders_.emplace(piece.code_page, decoder_for(piece.code_page)).first;
        return found->second.decode(QByteArrayView(piece.bytes.data(), qsizetype(piece.bytes.size())));
    }

private:
    std::map<int, QStringDecoder> decoders_;
};

// QTextCursor::insertText turns these into block breaks; a paragraph of the
// model must stay one block, so they become line breaks or replacement marks.
QString sanitised(QString text)
{
    for (QChar& c : text) {
        const char16_t u = c.unicode();
        if (u == u'\n' || u == u'\r' || u == QChar::ParagraphSeparator)
            c = QChar(QChar::LineSeparator);
        else if (u == 0xFDD0 || u == 0xFDD1 || u == 0)
            c = QChar(QChar::ReplacementCharacter);
    }
    return text;
}

// 1440 twips to the inch, shown at 96 pixels to the inch.
qreal twips_to_pixels(int twips)
{
    return twips / 15.0;
}

Qt::Alignment qt_alignment(rtf::Alignment a)
{
    switch (a) {
    case rtf::Alignment::centre:
        return Qt::AlignHCenter;
    case rtf::Alignment::right:
        return Qt::AlignRight;
    case rtf::Alignment::justify:
        return Qt::AlignJustify;
    case rtf::Alignment::left:
        break;
    }
    return Qt::AlignLeft;
}

QTextBlockFormat block_format(const rtf::ParagraphFormat& p)
{
    QTextBlockFormat f;
    f.setAlignment(qt_alignment(p.alignment));
    f.setLeftMargin(twips_to_pixels(p.left_indent));
    f.setRightMargin(twips_to_pixels(p.right_indent));
    f.setTextIndent(twips_to_pixels(p.first_line_indent));
    f.setTopMargin(twips_to_pixels(p.space_before));
    f.setBottomMargin(twips_to_pixels(p.space_after));
    return f;
}

QTextCharFormat char_format(const rtf::CharFormat& c)
{
    QTextCharFormat f;
    f.setFontWeight(c.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(c.italic);
    f.setFontUnderline(c.underline);
    if (c.font_size > 0)
        f.setFontPointSize(c.font_size / 2.0);
    if (c.colour)
        f.setForeground(QColor(c.colour->red, c.colour->green, c.colour->blue));
    return f;
}

} // namespace

QString decode_text_piece(const rtf::TextPiece& piece)
{
    return PieceDecoder().decode(piece);
}

void set_rich_text(QTextDocument& doc, const std::string& bytes)
{
    const rtf::Document model = rtf::read_document(bytes);

    // Filling a read-only view is not an edit the user could undo.
    const bool undo = doc.isUndoRedoEnabled();
    doc.setUndoRedoEnabled(false);
    doc.clear();

    PieceDecoder decoder;
    QTextCursor cursor(&doc);
    cursor.beginEditBlock();
    bool first = true;
    for (const rtf::Paragraph& paragraph : model.paragraphs) {
        const QTextBlockFormat block = block_format(paragraph.format);
        const QTextCharFormat mark = char_format(paragraph.mark_format);
        if (first) {
            cursor.setBlockFormat(block);
            cursor.setBlockCharFormat(mark);
            first = false;
        } else {
            cursor.insertBlock(block, mark);
        }
        for (const rtf::Run& run : paragraph.runs) {
            QString text;
            for (const rtf::TextPiece& piece : run.pieces)
                text += decoder.decode(piece);
            if (!text.isEmpty())
                cursor.insertText(sanitised(std::move(text)), char_format(run.format));
        }
    }
    cursor.endEditBlock();
    doc.setUndoRedoEnabled(undo);
}

bool load_rich_text_file(QTextEdit& edit, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    set_rich_text(*edit.document(), bytes.toStdString());
    return true;
}

} // namespace tavrin
