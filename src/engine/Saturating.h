#pragma once
// Device coordinates and sizes are ints. Every sum or product of them that a module width,
// height or position can push out of range is worked out in 64 bits and brought back here, so
// an absurd value draws a clipped or empty symbol instead of overflowing.

#include <limits>

namespace engine {

constexpr int Saturated(long long value) {
    if (value > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

constexpr int AddSaturated(int a, int b) {
    return Saturated(static_cast<long long>(a) + b);
}
constexpr int SubSaturated(int a, int b) {
    return Saturated(static_cast<long long>(a) - b);
}
constexpr int MulSaturated(int a, int b) {
    return Saturated(static_cast<long long>(a) * b);
}

} // namespace engine
