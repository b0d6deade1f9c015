// Writes the seed corpus: the example farms of the model tests and a few variants, encoded
// as the fuzz target reads them. Run: maak_zaden <folder>.
#include "Invoercodering.h"
#include "Voorbeeldbedrijven.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: maak_zaden <folder>\n");
        return 2;
    }
    std::vector<std::pair<std::string, TTvInvoer>> bedrijven = {
        {"melkvee", Melkvee()},
        {"bex", BexBedrijf()},
        {"pinken", Pinkenbedrijf()},
        {"alle_modules", AlleModulesBedrijf()},
    };
    TTvInvoer in = AlleModulesBedrijf();
    in.Diercategorie = "JV";
    in.LftJvAan = 2;
    in.LftJvAfv = 22;
    in.MndWeidBMk = in.UurWeidBMk = 0;
    in.MndWeidOPi = 5;
    in.UurWeidOPi = 18;
    bedrijven.emplace_back("jongvee", in);
    in = AlleModulesBedrijf();
    in.TypeStal = "EMARM2";
    in.MstAfvOpg = true;
    in.DrijfAfv = 3000;
    in.GrondGras = "VEEN";
    in.GrondMais = "KLEI";
    in.Jaartal = 2008;
    in.EvalNr = 12;
    in.Graasdieren[3] = 2;
    bedrijven.emplace_back("emissiearm", in);
    for (const auto& [naam, invoer] : bedrijven) {
        const std::vector<std::uint8_t> bytes = fuzz::Schrijf(invoer);
        std::ofstream f(std::string(argv[1]) + "/" + naam, std::ios::binary);
        f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!f) {
            std::fprintf(stderr, "cannot write %s\n", naam.c_str());
            return 1;
        }
    }
    return 0;
}
