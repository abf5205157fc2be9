#include "controls/QtFontDescription.h"

#include "controls/QtText.h"

#include <QStringList>

namespace pennoc {

FontDescription describeFont(const QFont& font) {
    FontDescription description;
    QStringList families = font.families();
    if (families.isEmpty()) {
        families.append(font.family());
    }
    for (const QString& family : families) {
        description.families.push_back(family.toStdU16String());
    }
    description.pointSize = font.pointSizeF();
    description.weight = font.weight();
    description.italic = font.italic();
    description.underline = font.underline();
    description.strikeOut = font.strikeOut();
    return description;
}

QFont toQFont(const FontDescription& description) {
    QFont font;
    QStringList families;
    for (const std::u16string& family : description.families) {
        families.append(toQString(family));
    }
    font.setFamilies(families);
    // A font sized in pixels reports no point size; it then keeps the application's size.
    if (description.pointSize > 0) {
        font.setPointSizeF(description.pointSize);
    }
    font.setWeight(static_cast<QFont::Weight>(description.weight));
    font.setItalic(description.italic);
    font.setUnderline(description.underline);
    font.setStrikeOut(description.strikeOut);
    return font;
}

} // namespace pennoc
