#include "app/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace tavrin {

namespace {
QString tahoma_family = QStringLiteral("Tahoma");

QFont pixel_font(const QString& family, int pixels, bool bold)
{
    QFont f(family);
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setStyleHint(QFont::SansSerif);
    return f;
}
} // namespace

void install_fonts()
{
    if (QFontDatabase::families().contains(QStringLiteral("Tahoma")))
        return;
    // Both faces: emboldening the regular face instead would drop the double
    // acute of ő and ű, which Tahoma builds from composite glyphs.
    const QStringList faces = {QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"),
                               QStringLiteral("/usr/share/wine/fonts/tahomabd.ttf")};
    for (const QString& file : faces) {
        const int id = QFontDatabase::addApplicationFont(file);
        if (id >= 0 && !QFontDatabase::applicationFontFamilies(id).isEmpty())
            tahoma_family = QFontDatabase::applicationFontFamilies(id).first();
    }
}

QFont window_font() { return pixel_font(tahoma_family, 11, false); }
QFont bold_font() { return pixel_font(tahoma_family, 11, true); }
QFont section_font() { return pixel_font(tahoma_family, 13, true); }

QFont headline_font()
{
    // Liberation Serif stands in for Times New Roman where that is missing;
    // fontconfig maps the name, the family list covers systems without the alias.
    QFont f(QStringLiteral("Times New Roman"));
    f.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")});
    f.setPixelSize(21);
    f.setBold(true);
    f.setStyleHint(QFont::Serif);
    return f;
}

} // namespace tavrin
