// The farm model: turns one input record into one result record. Every field is set from
// the input at the start of each calculation; the routines keep no state between calls.
#pragma once

#include "Geheugen.h"
#include "Tarvolingrade_t.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

// Share of a cow's full intake taken at pasture with Uren hours a day there (0..1).
float UrenFactor(float Uren);

class TBedrijf {
public:
    // Receives the notice for years beyond the last built-in use standards; the model
    // itself shows nothing. Empty: the notice is dropped.
    std::function<void(const std::string&)> OnMelding;

    // The whole calculation. Exceptions of the model pass out unchanged; the result
    // fields written before one keep their values.
    void Bereken(const TTvInvoer& Invoer, TTvUitvoer& Uitvoer);

    // While one lives, the model remembers its sub-results: each is computed once and the
    // very same value is returned again. The fields must not change meanwhile. Bereken
    // keeps one for its own calculation (unless Onthouden is false).
    class TOnthouden {
    public:
        explicit TOnthouden(const TBedrijf& Bedrijf);
        ~TOnthouden();
        TOnthouden(const TOnthouden&) = delete;
        TOnthouden& operator=(const TOnthouden&) = delete;

    private:
        const TBedrijf& bedrijf;
    };
    // false: Bereken computes every sub-result afresh (the same results, far slower).
    bool Onthouden = true;

    // 1 normal ("N..."), 2 cross breed ("K..."), 3 Jersey ("J...").
    int RasIndex() const;
    // Routines return Single (float), as every model routine does; they compute in
    // long double.
    float OppervlakteGras() const;
    float OppervlakteMais() const;
    float OppervlakteBouwland() const;
    float MelkPerKoe() const;
    float MelkPerHa() const;

    // Feed stocks and contents. Soort is a feed kind: "GK"/"SM"/"NAT" (or "NT")/"KV"/"MP"
    // by its first letter, or exactly "VG" for fresh grass. Component: "HOEV", "VEM",
    // "VRE", "RE", "N" or "P".
    //
    // Stock balance (opening + increase - closing) with the feed losses of the variant:
    // the amount for "HOEV", else the component's total (amount x content).
    float Voorraad(std::string_view Soort, std::string_view Component) const;
    // VEM of a feed kind eaten in a year by the other grazing animals whose feed is not
    // kept apart.
    float VemVerbruikGraas(std::string_view Soort) const;
    // Content of a feed kind as fed to the other grazing animals.
    float GehaltevoerGraas(std::string_view Soort, std::string_view Component) const;
    // Use by the herd: the stock balance less the other grazing animals' part.
    float VerbruikStal(std::string_view Soort, std::string_view Component) const;
    // Content per kg in the stock balance; for "VG" the fresh-grass content.
    float Gehalte(std::string_view Soort, std::string_view Component) const;
    // Content per kg as used by the herd.
    float GehalteVerbruik(std::string_view Soort, std::string_view Component) const;

    // Energy need, kVEM a year (young-stock tables in VEM).
    float VemBehoefteKoe() const;
    float VemToeslagVast() const;
    float VemToeslagWeiden() const;
    float JvTabelPinkenA() const;
    float JvTabelPinkenB() const;
    float JvTabelKalverenA() const;
    float JvTabelKalverenB() const;
    // VEM per animal per day; the B figures per grazing day.
    float JvPinkenA() const;
    float JvPinkenB() const;
    float JvKalverenA() const;
    float JvKalverenB() const;
    float VemBehoeftePink() const;
    float VemBehoefteKalf() const;
    float VemBehoefteTotaal() const;

