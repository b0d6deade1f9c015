#include "Getallen.h"

#include <atomic>
#include <charconv>
#include <cmath>
#include <cstdint>
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

std::string FormatFloat(std::string_view pattern, long double value) {
    const int decimals = DecimalsOf(pattern);
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";

    const bool negative = std::signbit(value) && value != 0;
    long double scaled = std::fabs(value);
    for (int i = 0; i < decimals; ++i)
        scaled *= 10;

    // Below 2^63 the scaled value splits exactly into whole and fraction (a double or a
    // float times 100 fits the 64-bit mantissa), so halves are decided on the decimal value.
    std::string digits;
    if (scaled < 9.2e18L) {
        // Whole part without switching the FPU's rounding mode, which costs more than the
        // rest of the formatting: in [2^63, 2^64) a long double is whole, so adding and
        // taking away 2^63 rounds to the nearest whole number exactly; then step down to
        // the floor.
        long double whole = (scaled + 0x1p63L) - 0x1p63L;
        if (whole > scaled) whole -= 1;
        if (scaled - whole >= 0.5L) whole += 1;
        digits = std::to_string(std::llrint(whole)); // whole already: no rounding
    } else {
        // Here every long double is already whole: write its exact digits.
        char buf[5000];
        const auto res =
            std::to_chars(buf, buf + sizeof buf, std::floor(scaled), std::chars_format::fixed, 0);
        digits.assign(buf, res.ptr);
    }
    if (decimals > 0) {
        if (digits.size() <= static_cast<std::size_t>(decimals))
            digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
        digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, DecimalSeparator());
    }
    return negative ? "-" + digits : digits;
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
