#include "Windows1252.h"

#include <array>
#include <cstdint>

namespace {
// Bytes 0x80..0x9F; the undefined ones map to themselves.
constexpr std::array<char32_t, 32> kHoog = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void SchrijfUtf8(std::string& uit, char32_t c) {
    if (c < 0x80) {
        uit += static_cast<char>(c);
    } else if (c < 0x800) {
        uit += static_cast<char>(0xC0 | (c >> 6));
        uit += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        uit += static_cast<char>(0xE0 | (c >> 12));
        uit += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        uit += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char NaarByte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < kHoog.size(); ++i)
        if (kHoog[i] == c) return static_cast<char>(0x80 + i);
    return '?';
}
} // namespace

std::string VanWindows1252(std::string_view bytes) {
    std::string uit;
    uit.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<std::uint8_t>(ch);
        if (b >= 0x80 && b <= 0x9F)
            SchrijfUtf8(uit, kHoog[b - 0x80u]);
        else
            SchrijfUtf8(uit, b);
    }
    return uit;
}

std::string NaarWindows1252(std::string_view utf8) {
    std::string uit;
    uit.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto b = static_cast<std::uint8_t>(utf8[i]);
        int volg = 0;
        char32_t c = 0;
        if (b < 0x80) {
            c = b;
        } else if ((b & 0xE0) == 0xC0) {
            c = b & 0x1F;
            volg = 1;
        } else if ((b & 0xF0) == 0xE0) {
            c = b & 0x0F;
            volg = 2;
        } else if ((b & 0xF8) == 0xF0) {
            c = b & 0x07;
            volg = 3;
        } else {
            uit += '?';
            ++i;
            continue;
        }
        bool geldig = i + static_cast<std::size_t>(volg) < utf8.size();
        for (int k = 1; geldig && k <= volg; ++k) {
            const auto v = static_cast<std::uint8_t>(utf8[i + static_cast<std::size_t>(k)]);
            if ((v & 0xC0) != 0x80)
                geldig = false;
            else
                c = (c << 6) | (v & 0x3F);
        }
        if (!geldig) {
            uit += '?';
            ++i;
            continue;
        }
        uit += NaarByte(c);
        i += static_cast<std::size_t>(volg) + 1;
    }
    return uit;
}
