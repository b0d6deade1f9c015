#include "Tarvolingrade_t.h"

#include <climits>
#include <cmath>
#include <cstdint>

long double RoundHalfEven(long double x) {
    // As nearbyint in the rounding mode this program never changes (to nearest, halves to
    // even), without its costly saving and restoring of the FPU state: in [2^63, 2^64) a
    // long double is whole, so adding and taking away 2^63 rounds exactly that way. From
    // 2^63 on every value is whole already; NaN and infinities pass unchanged.
    const long double a = std::fabs(x);
    if (!(a < 0x1p63L)) return x;
    return std::copysign((a + 0x1p63L) - 0x1p63L, x);
}

int RoundInt(long double x, const char* wie) {
    if (std::isnan(x) || std::isinf(x))
        throw EModelFout(std::string(wie) + ": ongeldige waarde (geen getal)");
    const long double r = RoundHalfEven(x);
    if (r <= static_cast<long double>(INT_MIN)) return INT_MIN;
    if (r >= static_cast<long double>(INT_MAX)) return INT_MAX;
    // r is whole: lrint converts it exactly without switching the FPU to truncation.
    return static_cast<int>(std::lrint(r));
}

int Interpoleer(std::span<const int> X, std::span<const int> Y, int x) {
    if (X.size() < 2 || Y.size() < X.size() - 1) throw EModelFout("Interpoleer: tabel te klein");
    if (X[1] == -1) return Y[0];

    long long lowX = -1, yLow = 0;
    long long highX = INT_MAX, yHigh = 0;
    for (std::size_t i = 0; X[i] > -1 && i < X.size() - 1; ++i) {
        if (X[i] == x) return Y[i];
        if (X[i] <= x && X[i] > lowX) {
            lowX = X[i];
            yLow = Y[i];
        }
        if (X[i] > x && X[i] < highX) {
            highX = X[i];
            yHigh = Y[i];
        }
    }
    // Without a point on either side there is no line to follow.
    if (lowX == -1 || highX == INT_MAX)
        throw EModelFout("Interpoleer: waarde buiten de tabel: " + IntNaarTekst(x));

    const long long dy = yHigh - yLow;
    const long long product = dy * static_cast<long long>(x); // 64 bits: no overflow
    const long double dx = static_cast<long double>(highX - lowX);
    const long double y = yLow + product / dx - dy / dx * lowX;
    return RoundInt(y, "Interpoleer");
}

std::string IntNaarTekst(int i) {
    return std::to_string(i);
}

float FpcmFactor(float Vet, float Eiwit) {
    return static_cast<float>(0.116L * Vet + 0.337L + 0.06L * Eiwit);
}

float FpcmPerDag(float Melk, float Vet, float Eiwit, int Dagen) {
    return static_cast<float>((0.116L * Vet + 0.337L + 0.06L * Eiwit) * Melk / Dagen);
}

std::string VerwijderSpaties(std::string S) {
    std::erase(S, ' ');
    return S;
}
