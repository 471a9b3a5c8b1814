#pragma once
// What every window shares in its looks: Japanese faces on desktops without the Windows faces
// the windows ask for, text sizes that keep to the windows' scale, and the icon.
#include <QIcon>
#include <QString>
#include <QStringList>
#include <cmath>

namespace glbSystem {

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

// The game's icon with its 16 x 16 and 32 x 32 images, for the title bar and the task bar.
QIcon Window_Icon();

} // namespace glbSystem
