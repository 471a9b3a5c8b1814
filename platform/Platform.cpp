#include "platform/Platform.h"

#include <cassert>
#include <chrono>
#include <cstdio>
#include <ctime>

namespace platform {

namespace {
Host* g_host = nullptr;
}

Host& CurrentHost() {
    assert(g_host && "no platform host installed");
    return *g_host;
}

Host* InstallHost(Host* host) {
    Host* const previous = g_host;
    g_host = host;
    return previous;
}

int32_t timeGetTime() { return CurrentHost().TimeMs(); }

int16_t GetAsyncKeyState(int vk) { return CurrentHost().KeyHeld(vk) ? static_cast<int16_t>(-32768) : 0; }

int MsgBox(const Text& prompt, int buttons, const Text& title) {
    return CurrentHost().MessageBox(prompt, title, buttons);
}

void Mci_Command(const std::string& command) { CurrentHost().MediaCommand(command); }
void Mci_FileName(const std::string& fileName) { CurrentHost().MediaFileName(fileName); }
void DoEvents() { CurrentHost().DoEvents(); }
void Beep() { CurrentHost().Beep(); }
void Play_Effect(Effect effect) { CurrentHost().SoundEffect(effect); }

namespace {
std::tm LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    return parts;
}
} // namespace

double Host::Today() {
    // Days from 1899-12-30 to the local calendar date: count via the civil-from-days formula
    // so no time zone offset creeps into the day number.
    const std::tm t = LocalNow();
    using namespace std::chrono;
    const sys_days day = year{t.tm_year + 1900} / month{static_cast<unsigned>(t.tm_mon + 1)} /
                         std::chrono::day{static_cast<unsigned>(t.tm_mday)};
    const sys_days epoch = year{1899} / month{12} / std::chrono::day{30};
    return static_cast<double>((day - epoch).count());
}

std::string Host::TimeOfDay() {
    const std::tm t = LocalNow();
    char text[16];
    std::snprintf(text, sizeof text, "%d:%02d:%02d", t.tm_hour, t.tm_min, t.tm_sec);
    return text;
}

} // namespace platform
