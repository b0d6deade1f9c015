// Evaluation variants 0..12: each changes one assumption of the standard calculation (0).
// A number outside 0..12 behaves as the standard.
#pragma once

#include "Tarvolingrade_t.h"

#include <array>

// The item texts of the variant list, in the order of their numbers.
extern const std::array<const char*, 13> EvaluatieTeksten;

// Body weight in kg by breed index (1 normal, 2 cross breed, 3 Jersey).
void LichaamsgewichtPerRas(int EvalNr, TArray<float, 1, 3>& Gewicht);
int LactatieDagen(int EvalNr);
float VemDekkingFactor(int EvalNr);
// Feed losses in per cent: A silage, B wet by-products and other roughage,
// C concentrates and milk powder.
float VoerverliesA(int EvalNr);
float VoerverliesB(int EvalNr);
float VoerverliesC(int EvalNr);