    // Ration allocation over fresh grass, grass silage and maize silage.
    float AandeelGrasWeideperiode() const;
    float VemUitRuwvoer() const;
    // Grass dry matter eaten a year under "WEIDB", "WEIDO", "ZSTVB", "ZSTVO" or "TOTAAL".
    float OpnameDsGras(std::string_view Systeem) const;
    // kVEM of the roughage need covered by fresh grass (A), grass silage (B), maize silage (C).
    float VemVerdelingA() const;
    float VemVerdelingB() const;
    float VemVerdelingC() const;
    // Content per VEM of fresh grass, of the farm's silage and of maize silage.
    float Geh_per_VEM(std::string_view Soort) const;
    float Geh_per_VEMKuil(std::string_view Soort) const;
    float Geh_per_VEMSM(std::string_view Soort) const;
    bool KuilAanwezig() const;
    bool SnijmaisAanwezig() const;
    // Amount of a feed kind used a year: kg dry matter, kg product for "KV" and "MP".
    float Verbruik(std::string_view Voersoort) const;
    // Intake room of the cows in the summer left beside VersGras kg fresh grass.
    float OpnameCapaciteit(float VersGras) const;
    // Share of a feed kind's yearly energy eaten in the summer.
    float AandeelVoerz(std::string_view Voersoort) const;
    // Share of a feed kind eaten in Periode: 'J' year, 'Z' summer, 'W' winter.
    float AandeelVoerzTotaal(std::string_view Voersoort, char Periode) const;

    // Intake and retention. Soort 1 is N, 2 P2O5; amounts in kg a year.
    //
    // A component eaten: Voersoort "SM", "NAT", "KV", "MP", "GK", "VG", or "TOT" for all six;
    // Gehalte "N", "P", "P2O5" or "VN" (digestible N); Periode 'J' year, 'W' winter, 'Z' summer.
    float Voeropname(std::string_view Voersoort, std::string_view Gehalte, char Periode) const;
    // Retained by Groep "VEE" (the herd), "MELK", "MK" (cows), "PI" (heifers), "KA" (calves).
    float Vastlegging(std::string_view Groep, int Soort) const;
    // Retention in per cent of the intake.
    float Benutting(int Soort) const;
    // Content per kg of the whole ration used by the herd.
    float GehalteRantsoen(std::string_view Gehalte) const;

    // Excretion against the norms.
    //
    // Norm excretion of the other grazing animals of category 1..13, or 0 for all of them.
    float ExcretieOverigeDieren(int Categorie, int Soort) const;
    float AantalOverigeDieren() const;
    // Intake less retention of the herd.
    float ExcretieVee(int Soort) const;
    // Share of the herd's gross N excretion left in its slurry and solid manure.
    float MestFractie() const;
    float ExcretieBedrijf(int Soort) const;
    // With the correction of the herd's own part: the figure every comparison uses.
    float ExcretieBedrijfsspecifiek(int Soort) const;
    // Norm excretion per animal: Categorie 1 cows, 2 heifers, 3 calves, 4 other grazing animals.
    float ForfaitaireExcretie(int Categorie, int Soort) const;
    float ForfaitaireExcretieTotaal(int Soort) const;
    float ForfaitaireExcretieNP(int Soort) const;
    // Norm less farm-specific excretion ("+" before an advantage), in kg and in per cent.
    std::string VerschilTekst(int Soort) const;
    std::string VerschilProcentTekst(int Soort) const;

    // Use standards, manure disposal and ration composition.
    float PercentageGras() const;
    // At least 70 % grassland.
    bool Derogatie() const;
    // kg a year the farm's land may receive.
    float Gebruiksnorm(int Soort) const;
    // Manure that must leave the farm with the norm and with the farm-specific excretion,
    // and the difference of the two ("+" before an advantage).
    float OverschotForfaitair(int Soort) const;
    float OverschotBedrijfsspecifiek(int Soort) const;
    std::string OverschotVerschilTekst(int Soort) const;
    // kg milk per ha the use standard allows with the farm-specific excretion.
    float VoordeelPerHa(int Soort) const;
    // kg dry matter eaten a year: "VG", "GK", "SM", "NAT", "MP", "KV", or "TOT" for all.
    float DsOpname(std::string_view Voersoort) const;
    float DsOpnamePercentage(std::string_view Voersoort) const;
    // Content per kg dry matter of a feed kind or, for "TOT", of the whole ration.
    float RantsoenVEM(std::string_view Voersoort) const;
    float RantsoenRE(std::string_view Voersoort) const;
    float RantsoenVRE(std::string_view Voersoort) const;
    float RantsoenP(std::string_view Voersoort) const;
    // g per 1000 VEM.
    float RePerKvem(std::string_view Voersoort) const;
    float PPerKvem(std::string_view Voersoort) const;

