// make_sprites [repository root]: redraws assets/sprites/*.png, assets/icon/*.png and the
// contact sheet docs/sprites.png. Not part of the game's build steps; run it by hand.
#include "Art.h"

#include "state/Field.h"

#include <QDir>
#include <QImage>
#include <cstdio>
#include <vector>

namespace {

QImage Draw(int id) {
    using namespace glbMain;
    if (id >= picItem0 && id <= picItem6) return art::DrawItem(id - picItem0);
    if (id >= picBlast0 && id <= picBlast4) return art::DrawBlastSheet(id - picBlast0);
    const SpriteSize& size = kSprite[id];
    switch (id) {
    case picPlayerChar: return art::DrawShip();
    case picPlayer_Shield: return art::DrawShield();
    case picPlayer_Balkan: return art::DrawSolid(size.Width, size.Height, qRgb(255, 255, 0));
    case picPlayer_Sonic: return art::DrawSolid(size.Width, size.Height, qRgb(0, 255, 255));
    case picPlayer_Laser: return art::DrawSolid(size.Width, size.Height, qRgb(255, 0, 0));
    case picEnemy_Balkan: return art::DrawSolid(size.Width, size.Height, qRgb(0, 255, 0));
    case picPoni: return art::DrawPoni();
    case picBoss_01: return art::DrawBoss();
    case picBoss_Rocket: return art::DrawRocket();
    default: return {};
    }
}

bool Save(const QImage& img, const QString& path) {
    if (img.save(path, "PNG")) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char** argv) {
    const QDir root(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(PONIGARI_SOURCE_DIR));
    for (const char* dir : {"assets/sprites", "assets/icon", "docs"}) root.mkpath(QString::fromLatin1(dir));

    bool ok = true;
    std::vector<QImage> sprites;
    for (int id = 0; id < glbMain::SpriteCount; ++id) {
        const glbMain::SpriteSize& want = glbMain::kSprite[id];
        QImage img = Draw(id);
        if (img.width() != want.Width || img.height() != want.Height) {
            std::fprintf(stderr, "%s drawn at the wrong size\n", want.file);
            return 1;
        }
        ok &= Save(img, root.filePath(QStringLiteral("assets/sprites/") + QString::fromLatin1(want.file)));
        sprites.push_back(img);
    }
    for (int size : {16, 32, 48, 64, 128, 256})
        ok &= Save(art::DrawIcon(size), root.filePath(QStringLiteral("assets/icon/icon%1.png").arg(size)));
    ok &= Save(art::ContactSheet(sprites), root.filePath(QStringLiteral("docs/sprites.png")));
    return ok ? 0 : 1;
}
