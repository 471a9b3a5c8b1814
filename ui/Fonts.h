#pragma once
// The faces every window uses. The windows ask for the Windows faces their text was set in;
// on desktops without them, the nearest free faces stand in, Japanese ones first. Sizes are
// given in points, as the faces were chosen, and set in pixels at 96 dpi, so that text keeps
// to the windows' scale.
#include <QFont>
#include <QString>
#include <QStringList>
#include <cmath>

namespace ui {

// The pixels of a face of this many points on a 96 dpi desktop. The windows give their text
// in pixels: Qt then scales it with the windows by the desktop's whole-number factor, while a
// size in points would follow the desktop's own dpi (a 120 dpi desktop keeps factor 1 but
// grows points by a quarter, so captions no longer fit their fixed-size controls).
inline int Font_Pixels(double points) { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

// The installed faces that stand in for a Windows face, best first; empty for a face we do
// not know or one that is installed itself.
QStringList Font_Stand_Ins(const QString& windowsFace);

// Maps every known Windows face to its stand-ins, and gives the application (message boxes,
// tooltips) a Japanese face when the desktop's own has no Japanese glyphs, sized in pixels
// like the windows' faces. Call once the application exists.
void Install_Japanese_Fonts();

// The first of the families that is installed, at this many points.
QFont Face(const QStringList& families, double points);

inline QFont Gothic_Font(int points = 9) {
    return Face({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"), QStringLiteral("IPAPGothic")}, points);
}

inline QFont Mincho_Font(int points = 9) {
    return Face({QStringLiteral("ＭＳ 明朝"), QStringLiteral("IPAMincho")}, points);
}

// The proportional gothic of the title menu's buttons.
inline QFont UI_Gothic_Font(int points = 9) {
    return Face({QStringLiteral("MS UI Gothic"), QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")}, points);
}

// A geometric Latin face for the ranking's column titles.
inline QFont Century_Font(int points = 9) {
    return Face({QStringLiteral("Century Gothic"), QStringLiteral("URW Gothic"), QStringLiteral("IPAPGothic")}, points);
}

} // namespace ui
