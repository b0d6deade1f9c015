// The calculation driver: the one road from the screen to the farm model.
#include "Berekening.h"

#include "NumEdit.h"
#include "Tarvolingrade_u.h"
#include "Wachten.h"

#include "Bedrijf_u.h"
#include "Getallen.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QRadioButton>

#include <array>
#include <cfloat>
#include <cmath>
#include <optional>
#include <stdexcept>
#include <utility>

// ---------------------------------------------------------------------------------------
// Option codes and result texts

QString OptieSleutel(const QString& tekst) {
    QString sleutel;
    sleutel.reserve(tekst.size());
    for (QChar c : tekst) {
        if (c == QLatin1Char(' ')) continue;
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) c = QChar(c.unicode() + ('a' - 'A'));
        sleutel.append(c);
    }
    return sleutel;
}

std::optional<QString> OptieCode(const QString& sleutel) {
    // Compared in this order; the first equal key gives the code.
    static const std::array<std::pair<const char*, const char*>, 23> kCodes = {{
        {"middleorlarge", "NORM"},
        {"crossbreedjersey", "KRUISLING"},
        {"jersey", "JERSEY"},
        {"none", "GEEN"},
        {"limited", "BEPERKT"},
        {"unlimited", "ONBEPERKT"},
        {"zerograzingunlimited", "ZSTVO"},
        {"zerograzinglimited", "ZSTVB"},
        {"cubiclehousewithslattedfloorwithoutamanurescraper", "NIETEMARM1"},
        {"cubiclehousewithslattedfloorwithamanurescraper", "NIETEMARM2"},
        {"cubiclehousewithasolidnonslopingfloorwithoutmanuregutter", "NIETEMARM3"},
        {"cubiclehousewithasolidnonslopingfloorwithmanuregutter", "NIETEMARM4"},
        {"grupstablewithsolidmanure", "NIETEMARM5"},
        {"deeplitter", "NIETEMARM6"},
        {"cubiclehousewithaslottedfloor", "EMARM1"},
        {"cubiclehousewithaslopingfloor", "EMARM2"},
        {"grupstablewithliquidmanure", "EMARM3"},
        {"sand", "ZAND"},
        {"clay", "KLEI"},
        {"peat", "VEEN"},
        {"i-v", "I-V"},
        {"vi", "VI"},
        {"vii-viii", "VII-VIII"},
    }};
    for (const auto& [sleutelTekst, code] : kCodes)
        if (sleutel == QLatin1String(sleutelTekst)) return QString::fromLatin1(code);
    return std::nullopt;
}

std::string PlusMinTekst(float Value) {
    const char* teken = Value > 0 ? "+" : Value < 0 ? "-" : "";
    return teken + FormatFloat("0", std::fabs(static_cast<long double>(Value)));
}

int KleurVoordeel(const QString& Text) {
    if (Text.startsWith(QLatin1Char('+'))) return kKleurGroen;
    if (Text.startsWith(QLatin1Char('-'))) return kKleurRood;
    return kKleurZwart;
}

int KleurNadeel(const QString& Text) {
    if (Text.startsWith(QLatin1Char('+'))) return kKleurRood;
    if (Text.startsWith(QLatin1Char('-'))) return kKleurGroen;
    return kKleurZwart;
}

QColor VanTColor(int kleur) {
    return {kleur & 255, (kleur >> 8) & 255, (kleur >> 16) & 255};
}

// ---------------------------------------------------------------------------------------
// The driver

namespace {
std::runtime_error GeenGetal(const QString& tekst) {
    return std::runtime_error(GeenGetalMelding(tekst.toStdString()));
}

// A number of the record: single precision; a text that is no number, or a number beyond
// single precision, stops the driver before the model runs.
float Single(long double waarde, const QString& tekst) {
    if (!std::isfinite(waarde) || std::fabs(waarde) > FLT_MAX) throw GeenGetal(tekst);
    return static_cast<float>(waarde);
}

float Waarde(const NumEdit* e) {
    return Single(e->value(), e->text());
}

// A total label's text with the current decimal sign; no label (a field the kind does not
// have) gives 0.
float Waarde(const QLabel* l) {
    if (!l) return 0;
    const QString tekst = l->text();
    const auto v = TryStrToFloat(tekst.toStdString());
    if (!v) throw GeenGetal(tekst);
    return Single(*v, tekst);
}

} // namespace

QString TFrmHoofdFormulier::TekstNaarCode(const QString& Text) {
    const QString sleutel = OptieSleutel(Text);
    if (const auto code = OptieCode(sleutel)) return *code;
    Berichten().Fout(QStringLiteral("Unknown string :") + sleutel);
    return Text;
}

