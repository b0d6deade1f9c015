#include "Evaluatie.h"

const std::array<const char*, 13> EvaluatieTeksten = {
    "0 = Standaard",
    "1 = Diergewicht 650 kg (1)",
    "2 = TKT 375 (2a)",
    "3 = TKT 450 (2b)",
    "4 = Vemdekking 97 % (3a)",
    "5 = Vemdekking 107%  (3b)",
    "6 = Beweiden 60% kuil (4)",
    "7 = VG bereken + beste kuilen (5)",
    "8 = Voerverliezen inrekenen (6)",
    "9 = Weidegras is restpost (7a)",
    "10 = Gras en mais is restpost (7b)",
    "11 = Weiden, gras B 15% en O 30%",
    "12 = Combinatie 8+9",
};

namespace {
bool MetVoerverlies(int EvalNr) {
    return EvalNr == 8 || EvalNr == 12;
}
} // namespace

void LichaamsgewichtPerRas(int EvalNr, TArray<float, 1, 3>& Gewicht) {
    Gewicht[1] = EvalNr == 1 ? 650.0f : 600.0f;
    Gewicht[2] = 500.0f;
    Gewicht[3] = 400.0f;
}

int LactatieDagen(int EvalNr) {
    if (EvalNr == 2) return 303;
    if (EvalNr == 3) return 313;
    return 307;
}

float VemDekkingFactor(int EvalNr) {
    if (EvalNr == 4) return 0.97f;
    if (EvalNr == 5) return 1.07f;
    return 1.02f;
}

float VoerverliesA(int EvalNr) {
    return MetVoerverlies(EvalNr) ? 5.0f : 0.0f;
}
float VoerverliesB(int EvalNr) {
    return MetVoerverlies(EvalNr) ? 3.0f : 0.0f;
}
float VoerverliesC(int EvalNr) {
    return MetVoerverlies(EvalNr) ? 2.0f : 0.0f;
}
