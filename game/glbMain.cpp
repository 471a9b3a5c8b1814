#include "game/glbMain.h"

#include "draw/Draw.h"
#include "enemies/Blasts.h"
#include "enemies/Boss.h"
#include "enemies/EnemyFire.h"
#include "enemies/Items.h"
#include "enemies/Rockets.h"
#include "enemies/Waves.h"
#include "enemies/WeaponHits.h"
#include "game/Bgm.h"
#include "game/EndScreens.h"
#include "game/GameWindow.h"
#include "game/Keys.h"
#include "platform/Platform.h"
#include "platform/Types.h"
#include "player/Player.h"
#include "player/Stars.h"
#include "player/Weapons.h"
#include "records/Config.h"
#include "records/Ranking.h"
#include "state/Field.h"

namespace glbMain {

using namespace platform;
using glbSystem::cfgLimiter;
using glbSystem::cfgRefresh;

namespace {
GameWindow* g_window = nullptr;
HeadlessWindow g_headless;

// Where Reset_World centres the pictures whose tops the rules read: vertically in the field.
int16_t CentredTop(glbMain::SpriteId id) {
    return static_cast<int16_t>(CInt((glbMain::FieldHeight - glbMain::kSprite[id].Height) / 2.0));
}
} // namespace

GameWindow& Window() { return g_window ? *g_window : g_headless; }
void InstallWindow(GameWindow* window) { g_window = window; }

void Reset_World() {
    Window().Load();
    gameQuit = gameAborted = gameHidden = gamePaused = False;
    gameFrame = 0;
    gameScore = 0;
    gameHasKilled = False;
    gameBlastShower = False;
    gameBackColor = 0;

    Fill_BgmTracks();
    bgmNewTrack = True;

    Setup_Stars();

    Player.Alive = True;
    Player.X = 64;
    Player.Y = CentredTop(glbMain::picPlayerChar);
    Player.Width = glbMain::kSprite[glbMain::picPlayerChar].Width;
    Player.Height = glbMain::kSprite[glbMain::picPlayerChar].Height;
    Player.Speed = 2;
    Player.MainWeapon = 1;
    Player.SubWeapon = 0;
    Player.Power = {0, 1, 0, 0};
    Player.Shield = 0;
    Player.FireWait = 0;

    for (auto& shot : BalkanShot) {
        shot.Active = False;
        shot.Speed = 10;
        shot.Width = 12;
        shot.Height = 1;
    }
    NextBalkan = 0;
    Sonic.Active = False;
    Sonic.Speed = 12;
    Sonic.Width = 10;
    Laser.Active = False;
    Laser.Cooldown = 0;

    for (auto& item : ItemTable) item.Active = False;
    for (auto& poni : PoniTable) {
        poni.Active = False;
        poni.Width = glbMain::kSprite[glbMain::picPoni].Width;
        poni.Height = glbMain::kSprite[glbMain::picPoni].Height;
        poni.FireWait = 0;
    }
    BossPhase = BossPresent = BossVulnerable = BossFireOn = False;
    BossFireWait = 0;
    for (auto& bullet : EnemyBalkanTable) {
        bullet.Active = False;
        bullet.Width = 10;
        bullet.Height = 1;
    }
    for (auto& rocket : BossRocketTable) {
        rocket.Active = False;
        rocket.Width = glbMain::kSprite[glbMain::picBoss_Rocket].Width;
        rocket.Height = glbMain::kSprite[glbMain::picBoss_Rocket].Height;
    }
    for (auto& blast : BlastTable) {
        blast.Width = 96;
        blast.Height = 96;
        blast.Active = False;
    }
}

void Make_Result(glbSystem::RankRecord& result) {
    result.Used = True;
    result.Name = std::string(20, ' ');
    result.Score = gameScore <= 999999 ? gameScore : 999999;
    result.Mode = glbSystem::cfgHardMode;
    if (BossPhase && !BossPresent) result.Clear = True;
    result.Date = CurrentHost().Today();
    std::string time = CurrentHost().TimeOfDay();
    if (time.size() < 8) time.insert(0, 8 - time.size(), ' ');
    result.Time = time;
}

void Wait_Frame(int32_t frameStart) {
    if (!cfgLimiter) return;
    // V is read once, before the wait begins.
    const int32_t length = KeyDown(VK_V) ? 15 : 25;
    // The deadline wraps with the clock instead of overflowing.
    const int32_t deadline = static_cast<int32_t>(static_cast<uint32_t>(frameStart) + static_cast<uint32_t>(length));
    while (ClockDiff(timeGetTime(), frameStart) < length) CurrentHost().WaitUntil(deadline);
}

void Run_Game(glbSystem::RankRecord& result) {
    if (gameObserver) gameObserver->GameStarting();
    Reset_World();
    Window().Show();
    gamePass = 0;
    for (;;) {
        if (gameObserver) gameObserver->PassStarting();
        if (gameQuit) break;
        gamePassFlash = 0;
        const int32_t frameStart = timeGetTime();
        if (!gameHidden) Update_Bgm();
        Update_Pause();
        Hold_Pause();
        Blast_Shower();
        Run_BossScript();
        Spawn_Stars();
        Fire_Weapons();
        Schedule_Waves();
        Tick_EnemyFire();
        Tick_BossFire();
        Move_Stars();
        Move_Player();
        Move_Shots();
        Move_Items();
        Move_Ponis();
        Move_EnemyBalkans();
        Move_Rockets();
        Animate_Blasts();
        if (gameDrawFrames) {
            draw::Compose_Frame(gameBackColor);
            if (cfgRefresh) Window().Present(draw::Frame);
        }
        Check_PoniRams();
        Check_EnemyBalkanHits();
        Check_BossContact();
        Check_RocketHits();
        Check_StrayBullets();
        Check_WeaponHits();
        Check_RocketShots();
        PickUp_Items();
        Check_Clear();
        Check_GameOver();
        Flash_Screen(0);
        ++gameFrame;
        if (gameObserver) gameObserver->PassEnded();
        // Events from here on are handled between this pass and the next.
        ++gamePass;
        Wait_Frame(frameStart);
        DoEvents();
    }
    if (!gameAborted) Make_Result(result);
    Window().Unload();
    if (gameObserver) gameObserver->GameEnded();
}

} // namespace glbMain