    // Ammonia emission. Period WZ: 'W' winter, 'Z' summer, 'T' both; place SW: 'S' house,
    // 'W' pasture, 'T' both. Amounts in kg N a year unless said otherwise.
    //
    // Per cent of the year's hours the cows spend in the period and place.
    float PcUren(char WZ, char SW) const;
    // N the herd (and the other grazing animals) excrete in the period and place.
    float ExcretieDeel(char WZ, char SW) const;
    // Total ammoniacal N excreted in 'W' or 'Z', and as per cent of the N excreted then
    // (SW is not looked at).
    float TAN(char WZ) const;
    float TANExcretie(char WZ, char SW) const;
    // 100 when the house is of the class Code names ("NIET..." without, "E..." with low
    // emission), else 0.
    float PcStaltype(std::string_view Code) const;
    // TAN in the house, and N lost from house and storage as Gas "AMMONIAK", "OVERIG" or
    // "TOTAAL".
    float TAN_Stal(char WZ) const;
    float Emissie_Stal(char WZ, std::string_view Gas) const;
    // Per cent TAN in the manure that leaves the house.
    float PcTanUitStal() const;
    // Manure N left on the farm after the house and the disposal, the part applied on
    // arable land, and the rest, applied on grassland.
    float MestNaStal() const;
    float MestBouwland() const;
    float NGrasToediening() const;
    // kg NH3 from Bron "STAL", "OMG", "OMB", "KMG", "KMB", "BEWEID" or "TOT" (all six), per
    // Eenheid 'B' farm, 'H' ha, 'M' ton of milk, 'G' livestock unit.
    float AmmoniakEmissie(char Eenheid, std::string_view Bron) const;
    float GrootveeEenheden() const;

    // Phosphate balance (kg P a year) and the farm-specific phosphate standard (kg P2O5 per
    // ha). Klasse is the phosphate status 'L' low, 'N' neutral, 'H' high.
    //
    // P of purchased feed eaten: "GK", "SM", "NAT", "KV" or "MP" (Gehalte is not consulted).
    float AankoopAanleg(std::string_view Voersoort, std::string_view Gehalte) const;
    float PExcretie() const;
    float PAankoopKrachtvoer() const;
    float PAankoopRuwvoer() const;
    float PVoorraadMutatie() const;
    float PAfvoer() const;
    // P taken up from the farm's own land, and as P2O5 per ha of grass and maize land.
    float POpbrengst() const;
    float POpbrengstPerHa() const;
    // This year's standard, and the three-year figure with the two previous years.
    float BepGras(char Klasse) const;
    float BepMais(char Klasse) const;
    float BepBouwland(char Klasse) const;
    float BepGrasKlasse(char Klasse) const;
    float BepMaisKlasse(char Klasse) const;
    float BepBouwlandKlasse(char Klasse) const;
    // The farm's standard per ha (this year; three-year), and the same times the farm's
    // area: kg P2O5 for the whole farm, in spite of the names.
    float BepTotaal() const;
    float BepPerHa() const;
    float BepBedrijf() const;
    float BepBedrijfPerHa() const;
    float FosfaatGebruiksnorm() const;
    // Farm-specific against the generic standard ("+" before an advantage), in kg and "(%)".
    std::string BepVerschilTekst() const;
    std::string BepVerschilProcentTekst() const;
    // P2O5 that has to leave the farm under the farm-specific and the generic standard, and
    // the difference of the two ("+" before an advantage).
    float BepRuimte() const;
    float GebruiksnormRuimte() const;
    std::string RuimteVerschilTekst() const;

