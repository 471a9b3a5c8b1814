// Sound effects: which rule asks for which effect, that asking changes nothing in a game, and
// the mixer that plays them: the ceiling, voices that do not pile up, the volume, silence.
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>

#include "enemies/Boss.h"
#include "enemies/EnemyFire.h"
#include "enemies/Items.h"
#include "enemies/Rockets.h"
#include "enemies/Waves.h"
#include "enemies/WeaponHits.h"
#include "platform/EffectsMixer.h"
#include "player/Player.h"
#include "player/Weapons.h"
#include "replay/ReplayPlayer.h"
#include "support/GameFixture.h"

using namespace glbMain;
using platform::Effect;
using platform::EffectsMixer;

namespace {

std::array<int, platform::kEffectCount> Once(Effect e) {
    std::array<int, platform::kEffectCount> counts{};
    ++counts[static_cast<int>(e)];
    return counts;
}

void Arm_Boss() {
    BossPhase = BossPresent = BossVulnerable = platform::True;
    BossHP = 600;
}

void Item_OnShip(int16_t kind) { ItemTable[0] = {platform::True, kind, 0, Player.X, Player.Y, 16, 16}; }

} // namespace

class EffectHooksTest : public GameFixture {};

TEST_F(EffectHooksTest, EachEventAsksForItsEffectOnceAndNothingElse) {
    const std::array<int, platform::kEffectCount> none{};
    struct Case {
        const char* what;
        std::function<void()> act;
        std::array<int, platform::kEffectCount> expected;
    };
    const Case cases[] = {
        {"Balkan fired", [] { Fire_Balkan(); }, Once(Effect::BalkanShot)},
        {"Sonic fired", [] { Player.Power[2] = 1, Fire_Sonic(); }, Once(Effect::Sonic)},
        {"Sonic still out", [] { Player.Power[2] = 1, Sonic.Active = platform::True, Fire_Sonic(); }, none},
        {"Laser fired", [] { Player.Power[3] = 1, Fire_Laser(); }, Once(Effect::Laser)},
        {"Laser cooling down", [] { Player.Power[3] = 1, Laser.Cooldown = 2, Fire_Laser(); }, none},
        {"ぽに shot down", [] { PoniTable[3].Active = platform::True, Destroy_Poni(3); }, Once(Effect::PoniDestroyed)},
        {"ぽに hit by a stray bullet",
         [] {
             PoniTable[1] = {platform::True, -2, 100, 50, 16, 16, 0};
             EnemyBalkanTable[0] = {platform::True, 0, 0, 104, 55, 10, 1};
             Check_StrayBullets();
         },
         Once(Effect::PoniDestroyed)},
        {"boss hit", [] { Arm_Boss(), Damage_Boss(1); }, Once(Effect::BossHit)},
        {"boss not yet vulnerable", [] { Arm_Boss(), BossVulnerable = 0, Damage_Boss(1); }, none},
        {"boss destroyed", [] { Arm_Boss(), BossHP = 0, Damage_Boss(1); }, Once(Effect::BossDestroyed)},
        {"rocket launched", [] { Arm_Boss(), Launch_Rocket(); }, Once(Effect::RocketLaunched)},
        {"shield hit", [] { Player.Shield = 2, Hit_Shield(true); }, Once(Effect::ShieldHit)},
        {"shield stripped", [] { Player.Shield = 3, Strip_Shield(); }, Once(Effect::ShieldHit)},
        {"ship destroyed", [] { Kill_Player(); }, Once(Effect::ShipDestroyed)},
        {"item picked up", [] { Item_OnShip(0), PickUp_Items(); }, Once(Effect::ItemPickedUp)},
        {"bomb picked up", [] { Item_OnShip(5), PickUp_Items(); }, Once(Effect::Bomb)},
    };
    for (const Case& c : cases) {
        SetUp();
        host.effects = {};
        c.act();
        EXPECT_EQ(host.effects, c.expected) << c.what;
    }
}

// A replay played with a live host that takes the effects still ends where it was recorded:
// asking for an effect changes nothing in the game.
TEST_F(EffectHooksTest, AReplayWithEffectsEndsAsRecorded) {
    const char* dir = std::getenv("PONIGARI_TEST_DATA");
    std::ifstream in(std::string(dir ? dir : "tests/data") + "/replays/hard.rep");
    std::stringstream text;
    text << in.rdbuf();
    replay::Replay r;
    ASSERT_TRUE(replay::Parse(text.str(), r).ok);
    platform::ScriptedHost live;
    EXPECT_EQ(replay::Play_Replay(r, {&live}).desync, "");
    EXPECT_EQ(live.effects[static_cast<int>(Effect::ShipDestroyed)], 1);
}

