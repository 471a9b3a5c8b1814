// Registering a result: which row it earns, the name it gets, and the name rules.
#include <QCoreApplication>

#include "support/RankFolder.h"

#include "records/Register.h"
#include "records/frmGetName.h"

using namespace glbSystem;
using namespace platform;

namespace {

Slot Place(int32_t score, int16_t mode = 0, int16_t clear = 0) {
    Slot s;
    s.used = -1;
    s.name = "old" + std::to_string(score);
    s.score = score;
    s.mode = mode;
    s.clear = clear;
    s.time = "12:00:00";
    return s;
}

RankRecord Result(int32_t score, int16_t mode = 0, int16_t clear = 0) {
    RankRecord r;
    r.Used = -1;
    r.Name = std::string(20, ' ');
    r.Score = score;
    r.Mode = mode;
    r.Clear = clear;
    r.Date = 45000;
    r.Time = "12:34:56";
    return r;
}

std::string Padded20(const std::string& name, int chars) { return name + std::string(20 - chars, ' '); }

} // namespace

class RegisterTest : public RankFolder {
protected:
    void SetUp() override {
        RankFolder::SetUp();
        Show_GetName = &Open_GetName;
    }
    void TearDown() override {
        host.onEvents = nullptr;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        RankFolder::TearDown();
    }
    // Answers the name dialog, once it is open, with this name and OK.
    void WillEnter(const std::string& name) {
        host.onEvents = [name] {
            frmGetName* dialog = GetName_Window();
            if (!dialog || !dialog->isVisible()) return;
            dialog->txtName->setText(QString::fromStdString(name));
            dialog->cmdEnter->click();
        };
    }
    void StorePlaces(std::initializer_list<Slot> places, Slot pariah = Slot{}) {
        std::array<Slot, 6> rows{};
        rows[0] = pariah;
        int i = 1;
        for (const Slot& s : places) rows[i++] = s;
        WriteFile(FileBytes(rows));
    }
    std::array<int32_t, 5> PlaceScores() const {
        std::array<int32_t, 5> scores{};
        for (int i = 1; i <= 5; ++i) scores[i - 1] = RankData[i].Used ? RankData[i].Score : -1;
        return scores;
    }
};

TEST_F(RegisterTest, LowResultReplacesThePariahRowWhateverItHeld) {
    StorePlaces({Place(500)}, Place(10));
    WillEnter("Low");
    RankRecord result = Result(90);
    EXPECT_TRUE(Register_Rank(result));
    ASSERT_GE(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].prompt, "ランキングを更新しました！");
    EXPECT_EQ(host.boxes[0].title, "NEW RECORD !!");
    EXPECT_EQ(host.boxes[0].buttons, MB_OK);
    EXPECT_EQ(RankData[0].Score, 90);
    EXPECT_EQ(RankData[0].Name, Padded20("Low", 3));
    EXPECT_EQ(result.Name, Padded20("Low", 3)) << "the caller's record gets the name too";
    EXPECT_EQ(PlaceScores(), (std::array<int32_t, 5>{500, -1, -1, -1, -1}));

    ASSERT_TRUE(Save_Rank());
    RankRecord worse = Result(10);
    EXPECT_TRUE(Register_Rank(worse));
    EXPECT_EQ(RankData[0].Score, 10);
}

TEST_F(RegisterTest, LowResultNeverTakesAnEmptyPlace) {
    WillEnter("Low");
    RankRecord result = Result(0);
    EXPECT_TRUE(Register_Rank(result));
    EXPECT_EQ(RankData[0].Score, 0);
    EXPECT_EQ(RankData[0].Used, -1);
    EXPECT_EQ(PlaceScores(), (std::array<int32_t, 5>{-1, -1, -1, -1, -1}));
}

TEST_F(RegisterTest, ClearedOrHundredCompetesForPlaces) {
    WillEnter("Hero");
    RankRecord cleared = Result(90, 0, -1);
    EXPECT_TRUE(Register_Rank(cleared));
    EXPECT_EQ(RankData[1].Score, 90);
    EXPECT_EQ(RankData[0].Used, 0);

    RankData = {};
    QFile::remove(QStringLiteral("Ranking.sav"));
    RankRecord hundred = Result(100);
    EXPECT_TRUE(Register_Rank(hundred));
    EXPECT_EQ(RankData[1].Score, 100);
}

TEST_F(RegisterTest, ClearedZeroAgainstAnEmptyRankingIsOfferedNothing) {
    RankRecord result = Result(0, 0, -1);
    EXPECT_FALSE(Register_Rank(result));
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(host.doEventsCalls, 0) << "no dialog was waited for";
    EXPECT_EQ(GetName_Window(), nullptr);
    EXPECT_EQ(result.Name, std::string(20, ' '));
}