    // Nitrogen surplus and leaching per ha. Grondcat 'G' grassland, 'M' maize land.
    //
    // N or P per kg dry matter of the grass eaten fresh and stored as silage (Gehalte "N", "P").
    float GehalteGrasproduct(std::string_view Gehalte) const;
    // N supplied: Soort "DM" manure, "WM" grazing manure (grassland), "KM" fertiliser,
    // "OVERIG" other sources, "T" all of them.
    float NAanvoer(char Grondcat, std::string_view Soort) const;
    float NAfvoer(char Grondcat) const;
    // Whole kg N: Soort 'B' the farm's surplus, 'T' the norm, 'V' the difference.
    float NOverschot(char Grondcat, char Soort) const;
    // kg N leached, the norm precipitation surplus (mm), nitrate in mg per litre,
    // denitrification (kg N) and nitrous oxide (kg N2O).
    float Uitspoeling(char Grondcat) const;
    float Neerslagoverschot(char Grondcat) const;
    float NitraatConcentratie(char Grondcat) const;
    float Denitrificatie(char Grondcat) const;
    float Lachgas(char Grondcat) const;

    // Copies the input (step 1 of the calculation) and derives the grazing days (step 2),
    // without computing anything; the calculation starts with it.
    void ZetInvoer(const TTvInvoer& Invoer);

    // The input, under the same names.
    int Jaartal = 0;
    bool ModuleBEA = false;
    bool ModuleBEP = false;
    bool ModuleBEN = false;
    std::string Diercategorie;
    int EvalNr = 0;
    TVoorraden Voorraden{};
    TVoorraadPost BesteGk{};
    TAankopen Aankoop{};
    float PcDrijfMk = 0, PcDrijfPi = 0, PcDrijfKa = 0;
    TArray<float, 1, 13> Graasdieren{};
    TArray<bool, 1, 13> GraasJa{};
    float MndWeidBMk = 0, MndWeidOMk = 0, MndZstvBMk = 0, MndZstvOMk = 0;
    float UurWeidBMk = 0, UurWeidOMk = 0;
    float MndWeidOKa = 0, MndWeidOPi = 0, MndWeidBKa = 0, MndWeidBPi = 0;
    float UurWeidOKa = 0, UurWeidOPi = 0, UurWeidBKa = 0, UurWeidBPi = 0;
    // Days a year, each at most 365: grazing of cows, heifers and calves, and summer days
    // of cows fed in the house.
    float DagenWeidMk = 0, DagenWeidPi = 0, DagenWeidKa = 0, DagenZstvMk = 0;
    std::string Ras;
    float VemDekking = 0, nKoe = 0, nPink = 0, nKalf = 0, LftJvAan = 0, LftJvAfv = 0;
    float MelkLev = 0, Vet = 0, Eiwit = 0, Ureum = 0;
    float OppGrasL = 0, OppGrasN = 0, OppGrasH = 0, OppBouwL = 0, OppBouwN = 0, OppBouwH = 0;
    std::string TypeStal;
    bool MstAfvOpg = false;
    float DrijfAfv = 0, DrijfAan = 0, DrijfMais = 0, DrijfBouw = 0;
    float KasBouw = 0, KasGras = 0, UreumBouw = 0, UreumGras = 0;
    float MethBouw1 = 0, MethBouw2 = 0, MethBouw3 = 0, MethGras1 = 0, MethGras2 = 0, MethGras3 = 0;
    float OppMaisH = 0, OppMaisN = 0, OppMaisL = 0;
    float AfvoerVgP = 0, AfvoerGkP = 0, AfvoerSmP = 0;
    float BepNormGk1 = 0, BepNormGk2 = 0, BepNormSm1 = 0, BepNormSm2 = 0;
    std::string GrondGras, GrondMais, GtGras, GtMais;
    float ToedNKmMais = 0, MestVoor1jan = 0, MestNgeh1jan = 0, MestVoor31dec = 0, MestNgeh31dec = 0;

private:
    // The remembered sub-results, by the slots of Geheugen.h; in use while a TOnthouden lives
    // (diepte counts them). A copy or an assignment brings other fields: it starts with
    // nothing remembered and keeps its own count.
    struct TUitkomsten {
        // A value counts only when it was stored in the current round (generatie), so
        // forgetting everything is one step instead of clearing every slot.
        template <typename T> struct TUitkomst {
            T waarde = 0;
            unsigned generatie = 0;
        };
        std::array<TUitkomst<float>, geheugen::kAantal> waarden{};
        // Intermediate sums kept in extended precision.
        std::array<TUitkomst<long double>, geheugen::kAantalLang> lang{};
        unsigned generatie = 1;
        int diepte = 0;

