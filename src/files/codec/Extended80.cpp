#include "Extended80.h"

#include <cmath>

namespace {
constexpr int kBias = 16383;
}

TExtended NaarExtended(double x) {
    TExtended b{};
    if (!std::isfinite(x)) return b;
    const bool negatief = std::signbit(x);
    std::uint16_t exponent = 0;
    std::uint64_t mantisse = 0;
    if (x != 0) {
        int k = 0;
        // x = m * 2^k with 0.5 <= |m| < 1: the mantissa holds m * 2^64, its top bit set.
        const double m = std::frexp(std::fabs(x), &k);
        mantisse = static_cast<std::uint64_t>(std::ldexp(m, 64));
        exponent = static_cast<std::uint16_t>(k - 1 + kBias);
    }
    for (int i = 0; i < 8; ++i)
        b[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(mantisse >> (8 * i));
    const std::uint16_t hoog = static_cast<std::uint16_t>(exponent | (negatief ? 0x8000u : 0u));
    b[8] = static_cast<std::uint8_t>(hoog & 0xFF);
    b[9] = static_cast<std::uint8_t>(hoog >> 8);
    return b;
}

std::optional<double> VanExtended(const TExtended& b) {
    std::uint64_t mantisse = 0;
    for (int i = 7; i >= 0; --i)
        mantisse = (mantisse << 8) | b[static_cast<std::size_t>(i)];
    const unsigned hoog = static_cast<unsigned>(b[8]) | (static_cast<unsigned>(b[9]) << 8);
    const bool negatief = (hoog & 0x8000u) != 0;
    const int veld = static_cast<int>(hoog & 0x7FFFu);
    if (veld == 0x7FFF) return std::nullopt;
    // A non-zero exponent with the leading bit clear (an unnormal) is no number on the
    // hardware that writes these files: it would refuse it, so reading it as a plausible
    // value would only hide a damaged file.
    if (veld != 0 && (mantisse >> 63) == 0) return std::nullopt;
    double waarde = 0;
    if (mantisse != 0) {
        // A zero exponent field counts as 1 (subnormal numbers).
        const int e = veld == 0 ? 1 : veld;
        // The top 53 bits are kept with rounding to nearest; for every value that came
        // from a double the lower bits are zero, so nothing is lost.
        waarde = std::ldexp(static_cast<double>(mantisse), e - kBias - 63);
        if (std::isinf(waarde)) return std::nullopt;
    }
    return negatief ? -waarde : waarde;
}
