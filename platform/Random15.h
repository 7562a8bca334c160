#pragma once
#include <cstdint>

// 15-bit pseudo-random generator (0..32767) in place of the runtime's rand/srand,
// whose range differs between platforms. Same seed, same sequence.
class Random15 {
public:
    static constexpr int Max = 32767;

    explicit Random15(uint32_t seed = 1) : state(seed) {}
    void Seed(uint32_t seed) { state = seed; }
    int Next()
    {
        state = state * 1103515245u + 12345u;
        return static_cast<int>((state / 65536u) % 32768u);
    }

private:
    uint32_t state;
};

// The generator shared by the painters and the zoom (one program-wide stream).
Random15& SharedRandom();
