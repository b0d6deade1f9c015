// The 80-bit extended-precision number of the farm file, by hand: a 64-bit mantissa with
// its leading bit written out, then 15 bits of exponent (bias 16383) with the sign in the
// top bit, little-endian. Independent of the compiler's long double.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

using TExtended = std::array<std::uint8_t, 10>;

// The ten bytes of a finite double; exact, so NaExtended gives the same double back. 0
// gives ten zero bytes, -0 keeps its sign bit. NaN and infinities are not written (the
// caller never has them); they give the bytes of 0.
TExtended NaarExtended(double x);

// The double nearest to the ten bytes, or nothing for an infinity, a NaN, an unnormal
// (non-zero exponent, leading bit clear) or a value beyond the range of a double. Values below it become 0 or
// a subnormal double.
std::optional<double> VanExtended(const TExtended& b);
