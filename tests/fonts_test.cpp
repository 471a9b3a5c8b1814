// Japanese in every window: once the program's stand-in faces are installed, each caption,
// label, text box and tooltip has all its glyphs in the face the widget actually gets, and
// the name box takes text from the desktop's input method. Grabs of the windows are kept
// under <build>/artifacts/fonts/ for a look by eye.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QToolTip>
#include <cstdio>

#include "support/RankFolder.h"

#include "app/frmMenu.h"
#include "game/Keys.h"
#include "game/frmMain.h"
#include "prefs/frmKeys.h"
#include "records/Config.h"
#include "records/frmConfig.h"
#include "records/frmGetName.h"
#include "records/frmRank.h"
#include "ui/Center.h"
#include "ui/Fonts.h"

using namespace app;
using namespace glbSystem;
using namespace ui;

namespace {

// The characters of a text that the face the font resolves to lacks, as the player would see
// them: as boxes, or in a stray fallback face. Mnemonic ampersands are not drawn.
std::string Missing(const QString& text, const QFont& font) {
    QFont chosen = font;
    chosen.setFamily(QFontInfo(font).family());
    chosen.setStyleStrategy(QFont::NoFontMerging);  // otherwise any fallback face counts
    const QFontMetrics metrics(chosen);
    QString missing;
    for (char32_t c : text.toUcs4())
        if (c != U'&' && !QChar::isSpace(c) && !metrics.inFontUcs4(c)) missing += QString::fromUcs4(&c, 1);
    return missing.toStdString();
}

// Every text a window shows with the face it is shown in, named for the failure message.
struct Shown {
    QString where, text;
    QFont font;
};

QList<Shown> Texts(QWidget* window) {
    QList<Shown> shown;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const QString name = QString::fromLatin1(w->metaObject()->className());
        if (auto* label = qobject_cast<QLabel*>(w)) shown.append({name, label->text(), label->font()});
        if (auto* button = qobject_cast<QAbstractButton*>(w)) shown.append({name, button->text(), button->font()});
        if (auto* edit = qobject_cast<QLineEdit*>(w)) shown.append({name, edit->text(), edit->font()});
        if (!w->toolTip().isEmpty()) shown.append({name + " tooltip", w->toolTip(), QToolTip::font()});
    }
    return shown;
}

// Grabs go to artifacts/fonts, or artifacts/fonts-en for the English windows.
QString ArtifactDir() {
    const QString lang = qEnvironmentVariable("PONIGARI_TEST_LANG");
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../artifacts/fonts") +
           (lang.isEmpty() || lang == QLatin1String("ja") ? QString() : QLatin1Char('-') + lang);
}

void ExpectAllGlyphs(QWidget* window, const QString& file) {
    window->show();
    QCoreApplication::processEvents();
    const QList<Shown> shown = Texts(window);
    EXPECT_FALSE(shown.isEmpty()) << file.toStdString();
    for (const Shown& s : shown)
        EXPECT_EQ(Missing(s.text, s.font), "")
            << file.toStdString() << ": " << s.where.toStdString() << " \"" << s.text.toStdString() << "\" in "
            << QFontInfo(s.font).family().toStdString();
    const QString dir = ArtifactDir();
    QDir().mkpath(dir);
    EXPECT_TRUE(window->grab().save(dir + "/" + file));
}

// Every text of the translation files, the Japanese and its translations: message boxes,
// captions, tooltips, including those no window test opens.
QStringList TranslationTexts() {
    const QDir folder(qEnvironmentVariable("PONIGARI_TEST_DATA") + QStringLiteral("/../../translations"));
    static const QRegularExpression text(QStringLiteral("<(?:source|translation)[^>]*>((?:(?!</).)*)</"),
                                         QRegularExpression::DotMatchesEverythingOption);
    QStringList texts;
    for (const QString& name : folder.entryList({QStringLiteral("*.ts")})) {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) continue;
        for (const auto& m : text.globalMatch(QString::fromUtf8(file.readAll())))
            texts << m.captured(1).remove(QStringLiteral("<byte value=\"xd\"/>")).replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    }
    return texts;
}

// How far a window's widest caption reaches into its control, in the face the control really
// gets: each caption's width over the room its control leaves for text. Captions wider than
// their room are listed, and so are those whose size differs from the one they have on a
// 96 dpi desktop: text must grow with the windows' whole-number scale, never on its own.
struct Fit {
    double worst = 0;
    QString widest, failures;
};

