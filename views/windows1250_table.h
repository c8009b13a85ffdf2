#pragma once

#include <cstdint>
#include <string>

namespace tavrin {

// Unicode code point of a Windows-1250 code. The five codes the set leaves
// unassigned (81h, 83h, 88h, 90h, 98h) give the C1 control of the same
// number, as the system's decoder gives them.
char32_t windows1250_code_point(std::uint8_t code);

// A code point written as UTF-8.
std::string utf8(char32_t code_point);

// "U+000A": four hexadecimal digits at least, upper case.
std::string code_point_name(char32_t code_point);

// The character of a Windows-1250 code as a terminal can show it: empty for
// 0; "U+XXXX" for a character that shows nothing (the C0 and C1 controls,
// DEL, the no-break space and the soft hyphen); the character in UTF-8 otherwise.
std::string windows1250_display_text(std::uint8_t code);

} // namespace tavrin
