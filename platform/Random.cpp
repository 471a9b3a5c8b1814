#include "platform/Random.h"

#include <chrono>
#include <random>

namespace platform {

namespace {
std::mt19937_64 g_engine;
uint64_t g_count = 0;
uint64_t g_seed = 0;
} // namespace

void Randomize(uint64_t seed) {
    g_engine.seed(seed);
    g_seed = seed;
    g_count = 0;
}

double Rnd() {
    ++g_count;
    return static_cast<double>(g_engine() >> 11) * 0x1.0p-53;
}

uint64_t RndCount() { return g_count; }
uint64_t RndSeed() { return g_seed; }

uint64_t ClockSeed() {
    return static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()) ^
           static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

} // namespace platform