void Measure(QWidget* window, Fit& fit, const QString& file) {
    window->show();
    QCoreApplication::processEvents();
    const QString dir = ArtifactDir() +
                        QStringLiteral("/fit-%1dpi-x%2")
                            .arg(qEnvironmentVariable("QT_FONT_DPI", QStringLiteral("96")),
                                 qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")));
    QDir().mkpath(dir);
    window->grab().save(dir + "/" + file);
    for (QWidget* w : window->findChildren<QWidget*>()) {
        QString text;
        QRect room = w->contentsRect();
        if (auto* label = qobject_cast<QLabel*>(w)) {
            text = label->text();
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            QStyleOptionButton option;
            option.initFrom(button);
            text = button->text();
            const bool box = qobject_cast<QCheckBox*>(w);
            room = w->style()->subElementRect(box ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents,
                                              &option, w);
        }
        text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
        if (text.isEmpty()) continue;
        const QFontMetrics metrics = w->fontMetrics();
        const QSize size(metrics.horizontalAdvance(text), metrics.height());
        QImage desktop96(1, 1, QImage::Format_RGB32);
        desktop96.setDotsPerMeterX(3780);
        desktop96.setDotsPerMeterY(3780);
        const QFontMetrics metrics96(w->font(), &desktop96);
        const QSize size96(metrics96.horizontalAdvance(text), metrics96.height());
        const QString what = QStringLiteral("\"%1\" %2x%3 in %4x%5 (%6)")
                                 .arg(text).arg(size.width()).arg(size.height()).arg(room.width()).arg(room.height())
                                 .arg(QFontInfo(w->font()).family());
        const double share = double(size.width()) / room.width();
        if (share > fit.worst) fit.worst = share, fit.widest = what;
        if (size.width() > room.width() || size.height() > room.height()) fit.failures += what + QStringLiteral("; ");
        if (size != size96)
            fit.failures += what + QStringLiteral(", %1x%2 at 96 dpi; ").arg(size96.width()).arg(size96.height());
    }
}

} // namespace

class FontsTest : public RankFolder {
protected:
    static void SetUpTestSuite() { Install_Japanese_Fonts(); }
    void SetUp() override {
        RankFolder::SetUp();
        Default_Config();
        Menu()->hide();
    }
};

TEST_F(FontsTest, WindowsFacesResolveToTheirFreeStandIns) {
    const struct { const char16_t* face; const char* expected; } cases[] = {
        {u"ＭＳ ゴシック", "IPAGothic"}, {u"MS Gothic", "IPAGothic"},     {u"MS UI Gothic", "IPAPGothic"},
        {u"ＭＳ Ｐゴシック", "IPAPGothic"}, {u"ＭＳ 明朝", "IPAMincho"},     {u"MS Mincho", "IPAMincho"},
        {u"Century", "C059"},              {u"Century Gothic", "URW Gothic"},
    };
    for (const auto& c : cases) {
        const QString face = QString::fromUtf16(c.face);
        if (QFontDatabase::hasFamily(face)) continue;  // the real face wins where it is installed
        // Faces sold by two foundries come with the foundry: "C059 [UKWN]".
        EXPECT_EQ(QFontInfo(QFont(face, 9)).family().section(QStringLiteral(" ["), 0, 0).toStdString(), c.expected)
            << face.toStdString();
    }
    // The fixed-pitch gothic stays fixed pitch, half-width letters alike.
    const QFontMetrics gothic(QFont(QStringLiteral("ＭＳ ゴシック"), 9));
    EXPECT_EQ(gothic.horizontalAdvance(QLatin1Char('i')), gothic.horizontalAdvance(QLatin1Char('W')));
    // Installed faces and faces we know nothing of are left alone.
    EXPECT_TRUE(Font_Stand_Ins(QStringLiteral("IPAGothic")).isEmpty());
    EXPECT_TRUE(Font_Stand_Ins(QStringLiteral("No Such Face")).isEmpty());
}

TEST_F(FontsTest, MessageBoxesAndTooltipsShowEveryJapaneseText) {
    const QStringList texts = TranslationTexts();
    EXPECT_GE(texts.size(), 40);
    EXPECT_TRUE(texts.contains(QStringLiteral("終了してもよろしいですか？")));
    for (const QString& text : texts) {
        EXPECT_EQ(Missing(text, QApplication::font()), "") << text.toStdString();
        EXPECT_EQ(Missing(text, QToolTip::font()), "") << text.toStdString();
    }
}

