// Writes the seed corpus of the farm-file target: hand-built files of the oldest, a middle
// and the newest formats, laid out by the tests' own writer. Run: maak_bestandzaden <folder>.
#include "TestBytes.h"

#include <cstdio>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: maak_bestandzaden <folder>\n");
        return 2;
    }
    TTestBoerderij f;
    f.Cel = [](int m, int k, int c, int r) -> std::string {
        if (r > 2) return "";
        if (c == 1) return k == 3 ? "Pulp#Bierbostel" : "Partij";
        return std::to_string(m * 100 + k * 10 + c) + (c == 4 ? ",5" : "");
    };
    for (int V : {0, 200803, 201102, 201200}) {
        const auto b = BouwBestand(V, f);
        std::ofstream uit(std::string(argv[1]) + "/versie" + std::to_string(V) + ".trv", std::ios::binary);
        uit.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
        if (!uit) return 1;
    }
    return 0;
}