// ---- the mixer ----------------------------------------------------------------------------

namespace {

constexpr int kBlock = 512;

// A steady tone of the given amplitude, `frames` long: easy to measure in the mix.
EffectsMixer::Sound Tone(float amplitude, int frames) {
    EffectsMixer::Sound s(2 * static_cast<size_t>(frames));
    for (int i = 0; i < frames; ++i) s[2 * i] = s[2 * i + 1] = amplitude * std::sin(0.07f * static_cast<float>(i));
    return s;
}

struct Block {
    std::vector<float> samples = std::vector<float>(2 * kBlock);
    float Peak() const {
        float p = 0;
        for (float v : samples) p = std::max(p, std::fabs(v));
        return p;
    }
};

Block MixOnce(EffectsMixer& mixer) {
    Block b;
    mixer.Mix(b.samples.data(), kBlock);
    return b;
}

} // namespace

TEST(EffectsMixerTest, EveryEffectAtOnceAtFullScaleStaysUnderTheCeilingAndAudible) {
    EffectsMixer mixer;
    mixer.SetVolume(100);
    for (int e = 0; e < platform::kEffectCount; ++e) mixer.SetSound(static_cast<Effect>(e), Tone(1.0f, 20 * kBlock));
    float loudest = 0, quietest = 1;
    for (int b = 0; b < 16; ++b) {
        for (int e = 0; e < platform::kEffectCount; ++e) mixer.Trigger(static_cast<Effect>(e));
        const Block out = MixOnce(mixer);
        loudest = std::max(loudest, out.Peak());
        quietest = std::min(quietest, out.Peak());
    }
    EXPECT_LE(loudest, EffectsMixer::kCeiling + 1e-6f);
    EXPECT_GT(quietest, 0.8f * EffectsMixer::kCeiling);  // bent under it, not silenced
}

TEST(EffectsMixerTest, AnEffectAskedForEveryPassKeepsToItsFewVoices) {
    EffectsMixer mixer;
    mixer.SetSound(Effect::BalkanShot, Tone(0.1f, 40 * kBlock));
    mixer.SetSound(Effect::PoniDestroyed, Tone(0.1f, 40 * kBlock));
    // Ten ぽに in one pass start one voice.
    for (int i = 0; i < 10; ++i) mixer.Trigger(Effect::PoniDestroyed);
    MixOnce(mixer);
    EXPECT_EQ(mixer.Sounding(), 1);
    // A shot every block for long: at most two at once, and one fading out while a third starts.
    float peak = 0;
    for (int b = 0; b < 60; ++b) {
        mixer.Trigger(Effect::BalkanShot);
        peak = std::max(peak, MixOnce(mixer).Peak());
        EXPECT_LE(mixer.Sounding(), 1 + 2) << "block " << b;
    }
    EXPECT_LE(peak, 0.1f * 0.8f * 3);
}

TEST(EffectsMixerTest, VolumeScalesTheMixAndSilenceEndsEveryVoice) {
    struct Case {
        int volume;
        float expectedPeak;
    };
    for (const Case c : {Case{100, 0.2f}, Case{50, 0.1f}, Case{0, 0.0f}, Case{250, 0.2f}, Case{-5, 0.0f}}) {
        EffectsMixer mixer;
        mixer.SetVolume(c.volume);
        mixer.SetSound(Effect::Bomb, Tone(0.2f, 40 * kBlock));
        mixer.Trigger(Effect::Bomb);
        MixOnce(mixer);
        EXPECT_NEAR(MixOnce(mixer).Peak(), c.expectedPeak, 0.003f) << "volume " << c.volume;
        mixer.Silence();
        EXPECT_EQ(MixOnce(mixer).Peak(), 0.0f) << "volume " << c.volume;
        EXPECT_EQ(mixer.Sounding(), 0);
    }
}

TEST(EffectsMixerTest, AFullQueueDropsRequestsWithoutBlockingAndAMissingSoundIsSilent) {
    EffectsMixer mixer;
    mixer.SetSound(Effect::Laser, Tone(0.1f, 4 * kBlock));
    for (int i = 0; i < 10000; ++i) mixer.Trigger(i % 2 ? Effect::Laser : Effect::Sonic);
    EXPECT_GT(MixOnce(mixer).Peak(), 0.0f);
    EXPECT_EQ(mixer.Sounding(), 1);  // the Sonic has no sound
    for (int b = 0; b < 5; ++b) MixOnce(mixer);
    EXPECT_EQ(mixer.Sounding(), 0);  // the Laser has ended
}
