// Texts of the farm file are 8-bit in the Windows code page of the machine that wrote
// them; they are read and written as Windows-1252. The program keeps its texts as UTF-8.
#pragma once

#include <string>
#include <string_view>

// UTF-8 from Windows-1252 bytes. The five bytes Windows-1252 leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) become the control characters of the same number, so every byte
// comes back unchanged from NaarWindows1252.
std::string VanWindows1252(std::string_view bytes);

// Windows-1252 bytes from UTF-8; a character the code page cannot hold, and a byte that
// is no valid UTF-8, becomes "?".
std::string NaarWindows1252(std::string_view utf8);