bool TFrmHoofdFormulier::Bereken() {
    const bool batch = Haken.BatchBezig && Haken.BatchBezig();
    if (!AllesGoed() && !batch) return false;

    // Built aside: an error while the record is filled leaves the kept records as they were.
    TTvInvoer in{};
    VulInvoer(in);

    TTvUitvoer uit{};
    bool fout = false;
    QString melding;
    {
        // A batch keeps its own window in front: no cursor and no disabling of every page
        // control for each farm.
        std::optional<TWachtCursor> wacht;
        if (!batch) wacht.emplace();
        const TUitgeschakeld stil(batch ? nullptr : TabTarvolingrader);
        try {
            if (Rekenmodel) Rekenmodel(in, uit);
        } catch (const std::exception& e) {
            fout = true;
            melding = FoutTekst(e);
        } catch (...) {
            fout = true;
            melding = QStringLiteral("Unknown error");
        }
    }
    // Shown with the normal cursor; what the model wrote before its error is kept.
    if (fout) Berichten().Fout(melding);
    Invoer = std::move(in);
    Uitvoer = std::move(uit);
    return true;
}

void TFrmHoofdFormulier::VulInvoer(TTvInvoer& in) {
    in.EvalNr = CbxEvaluatie->currentIndex();
    in.Jaartal = Jaar();
    in.PcDrijfMk = Waarde(SpeDrijfMk);
    in.PcDrijfPi = Waarde(SpeDrijfPi);
    in.PcDrijfKa = Waarde(SpeDrijfKa);
    in.OppGrasL = Waarde(SpeOppGrasL);
    in.OppGrasN = Waarde(SpeOppGrasN);
    in.OppGrasH = Waarde(SpeOppGrasH);
    in.OppBouwL = Waarde(SpeOppBouwL);
    in.OppBouwN = Waarde(SpeOppBouwN);
    in.OppBouwH = Waarde(SpeOppBouwH);
    in.Ras = TekstNaarCode(CbxRas->currentText()).toStdString();
    in.VemDekking = Waarde(SpeVemdekking);
    in.nKoe = Waarde(SpenKoe);
    in.nPink = Waarde(SpenPink);
    in.nKalf = Waarde(SpenKalf);
    in.LftJvAan = Waarde(SpeLftJvAan);
    in.LftJvAfv = Waarde(SpeLftJvAfv);
    in.MelkLev = Waarde(SpeMelklev);
    in.Vet = Waarde(SpeVet);
    in.Eiwit = Waarde(SpeEiwit);
    in.Ureum = Waarde(SpeUreum);

    // The grazing of the animal group; hours count only with their months.
    if (Diercategorie == QLatin1String("MK")) {
        in.MndWeidBMk = Waarde(SpeMndWeidBMk);
        in.MndWeidOMk = Waarde(SpeMndWeidOMk);
        in.MndZstvBMk = Waarde(SpeMndZstvBMk);
        in.MndZstvOMk = Waarde(SpeMndZstvOMk);
        if (in.MndWeidBMk > 0) in.UurWeidBMk = Waarde(SpeUurWeidBMk);
        if (in.MndWeidOMk > 0) in.UurWeidOMk = Waarde(SpeUurWeidOMk);
    } else {
        in.MndWeidBKa = Waarde(SpeMndWeidBKa);
        in.MndWeidOKa = Waarde(SpeMndWeidOKa);
        in.MndWeidBPi = Waarde(SpeMndWeidBPi);
        in.MndWeidOPi = Waarde(SpeMndWeidOPi);
        if (in.MndWeidBKa > 0) in.UurWeidBKa = Waarde(SpeUurWeidBKa);
        if (in.MndWeidOKa > 0) in.UurWeidOKa = Waarde(SpeUurWeidOKa);
        if (in.MndWeidBPi > 0) in.UurWeidBPi = Waarde(SpeUurWeidBPi);
        if (in.MndWeidOPi > 0) in.UurWeidOPi = Waarde(SpeUurWeidOPi);
    }

    for (int i = 1; i <= 13; ++i)
        in.Graasdieren[i] = Waarde(SpeGraas[static_cast<std::size_t>(i)]);
    for (int i = 1; i <= 13; ++i)
        in.GraasJa[i] = RbtGraasJaCat[static_cast<std::size_t>(i)]->isChecked();
    in.ModuleBEA = ModuleBEA;
    in.ModuleBEP = ModuleBEP;
    in.ModuleBEN = ModuleBEN;
    in.Diercategorie = Diercategorie.toStdString();
    in.TypeStal = TekstNaarCode(CbxTypeStal->currentText()).toStdString();
    in.MstAfvOpg = RbtMstafvOpg->isChecked();
    in.DrijfAfv = Waarde(SpeDrijfAfv);
    in.DrijfAan = Waarde(SpeDrijfAan);
    in.DrijfMais = Waarde(SpeDrijfMais);
    in.DrijfBouw = Waarde(SpeDrijfBouw);
    in.KasBouw = Waarde(SpeKasBouw);
    in.KasGras = Waarde(SpeKasGras);
    in.UreumBouw = Waarde(SpeUreumBouw);
    in.UreumGras = Waarde(SpeUreumGras);
    in.MethGras1 = Waarde(SpeMethGras1);
    in.MethGras2 = Waarde(SpeMethGras2);
    in.MethGras3 = Waarde(SpeMethGras3);
    in.MethBouw1 = Waarde(SpeMethBouw1);
    in.MethBouw2 = Waarde(SpeMethBouw2);
    in.MethBouw3 = Waarde(SpeMethBouw3);

    // The totals under the grids, not the grids' own sums.
    for (int m = mBegin; m <= mEind; ++m)
        for (int k = kGK; k <= kMP; ++k) {
            const auto& l = LblTotaal[m][k];
            TVoorraadPost& post = in.Voorraden[m][k];
            post.Hoev = Waarde(l[1]);
            post.Vem = Waarde(l[2]);
            post.Re = Waarde(l[3]);
            post.N = Waarde(l[4]);
            post.P = Waarde(l[5]);
            post.Ras = k <= kSM ? Waarde(l[6]) : 0;
            post.Vre = Waarde(l[7]);
        }
    in.BesteGk.Vem = Waarde(LblAanlegGkMax[2]);
    in.BesteGk.Re = Waarde(LblAanlegGkMax[3]);
    in.BesteGk.N = Waarde(LblAanlegGkMax[4]);
    in.BesteGk.P = Waarde(LblAanlegGkMax[5]);
    in.BesteGk.Ras = Waarde(LblAanlegGkMax[6]);
    in.BesteGk.Vre = Waarde(LblAanlegGkMax[7]);
    for (int m = mBegin; m <= mEind; ++m)
        for (int k = kGK; k <= kSM; ++k) {
            const auto& l = LblAankoop[m][k];
            TAankoopPost& post = in.Aankoop[m][k];
            post.Hoev = Waarde(l[1]);
            post.P = Waarde(l[5]);
            if (m == mAanleg) {
                post.Re = Waarde(l[3]);
                post.Vem = Waarde(l[2]);
            }
        }

    in.OppMaisH = Waarde(SpeOppMaisH);
    in.OppMaisN = Waarde(SpeOppMaisN);
    in.OppMaisL = Waarde(SpeOppMaisL);
    // kg dry matter times g P per kg gives g: divided by 1000, kg P.
    const auto afvoer = [](const NumEdit* hoev, const NumEdit* p) {
        return Single(static_cast<long double>(hoev->value()) * p->value() / 1000,
                      hoev->text() + QStringLiteral(" x ") + p->text());
    };
    in.AfvoerVgP = afvoer(SpeAfvoerVgHoev, SpeAfvoerVgP);
    in.AfvoerGkP = afvoer(SpeAfvoerGkHoev, SpeAfvoerGkP);
    in.AfvoerSmP = afvoer(SpeAfvoerSmHoev, SpeAfvoerSmP);
    in.BepNormGk1 = Waarde(SpeBEPnormGk1);
    in.BepNormGk2 = Waarde(SpeBEPnormGk2);
    in.BepNormSm1 = Waarde(SpeBEPnormSm1);
    in.BepNormSm2 = Waarde(SpeBEPnormSm2);
    in.GrondGras = TekstNaarCode(CbxGrasGrond->currentText()).toStdString();
    in.GrondMais = TekstNaarCode(CbxMaisGrond->currentText()).toStdString();
    in.GtGras = TekstNaarCode(CbxGrasGttrap->currentText()).toStdString();
    in.GtMais = TekstNaarCode(CbxMaisGttrap->currentText()).toStdString();
    in.ToedNKmMais = Waarde(SpeToedNKmMais);
    in.MestVoor1jan = Waarde(SpeMestVoor1jan);
    in.MestNgeh1jan = Waarde(SpeMestNgeh1jan);
    in.MestVoor31dec = Waarde(SpeMestVoor31dec);
    in.MestNgeh31dec = Waarde(SpeMestNgeh31dec);
}
