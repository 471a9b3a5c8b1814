// Seeded random files for the ranking loader and the ranking window: whatever Ranking.sav
// holds, nothing crashes, the file ends up 0 or 426 bytes long, a sound file keeps its
// filler and comes out sorted, and every label shows some text.
#include <QCoreApplication>
#include <QRegularExpression>
#include <cstring>
#include <limits>
#include <random>

#include "support/RankFolder.h"

#include "platform/Sjis.h"
#include "records/Windows.h"
#include "records/frmRank.h"

using namespace glbSystem;

namespace {

class Maker {
public:
    explicit Maker(uint32_t seed) : rng_(seed) {}

    int Below(int n) { return static_cast<int>(rng_() % static_cast<uint32_t>(n)); }

    std::string Bytes(std::size_t n) {
        std::string out(n, '\0');
        for (char& c : out) c = static_cast<char>(rng_());
        return out;
    }

    // Text bytes that mix good characters with every kind of damage.
    std::string Text(std::size_t n) {
        static const std::string pieces[] = {"A", " ", std::string(1, '\0'), "\x82\xDB", "\x82", "\x80", "\xA0", "\xFD",
                                             "\xFF", "\xB1", "\x85\x40", "\xFA\x40", "\x81\x7F", "\xEF\xFC"};
        std::string out;
        while (out.size() < n) out += pieces[Below(std::size(pieces))];
        out.resize(n);
        return out;
    }

    double Date() {
        const double odd[] = {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                              -std::numeric_limits<double>::infinity(), 1e308, -1e308, -0.0, 4.9e-324,
                              2958465.999, 2958466.0, -657434.5, -657435.0, 45000.5};
        if (Below(2)) return odd[Below(std::size(odd))];
        double d;
        const std::string raw = Bytes(8);
        std::memcpy(&d, raw.data(), 8);
        return d;
    }

    // A file that passes the check: scores are multiples of ten or the cap.
    std::string SoundFile() {
        std::array<Slot, 6> rows{};
        for (Slot& s : rows) {
            s.used = static_cast<int16_t>(Below(3) == 0 ? Below(65536) - 32768 : Below(2) ? -1 : 0);
            s.name = Text(20);
            s.score = Below(10) == 0 ? 999999 : (Below(200) - 100) * 10 * (Below(2) ? 1 : 1000);
            s.mode = static_cast<int16_t>(Below(4) == 0 ? Below(65536) - 32768 : Below(2));
            s.clear = static_cast<int16_t>(Below(4) == 0 ? Below(65536) - 32768 : -Below(2));
            s.date = Date();
            s.time = Text(8);
        }
        return FileBytes(rows, 1 + Below(200));
    }

    std::string AnyFile() {
        switch (Below(3)) {
        case 0: return Bytes(1 + Below(1000));
        case 1: return Bytes(RankFileSize);
        default: return SoundFile();
        }
    }

private:
    std::mt19937 rng_;
};

bool FillerKept(const std::string& before, const std::string& after) {
    for (int slot = 0; slot < 5; ++slot)
        if (before.substr(slot * 76 + 46, 30) != after.substr(slot * 76 + 46, 30)) return false;
    return true;
}

bool LabelsShowText(const frmRank* w) {
    static const QRegularExpression date(QStringLiteral("^(\\d{4}/\\d\\d/\\d\\d|\\?\\?/\\?\\?/\\?\\?)$"));
    for (int i = 0; i < 6; ++i) {
        if (w->lblName[i]->text().isEmpty() || w->lblScore[i]->text().isEmpty() || w->lblMode[i]->text().isEmpty())
            return false;
        if (!date.match(w->lblDate[i]->text()).hasMatch()) return false;
    }
    return true;
}

} // namespace

class RankingFuzzTest : public RankFolder {};

TEST_F(RankingFuzzTest, RandomFilesLoadAndShowSafely) {
    Maker make(20240611);
    Open_Rank({});
    frmRank* window = Rank_Window();
    ASSERT_TRUE(window);
    int repaired = 0, sound = 0;
    for (int round = 0; round < 2000; ++round) {
        SCOPED_TRACE(round);
        const std::string input = make.AnyFile();
        WriteFile(input);
        host.boxes.clear();
        if (round % 10 == 0) {
            window->Update_Rank();
            ASSERT_TRUE(LabelsShowText(window));
        } else {
            Load_Rank();
        }
        const std::string file = ReadFile();
        ASSERT_EQ(file.size(), 426u);
        ASSERT_TRUE(host.boxes.size() == 0 || host.boxes.size() == 2);
        if (!host.boxes.empty()) {
            ++repaired;
            ASSERT_EQ(file, std::string(426, '\0'));
            continue;
        }
        ++sound;
        ASSERT_EQ(input.size(), 426u);
        EXPECT_TRUE(FillerKept(input, file));
        for (const RankRecord& row : RankData) {
            EXPECT_EQ(platform::Utf8_Chars(row.Name).size(), 20u);
            EXPECT_EQ(platform::Utf8_Chars(row.Time).size(), 8u);
        }
        // The leading used places come out best first by score, then mode.
        for (int i = 2; i <= 5 && RankData[i].Used && RankData[i - 1].Used; ++i) {
            const RankRecord& a = RankData[i - 1];
            const RankRecord& b = RankData[i];
            EXPECT_TRUE(a.Score > b.Score || (a.Score == b.Score && a.Mode >= b.Mode)) << "place " << i;
        }
        Load_Rank();
        EXPECT_EQ(ReadFile(), file) << "a second load changes nothing";
    }
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Both kinds of file came up often enough to matter.
    EXPECT_GT(repaired, 500);
    EXPECT_GT(sound, 500);
}
