#include "random.h"

#include <chrono>

namespace varmio {

namespace {
constexpr std::uint32_t kMask = 0xFFFFFF;
}

LcgRandom::LcgRandom(std::optional<std::uint32_t> fixedSeed) : fixedSeed_(fixedSeed) {
    if (fixedSeed_) seed(*fixedSeed_);
}

double LcgRandom::Rnd() {
    state_ = (state_ * 1140671485u + 12820163u) & kMask;
    return static_cast<double>(state_) / 16777216.0;
}

void LcgRandom::Randomize() {
    if (fixedSeed_) {
        seed(*fixedSeed_);
        return;
    }
    auto now = std::chrono::system_clock::now().time_since_epoch();
    seed(static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
}

void LcgRandom::seed(std::uint32_t value) {
    // Mix all 32 bits into the 24-bit state so that nearby seeds give unrelated sequences.
    std::uint32_t mixed = value ^ (value >> 8) ^ (value << 7);
    state_ = mixed & kMask;
}

}  // namespace varmio
