#include "ui/Fonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

namespace ui {

namespace {

struct Family {
    QStringList windowsFaces;
    QStringList standIns;  // IPA first: tools/install-deps.sh installs it; the rest are common elsewhere
};

const QList<Family>& Families() {
    static const QList<Family> families = {
        // Fixed-pitch gothic faces keep a fixed-pitch stand-in first, so columns still line up.
        {{QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic")},
         {QStringLiteral("IPAGothic"), QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans Mono CJK JP"),
          QStringLiteral("TakaoGothic"), QStringLiteral("VL Gothic"), QStringLiteral("Noto Sans CJK JP")}},
        {{QStringLiteral("MS UI Gothic"), QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
          QStringLiteral("Meiryo"), QStringLiteral("メイリオ"), QStringLiteral("Yu Gothic"), QStringLiteral("游ゴシック")},
         {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans CJK JP"),
          QStringLiteral("TakaoPGothic"), QStringLiteral("VL PGothic")}},
        {{QStringLiteral("ＭＳ 明朝"), QStringLiteral("MS Mincho")},
         {QStringLiteral("IPAMincho"), QStringLiteral("IPAPMincho"), QStringLiteral("Noto Serif CJK JP"),
          QStringLiteral("TakaoMincho")}},
        {{QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("MS PMincho")},
         {QStringLiteral("IPAPMincho"), QStringLiteral("IPAMincho"), QStringLiteral("Noto Serif CJK JP"),
          QStringLiteral("TakaoPMincho")}},
        // Century is a Schoolbook face; C059 and TeX Gyre Schola are free cuts of it.
        {{QStringLiteral("Century")},
         {QStringLiteral("C059"), QStringLiteral("Century Schoolbook L"), QStringLiteral("TeX Gyre Schola"),
          QStringLiteral("DejaVu Serif")}},
        // Century Gothic follows the geometric Avant Garde, as URW Gothic and TeX Gyre Adventor do.
        {{QStringLiteral("Century Gothic")},
         {QStringLiteral("URW Gothic"), QStringLiteral("URW Gothic L"), QStringLiteral("TeX Gyre Adventor"),
          QStringLiteral("IPAPGothic")}},
    };
    return families;
}

// Samples of the windows' and message boxes' Japanese: kana, kanji and full-width punctuation.
const char32_t kJapaneseSample[] = U"ぽに狩りランキング終了確認「」？、。";

bool Shows_Japanese(const QFont& font) {
    // The face actually chosen, without the fallback faces that would hide its missing glyphs.
    QFont chosen = font;
    chosen.setFamily(QFontInfo(font).family());
    chosen.setStyleStrategy(QFont::NoFontMerging);
    const QFontMetrics metrics(chosen);
    for (const char32_t* c = kJapaneseSample; *c; ++c)
        if (!metrics.inFontUcs4(*c)) return false;
    return true;
}

} // namespace

QFont Face(const QStringList& families, double points) {
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(Font_Pixels(points));
    return font;
}

QStringList Font_Stand_Ins(const QString& windowsFace) {
    if (QFontDatabase::hasFamily(windowsFace)) return {};
    for (const Family& family : Families()) {
        if (!family.windowsFaces.contains(windowsFace)) continue;
        QStringList installed;
        for (const QString& face : family.standIns)
            if (QFontDatabase::hasFamily(face)) installed << face;
        return installed;
    }
    return {};
}

void Install_Japanese_Fonts() {
    for (const Family& family : Families())
        for (const QString& face : family.windowsFaces) {
            const QStringList standIns = Font_Stand_Ins(face);
            if (!standIns.isEmpty()) QFont::insertSubstitutions(face, standIns);
        }
    // Message boxes and tooltips use the application's face, as they used the system's.
    QFont font = QApplication::font();
    if (!Shows_Japanese(font)) font.setFamilies({QStringLiteral("MS UI Gothic"), font.family()});
    if (font.pointSizeF() > 0) font.setPixelSize(Font_Pixels(font.pointSizeF()));
    QApplication::setFont(font);
}


} // namespace ui
