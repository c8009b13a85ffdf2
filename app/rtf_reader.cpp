#include "app/rtf_reader.h"

#include "views/windows1250_table.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <unordered_map>
#include <utility>

namespace tavrin::rtf {

namespace {

constexpr std::string_view utf8_bom = "\xEF\xBB\xBF";

bool is_letter(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool is_digit(unsigned char c)
{
    return c >= '0' && c <= '9';
}

int hex_value(unsigned char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool is_blank(unsigned char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

// Control characters would turn into block breaks or invisible junk in the
// display; only the tab is text.
bool is_dropped_control(std::uint32_t c)
{
    return c < 0x20 && c != '\t';
}

constexpr std::uint32_t replacement_char = 0xFFFD;
constexpr std::uint32_t line_separator = 0x2028;

// Indents beyond 22 inches are what Word refuses too; they only make sense as
// damage, and a clamp keeps the display's arithmetic tame.
constexpr std::int32_t max_twips = 31680;
// Word's largest font, 1638 points.
constexpr std::int32_t max_font_size = 3276;

std::int32_t clamp_twips(std::int32_t v)
{
    return std::clamp(v, -max_twips, max_twips);
}

enum class Word {
    bold,
    italic,
    underline,
    underline_none,
    font_size,
    colour,
    plain,
    pard,
    align_left,
    align_centre,
    align_right,
    align_justify,
    left_indent,
    right_indent,
    first_indent,
    space_before,
    space_after,
    par,
    line,
    tab,
    cell,
    unicode,
    unicode_skip,
    code_page,
    colour_table,
    red,
    green,
    blue,
    skip_destination,
    character,
};

struct WordInfo {
    Word word;
    std::uint32_t character = 0; // for Word::character
};

const std::unordered_map<std::string_view, WordInfo>& words()
{
    static const std::unordered_map<std::string_view, WordInfo> table = [] {
        std::unordered_map<std::string_view, WordInfo> t = {
            {"b", {Word::bold}},
            {"i", {Word::italic}},
            {"ul", {Word::underline}},
            {"ulnone", {Word::underline_none}},
            {"fs", {Word::font_size}},
            {"cf", {Word::colour}},
            {"plain", {Word::plain}},
            {"pard", {Word::pard}},
            {"ql", {Word::align_left}},
            {"qc", {Word::align_centre}},
            {"qr", {Word::align_right}},
            {"qj", {Word::align_justify}},
            {"li", {Word::left_indent}},
            {"ri", {Word::right_indent}},
            {"fi", {Word::first_indent}},
            {"sb", {Word::space_before}},
            {"sa", {Word::space_after}},
            {"par", {Word::par}},
            {"sect", {Word::par}},
            {"page", {Word::par}},
            {"row", {Word::par}},
            {"line", {Word::line}},
            {"tab", {Word::tab}},
            {"cell", {Word::cell}},
            {"nestcell", {Word::cell}},
            {"u", {Word::unicode}},
            {"uc", {Word::unicode_skip}},
            {"ansicpg", {Word::code_page}},
            {"colortbl", {Word::colour_table}},
            {"red", {Word::red}},
            {"green", {Word::green}},
            {"blue", {Word::blue}},
            {"emdash", {Word::character, 0x2014}},
            {"endash", {Word::character, 0x2013}},
            {"bullet", {Word::character, 0x2022}},
            {"lquote", {Word::character, 0x2018}},
            {"rquote", {Word::character, 0x2019}},
            {"ldblquote", {Word::character, 0x201C}},
            {"rdblquote", {Word::character, 0x201D}},
            {"emspace", {Word::character, 0x2003}},
            {"enspace", {Word::character, 0x2002}},
            {"qmspace", {Word::character, 0x2005}},
            {"zwj", {Word::character, 0x200D}},
            {"zwnj", {Word::character, 0x200C}},
            {"ltrmark", {Word::character, 0x200E}},
            {"rtlmark", {Word::character, 0x200F}},
        };
        // Every underline style shows as a plain underline.
        for (std::string_view style :
             {"uld", "uldb", "uldash", "uldashd", "uldashdd", "ulhwave", "ulldash", "ulth",
              "ulthd", "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave", "ulw",
              "ulwave"})
            t.emplace(style, WordInfo{Word::underline});
        // Destinations whose text is not part of the body.
        for (std::string_view dest :
             {"aftncn", "aftnsep", "aftnsepc", "annotation", "atnauthor", "atnid", "background",
              "bkmkend", "bkmkstart", "colorschememapping", "datastore", "do", "docvar",
              "fchars", "fldinst", "filetbl", "fonttbl", "footer", "footerf", "footerl",
              "footerr", "footnote", "ftncn", "ftnsep", "ftnsepc", "generator", "header",
              "headerf", "headerl", "headerr", "info", "lchars", "latentstyles", "listoverridetable",
              "listpicture", "listtable", "mmathPr", "nonshppict", "objdata", "object", "pgdsctbl",
              "pict", "pn", "private", "revtbl", "rsidtbl", "shp", "shpinst", "stylesheet", "tc",
              "template", "themedata", "txe", "userprops", "wgrffmtfilter", "xe", "xmlnstbl"})
            t.emplace(dest, WordInfo{Word::skip_destination});
        return t;
    }();
    return table;
}

enum class Destination : std::uint8_t { body, skip, colour_table };

struct GroupState {
    CharFormat chars;
    ParagraphFormat para;
    std::int32_t unicode_skip = 1;
    Destination destination = Destination::body;
};

class Reader {
public:
    explicit Reader(std::string_view bytes) : tokens_(bytes) {}

    Document read()
    {
        doc_.is_rtf = true;
        while (!finished_) {
            const Token t = tokens_.next();
            if (t.kind == Token::Kind::end)
                break;
            if (fallback_left_ > 0 && counts_as_fallback(t)) {
                --fallback_left_;
                continue;
            }
            handle(t);
        }
        finish();
        return std::move(doc_);
    }

private:
    static bool counts_as_fallback(const Token& t)
    {
        switch (t.kind) {
        case Token::Kind::text:
            // Line breaks in the file are not characters of the text.
            return t.byte != '\r' && t.byte != '\n';
        case Token::Kind::hex_byte:
        case Token::Kind::control_word:
        case Token::Kind::control_symbol:
        case Token::Kind::binary:
            return true;
        default:
            return false;
        }
    }

    bool inside_document() const { return !saved_.empty() || unremembered_ > 0; }

    void handle(const Token& t)
    {
        switch (t.kind) {
        case Token::Kind::group_open:
            open_group();
            return;
        case Token::Kind::group_close:
            close_group();
            return;
        default:
            break;
        }
        if (!inside_document() || state_.destination == Destination::skip)
            return;
        switch (t.kind) {
        case Token::Kind::text:
            text_byte(t.byte);
            break;
        case Token::Kind::hex_byte:
            if (state_.destination == Destination::body && !is_dropped_control(t.byte))
                append_bytes(code_page_, std::string_view(reinterpret_cast<const char*>(&t.byte), 1));
            break;
        case Token::Kind::control_symbol:
            control_symbol(t.symbol);
            break;
        case Token::Kind::control_word:
            control_word(t);
            break;
        default:
            break; // \bin data is never shown
        }
    }

    void open_group()
    {
        fallback_left_ = 0;
        flush_surrogate();
        if (state_.destination == Destination::skip) {
            ++skipped_depth_;
        } else if (saved_.size() < max_remembered_depth) {
            saved_.push_back(state_);
        } else {
            ++unremembered_;
        }
    }

    void close_group()
    {
        fallback_left_ = 0;
        flush_surrogate();
        if (skipped_depth_ > 0) {
            --skipped_depth_;
        } else if (unremembered_ > 0) {
            --unremembered_;
        } else if (saved_.size() > 1) {
            state_ = saved_.back();
            saved_.pop_back();
        } else {
            // The outermost group is closed (or there was none): anything after
            // it is not part of the document.
            finished_ = true;
        }
    }

    void text_byte(unsigned char c)
    {
        if (state_.destination == Destination::colour_table) {
            if (c == ';') {
                colours_.push_back(colour_set_ ? std::optional<Colour>(colour_) : std::nullopt);
                colour_ = {};
                colour_set_ = false;
            }
            return;
        }
        if (c == '\t') {
            append_code_point('\t');
            return;
        }
        if (is_dropped_control(c))
            return;
        append_bytes(code_page_, std::string_view(reinterpret_cast<const char*>(&c), 1));
    }

    void control_symbol(unsigned char c)
    {
        if (c == '*') {
            state_.destination = Destination::skip;
            return;
        }
        if (state_.destination != Destination::body)
            return;
        switch (c) {
        case '\\':
        case '{':
        case '}':
            append_bytes(code_page_, std::string_view(reinterpret_cast<const char*>(&c), 1));
            break;
        case '~':
            append_code_point(0x00A0);
            break;
        case '-':
            append_code_point(0x00AD);
            break;
        case '_':
            append_code_point(0x2011);
            break;
        case '\r':
        case '\n':
            end_paragraph();
            break;
        default:
            break;
        }
    }

    void control_word(const Token& t)
    {
        const auto& table = words();
        const auto found = table.find(t.name);
        if (found == table.end())
            return;
        const WordInfo info = found->second;
        const std::int32_t p = t.parameter;
        const bool on = !t.has_parameter || p != 0;

        if (info.word == Word::skip_destination) {
            state_.destination = Destination::skip;
            return;
        }
        if (info.word == Word::colour_table) {
            state_.destination = Destination::colour_table;
            return;
        }
        if (state_.destination == Destination::colour_table) {
            const auto component = static_cast<std::uint8_t>(std::clamp(p, 0, 255));
            switch (info.word) {
            case Word::red:
                colour_.red = component;
                colour_set_ = true;
                break;
            case Word::green:
                colour_.green = component;
                colour_set_ = true;
                break;
            case Word::blue:
                colour_.blue = component;
                colour_set_ = true;
                break;
            default:
                break;
            }
            return;
        }

        CharFormat& chars = state_.chars;
        ParagraphFormat& para = state_.para;
        switch (info.word) {
        case Word::bold:
            chars.bold = on;
            break;
        case Word::italic:
            chars.italic = on;
            break;
        case Word::underline:
            chars.underline = on;
            break;
        case Word::underline_none:
            chars.underline = false;
            break;
        case Word::font_size:
            if (t.has_parameter)
                chars.font_size = p <= 0 ? default_font_size : std::min(p, max_font_size);
            break;
        case Word::colour:
            if (t.has_parameter)
                chars.colour = p >= 0 && static_cast<std::size_t>(p) < colours_.size()
                                   ? colours_[static_cast<std::size_t>(p)]
                                   : std::nullopt;
            break;
        case Word::plain:
            chars = CharFormat{};
            break;
        case Word::pard:
            para = ParagraphFormat{};
            break;
        case Word::align_left:
            para.alignment = Alignment::left;
            break;
        case Word::align_centre:
            para.alignment = Alignment::centre;
            break;
        case Word::align_right:
            para.alignment = Alignment::right;
            break;
        case Word::align_justify:
            para.alignment = Alignment::justify;
            break;
        case Word::left_indent:
            para.left_indent = clamp_twips(p);
            break;
        case Word::right_indent:
            para.right_indent = clamp_twips(p);
            break;
        case Word::first_indent:
            para.first_line_indent = clamp_twips(p);
            break;
        case Word::space_before:
            para.space_before = std::clamp(p, 0, max_twips);
            break;
        case Word::space_after:
            para.space_after = std::clamp(p, 0, max_twips);
            break;
        case Word::par:
            end_paragraph();
            break;
        case Word::line:
            append_code_point(line_separator);
            break;
        case Word::tab:
        case Word::cell:
            append_code_point('\t');
            break;
        case Word::character:
            append_code_point(info.character);
            break;
        case Word::unicode:
            if (t.has_parameter) {
                unicode_char(p);
                fallback_left_ = state_.unicode_skip;
            }
            break;
        case Word::unicode_skip:
            if (t.has_parameter)
                state_.unicode_skip = std::max<std::int32_t>(p, 0);
            break;
        case Word::code_page:
            if (t.has_parameter && p > 0 && p <= 65535)
                code_page_ = p;
            break;
        default:
            break;
        }
    }

    void unicode_char(std::int32_t n)
    {
        // \u takes a signed 16-bit number, so characters above U+7FFF come negative.
        const std::int64_t c = n < 0 ? std::int64_t{n} + 65536 : std::int64_t{n};
        if (c < 0 || c > 0x10FFFF) {
            append_code_point(replacement_char);
            return;
        }
        const auto cp = static_cast<std::uint32_t>(c);
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            flush_surrogate();
            high_surrogate_ = cp;
            return;
        }
        if (cp >= 0xDC00 && cp <= 0xDFFF) {
            if (high_surrogate_ != 0) {
                const std::uint32_t joined =
                    0x10000 + ((high_surrogate_ - 0xD800) << 10) + (cp - 0xDC00);
                high_surrogate_ = 0;
                append_code_point(joined);
            } else {
                append_code_point(replacement_char);
            }
            return;
        }
        append_code_point(cp);
    }

    void flush_surrogate()
    {
        if (high_surrogate_ != 0) {
            high_surrogate_ = 0;
            append_code_point(replacement_char);
        }
    }

    void append_code_point(std::uint32_t c)
    {
        if (state_.destination != Destination::body || is_dropped_control(c))
            return;
        append_bytes(utf8_text, tavrin::utf8(static_cast<char32_t>(c)));
    }

    void append_bytes(int code_page, std::string_view bytes)
    {
        flush_surrogate();
        auto& runs = paragraph_.runs;
        if (runs.empty() || !(runs.back().format == state_.chars))
            runs.push_back(Run{state_.chars, {}});
        auto& pieces = runs.back().pieces;
        if (pieces.empty() || pieces.back().code_page != code_page)
            pieces.push_back(TextPiece{code_page, {}});
        pieces.back().bytes.append(bytes);
    }

    void end_paragraph()
    {
        if (state_.destination != Destination::body)
            return;
        flush_surrogate();
        paragraph_.format = state_.para;
        paragraph_.mark_format = state_.chars;
        doc_.paragraphs.push_back(std::move(paragraph_));
        paragraph_ = Paragraph{};
    }

    void finish()
    {
        if (state_.destination == Destination::body)
            flush_surrogate();
        high_surrogate_ = 0;
        if (!paragraph_.runs.empty()) {
            paragraph_.format = state_.para;
            paragraph_.mark_format = state_.chars;
            doc_.paragraphs.push_back(std::move(paragraph_));
        }
    }

    Tokenizer tokens_;
    Document doc_;
    Paragraph paragraph_;
    GroupState state_;
    // The states to return to, one per open group; saved_[0] is the state
    // outside the document's group.
    std::vector<GroupState> saved_;
    std::size_t unremembered_ = 0;
    std::size_t skipped_depth_ = 0;
    bool finished_ = false;
    std::int32_t fallback_left_ = 0;
    std::uint32_t high_surrogate_ = 0;
    int code_page_ = default_code_page;
    std::vector<std::optional<Colour>> colours_;
    Colour colour_;
    bool colour_set_ = false;
};

} // namespace

Token Tokenizer::next()
{
    // A loop, not recursion: a malformed escape yields no token and reading
    // goes on, however many of them follow each other.
    while (pos_ < bytes_.size()) {
        const auto c = static_cast<unsigned char>(bytes_[pos_]);
        Token t;
        switch (c) {
        case '{':
            ++pos_;
            t.kind = Token::Kind::group_open;
            return t;
        case '}':
            ++pos_;
            t.kind = Token::Kind::group_close;
            return t;
        case '\\':
            t = read_control();
            if (t.kind != Token::Kind::end)
                return t;
            break;
        default:
            ++pos_;
            t.kind = Token::Kind::text;
            t.byte = c;
            return t;
        }
    }
    return Token{};
}

Token Tokenizer::read_control()
{
    ++pos_; // the backslash
    if (pos_ >= bytes_.size())
        return Token{};
    const auto c = static_cast<unsigned char>(bytes_[pos_]);
    if (is_letter(c))
        return read_control_word();
    ++pos_;
    if (c == '\'') {
        const int high = pos_ < bytes_.size() ? hex_value(static_cast<unsigned char>(bytes_[pos_])) : -1;
        if (high < 0)
            return Token{};
        ++pos_;
        const int low = pos_ < bytes_.size() ? hex_value(static_cast<unsigned char>(bytes_[pos_])) : -1;
        if (low < 0)
            return Token{};
        ++pos_;
        Token t;
        t.kind = Token::Kind::hex_byte;
        t.byte = static_cast<unsigned char>(high * 16 + low);
        return t;
    }
    Token t;
    t.kind = Token::Kind::control_symbol;
    t.symbol = c;
    return t;
}

Token Tokenizer::read_control_word()
{
    Token t;
    t.kind = Token::Kind::control_word;
    const std::size_t start = pos_;
    while (pos_ < bytes_.size() && is_letter(static_cast<unsigned char>(bytes_[pos_])))
        ++pos_;
    t.name = bytes_.substr(start, std::min(pos_ - start, max_name_length));

    bool negative = false;
    if (pos_ + 1 < bytes_.size() && bytes_[pos_] == '-'
        && is_digit(static_cast<unsigned char>(bytes_[pos_ + 1]))) {
        negative = true;
        ++pos_;
    }
    if (pos_ < bytes_.size() && is_digit(static_cast<unsigned char>(bytes_[pos_]))) {
        // Saturate rather than overflow: the magnitude never needs to exceed 2^31.
        constexpr std::int64_t limit = std::int64_t{1} << 31;
        std::int64_t magnitude = 0;
        while (pos_ < bytes_.size() && is_digit(static_cast<unsigned char>(bytes_[pos_]))) {
            magnitude = std::min(limit, magnitude * 10 + (bytes_[pos_] - '0'));
            ++pos_;
        }
        t.has_parameter = true;
        t.parameter = negative
                          ? static_cast<std::int32_t>(-magnitude)
                          : static_cast<std::int32_t>(
                                std::min<std::int64_t>(magnitude, std::numeric_limits<std::int32_t>::max()));
    }
    if (pos_ < bytes_.size() && bytes_[pos_] == ' ')
        ++pos_;

    if (t.name == "bin") {
        const std::size_t left = bytes_.size() - pos_;
        const std::size_t wanted = t.parameter > 0 ? static_cast<std::size_t>(t.parameter) : 0;
        const std::size_t n = std::min(wanted, left);
        t.kind = Token::Kind::binary;
        t.data = bytes_.substr(pos_, n);
        pos_ += n;
    }
    return t;
}

bool looks_like_rtf(std::string_view bytes)
{
    if (bytes.substr(0, utf8_bom.size()) == utf8_bom)
        bytes.remove_prefix(utf8_bom.size());
    std::size_t i = 0;
    while (i < bytes.size() && is_blank(static_cast<unsigned char>(bytes[i])))
        ++i;
    return bytes.substr(i, 5) == "{\\rtf";
}

bool is_valid_utf8(std::string_view bytes)
{
    std::size_t i = 0;
    const std::size_t n = bytes.size();
    while (i < n) {
        const auto b0 = static_cast<unsigned char>(bytes[i]);
        if (b0 < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 0;
        std::uint32_t cp = 0;
        std::uint32_t min = 0;
        if (b0 >= 0xC2 && b0 <= 0xDF) {
            length = 2;
            cp = b0 & 0x1F;
            min = 0x80;
        } else if (b0 >= 0xE0 && b0 <= 0xEF) {
            length = 3;
            cp = b0 & 0x0F;
            min = 0x800;
        } else if (b0 >= 0xF0 && b0 <= 0xF4) {
            length = 4;
            cp = b0 & 0x07;
            min = 0x10000;
        } else {
            return false;
        }
        if (n - i < length)
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto b = static_cast<unsigned char>(bytes[i + k]);
            if ((b & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (b & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

Document read_rtf(std::string_view bytes)
{
    return Reader(bytes).read();
}

Document read_plain_text(std::string_view bytes)
{
    Document doc;
    doc.is_rtf = false;
    if (bytes.empty())
        return doc;
    const bool utf8 = is_valid_utf8(bytes);
    if (utf8 && bytes.substr(0, utf8_bom.size()) == utf8_bom)
        bytes.remove_prefix(utf8_bom.size());
    const int code_page = utf8 ? utf8_text : default_code_page;

    CharFormat format;
    format.font_size = 0;
    Paragraph paragraph;
    paragraph.mark_format = format;
    auto push_paragraph = [&] {
        doc.paragraphs.push_back(std::move(paragraph));
        paragraph = Paragraph{};
        paragraph.mark_format = format;
    };
    std::string text;
    auto flush_text = [&] {
        if (!text.empty())
            paragraph.runs.push_back(Run{format, {TextPiece{code_page, std::move(text)}}});
        text.clear();
    };

    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
            flush_text();
            push_paragraph();
        } else if (!is_dropped_control(c)) {
            text += static_cast<char>(c);
        }
    }
    flush_text();
    push_paragraph();
    return doc;
}

Document read_document(std::string_view bytes)
{
    return looks_like_rtf(bytes) ? read_rtf(bytes) : read_plain_text(bytes);
}

} // namespace tavrin::rtf
