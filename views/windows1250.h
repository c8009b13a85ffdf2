#pragma once

#include <QChar>
#include <cstdint>

namespace tavrin {

// The character of a Windows-1250 code (the character set of every text the
// learner sees). Codes the set leaves unassigned come back as they are.
QChar windows1250_char(std::uint8_t code);

} // namespace tavrin
