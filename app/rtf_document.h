#pragma once

#include "app/rtf_reader.h"

#include <QString>

#include <string>
#include <string_view>

class QTextDocument;
class QTextEdit;

namespace tavrin {

// Text of one piece of a run: UTF-8 pieces as they are, 8-bit pieces through
// the Windows code page they are tagged with (Windows-1250 for a code page
// that the system's codecs do not know).
QString decode_text_piece(const rtf::TextPiece& piece);

// Replaces the document's content with what the bytes hold: RTF when they
// start with "{\rtf", plain text otherwise (see rtf::read_document).
void set_rich_text(QTextDocument& doc, const std::string& bytes);

// Shows a description file. Returns false, and leaves the edit as it was,
// when the file cannot be opened or read.
bool load_rich_text_file(QTextEdit& edit, const QString& path);

} // namespace tavrin
