// What the calculation driver and the result pages need beside the window: the option
// codes of the lists, the signed texts and the colours of advantages and disadvantages.
#pragma once

#include <QColor>
#include <QString>

#include <optional>
#include <string>

// The key of an option text: lower case (ASCII letters only) without its blanks.
QString OptieSleutel(const QString& tekst);
// The model's code for a key ("crossbreedjersey" gives "KRUISLING"); nothing for a key
// outside the table.
std::optional<QString> OptieCode(const QString& sleutel);

// "+" before a positive value, "-" before a negative one, nothing for 0, then the
// absolute value with the pattern "0": 0.3 gives "+0", -0.4 gives "-0".
std::string PlusMinTekst(float Value);

// Colour values with red in the low byte.
constexpr int kKleurZwart = 0;
constexpr int kKleurGroen = 32768;
constexpr int kKleurRood = 255;

// Green for a text beginning with "+", red for one beginning with "-", else black.
int KleurVoordeel(const QString& Text);
// The opposite: a "+" is a disadvantage.
int KleurNadeel(const QString& Text);
QColor VanTColor(int kleur);