TEST_F(FontsTest, EveryWindowShowsEveryCaptionInItsOwnFace) {
    ExpectAllGlyphs(Menu(), QStringLiteral("menu.png"));
    Menu()->hide();

    RankData[1] = RankRecord{-1, "ぽに狩り名人", 123450, 1, -1, 45000, "12:34:56", {}, {}};
    RankData[0] = RankRecord{-1, "最下層の民", 30, 0, 0, 45001, " 9:08:07", {}, {}};
    ASSERT_TRUE(Save_Rank());
    auto* rank = new frmRank();
    rank->Update_Rank();
    ASSERT_EQ(rank->lblName[1]->text().trimmed(), QStringLiteral("ぽに狩り名人"));
    ExpectAllGlyphs(rank, QStringLiteral("ranking.png"));
    rank->close();

    auto* config = new frmConfig();
    ExpectAllGlyphs(config, QStringLiteral("config.png"));
    config->close();

    auto* keys = new prefs::frmKeys();
    ExpectAllGlyphs(keys, QStringLiteral("keys.png"));
    keys->close();

    auto* name = new frmGetName();
    name->txtName->setText(QStringLiteral("ガルモ討伐隊"));
    ExpectAllGlyphs(name, QStringLiteral("name.png"));
    name->close();

    glbMain::LiveGameWindow game;
    game.Load();
    game.SetPauseCaption(123450);
    game.SetPauseVisible(true);
    ExpectAllGlyphs(game.form(), QStringLiteral("game.png"));
    game.Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(FontsTest, NameBoxTakesTextFromTheInputMethod) {
    auto* dialog = new frmGetName();
    dialog->show();
    QLineEdit* box = dialog->txtName;
    EXPECT_TRUE(box->testAttribute(Qt::WA_InputMethodEnabled));
    EXPECT_TRUE(box->inputMethodQuery(Qt::ImEnabled).toBool());

    // Composition first shows the pre-edit text, then commits the converted word.
    QInputMethodEvent preedit(QStringLiteral("ぽにがり"), {});
    QCoreApplication::sendEvent(box, &preedit);
    EXPECT_EQ(box->text(), QString());
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("ぽに狩り"));
    QCoreApplication::sendEvent(box, &commit);
    EXPECT_EQ(box->text(), QStringLiteral("ぽに狩り"));
    dialog->cmdCancel->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // Qt reaches IBus and Fcitx 5 through these plugins; without them no input method types.
    const QDir plugins(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforminputcontexts"));
    const QStringList found = plugins.entryList({QStringLiteral("*.so")});
    EXPECT_TRUE(found.join(' ').contains(QStringLiteral("ibus"))) << found.join(' ').toStdString();
    EXPECT_TRUE(found.join(' ').contains(QStringLiteral("fcitx5"))) << found.join(' ').toStdString();
}

// Run again by CTest at 120, 144 and 192 dpi and at Qt scale factors 2 and 3: the fonts
// must grow with the windows' whole-number scale, never on their own.
TEST_F(FontsTest, EveryCaptionFitsItsControl) {
    Fit fit;
    Measure(Menu(), fit, QStringLiteral("menu.png"));
    Menu()->hide();
    auto* rank = new frmRank();
    rank->Update_Rank();
    Measure(rank, fit, QStringLiteral("ranking.png"));
    rank->close();
    auto* config = new frmConfig();
    Measure(config, fit, QStringLiteral("config.png"));
    config->close();
    auto* keys = new prefs::frmKeys();
    Measure(keys, fit, QStringLiteral("keys.png"));
    keys->cmdButton[static_cast<int>(input::Action::Back)]->click();  // the widest caption it shows
    Measure(keys, fit, QStringLiteral("keys-waiting.png"));
    keys->close();
    auto* name = new frmGetName();
    Measure(name, fit, QStringLiteral("name.png"));
    name->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(fit.failures.toStdString(), "");
    std::printf("widest caption (QT_FONT_DPI %s, QT_SCALE_FACTOR %s): %s\n", qgetenv("QT_FONT_DPI").constData(),
                qgetenv("QT_SCALE_FACTOR").constData(), qPrintable(fit.widest));
}
