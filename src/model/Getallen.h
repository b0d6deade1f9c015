// Number texts: the one process-wide decimal sign, the formatter with the patterns "0",
// "0.0" and "0.00", and a strict parser. Every number shown, stored as text or read back
// goes through here, so the model's texts, the grids, the labels, the exports and the
// report always agree on the decimal sign.
#pragma once

#include <optional>
#include <string>
#include <string_view>

char DecimalSeparator();
char ThousandSeparator();
// Sets the decimal sign ('.' or ','); the thousands sign becomes the other one.
void SetDecimalSeparator(char c);

// Formats with "0", "0.0" or "0.00". Halves go away from zero on the decimal value
// (2.5 gives "3", 0.125 gives "0.13"); a negative value keeps its sign even when its
// digits round to zero ("-0"). NaN and infinities give "NAN", "INF" and "-INF".
std::string FormatFloat(std::string_view pattern, long double value);

// "+" before a positive value, then the formatted value.
std::string PlusTekst(std::string_view pattern, long double value);

// Reads a number written with the current decimal sign: optional blanks, an optional sign,
// digits with at most one decimal sign, an optional exponent. Anything else gives nothing.
std::optional<double> TryStrToFloat(std::string_view text);

// A text from a file or the network as it may stand in a message, a list line or a
// caption: at most `lengte` characters, else the first of them and "...". A long text
// makes a box that takes minutes to lay out and is taller than the screen, and the whole
// value is never needed there. Cut between UTF-8 characters.
std::string KortAf(std::string_view tekst, std::size_t lengte = 200);

// The conversion messages, in the words of the class library, with the value shortened.
std::string GeenGetalMelding(std::string_view tekst);
std::string GeenGeheelGetalMelding(std::string_view tekst);
