// The game window on a real X server repaints only what changed; after every frame of a
// replayed game the screen must still show exactly that frame, scaled by the largest whole
// number that fits and centred on black: at 1x, 4x and an odd size, through the first frame,
// flashes, the pause label, a covering window and hiding and showing.
#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QScreen>
#include <QTest>

#include "app/LiveHost.h"
#include "app/ReplayMode.h"
#include "game/frmMain.h"
#include "game/glbMain.h"

using namespace glbMain;

namespace {

// Nobody is there to answer the end boxes.
class QuietHost : public app::LiveHost {
public:
    int MessageBox(const platform::Text&, const platform::Text&, int) override { return platform::IDOK; }
};

// What happens to the window before the frame of a pass is presented. Sizes are in device
// pixels; at a desktop scale of 2 the window gets half of them, as far as its smallest size lets.
struct Step {
    int pass;
    enum { Size, Label, Cover, HideShow } what;  // Label shows or hides the pause label
    int width = 0, height = 0;
};

// The live window, checked against the frame after every present.
class CheckedWindow : public LiveGameWindow {
public:
    CheckedWindow(const char* replay, std::vector<Step> steps) : replay_(replay), steps_(std::move(steps)) {}

    void Present(const draw::FrameImage& frame) override {
        // The first frame, flashes (one back colour in opposite corners) and each step are
        // kept to be looked at.
        bool keep = gamePass == 0 || (frame.At(0, 0) != 0xff000000u && frame.At(0, 0) == frame.At(319, 239));
        for (const Step& step : steps_)
            if (step.pass == gamePass) {
                Apply(step);
                keep = true;
            }
        LiveGameWindow::Present(frame);
        // What the player sees: the frame and whatever the event loop does before the next one.
        QCoreApplication::processEvents();
        if (form()->isVisible() && !::testing::Test::HasFailure()) Check(frame, keep);
    }
    int checked = 0;

private:
    void Apply(const Step& step) {
        frmMain* f = form();
        switch (step.what) {
        case Step::Size: {
            const qreal ratio = f->devicePixelRatio();
            f->resize(std::max(320, int(step.width / ratio)), std::max(240, int(step.height / ratio)));
            f->move(0, 0);
            break;
        }
        case Step::Label: SetPauseVisible(!f->lblPause->isVisible()); break;
        case Step::Cover: {
            QWidget cover;
            cover.setGeometry(f->x() + 40, f->y() + 30, 200, 150);
            cover.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&cover));
            cover.hide();
            // Time for the server's expose of what it hid to arrive and be answered.
            QTest::qWait(200);
            break;
        }
        case Step::HideShow:
            SetVisible(false);
            QCoreApplication::processEvents();
            SetVisible(true);
            break;
        }
    }

    QImage Shot() {
        return form()->screen()->grabWindow(form()->winId()).toImage().convertToFormat(QImage::Format_RGB32);
    }

    // A failure keeps its screenshot.
    void Check(const draw::FrameImage& frame, bool keep) {
        frmMain* f = form();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(f));
        const QImage shot = Shot();
        const QString name =
            QStringLiteral("%1/%2/pass-%3.png").arg(qEnvironmentVariable("PONIGARI_ARTIFACTS"), replay_).arg(gamePass);
        const int w = shot.width(), h = shot.height(), ratio = qRound(f->devicePixelRatio());
        ASSERT_EQ(QSize(w, h), f->size() * ratio);
        // The labels over the field (the pause label, the REPLAY mark): under them, what a
        // whole repaint of the window shows.
        QRegion labels;
        for (const QLabel* label : f->findChildren<QLabel*>())
            if (label->isVisible()) labels += QRect(label->geometry().topLeft() * ratio, label->size() * ratio);
        if (!labels.isEmpty()) {
            f->repaint();
            ASSERT_TRUE(shot == Shot()) << "under the labels at pass " << gamePass;
        }
        const int scale = std::max(1, std::min(w / 320, h / 240));
        const int left = (w - 320 * scale) / 2, top = (h - 240 * scale) / 2;
        for (int y = 0; y < h; ++y) {
            const QRgb* row = reinterpret_cast<const QRgb*>(shot.constScanLine(y));
            for (int x = 0; x < w; ++x) {
                const int fx = x - left, fy = y - top;
                const bool inField = fx >= 0 && fy >= 0 && fx < 320 * scale && fy < 240 * scale;
                const QRgb want = inField ? frame.At(fx / scale, fy / scale) : 0xff000000u;
                if ((row[x] | 0xff000000u) == want || labels.contains(QPoint(x, y))) continue;
                shot.save(name);
                FAIL() << "pass " << gamePass << ", window " << w << "x" << h << ": pixel " << x << "," << y << " is "
                       << std::hex << row[x] << " where the frame has " << want << " (" << name.toStdString() << ")";
            }
        }
        if (keep) shot.save(name);
        ++checked;
    }

    const char* replay_;
    std::vector<Step> steps_;
};

struct Game {
    const char* replay;
    std::vector<Step> steps;
};

class FieldViewTest : public ::testing::TestWithParam<Game> {};

TEST_P(FieldViewTest, ScreenShowsEveryFrameScaledAndCentred) {
    QDir shots(qEnvironmentVariable("PONIGARI_ARTIFACTS") + "/" + GetParam().replay);
    shots.removeRecursively();
    shots.mkpath(".");
    QuietHost host;
    platform::InstallHost(&host);
    CheckedWindow window(GetParam().replay, GetParam().steps);
    InstallWindow(&window);
    app::ReplayRequest request;
    request.file = (qEnvironmentVariable("PONIGARI_TEST_DATA") + "/replays/" + GetParam().replay).toStdString();
    EXPECT_EQ(app::Play_ReplayFile(request, &host), 0);
    InstallWindow(nullptr);
    platform::InstallHost(nullptr);
    EXPECT_GT(window.checked, 150);
}

// hard.rep flashes the whole field at passes 110 and 158 and ends at 199; debug.rep pauses,
// hides and shows the game itself, and rains explosions.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Replays, FieldViewTest, ::testing::Values(
    Game{"hard.rep", {{30, Step::Label}, {36, Step::Label}, {60, Step::Size, 1280, 1024}, {80, Step::Cover},
                      {95, Step::Label}, {100, Step::Label}, {130, Step::Size, 1003, 735}, {140, Step::HideShow}}},
    Game{"debug.rep", {{0, Step::Size, 1280, 1024}, {150, Step::Size, 1003, 735}, {200, Step::HideShow},
                       {250, Step::Size, 320, 240}}}));
// clang-format on

} // namespace
