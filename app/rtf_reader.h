#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrin::rtf {

// Pieces of text whose bytes are UTF-8 carry this instead of a code page.
inline constexpr int utf8_text = 0;
// Used for 8-bit text when a document names no code page, and for plain-text
// files that are not valid UTF-8.
inline constexpr int default_code_page = 1250;
// The size that RTF readers assume before any \fs: 12 points.
inline constexpr int default_font_size = 24;

// A stretch of text in one encoding. The reader needs no character tables:
// 8-bit text keeps its bytes and the code page they are in, and the display
// side decodes them. Text given by \uN is stored as UTF-8 (code_page 0).
struct TextPiece {
    int code_page = utf8_text;
    std::string bytes;

    bool operator==(const TextPiece&) const = default;
};

struct Colour {
    std::uint8_t red = 0, green = 0, blue = 0;

    bool operator==(const Colour&) const = default;
};

struct CharFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    // Half-points as in \fsN; 0 leaves the size to the display (plain text).
    int font_size = default_font_size;
    std::optional<Colour> colour; // empty: the display's text colour

    bool operator==(const CharFormat&) const = default;
};

enum class Alignment { left, centre, right, justify };

struct ParagraphFormat {
    Alignment alignment = Alignment::left;
    // All in twips (1/1440 inch).
    int left_indent = 0;
    int right_indent = 0;
    int first_line_indent = 0;
    int space_before = 0;
    int space_after = 0;

    bool operator==(const ParagraphFormat&) const = default;
};

struct Run {
    CharFormat format;
    std::vector<TextPiece> pieces;
};

struct Paragraph {
    ParagraphFormat format;
    // The character format in force where the paragraph ended; it gives an
    // empty paragraph its height.
    CharFormat mark_format;
    std::vector<Run> runs;
};

struct Document {
    bool is_rtf = false;
    std::vector<Paragraph> paragraphs;
};

// A file is read as RTF when its first bytes other than blanks (and a UTF-8
// byte order mark) are "{\rtf".
bool looks_like_rtf(std::string_view bytes);

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool is_valid_utf8(std::string_view bytes);

// Reads any bytes: RTF when looks_like_rtf(), plain text otherwise.
Document read_document(std::string_view bytes);

// Reads the bytes as RTF whatever they start with.
Document read_rtf(std::string_view bytes);

// One paragraph per line (CR LF, LF or CR); UTF-8 when the bytes are valid
// UTF-8 (a byte order mark is dropped), Windows-1250 otherwise.
Document read_plain_text(std::string_view bytes);

struct Token {
    enum class Kind {
        end,
        group_open,
        group_close,
        control_word,   // name, has_parameter, parameter
        control_symbol, // symbol: the character after the backslash
        text,           // byte: one byte of plain text
        hex_byte,       // byte: the value of \'xx
        binary,         // data: the bytes that \binN covers
    };

    Kind kind = Kind::end;
    std::string_view name;
    bool has_parameter = false;
    std::int32_t parameter = 0;
    unsigned char symbol = 0;
    unsigned char byte = 0;
    std::string_view data;
};

// Splits RTF into tokens. Parameters saturate at the limits of 32 bits; names
// longer than 32 letters are cut (no RTF word is that long, so such a name
// stays unknown); \binN takes N bytes, no more than what is left.
class Tokenizer {
public:
    static constexpr std::size_t max_name_length = 32;

    explicit Tokenizer(std::string_view bytes) : bytes_(bytes) {}

    Token next();
    bool at_end() const { return pos_ >= bytes_.size(); }

private:
    Token read_control();
    Token read_control_word();

    std::string_view bytes_;
    std::size_t pos_ = 0;
};

// How deep groups are remembered. Deeper groups are still matched, but they
// share the state of the deepest remembered group, so a hostile file cannot
// make the reader's memory grow with its nesting.
inline constexpr std::size_t max_remembered_depth = 1u << 18;

} // namespace tavrin::rtf
