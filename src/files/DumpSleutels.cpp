#include "DumpSleutels.h"

#include "ResultaatVelden.h"

#include <stdexcept>

#include <array>
#include <utility>

namespace {
using S = TDumpSleutel;
using B = TDumpBron;

QString Q(const char* s) {
    return QString::fromLatin1(s);
}

S Besturing(const char* sleutel, const char* besturing) {
    return {.Sleutel = Q(sleutel), .Bron = B::Besturing, .Veld = besturing};
}
S Resultaat(const char* sleutel, const char* veld, int index = 0) {
    return {.Sleutel = Q(sleutel), .Bron = B::Resultaat, .Veld = veld, .Index = index};
}
S Voorraad(QString sleutel, int moment, int soort, float TVoorraadPost::*veld, const char* patroon) {
    return {.Sleutel = std::move(sleutel),
            .Bron = B::Voorraad,
            .Index = moment,
            .Soort = soort,
            .Patroon = patroon,
            .VoorraadVeld = veld};
}

// The stock kinds of the dump and their prefixes.
struct TSoort {
    const char* Naam;
    int Soort;
};
constexpr std::array<TSoort, 5> kSoorten = {
    {{"gk", kGK}, {"sm", kSM}, {"ov", kNAT}, {"kv", kKV}, {"mp", kMP}}};
constexpr std::array<std::pair<const char*, int>, 3> kMomenten = {
    {{"bv_", mBegin}, {"aanleg_", mAanleg}, {"ev_", mEind}}};

std::vector<S> MaakBex(bool koeien) {
    std::vector<S> t;
    t.push_back({.Sleutel = Q("naaminv"), .Bron = B::Naam});

    // Identity, herd and milk as shown.
    t.push_back({.Sleutel = Q("versie"), .Bron = B::Versie});
    t.push_back({.Sleutel = Q("evalnr"), .Bron = B::EvalNr});
    for (const auto& [sleutel, besturing] :
         std::initializer_list<std::pair<const char*, const char*>>{{"evaluatie", "CbxEvaluatie"},
                                                                    {"omschr", "EdtOmschrijving"},
                                                                    {"veehouder", "EdtNaam"},
                                                                    {"straat", "EdtStraat"},
                                                                    {"plaats", "EdtPlaats"},
                                                                    {"jaartal", "SpeJaartal"},
                                                                    {"ras", "CbxRas"},
                                                                    {"nkoe", "SpenKoe"},
                                                                    {"nkalf", "SpenKalf"},
                                                                    {"npink", "SpenPink"},
                                                                    {"pcdrijfmk", "SpeDrijfMk"},
                                                                    {"pcdrijfka", "SpeDrijfKa"},
                                                                    {"pcdrijfpi", "SpeDrijfPi"},
                                                                    {"melklev", "SpeMelklev"},
                                                                    {"vet", "SpeVet"},
                                                                    {"eiwit", "SpeEiwit"},
                                                                    {"melk", "LblMelkprod"},
                                                                    {"ureum", "SpeUreum"}})
        t.push_back(Besturing(sleutel, besturing));

    t.push_back({.Sleutel = Q("Nnorm_drijf"), .Bron = B::NormDrijf, .Patroon = "0.0"});
    t.push_back({.Sleutel = Q("Nnorm_vast"), .Bron = B::NormVast, .Patroon = "0.0"});
    t.push_back(Besturing("oppgras", "SpeOppGras"));
    t.push_back(Besturing("oppbouw", "SpeOppBouw"));

    // The other grazing animals, category 1 to 13.
    static constexpr std::array<std::pair<const char*, const char*>, 13> kGraas = {{
        {"zoogkdrijf120", "SpeGraas1"},
        {"zoogkvast120", "SpeGraas2"},
        {"fokstieren", "SpeGraas3"},
        {"kruisstieren", "SpeGraas4"},
        {"vleesstieren", "SpeGraas5"},
        {"startkalveren", "SpeGraas6"},
        {"rosekalveren", "SpeGraas7"},
        {"schapen550", "SpeGraas8"},
        {"schapen552", "SpeGraas9"},
        {"ponys941", "SpeGraas10"},
        {"ponys942", "SpeGraas11"},
        {"paarden943", "SpeGraas12"},
        {"paarden944", "SpeGraas13"},
    }};
    for (const auto& [sleutel, besturing] : kGraas)
        t.push_back(Besturing(sleutel, besturing));

    // Stock totals: moment by moment, kind by kind; crude ash for the silages, VRE for
    // the wet by-products.
    for (const auto& [moment, m] : kMomenten)
        for (const TSoort& s : kSoorten) {
            const QString v = Q(moment) + Q(s.Naam) + QLatin1Char('_');
            t.push_back(Voorraad(v + Q("hoev"), m, s.Soort, &TVoorraadPost::Hoev, "0"));
            t.push_back(Voorraad(v + Q("vem"), m, s.Soort, &TVoorraadPost::Vem, "0"));
            t.push_back(Voorraad(v + Q("re"), m, s.Soort, &TVoorraadPost::Re, "0"));
            t.push_back(Voorraad(v + Q("n"), m, s.Soort, &TVoorraadPost::N, "0.00"));
            t.push_back(Voorraad(v + Q("p"), m, s.Soort, &TVoorraadPost::P, "0.00"));
            if (s.Soort == kGK || s.Soort == kSM)
                t.push_back(Voorraad(v + Q("ras"), m, s.Soort, &TVoorraadPost::Ras, "0"));
            if (s.Soort == kNAT) t.push_back(Voorraad(v + Q("vre"), m, s.Soort, &TVoorraadPost::Vre, "0"));
        }

    // The best grass silage has no amount.
    for (const auto& [sleutel, veld, patroon] :
         std::initializer_list<std::tuple<const char*, float TVoorraadPost::*, const char*>>{
             {"best_gk_vem", &TVoorraadPost::Vem, "0"},
             {"best_gk_re", &TVoorraadPost::Re, "0"},
             {"best_gk_n", &TVoorraadPost::N, "0.00"},
             {"best_gk_p", &TVoorraadPost::P, "0.00"},
             {"best_gk_ras", &TVoorraadPost::Ras, "0.00"}})
        t.push_back({.Sleutel = Q(sleutel), .Bron = B::BesteGk, .Patroon = patroon, .VoorraadVeld = veld});

    // Excretion, disposal and the farm's figures.
    static constexpr std::array<std::tuple<const char*, const char*, int>, 25> kResultaten = {{
        {"excr_specexc1", "ExcrSpecExc", 1},
        {"excr_specexc2", "ExcrSpecExc", 2},
        {"excr_specinc1", "ExcrSpecInc", 1},
        {"excr_specinc2", "ExcrSpecInc", 2},
        {"excr_forf1", "ExcrForf", 1},
        {"excr_forf2", "ExcrForf", 2},
        {"excr_voordeel1", "ExcrVoordeel", 1},
        {"excr_voordeel2", "ExcrVoordeel", 2},
        {"gebrnorm1", "GebrNorm", 1},
        {"gebrnorm2", "GebrNorm", 2},
        {"mestafz_spec1", "MestafzSpec", 1},
        {"mestafz_spec2", "MestafzSpec", 2},
        {"mestafz_forf1", "MestafzForf", 1},
        {"mestafz_forf2", "MestafzForf", 2},
        {"mestafz_voordeel1", "MestafzVoordeel", 1},
        {"mestafz_voordeel2", "MestafzVoordeel", 2},
        {"efficientie_N", "Efficientie", 1},
        {"efficientie_P", "Efficientie", 2},
        {"melkperha", "MelkPerHa", 0},
        {"jvper10mk", "JvPer10Mk", 0},
        {"kvper100kgmelk", "KvPer100kgMelk", 0},
        {"pcvoordeelspec1", "PcVoordeelSpec", 1},
        {"pcvoordeelspec2", "PcVoordeelSpec", 2},
        {"melkprodmax1", "MelkProdMax", 1},
        {"melkprodmax2", "MelkProdMax", 2},
    }};
    for (const auto& [sleutel, veld, index] : kResultaten)
        t.push_back(Resultaat(sleutel, veld, index));

    // The ration: each figure for the whole ration (index 0) and the feed kinds 1 to 6.
    static constexpr std::array<std::pair<const char*, const char*>, 7> kRantsoen = {{
        {"_verbruik", "RantsVerbruik"},
        {"_aandeel", "RantsAandeel"},
        {"_geh_re", "RantsGehRe"},
        {"_geh_p", "RantsGehP"},
        {"_re_kvem", "RantsReKvem"},
        {"_p_kvem", "RantsPKvem"},
        {"_geh_vem", "RantsGehVem"},
    }};
    static constexpr std::array<const char*, 7> kRantsoenSoorten = {"rants", "gr", "gk", "sm",
                                                                    "ov",    "mp", "kv"};
    for (const auto& [achtervoegsel, veld] : kRantsoen)
        for (int i = 0; i < 7; ++i)
            t.push_back({.Sleutel = Q(kRantsoenSoorten[static_cast<std::size_t>(i)]) + Q(achtervoegsel),
                         .Bron = B::Resultaat,
                         .Veld = veld,
                         .Index = i});

    // Opening and closing stock of four kinds (not milk powder), then the change.
    for (const auto& [moment, m] : {std::pair{"_bv_", mBegin}, std::pair{"_ev_", mEind}}) {
        for (int s = 0; s < 4; ++s)
            t.push_back(Voorraad(Q(kSoorten[static_cast<std::size_t>(s)].Naam) + Q(moment) + Q("hoev"), m,
                                 kSoorten[static_cast<std::size_t>(s)].Soort, &TVoorraadPost::Hoev, "0"));
        for (int s = 0; s < 4; ++s)
            t.push_back({.Sleutel = Q(kSoorten[static_cast<std::size_t>(s)].Naam) + Q(moment) + Q("vem_re"),
                         .Bron = B::VoorraadVemRe,
                         .Index = m,
                         .Soort = kSoorten[static_cast<std::size_t>(s)].Soort,
                         .Patroon = "0.0"});
        for (int s = 0; s < 4; ++s)
            t.push_back({.Sleutel = Q(kSoorten[static_cast<std::size_t>(s)].Naam) + Q(moment) + Q("vem_p"),
                         .Bron = B::VoorraadVemP,
                         .Index = m,
                         .Soort = kSoorten[static_cast<std::size_t>(s)].Soort,
                         .Patroon = "0"});
    }
    for (int s = 0; s < 4; ++s)
        t.push_back({.Sleutel = Q(kSoorten[static_cast<std::size_t>(s)].Naam) + Q("_mut_hoev"),
                     .Bron = B::VoorraadMutatie,
                     .Soort = kSoorten[static_cast<std::size_t>(s)].Soort});

    // Grazing of the animal group.
    if (koeien) {
        for (const auto& [sleutel, besturing] :
             std::initializer_list<std::pair<const char*, const char*>>{{"mndweidb", "SpeMndWeidBMk"},
                                                                        {"mndweido", "SpeMndWeidOMk"},
                                                                        {"mndzstvb", "SpeMndZstvBMk"},
                                                                        {"mndzstvo", "SpeMndZstvOMk"},
                                                                        {"uurweidb", "SpeUurWeidBMk"},
                                                                        {"uurweido", "SpeUurWeidOMk"}})
            t.push_back(Besturing(sleutel, besturing));
    } else {
        for (const auto& [sleutel, besturing] :
             std::initializer_list<std::pair<const char*, const char*>>{{"mndweidkab", "SpeMndWeidBKa"},
                                                                        {"mndweidkao", "SpeMndWeidOKa"},
                                                                        {"mndweidpib", "SpeMndWeidBPi"},
                                                                        {"mndweidpio", "SpeMndWeidOPi"},
                                                                        {"uurweidkab", "SpeUurWeidBKa"},
                                                                        {"uurweidkao", "SpeUurWeidOKa"},
                                                                        {"uurweidpib", "SpeUurWeidBPi"},
                                                                        {"uurweidpio", "SpeUurWeidOPi"}})
            t.push_back(Besturing(sleutel, besturing));
    }

    // Areas by phosphate class.
    for (const auto& [sleutel, besturing] :
         std::initializer_list<std::pair<const char*, const char*>>{{"oppgrasl", "SpeOppGrasL"},
                                                                    {"oppgrasn", "SpeOppGrasN"},
                                                                    {"oppgrash", "SpeOppGrasH"},
                                                                    {"oppbouwl", "SpeOppBouwL"},
                                                                    {"oppbouwn", "SpeOppBouwN"},
                                                                    {"oppbouwh", "SpeOppBouwH"}})
        t.push_back(Besturing(sleutel, besturing));
    return t;
}

std::vector<S> MaakBea() {
    std::vector<S> t;
    t.push_back({.Sleutel = Q("naaminv"), .Bron = B::Naam});
    t.push_back({.Sleutel = Q("typestal"), .Bron = B::TypeStal});
    t.push_back({.Sleutel = Q("mstafvopg"), .Bron = B::MstafvOpg});
    for (const auto& [sleutel, besturing] :
         std::initializer_list<std::pair<const char*, const char*>>{{"drijfafv", "SpeDrijfAfv"},
                                                                    {"drijfaan", "SpeDrijfAan"},
                                                                    {"drijfmais", "SpeDrijfMais"},
                                                                    {"drijfbouw", "SpeDrijfBouw"},
                                                                    {"kasbouw", "SpeKasBouw"},
                                                                    {"kasgras", "SpeKasGras"},
                                                                    {"ureumbouw", "SpeUreumBouw"},
                                                                    {"ureumgras", "SpeUreumGras"},
                                                                    {"pcmethgras1", "SpeMethGras1"},
                                                                    {"pcmethgras2", "SpeMethGras2"},
                                                                    {"pcmethgras3", "SpeMethGras3"},
                                                                    {"pcmethbouw1", "SpeMethBouw1"},
                                                                    {"pcmethbouw2", "SpeMethBouw2"},
                                                                    {"pcmethbouw3", "SpeMethBouw3"}})
        t.push_back(Besturing(sleutel, besturing));
    for (const auto& [moment, m] : kMomenten)
        t.push_back(Voorraad(Q(moment) + Q("ov_vre"), m, kNAT, &TVoorraadPost::Vre, "0"));

    // Ammonia per farm, then the total by its four measures.
    static constexpr std::array<std::tuple<const char*, const char*, int>, 10> kAmmoniak = {{
        {"em_nh3_stal", "EmNh3Stal", 1},
        {"em_nh3_ombouw", "EmNh3Omb", 1},
        {"em_nh3_omgras", "EmNh3Omg", 1},
        {"em_nh3_kmbouw", "EmNh3Kmb", 1},
        {"em_nh3_kmgras", "EmNh3Kmg", 1},
        {"em_nh3_beweid", "EmNh3Beweid", 1},
        {"em_nh3_bedrijf", "EmNh3Tot", 1},
        {"em_nh3_hagrond", "EmNh3Tot", 2},
        {"em_nh3_tonmelk", "EmNh3Tot", 3},
        {"em_nh3_gve", "EmNh3Tot", 4},
    }};
    for (const auto& [sleutel, veld, index] : kAmmoniak)
        t.push_back(Resultaat(sleutel, veld, index));

    // Intake by feed kind 1 to 6.
    static constexpr std::array<std::tuple<const char*, ars6f TTvUitvoer::*, const char*>, 8> kOpname = {{
        {"OpnameW_kgds_", &TTvUitvoer::OpnameW_kgds, "0"},
        {"OpnameZ_kgds_", &TTvUitvoer::OpnameZ_kgds, "0"},
        {"OpnameJ_kgds_", &TTvUitvoer::OpnameJ_kgds, "0"},
        {"OpnameW_N_", &TTvUitvoer::OpnameW_N, "0"},
        {"OpnameZ_N_", &TTvUitvoer::OpnameZ_N, "0"},
        {"OpnameJ_N_", &TTvUitvoer::OpnameJ_N, "0"},
        {"Voer_N_", &TTvUitvoer::Voer_N, "0.00"},
        {"Voer_VCRE_", &TTvUitvoer::Voer_VCRE, "0.00"},
    }};
    static constexpr std::array<const char*, 6> kVoer = {"gr", "gk", "sm", "ov", "mp", "kv"};
    for (const auto& [stam, reeks, patroon] : kOpname)
        for (int i = 1; i <= 6; ++i)
            t.push_back({.Sleutel = Q(stam) + Q(kVoer[static_cast<std::size_t>(i - 1)]),
                         .Bron = B::UitvoerReeks,
                         .Index = i,
                         .Patroon = patroon,
                         .UitvoerReeks = reeks});

    static constexpr std::array<std::pair<const char*, float TTvUitvoer::*>, 17> kGetallen = {{
        {"N_Opname_vee", &TTvUitvoer::N_Opname_vee},
        {"N_Excretie_vee", &TTvUitvoer::N_Excretie_vee},
        {"N_VastlegMelk", &TTvUitvoer::N_VastlegMelk},
        {"N_VastlegMk", &TTvUitvoer::N_VastlegMk},
        {"N_VastlegJv", &TTvUitvoer::N_VastlegJv},
        {"MestWS", &TTvUitvoer::MestWS},
        {"MestZS", &TTvUitvoer::MestZS},
        {"MestZW", &TTvUitvoer::MestZW},
        {"PcTanWS_excr", &TTvUitvoer::PcTanWS_excr},
        {"PcTanZS_excr", &TTvUitvoer::PcTanZS_excr},
        {"PcTanZW_excr", &TTvUitvoer::PcTanZW_excr},
        {"PcTanJR_excr", &TTvUitvoer::PcTanJR_excr},
        {"PcUrenWS", &TTvUitvoer::PcUrenWS},
        {"PcUrenZS", &TTvUitvoer::PcUrenZS},
        {"PcUrenZW", &TTvUitvoer::PcUrenZW},
        {"PcTan_uitrmst", &TTvUitvoer::PcTan_uitrmst},
        {"Ngras_toed", &TTvUitvoer::Ngras_toed},
    }};
    for (const auto& [sleutel, veld] : kGetallen)
        t.push_back({.Sleutel = Q(sleutel), .Bron = B::UitvoerGetal, .UitvoerGetal = veld});
    return t;
}

std::vector<S> MaakBep() {
    std::vector<S> t;
    t.push_back({.Sleutel = Q("naaminv"), .Bron = B::Naam});
    const auto invoer = [&t](const char* sleutel, float TTvInvoer::*veld, const char* patroon) {
        t.push_back({.Sleutel = Q(sleutel), .Bron = B::InvoerGetal, .Patroon = patroon, .InvoerGetal = veld});
    };
    invoer("opp_mais_h", &TTvInvoer::OppMaisH, "0.00");
    invoer("opp_mais_n", &TTvInvoer::OppMaisN, "0.00");
    invoer("opp_mais_l", &TTvInvoer::OppMaisL, "0.00");
    for (const auto& [sleutel, besturing, patroon] :
         std::initializer_list<std::tuple<const char*, const char*, const char*>>{
             {"afv_vg_hoev", "SpeAfvoerVgHoev", "0"},
             {"afv_vg_p", "SpeAfvoerVgP", "0.00"},
             {"afv_gk_hoev", "SpeAfvoerGkHoev", "0"},
             {"afv_gk_p", "SpeAfvoerGkP", "0.00"},
             {"afv_sm_hoev", "SpeAfvoerSmHoev", "0"},
             {"afv_sm_p", "SpeAfvoerSmP", "0.00"}})
        t.push_back({.Sleutel = Q(sleutel), .Bron = B::SpinWaarde, .Veld = besturing, .Patroon = patroon});
    invoer("bepnorm_gk1", &TTvInvoer::BepNormGk1, "0");
    invoer("bepnorm_gk2", &TTvInvoer::BepNormGk2, "0");
    invoer("bepnorm_sm1", &TTvInvoer::BepNormSm1, "0");
    invoer("bepnorm_sm2", &TTvInvoer::BepNormSm2, "0");

    // Purchased silage: moment, then grass and maize silage.
    for (const auto& [moment, m] : {std::pair{"aankoop_begin_", mBegin},
                                    std::pair{"aankoop_aanleg_", mAanleg}, std::pair{"aankoop_eind_", mEind}})
        for (const auto& [soort, s] : {std::pair{"gk_", 1}, std::pair{"sm_", 2}})
            for (const auto& [veld, lid, patroon] :
                 std::initializer_list<std::tuple<const char*, float TAankoopPost::*, const char*>>{
                     {"hoev", &TAankoopPost::Hoev, "0"},
                     {"vem", &TAankoopPost::Vem, "0.0"},
                     {"re", &TAankoopPost::Re, "0.0"},
                     {"p", &TAankoopPost::P, "0.00"}})
                t.push_back({.Sleutel = Q(moment) + Q(soort) + Q(veld),
                             .Bron = B::Aankoop,
                             .Index = m,
                             .Soort = s,
                             .Patroon = patroon,
                             .AankoopVeld = lid});

    static constexpr std::array<std::pair<const char*, const char*>, 35> kResultaten = {{
        {"fosfaatnorm_afggrash", "AfgGrasH"},
        {"fosfaatnorm_afggrasn", "AfgGrasN"},
        {"fosfaatnorm_afggrasl", "AfgGrasL"},
        {"fosfaatnorm_afgmaish", "AfgMaisH"},
        {"fosfaatnorm_afgmaisn", "AfgMaisN"},
        {"fosfaatnorm_afgmaisl", "AfgMaisL"},
        {"fosfaatnorm_afgbouwh", "AfgBouwH"},
        {"fosfaatnorm_afgbouwn", "AfgBouwN"},
        {"fosfaatnorm_afgbouwl", "AfgBouwL"},
        {"fosfaatnorm_afggrash3", "AfgGrasH3"},
        {"fosfaatnorm_afggrasn3", "AfgGrasN3"},
        {"fosfaatnorm_afggrasl3", "AfgGrasL3"},
        {"fosfaatnorm_afgmaish3", "AfgMaisH3"},
        {"fosfaatnorm_afgmaisn3", "AfgMaisN3"},
        {"fosfaatnorm_afgmaisl3", "AfgMaisL3"},
        {"fosfaatnorm_afgbouwh3", "AfgBouwH3"},
        {"fosfaatnorm_afgbouwn3", "AfgBouwN3"},
        {"fosfaatnorm_afgbouwl3", "AfgBouwL3"},
        {"fosfaatnorm_specifiek", "FosfSpecifiek"},
        {"fosfaatnorm_specifiek3", "FosfSpecifiek3"},
        {"fosfaatnorm_generiek", "FosfGeneriek"},
        {"fosfaatnorm_voordeel", "FosfVoordeel"},
        {"fosfaatnorm_pcvoordeeel", "FosfPcVoordeel"},
        {"fosfaatnorm_haspecifiek", "FosfHaSpecifiek"},
        {"fosfaatnorm_haspecifiek3", "FosfHaSpecifiek3"},
        {"fosfaatnorm_hageneriek", "FosfHaGeneriek"},
        {"fosfaatBepExcretieBex", "BepExcretieBex"},
        {"fosfaatBepMestafzetSpec", "BepMestafzetSpec"},
        {"fosfaatBepMestafzetForf", "BepMestafzetForf"},
        {"fosfaatBepMestafzetVoor", "BepMestafzetVoor"},
        {"P_excretie", "P_excretie"},
        {"P_aanvoerkv", "P_aanvoerkv"},
        {"P_aanvoerrv", "P_aanvoerrv"},
        {"P_afvoer", "P_afvoer"},
        {"P_normspec", "P_normspec"},
    }};
    for (const auto& [sleutel, veld] : kResultaten)
        t.push_back(Resultaat(sleutel, veld));
    return t;
}

std::vector<S> MaakBen() {
    std::vector<S> t;
    t.push_back({.Sleutel = Q("naaminv"), .Bron = B::Naam});
    t.push_back({.Sleutel = Q("grond_mais"), .Bron = B::MaisCode, .InvoerCode = &TTvInvoer::GrondMais});
    t.push_back({.Sleutel = Q("gttrap_mais"), .Bron = B::MaisCode, .InvoerCode = &TTvInvoer::GtMais});
    t.push_back({.Sleutel = Q("grond_gras"), .Bron = B::InvoerCode, .InvoerCode = &TTvInvoer::GrondGras});
    t.push_back({.Sleutel = Q("gttrap_gras"), .Bron = B::InvoerCode, .InvoerCode = &TTvInvoer::GtGras});
    for (const auto& [sleutel, veld, patroon] :
         std::initializer_list<std::tuple<const char*, float TTvInvoer::*, const char*>>{
             {"ngiftkm_mais", &TTvInvoer::ToedNKmMais, "0"},
             {"mestvoor_1jan", &TTvInvoer::MestVoor1jan, "0"},
             {"mestngeh_1jan", &TTvInvoer::MestNgeh1jan, "0.00"},
             {"mestvoor_31dec", &TTvInvoer::MestVoor31dec, "0"},
             {"mestngeh_31dec", &TTvInvoer::MestNgeh31dec, "0.00"}})
        t.push_back({.Sleutel = Q(sleutel), .Bron = B::InvoerGetal, .Patroon = patroon, .InvoerGetal = veld});
    static constexpr std::array<std::pair<const char*, const char*>, 12> kResultaten = {{
        {"nover_gras_berek", "NoverGrasBerek"},
        {"nover_gras_toeg", "NoverGrasToeg"},
        {"nover_gras_verschil", "NoverGrasVerschil"},
        {"nover_mais_berek", "NoverMaisBerek"},
        {"nover_mais_toeg", "NoverMaisToeg"},
        {"nover_mais_verschil", "NoverMaisVerschil"},
        {"nitraat_gras", "NitraatGras"},
        {"nitraat_mais", "NitraatMais"},
        {"denitri_gras", "DenitriGras"},
        {"denitri_mais", "DenitriMais"},
        {"lachgas_gras", "LachgasGras"},
        {"lachgas_mais", "LachgasMais"},
    }};
    for (const auto& [sleutel, veld] : kResultaten)
        t.push_back(Resultaat(sleutel, veld));
    return t;
}
// Finds every result text in the one table of result figures; a field missing there is a
// programming error.
std::vector<S> Gevonden(std::vector<S> t) {
    for (S& s : t)
        if (s.Bron == B::Resultaat) {
            s.ResultaatVeld = ZoekResultaatVeld(s.Veld, s.Index);
            if (!s.ResultaatVeld)
                throw std::logic_error(std::string("Dump: result figure missing: ") + s.Veld);
        }
    return t;
}
} // namespace

const std::vector<TDumpSleutel>& DumpSleuteltabel(TDumpModule module, const QString& diercategorie) {
    static const std::vector<S> bexKoeien = Gevonden(MaakBex(true));
    static const std::vector<S> bexJongvee = Gevonden(MaakBex(false));
    static const std::vector<S> bea = Gevonden(MaakBea());
    static const std::vector<S> bep = Gevonden(MaakBep());
    static const std::vector<S> ben = Gevonden(MaakBen());
    switch (module) {
    case TDumpModule::BEX:
        return diercategorie == QLatin1String("MK") ? bexKoeien : bexJongvee;
    case TDumpModule::BEA:
        return bea;
    case TDumpModule::BEP:
        return bep;
    case TDumpModule::BEN:
        break;
    }
    return ben;
}