TEST_F(RegisterTest, PlacesFollowScoreModeAndClearFlag) {
    const auto full = {Place(500), Place(400), Place(300), Place(200), Place(100)};
    WillEnter("New");

    StorePlaces(full);
    RankRecord normal = Result(100);
    EXPECT_TRUE(Register_Rank(normal));
    EXPECT_EQ(PlaceScores(), (std::array<int32_t, 5>{500, 400, 300, 200, 100}));
    EXPECT_EQ(RankData[5].Name, Padded20("New", 3)) << "the old 100 dropped out";

    StorePlaces(full);
    RankRecord cleared = Result(100, 0, -1);
    EXPECT_FALSE(Register_Rank(cleared));

    StorePlaces(full);
    RankRecord hard = Result(100, 1);
    EXPECT_TRUE(Register_Rank(hard));
    EXPECT_EQ(RankData[5].Mode, 1);

    StorePlaces(full);
    RankRecord middle = Result(300);
    EXPECT_TRUE(Register_Rank(middle));
    EXPECT_EQ(PlaceScores(), (std::array<int32_t, 5>{500, 400, 300, 300, 200}));
    EXPECT_EQ(RankData[3].Name, Padded20("New", 3)) << "a new equal result goes above the old one";
    EXPECT_EQ(RankData[4].Name, Padded20("old300", 6));

    // A cleared result goes below an uncleared one of equal score and mode, but above a cleared
    // one. (The load puts the uncleared 300 first.)
    StorePlaces({Place(500), Place(300, 0, -1), Place(300)});
    RankRecord clearedMiddle = Result(300, 0, -1);
    EXPECT_TRUE(Register_Rank(clearedMiddle));
    EXPECT_EQ(RankData[2].Clear, 0);
    EXPECT_EQ(RankData[3].Name, Padded20("New", 3));
    EXPECT_EQ(RankData[4].Clear, -1);

    // Only a clear flag of exactly -1 lets a cleared result above it.
    StorePlaces({Place(500), Place(300, 0, 1)});
    RankRecord againstOne = Result(300, 0, -1);
    EXPECT_TRUE(Register_Rank(againstOne));
    EXPECT_EQ(RankData[2].Clear, 1);
    EXPECT_EQ(RankData[3].Name, Padded20("New", 3));
}

TEST_F(RegisterTest, CancelOrConfirmedBlankNameChangesNothing) {
    StorePlaces({Place(500)});
    host.onEvents = [] {
        if (frmGetName* dialog = GetName_Window(); dialog && dialog->isVisible()) dialog->cmdCancel->click();
    };
    RankRecord result = Result(700);
    EXPECT_FALSE(Register_Rank(result));
    EXPECT_EQ(PlaceScores(), (std::array<int32_t, 5>{500, -1, -1, -1, -1}));

    WillEnter("　 ");  // blank in both widths; the warning is answered Yes
    EXPECT_FALSE(Register_Rank(result));
    EXPECT_EQ(host.boxes.back().title, "Warning !!");
    EXPECT_EQ(PlaceScores(), (std::array<int32_t, 5>{500, -1, -1, -1, -1}));
}

TEST_F(RegisterTest, NameKeepsItsSpacesAndIsPaddedToTwentyCharacters) {
    WillEnter(" ぽ　に ");
    RankRecord result = Result(500);
    EXPECT_TRUE(Register_Rank(result));
    EXPECT_EQ(RankData[1].Name, Padded20(" ぽ　に ", 5));
    ASSERT_TRUE(Save_Rank());
    EXPECT_EQ(FieldAt(ReadFile(), 1, 2, 20), std::string(" \x82\xDB\x81\x40\x82\xC9 ") + std::string(12, ' '));
}

TEST(NameRulesTest, AnsiLengthCountsShiftJisBytes) {
    EXPECT_EQ(Ansi_Length(""), 0);
    EXPECT_EQ(Ansi_Length("Abc 1"), 5);
    EXPECT_EQ(Ansi_Length("ぽに狩り"), 8);
    EXPECT_EQ(Ansi_Length("ｱｲｳｴｵ"), 5) << "half-width katakana take one byte";
    EXPECT_EQ(Ansi_Length("Ａ　①"), 6);
}

TEST(NameRulesTest, BlankMeansOnlySpacesOfEitherWidth) {
    EXPECT_TRUE(Is_Blank(""));
    EXPECT_TRUE(Is_Blank("   "));
    EXPECT_TRUE(Is_Blank("　　"));
    EXPECT_TRUE(Is_Blank(" 　 "));
    EXPECT_FALSE(Is_Blank(" a "));
    EXPECT_FALSE(Is_Blank("\t"));
    EXPECT_FALSE(Is_Blank("　ぽ"));
}

TEST(NameRulesTest, CutNameKeepsTheLongestFittingStart) {
    const std::string ten = "ぽにぽにぽにぽにぽに";
    EXPECT_EQ(frmGetName::Cut_Name(ten, 20), ten);
    EXPECT_EQ(frmGetName::Cut_Name(ten + "か", 20), ten);
    EXPECT_EQ(frmGetName::Cut_Name("ぽにぽにぽにぽにぽ" "abc", 20), "ぽにぽにぽにぽにぽ" "ab");
    EXPECT_EQ(frmGetName::Cut_Name("abc" "ぽにぽにぽにぽにぽ", 20), "abc" "ぽにぽにぽにぽに");
    EXPECT_EQ(Ansi_Length("abc" "ぽにぽにぽにぽに"), 19);
    EXPECT_EQ(frmGetName::Cut_Name("ぽ", 1), "");
    EXPECT_EQ(frmGetName::Cut_Name("", 20), "");
}
