#pragma once

#include <cstdint>
#include <optional>

namespace varmio {

// The run time's pseudo-random numbers.
class Random {
  public:
    virtual ~Random() = default;
    // The next number in [0, 1).
    virtual double Rnd() = 0;
    // Reseeds from the clock.
    virtual void Randomize() = 0;
};

// The run time's 24-bit linear congruential generator. With a fixed seed, reseeding from the
// clock restarts from that seed, so a run repeats exactly.
class LcgRandom : public Random {
  public:
    explicit LcgRandom(std::optional<std::uint32_t> fixedSeed = std::nullopt);
    double Rnd() override;
    void Randomize() override;

  private:
    void seed(std::uint32_t value);

    std::optional<std::uint32_t> fixedSeed_;
    std::uint32_t state_ = 0x50000;
};

}  // namespace varmio
