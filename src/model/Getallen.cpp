#include "Getallen.h"

#include <atomic>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace {
std::atomic<char> gDecimal{'.'};

int DecimalsOf(std::string_view pattern) {
    if (pattern == "0") return 0;
    if (pattern == "0.0") return 1;
    if (pattern == "0.00") return 2;
    throw std::invalid_argument("FormatFloat: unsupported pattern " + std::string(pattern));
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
} // namespace

char DecimalSeparator() {
    return gDecimal.load();
}
char ThousandSeparator() {
    return gDecimal.load() == ',' ? '.' : ',';
}

void SetDecimalSeparator(char c) {
    if (c != '.' && c != ',') throw std::invalid_argument("decimal sign must be '.' or ','");
    gDecimal.store(c);
}

namespace {
// A whole long double in [0, 2^63] as an integer. Converting by a cast would switch the FPU
// to truncation and back, and the library's conversion is a call: 2^63 + w lies in
// [2^63, 2^64), where the 64-bit significand of the 80-bit format is the number itself.
unsigned long long Geheel(long double w) {
    if constexpr (std::numeric_limits<long double>::digits == 64) {
        const long double v = w + 0x1p63L;
        std::uint64_t significand = 0;
        std::memcpy(&significand, &v, sizeof significand);
        return significand - (std::uint64_t{1} << 63);
    } else {
        return static_cast<unsigned long long>(std::llrint(w));
    }
}

// A scaled value of 2^63 or more is already whole: its exact digits. Apart from the common
// case, whose frame stays small.
[[gnu::noinline]] std::string GrootGetal(long double scaled, int decimals, bool negative) {
    char buf[5000];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::floor(scaled), std::chars_format::fixed, 0);
    std::string digits(buf, res.ptr);
    if (decimals > 0) {
        if (digits.size() <= static_cast<std::size_t>(decimals))
            digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
        digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, DecimalSeparator());
    }
    return negative ? "-" + digits : digits;
}
} // namespace

std::string FormatFloat(std::string_view pattern, long double value) {
    const int decimals = DecimalsOf(pattern);
    // Plain comparisons: the sign and class tests read the FPU status word, which is slow.
    if (!(std::fabs(value) <= std::numeric_limits<long double>::max())) [[unlikely]] {
        if (std::isnan(value)) return "NAN";
        return value < 0 ? "-INF" : "INF";
    }

    const bool negative = value < 0; // -0.0 is no negative value
    long double scaled = std::fabs(value);
    for (int i = 0; i < decimals; ++i)
        scaled *= 10;

    // Below 2^63 the scaled value splits exactly into whole and fraction (a double or a
    // float times 100 fits the 64-bit mantissa), so halves are decided on the decimal value.
    if (scaled < 9.2e18L) {
        // Whole part without switching the FPU's rounding mode, which costs more than the
        // rest of the formatting: in [2^63, 2^64) a long double is whole, so adding and
        // taking away 2^63 rounds to the nearest whole number exactly; then step down to
        // the floor.
        long double whole = (scaled + 0x1p63L) - 0x1p63L;
        if (whole > scaled) whole -= 1;
        if (scaled - whole >= 0.5L) whole += 1;
        // Written from the back: the decimals, the decimal sign, the whole part, the sign.
        unsigned long long n = Geheel(whole);
        char buf[32];
        char* const end = buf + sizeof buf;
        char* p = end;
        for (int i = 0; i < decimals; ++i) {
            *--p = static_cast<char>('0' + n % 10);
            n /= 10;
        }
        if (decimals > 0) *--p = DecimalSeparator();
        do {
            *--p = static_cast<char>('0' + n % 10);
            n /= 10;
        } while (n != 0);
        if (negative) *--p = '-';
        return std::string(p, end);
    }

    return GrootGetal(scaled, decimals, negative);
}

std::string PlusTekst(std::string_view pattern, long double value) {
    const std::string text = FormatFloat(pattern, value);
    return value > 0 ? "+" + text : text;
}

std::optional<double> TryStrToFloat(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (text.empty() || text.size() > 64) return std::nullopt;

    const char sep = DecimalSeparator();
    std::string plain;
    std::size_t i = 0;
    if (text[i] == '+' || text[i] == '-') {
        if (text[i] == '-') plain += '-';
        ++i;
    }
    bool digitsSeen = false;
    bool sepSeen = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (IsDigit(c)) {
            digitsSeen = true;
            plain += c;
        } else if (c == sep && !sepSeen) {
            sepSeen = true;
            plain += '.';
        } else {
            break;
        }
    }
    if (!digitsSeen) return std::nullopt;
    if (i < text.size()) {
        if (text[i] != 'e' && text[i] != 'E') return std::nullopt;
        plain += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) plain += text[i++];
        bool expDigits = false;
        for (; i < text.size() && IsDigit(text[i]); ++i) {
            expDigits = true;
            plain += text[i];
        }
        if (!expDigits || i != text.size()) return std::nullopt;
    }

    double result = 0;
    const auto res = std::from_chars(plain.data(), plain.data() + plain.size(), result);
    if (res.ec != std::errc() || res.ptr != plain.data() + plain.size() || !std::isfinite(result))
        return std::nullopt;
    return result;
}

std::string KortAf(std::string_view tekst, std::size_t lengte) {
    std::size_t n = 0;
    std::size_t p = 0;
    // Count characters, not bytes: continuation bytes 10xxxxxx do not start one.
    while (p < tekst.size()) {
        if ((static_cast<unsigned char>(tekst[p]) & 0xC0) != 0x80) {
            if (n == lengte) return std::string(tekst.substr(0, p)) + "...";
            ++n;
        }
        ++p;
    }
    return std::string(tekst);
}

std::string GeenGetalMelding(std::string_view tekst) {
    return "'" + KortAf(tekst) + "' is not a valid floating point value";
}

std::string GeenGeheelGetalMelding(std::string_view tekst) {
    return "'" + KortAf(tekst) + "' is not a valid integer value";
}
