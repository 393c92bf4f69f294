#pragma once
// Uniform values 0..32767, the range the chip draw's scaling is built for.

#include <cstdint>
#include <random>

class RandomSource {
public:
    static constexpr int kMax = 32767;

    virtual ~RandomSource() = default;
    virtual void Seed(uint32_t seed) { m_engine.seed(seed); }
    // The top 15 bits of a 32-bit Mersenne Twister draw: uniform over 0..32767.
    virtual int Next() { return static_cast<int>(m_engine() >> 17); }

private:
    std::mt19937 m_engine{0};
};
