// Norms of the nitrogen balance by land use, soil and groundwater class: the surplus the
// land may carry, the precipitation surplus and the share of the surplus that leaches.
#pragma once

#include <string_view>

// Grondcat "GRAS" or "MAIS" (by the first letter), Grondsoort "ZAND", "KLEI" or, grassland
// only, "VEEN" (by the first letter), Gttrap "I-V", "VI" or "VII-VIII" (whole, sand only).
// Anything else raises the lookup's own message with the code.
float NormNoverschot(std::string_view Grondcat, std::string_view Grondsoort, std::string_view Gttrap);
float NormNeerslagoverschot(std::string_view Grondcat, std::string_view Grondsoort, std::string_view Gttrap);
float NormUitspoelingFractie(std::string_view Grondcat, std::string_view Grondsoort, std::string_view Gttrap);
