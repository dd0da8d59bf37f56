#pragma once
// The one place for rounding and unit conversion: screen and printer sizes round half to even,
// label positions and export heights truncate toward zero.

#include <cmath>
#include <cstdint>
#include <limits>

namespace engine {

inline constexpr double kCentimetresPerInch = 2.54;

// The unit a length is entered, shown and stored in. Files and the registry keep it as a flag
// (1 = centimetres); it is converted at the point where they are read and written.
enum class Unit { Inch, Centimetre };

inline constexpr Unit UnitFromMetricFlag(bool centimetres) {
    return centimetres ? Unit::Centimetre : Unit::Inch;
}
inline constexpr bool MetricFlagOf(Unit unit) {
    return unit == Unit::Centimetre;
}

// Rounds to the nearest integer, halves to the even neighbour; saturates outside the int range.
inline int RoundHalfEven(double value) {
    if (std::isnan(value)) return 0;
    const double rounded = std::nearbyint(value); // default FE_TONEAREST is half-even
    if (rounded >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (rounded <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(rounded);
}

// Drops the fraction; saturates outside the int range.
inline int TruncateTowardZero(double value) {
    if (std::isnan(value)) return 0;
    const double t = std::trunc(value);
    if (t >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (t <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(t);
}

inline double CentimetresToInches(double cm) {
    return cm / kCentimetresPerInch;
}
inline double InchesToCentimetres(double in) {
    return in * kCentimetresPerInch;
}

// A length in mils (thousandths of an inch) as whole device dots.
inline int MilsToDots(double dotsPerInch, double mils) {
    return RoundHalfEven(dotsPerInch * mils / 1000.0);
}

} // namespace engine
