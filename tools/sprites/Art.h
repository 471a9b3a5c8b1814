#pragma once
// Every picture the generator draws, one function each.
#include <QImage>
#include <vector>

namespace art {

QImage DrawShip();
QImage DrawShield();
QImage DrawSolid(int w, int h, QRgb rgb);
QImage DrawItem(int kind);
QImage DrawPoni();
QImage DrawRocket();
QImage DrawBoss();
QImage DrawBlastSheet(int sheet);
QImage DrawIcon(int size);  // transparent around the face, unlike the sprites

// All sprites on black, small ones at 1x and 4x, for looking at the art in one picture.
QImage ContactSheet(const std::vector<QImage>& sprites);

} // namespace art