        TUitkomsten() = default;
        TUitkomsten(const TUitkomsten&) {}
        TUitkomsten& operator=(const TUitkomsten&) {
            Vergeet();
            return *this;
        }
        void Vergeet() {
            if (++generatie != 0) return;
            // After four thousand million rounds the old marks could come back.
            waarden.fill({});
            lang.fill({});
            generatie = 1;
        }
    };
    mutable TUitkomsten uitkomsten;
    // The value of slot, computed by bereken the first time (or every time when nothing is
    // remembered or the arguments have no slot).
    template <typename T, std::size_t N, typename F>
    T Onthoud(std::array<TUitkomsten::TUitkomst<T>, N>& waarden, int slot, F&& bereken) const {
        if (uitkomsten.diepte == 0 || slot < 0) return bereken();
        auto& u = waarden[static_cast<std::size_t>(slot)];
        if (u.generatie != uitkomsten.generatie) {
            u.waarde = bereken();
            u.generatie = uitkomsten.generatie;
        }
        return u.waarde;
    }
    // Keeps a value computed along with another for its own slot.
    void Bewaar(int slot, float waarde) const {
        if (uitkomsten.diepte == 0 || slot < 0) return;
        uitkomsten.waarden[static_cast<std::size_t>(slot)] = {waarde, uitkomsten.generatie};
    }
    template <typename F> float Onthoud(int slot, F&& bereken) const {
        return Onthoud(uitkomsten.waarden, slot, bereken);
    }
    template <typename F> long double OnthoudLang(int slot, F&& bereken) const {
        return Onthoud(uitkomsten.lang, slot, bereken);
    }

    // kg a year of component C (0 "N", 1 "P", 2 "VRE") eaten in feed kind Soort (0 "SM",
    // 1 "NAT", 2 "KV", 3 "MP", 4 "GK", 5 "VG").
    long double JaarOpname(int Soort, int C) const;
    // The one computation behind VemVerdelingA ('A'), B ('B') and C ('C').
    long double VemVerdeling(char Welk) const;
    // The one computation behind RantsoenVEM, RE, VRE and P.
    float Rantsoen(std::string_view Voersoort, std::string_view Component) const;
    // The result texts and figures of the modules ammonia, phosphate and nitrogen.
    void VulAmmoniak(TTvUitvoer& Uitvoer) const;
    void VulFosfaat(TTvUitvoer& Uitvoer) const;
    void VulStikstof(TTvUitvoer& Uitvoer) const;
    // kg P of the farm's own harvest stored as silage of kind kGK or kSM.
    long double EigenOogst(int Soort) const;
    // The own land's P yield over its harvest: scales the harvest to the balance.
    long double PSchaal() const;
    // The standards of every land use and class weighed by their areas, per ha of the farm:
    // this year's, or the three-year figures.
    long double BepSom(bool Driejarig) const;
};
