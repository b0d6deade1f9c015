// Young-stock tables by month of age, as points (age in days, value) for Interpoleer,
// shared by the energy need and the retention of a farm that keeps young stock only.
#pragma once

#include "Tarvolingrade_t.h"

#include <array>
#include <cstddef>

constexpr long double kDagenPerMaand = 30.5L;

struct TJvPunten {
    std::array<int, 21> X{}; // age in days; -1 past the last point
    std::array<int, 21> Y{};
    std::size_t laatste = 0; // index of the last point
};

// Age in whole days of an age in months, halves to even.
inline int JvDagen(long double maanden) {
    return RoundInt(maanden * kDagenPerMaand, "Interpoleer");
}

// The table's value at an age in months, held at its first and last point.
inline long double JvWaarde(const TJvPunten& p, float maanden) {
    const int d = JvDagen(maanden);
    if (p.X[0] >= d) return p.Y[0];
    if (p.X[p.laatste] <= d) return p.Y[p.laatste];
    return Interpoleer(p.X, p.Y, d);
}
