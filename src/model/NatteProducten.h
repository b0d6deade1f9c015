// Wet by-products and the feed-value formulas that turn typed contents into the
// digestible crude protein (VRE) of each feed kind. Plain functions without state: the
// stock grids, the farm-file reader and the feed-content routines of the model share them.
#pragma once

#include "Tarvolingrade_t.h"

#include <string_view>

// A wet by-product by its number 1..17; 16 is "Overig" (any product not in the list),
// 17 the totals line.
using TNatProduct = int;
inline constexpr TNatProduct kNatEerste = 1;
inline constexpr TNatProduct kNatOverig = 16;
inline constexpr TNatProduct kNatTotaal = 17;

// Full names, short names (where a grid has little room) and VRE factors (g VRE per g
// crude protein) of products 1..17.
extern const TArray<std::string_view, 1, 17> NatProductNaam;
extern const TArray<std::string_view, 1, 17> NatProductKorteNaam;
extern const TArray<float, 1, 17> NatProductVreFactor;

// The product whose full or short name contains Naam, ignoring ASCII case; the lowest
// number wins. An empty name, or one found in no product, gives 16 ("Overig").
TNatProduct NatProductIndex(std::string_view Naam);

// Fresh grass: N per VEM to crude protein per kg dry matter (960 VEM x 6.25).
float VemFactor6000(float x);
// Fresh grass: VRE from crude protein.
float VreUitRe(float re);
// VRE of grass silage and maize silage from crude protein and crude ash (g per kg DM).
float VRE_Gk(float re, float ras);
float VRE_Sm(float re, float ras);
// VRE of wet by-product Index (1..17) from its crude protein; another index throws.
float VRE_Nt(int Index, float re);
// VRE of concentrates and of milk powder from crude protein.
float VRE_Kv(float re);
float VRE_Mp(float re);
