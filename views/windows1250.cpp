#include "views/windows1250.h"

#include <QStringDecoder>
#include <array>

namespace tavrin {

namespace {
std::array<QChar, 256> build_table()
{
    std::array<QChar, 256> table{};
    QStringDecoder decoder("windows-1250");
    for (int code = 0; code < 256; ++code) {
        const char byte = static_cast<char>(code);
        QString s = decoder.isValid() ? decoder.decode(QByteArrayView(&byte, 1)) : QString();
        // Without a codec, or for an unassigned code, the code itself stands.
        table[static_cast<std::size_t>(code)] =
            (s.size() == 1 && s[0] != QChar::ReplacementCharacter) ? s[0] : QChar(code);
        decoder.resetState();
    }
    return table;
}
} // namespace

QChar windows1250_char(std::uint8_t code)
{
    static const std::array<QChar, 256> table = build_table();
    return table[code];
}

} // namespace tavrin
