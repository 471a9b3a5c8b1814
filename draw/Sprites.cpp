#include "draw/Sprites.h"

#include <QImage>
#include <QString>
#include <array>

namespace draw {

using namespace glbMain;

namespace {
std::array<Picture, SpriteCount> g_pictures;
bool g_loaded = false;
} // namespace

bool Load_Sprites(std::string* error) {
    bool ok = true;
    for (int id = 0; id < SpriteCount; ++id) {
        const SpriteSize& want = kSprite[id];
        QImage image(QStringLiteral(":/sprites/") + QString::fromLatin1(want.file));
        Picture& pic = g_pictures[id];
        if (image.isNull() || image.width() != want.Width || image.height() != want.Height) {
            if (ok && error) *error = std::string("sprite picture missing or of the wrong size: ") + want.file;
            ok = false;
            pic = Picture{};
            continue;
        }
        image = image.convertToFormat(QImage::Format_RGB32);
        pic.Width = image.width();
        pic.Height = image.height();
        pic.Pixels.resize(static_cast<size_t>(pic.Width) * pic.Height);
        for (int y = 0; y < pic.Height; ++y) {
            const auto* line = reinterpret_cast<const uint32_t*>(image.constScanLine(y));
            for (int x = 0; x < pic.Width; ++x) pic.Pixels[static_cast<size_t>(y) * pic.Width + x] = line[x] | 0xff000000u;
        }
    }
    g_loaded = true;
    return ok;
}

const Picture& Pic(SpriteId id) {
    if (!g_loaded) Load_Sprites();
    return g_pictures[id];
}

} // namespace draw
