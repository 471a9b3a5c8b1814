#pragma once
// The records windows' faces. The Windows faces are absent on Linux desktops, so each comes
// with the nearest free faces as fallbacks. Sizes are given in points, as the faces were
// chosen, and set in pixels, so that text keeps to the windows' scale.
#include <QFont>
#include <QStringList>

#include "app/Fonts.h"

namespace glbSystem {

inline QFont Face(const QStringList& families, double points) {
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(Font_Pixels(points));
    return font;
}

inline QFont Gothic_Font(int points = 9) {
    return Face({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"), QStringLiteral("IPAPGothic")}, points);
}

inline QFont Mincho_Font(int points = 9) {
    return Face({QStringLiteral("ＭＳ 明朝"), QStringLiteral("IPAMincho")}, points);
}

// A geometric Latin face for the ranking's column titles.
inline QFont Century_Font(int points = 9) {
    return Face({QStringLiteral("Century Gothic"), QStringLiteral("URW Gothic"), QStringLiteral("IPAPGothic")}, points);
}

} // namespace glbSystem
