#pragma once
// Japanese text on desktops without the Windows faces the windows ask for.
#include <QString>
#include <QStringList>

namespace glbSystem {

// The installed faces that stand in for a Windows face, best first; empty for a face we do
// not know or one that is installed itself.
QStringList Font_Stand_Ins(const QString& windowsFace);

// Maps every known Windows face to its stand-ins, and gives the application (message boxes,
// tooltips) a Japanese face when the desktop's own has no Japanese glyphs. Call once the
// application exists.
void Install_Japanese_Fonts();

} // namespace glbSystem
