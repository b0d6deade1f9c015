// Norm excretion of the other grazing animals on a dairy farm: thirteen categories, one
// table up to 2009 and one from 2010. The model and the input page of the other grazing
// animals both read it from here.
#pragma once

#include <array>

struct TGraasdierNorm {
    const char* Omschrijving; // the category's caption on the input page
    float NTot2009;           // kg N per animal per year, up to 2009
    float P2O5Tot2009;        // kg P2O5, up to 2009
    float NVanaf2010;         // kg N, from 2010
    float P2O5Vanaf2010;      // kg P2O5, from 2010
};

// Category 1 at index 0, the order of the input page and of Graasdieren.
extern const std::array<TGraasdierNorm, 13> GraasdierNormen;

// kg per animal per year of category 1..13 in a year; Soort 1 is N, 2 P2O5. Any other
// category or kind gives 0.
float GraasdierNorm(int Jaar, int Categorie, int Soort);
