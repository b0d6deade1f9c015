// The batch run: every plan through the main window as a user would enter it, then the
// result table.
#include "Automat.h"

#include "Bestandscommandos.h"
#include "Dump.h"
#include "NumEdit.h"
#include "StaticText.h"
#include "Tarvolingrade_u.h"
#include "Vervangen.h"
#include "VoorraadGrid.h"
#include "VoorraadRekenen.h"

#include "Getallen.h"
#include "NatteProducten.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include <algorithm>
#include <chrono>
#include <stdexcept>

namespace {
QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QString Opmaak(const char* patroon, float waarde) {
    return QString::fromStdString(FormatFloat(patroon, waarde));
}

void Zet(NumEdit* e, float waarde) {
    e->setValue(static_cast<double>(waarde));
}

// The window's messages during a run: what would be a box with OK becomes a line under
// the plan's name; a question still goes to the user.
class TLijstBerichten : public TBerichten {
public:
    TLijstBerichten(std::function<void(const QString&)> regel, std::shared_ptr<TBerichten> echt)
        : fRegel(std::move(regel)), fEcht(std::move(echt)) {}
    TAntwoord Toon(TBerichtSoort soort, const QString& tekst, TKnoppen knoppen) override {
        if (knoppen != TKnoppen::OK) return fEcht->Toon(soort, tekst, knoppen);
        QString regel = tekst;
        regel.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        regel.replace(QChar(13), QChar(' '));
        regel.replace(QChar(10), QChar(' '));
        if (soort == TBerichtSoort::Fout && !regel.startsWith(QLatin1String("Error")))
            regel.prepend(QStringLiteral("Error: "));
        fRegel(regel);
        return TAntwoord::OK;
    }

private:
    std::function<void(const QString&)> fRegel;
    std::shared_ptr<TBerichten> fEcht;
};

// Swaps the main window's message sink for the length of a run.
class TBerichtenWissel {
public:
    TBerichtenWissel(TFrmHoofdFormulier& w, std::shared_ptr<TBerichten> tijdelijk)
        : fHoofd(w), fOud(w.WisselBerichten(std::move(tijdelijk))) {}
    ~TBerichtenWissel() { fHoofd.WisselBerichten(fOud); }
    TBerichtenWissel(const TBerichtenWissel&) = delete;
    TBerichtenWissel& operator=(const TBerichtenWissel&) = delete;
    const std::shared_ptr<TBerichten>& Oud() const { return fOud; }

private:
    TFrmHoofdFormulier& fHoofd;
    std::shared_ptr<TBerichten> fOud;
};

// Replaces a value for the length of a scope.
template <typename T> class TTijdelijk {
public:
    TTijdelijk(T& doel, T waarde) : fDoel(doel), fOud(std::move(doel)) { fDoel = std::move(waarde); }
    ~TTijdelijk() { fDoel = std::move(fOud); }
    TTijdelijk(const TTijdelijk&) = delete;
    TTijdelijk& operator=(const TTijdelijk&) = delete;

private:
    T& fDoel;
    T fOud;
};

// Adds the time since the last call to a step's total.
class TStopwatch {
public:
    void Tel(long long& totaal) {
        const auto nu = std::chrono::steady_clock::now();
        totaal += std::chrono::duration_cast<std::chrono::nanoseconds>(nu - fVorige).count();
        fVorige = nu;
    }

private:
    std::chrono::steady_clock::time_point fVorige = std::chrono::steady_clock::now();
};

// The housing codes in the order of the housing list.
constexpr std::array<const char*, 9> kTypeStal = {"NIETEMARM1", "NIETEMARM2", "NIETEMARM3",
                                                  "NIETEMARM4", "EMARM1",     "EMARM2",
                                                  "EMARM3",     "NIETEMARM5", "NIETEMARM6"};
} // namespace

void TFrmAutomat::BerekenPlannen() {
    if (!fHoofd) throw std::logic_error("The batch window has no main window");
    TFrmHoofdFormulier& w = *fHoofd;
    StapTijden = {};
    fGebruikteNamen.clear();
    int mislukt = 0;
    {
        // Nothing of the main window is painted while the batch fills it farm by farm.
        struct TGeenTekenen {
            QWidget* w;
            bool was;
            explicit TGeenTekenen(QWidget* v) : w(v), was(v->updatesEnabled()) {
                w->setUpdatesEnabled(false);
            }
            ~TGeenTekenen() { w->setUpdatesEnabled(was); }
        } geenTekenen(&w);
        const TBerichtenWissel wissel(w, std::make_shared<TLijstBerichten>(
                                             [this](const QString& t) { Regel(t); }, fOmgeving.Berichten));
        // A model error is listed through the sink; the plan then has no valid results.
        auto model = w.Rekenmodel;
        const TTijdelijk<std::function<void(const TTvInvoer&, TTvUitvoer&)>> bewaakt(
            w.Rekenmodel, [this, model](const TTvInvoer& in, TTvUitvoer& uit) {
                try {
                    if (model) model(in, uit);
                } catch (...) {
                    fModelFout = true;
                    throw;
                }
            });

        // The dump's question about a farm already present: once per farm and file, or
        // once for all of them.
        enum class TAlles { Nee, AllesJa, AllesNee } alles = TAlles::Nee;
        const auto vraagDubbel = [this, &alles](const QString& vraag) {
            if (alles != TAlles::Nee) return alles == TAlles::AllesJa;
            switch (fOmgeving.Berichten->Toon(TBerichtSoort::Vraag, vraag, TKnoppen::JaNeeAlles)) {
            case TAntwoord::Ja:
                return true;
            case TAntwoord::JaAlles:
                alles = TAlles::AllesJa;
                return true;
            case TAntwoord::NeeAlles:
                alles = TAlles::AllesNee;
                return false;
            default:
                return false;
            }
        };

        // Each dump file is read once in the run, not once per farm.
        TDumpGeheugen dumpGeheugen;
        int nummer = 0;
        for (TPlan& plan : Plannen) {
            ++nummer;
            Regel(TabelTekst(plan.Naam));
            for (const std::string& fout : plan.Leesfouten)
                Regel(QStringLiteral("Error: ") +
                      QString::fromStdString(fout).replace(QLatin1Char('\n'), QLatin1Char(' ')));
            plan.Berekend = false;
            plan.Uitvoer = {};
            try {
                BerekenPlan(plan, nummer, vraagDubbel, dumpGeheugen);
            } catch (const std::exception& e) {
                plan.Berekend = false;
                plan.Uitvoer = {};
                Regel(QStringLiteral("Error: ") + TabelTekst(e.what()));
            } catch (...) {
                plan.Berekend = false;
                plan.Uitvoer = {};
                Regel(QStringLiteral("Error: Unknown error"));
            }
            if (!plan.Berekend) ++mislukt;
        }
        if (mislukt > 0) Regel(QString::number(mislukt) + QStringLiteral(" bedrijven niet verwerkt"));
    }
    // The batch's last farm is no farm of the user's: New without a question.
    w.Gewijzigd = false;
    MitNieuwClick(w);
}

void TFrmAutomat::BerekenPlan(TPlan& plan, int nummer, const std::function<bool(const QString&)>& vraagDubbel,
                              TDumpGeheugen& dumpGeheugen) {
    TFrmHoofdFormulier& w = *fHoofd;
    const TTvInvoer& in = plan.Invoer;
    TStopwatch klok;

    // Reset.
    w.InitInvoer();
    klok.Tel(StapTijden.Reset);

    // Farm data and the module "BEX + BEA", applied at once so that the housing type of
    // step 10 finds the ammonia page switched on, for the first plan too.
    if (in.EvalNr >= 0 && in.EvalNr < w.CbxEvaluatie->count())
        w.CbxEvaluatie->setCurrentIndex(in.EvalNr);
    else
        Regel(QStringLiteral("Error: Onbekend evaluatienummer ") + QString::number(in.EvalNr));
    w.SpeJaartal->setValue(in.Jaartal);
    w.EdtOmschrijving->setText(Q(plan.Omschr));
    w.EdtNaam->setText(Q(plan.Veehouder));
    w.EdtStraat->setText(Q(plan.Straat));
    w.EdtPlaats->setText(Q(plan.Plaats));
    w.CbxModule->setCurrentIndex(1);
    w.CbxModuleChange();

    // Areas; up to 2009 the totals are the single columns OPPGRAS and OPPBOUW.
    Zet(w.SpeOppGrasL, in.OppGrasL);
    Zet(w.SpeOppGrasN, in.OppGrasN);
    Zet(w.SpeOppGrasH, in.OppGrasH);
    Zet(w.SpeOppBouwL, in.OppBouwL);
    Zet(w.SpeOppBouwN, in.OppBouwN);
    Zet(w.SpeOppBouwH, in.OppBouwH);
    if (in.Jaartal > 2009) {
        Zet(w.SpeOppGras, in.OppGrasL + in.OppGrasN + in.OppGrasH);
        Zet(w.SpeOppBouw, in.OppBouwL + in.OppBouwN + in.OppBouwH);
    } else {
        Zet(w.SpeOppGras, in.OppGrasN);
        Zet(w.SpeOppBouw, in.OppBouwN);
    }

    // Grazing of the years before 2009, by the system's first letter.
    NumEdit* const weiden[] = {w.SpeMndWeidBMk, w.SpeMndWeidOMk, w.SpeMndZstvBMk,
                               w.SpeMndZstvOMk, w.SpeUurWeidBMk, w.SpeUurWeidOMk};
    if (in.Jaartal < 2009) {
        for (NumEdit* e : weiden)
            e->setValue(0);
        switch (plan.Beweiding.empty() ? '\0' : plan.Beweiding.front()) {
        case 'B':
            w.SpeMndWeidBMk->setValue(6);
            w.SpeUurWeidBMk->setValue(7);
            break;
        case 'G':
            break;
        case 'O':
            w.SpeMndWeidOMk->setValue(6);
            w.SpeUurWeidOMk->setValue(14);
            break;
        case 'Z':
            w.SpeMndZstvOMk->setValue(6);
            break;
        default:
            Regel(QStringLiteral("Error: Onbekende mate van beweiding ") + TabelTekst(plan.Beweiding));
        }
    }

    // Breed by its first letter, case and all.
    switch (in.Ras.empty() ? '\0' : in.Ras.front()) {
    case 'J':
        w.CbxRas->setCurrentIndex(2);
        break;
    case 'K':
        w.CbxRas->setCurrentIndex(1);
        break;
    case 'M':
    case 'N':
        w.CbxRas->setCurrentIndex(0);
        break;
    default:
        Regel(QStringLiteral("Error: Onbekend ras koeien ") + TabelTekst(in.Ras));
        w.CbxRas->setCurrentIndex(-1);
    }

    // Herd and milk.
    Zet(w.SpenKoe, in.nKoe);
    Zet(w.SpenKalf, in.nKalf);
    Zet(w.SpenPink, in.nPink);
    Zet(w.SpeDrijfMk, in.PcDrijfMk);
    Zet(w.SpeDrijfKa, in.PcDrijfKa);
    Zet(w.SpeDrijfPi, in.PcDrijfPi);
    Zet(w.SpeMelklev, in.MelkLev);
    Zet(w.SpeVet, in.Vet);
    Zet(w.SpeEiwit, in.Eiwit);
    Zet(w.SpeUreum, in.Ureum);

    // Other grazing animals; category 7 has no column.
    w.RbtGraasJa->setChecked(true);
    for (int i = 1; i <= 13; ++i)
        Zet(w.SpeGraas[static_cast<std::size_t>(i)], i == 7 ? 0.0f : in.Graasdieren[i]);
    klok.Tel(StapTijden.Invoer);

    // Stock grids.
    VulGrids(plan);
    klok.Tel(StapTijden.Grids);

    // The ammonia page, for tables of version 2008.03 and later.
    if (plan.Versie >= 200803) {
        if (w.ModuleBEA) {
            int stal = -1;
            for (std::size_t i = 0; i < kTypeStal.size(); ++i)
                if (in.TypeStal == kTypeStal[i]) stal = static_cast<int>(i);
            if (stal >= 0)
                w.CbxTypeStal->setCurrentIndex(stal);
            else
                Regel(QStringLiteral("Error: Onbekend type stal ") + TabelTekst(in.TypeStal));
        }
        const float waarden[] = {in.MndWeidBMk, in.MndWeidOMk, in.MndZstvBMk,
                                 in.MndZstvOMk, in.UurWeidBMk, in.UurWeidOMk};
        for (std::size_t i = 0; i < std::size(weiden); ++i)
            Zet(weiden[i], waarden[i]);
        if (in.MstAfvOpg)
            w.RbtMstafvOpg->setChecked(true);
        else
            w.RbtMstafvStand->setChecked(true);
        Zet(w.SpeDrijfAfv, in.DrijfAfv);
        Zet(w.SpeDrijfAan, in.DrijfAan);
        Zet(w.SpeDrijfMais, in.DrijfMais);
        Zet(w.SpeDrijfBouw, in.DrijfBouw);
        Zet(w.SpeKasBouw, in.KasBouw);
        Zet(w.SpeKasGras, in.KasGras);
        Zet(w.SpeUreumBouw, in.UreumBouw);
        Zet(w.SpeUreumGras, in.UreumGras);
        Zet(w.SpeMethGras1, in.MethGras1);
        Zet(w.SpeMethGras2, in.MethGras2);
        Zet(w.SpeMethGras3, in.MethGras3);
        Zet(w.SpeMethBouw1, in.MethBouw1);
        Zet(w.SpeMethBouw2, in.MethBouw2);
        Zet(w.SpeMethBouw3, in.MethBouw3);
    }

    // The handlers that lists set by index do not fire themselves.
    w.CbxRasChange();
    w.CbxModuleChange();
    w.RbtGraasNeeClick();
    w.SpeMelklevChange();
    w.SpeDrijfBouwChange();
    klok.Tel(StapTijden.Invoer);

    // Pages 0..6, each fault a line under the plan's name (the list is the message sink):
    // the plan is calculated all the same, but not shown as cleanly processed. A stock
    // page's own summary names only the grid, so the grids name their rows and columns
    // first.
    for (int p = 0; p <= 6; ++p) {
        if (p >= 3 && p <= 5)
            for (int k = kGK; k <= kMP; ++k)
                w.ControleerGrid(p, w.VoorraadGrids[p - 2][k], true);
        w.ControleerPagina(p, true);
    }
    klok.Tel(StapTijden.Controles);

    // Calculated also with pages that are not valid: the plans mark a batch.
    fModelFout = false;
    const bool berekend = w.Bereken();
    klok.Tel(StapTijden.Berekening);

    // The farm file beside the input table; names of one table never collide.
    const QString veilig = VeiligeNaam(Q(plan.Naam), nummer);
    QString naam = veilig;
    for (int n = 2;
         std::find(fGebruikteNamen.begin(), fGebruikteNamen.end(), naam.toUpper()) != fGebruikteNamen.end();
         ++n)
        naam = veilig + QStringLiteral(" (") + QString::number(n) + QLatin1Char(')');
    fGebruikteNamen.push_back(naam.toUpper());
    if (naam != veilig)
        Regel(QStringLiteral("Naam al gebruikt, opgeslagen als ") + naam + QStringLiteral(".trv"));
    w.BestandNaam = QFileInfo(InBestand).absolutePath() + QLatin1Char('/') + naam + QStringLiteral(".trv");
    // A plan named like the table (any extension is taken, and through a link or in
    // another case on a folder that ignores case) would replace the table itself.
    const bool deTabel = ZelfdeBestand(w.BestandNaam, InBestand);
    if (deTabel)
        Regel(QStringLiteral("Error: Bestand ") + w.BestandNaam +
              QStringLiteral(" is het invoerbestand zelf en wordt niet overschreven"));
    const bool opgeslagen = !deTabel && MitOpslaanClick(w);
    klok.Tel(StapTijden.Opslaan);

    if (!berekend || fModelFout) return;
    plan.Uitvoer = w.Uitvoer;
    if (!opgeslagen) return;

    // The BEX and BEA lines; a plan whose lines hit a file error is not processed.
    plan.Berekend = SchrijfDump(w, DumpBestand, vraagDubbel, &dumpGeheugen);
    klok.Tel(StapTijden.Dump);
}

void TFrmAutomat::VulGrids(const TPlan& plan) {
    TFrmHoofdFormulier& w = *fHoofd;
    const QString sep = QString(QLatin1Char(DecimalSeparator()));
    for (int m = mBegin; m <= mEind; ++m)
        for (int k = kGK; k <= kMP; ++k) {
            TVoorraadGrid* grid = w.VoorraadGrids[m][k];
            const TVoorraadPost& v = plan.Invoer.Voorraden[m][k];
            grid->SetCells(kKolOmschrijving, 1, QStringLiteral("Totaal"));
            grid->SetCells(kKolHoev, 1, Opmaak("0", v.Hoev));
            grid->SetCells(kKolVem, 1, Opmaak("0", v.Vem));
            grid->SetCells(kKolRe, 1, Opmaak("0", v.Re));
            grid->SetCells(kKolN, 1, Opmaak("0.00", v.N));
            grid->SetCells(kKolP, 1, Opmaak("0.00", v.P));
            grid->SetCells(kKolRas, 1, Opmaak("0", v.Ras));
            grid->SetCells(kKolVre, 1, Opmaak("0", v.Vre));
            if (k == kNAT) {
                // The totals line is a product of its own, as the farm file reads it back.
                w.NatProductNr[m][1] = kNatTotaal;
                w.ToonNatProduct(m, 1);
            }
            if (m == mAanleg && k == kGK) {
                // The best silage as a row of its own, with a negligible amount.
                const TVoorraadPost& b = plan.Invoer.BesteGk.Vem > 0 ? plan.Invoer.BesteGk : v;
                grid->SetCells(kKolOmschrijving, 2, QStringLiteral("Beste kuil"));
                grid->SetCells(kKolHoev, 2, QStringLiteral("0") + sep + QStringLiteral("001"));
                grid->SetCells(kKolVem, 2, Opmaak("0", b.Vem));
                grid->SetCells(kKolRe, 2, Opmaak("0", b.Re));
                grid->SetCells(kKolN, 2, Opmaak("0.00", b.N));
                grid->SetCells(kKolP, 2, Opmaak("0.00", b.P));
                grid->SetCells(kKolRas, 2, Opmaak("0", b.Ras));
            }
            // The cell editor completes the VRE of every row that has none.
            const int rijen = std::min(15, grid->RowCount() - 1);
            for (int r = 1; r <= rijen; ++r) {
                const QString vre = grid->Cells(kKolVre, r);
                if (!grid->Cells(kKolOmschrijving, r).isEmpty() &&
                    (vre.isEmpty() || vre == QLatin1String("0")))
                    w.GrdBeginGkSetEditText(grid, kKolRas, r, QStringLiteral("0"));
            }
            w.BerekenVoorraadGrid(grid);
        }
}

void TFrmAutomat::SchrijfUitvoer() {
    QByteArray tekst =
        "Plannaam\tBEX_N_excl\tBEX_P_excl\tBEX_N_incl\tBEX_P_incl\tFORF_N\tFORF_P\tVOORDEEL_N\t"
        "VOORDEEL_P\tGEBRNORM_N\tGEBRNORM_P\tMA_FORF_N\tMA_FORF_P\tMA_BEX_N\tMA_BEX_P\t"
        "MA_VOORDEEL_N\tMA_VOORDEEL_P\t\r\n";
    for (const TPlan& plan : Plannen) {
        const TTvUitvoer& u = plan.Uitvoer;
        // A tab in the name would move every figure of the row one column on.
        tekst += QByteArray::fromStdString(plan.Naam).replace('\t', ' ') + '\t';
        for (const ars2* veld : {&u.ExcrSpecExc, &u.ExcrSpecInc, &u.ExcrForf, &u.ExcrVoordeel, &u.GebrNorm,
                                 &u.MestafzForf, &u.MestafzSpec, &u.MestafzVoordeel})
            for (int i = 1; i <= 2; ++i)
                tekst += QByteArray::fromStdString((*veld)[i]) + '\t';
        tekst += "\r\n";
    }
    // Through a link the result table's name can lead to the table itself.
    if (ZelfdeBestand(UitBestand, InBestand)) {
        fOmgeving.Berichten->Fout(QStringLiteral("Bestand ") + UitBestand +
                                  QStringLiteral(" is het invoerbestand zelf en wordt niet overschreven"));
        return;
    }
    const TVervangUitslag uitslag = VervangBestand(UitBestand, tekst);
    if (uitslag.Uitkomst != TVervangen::Gelukt) {
        fOmgeving.Berichten->Fout(
            VervangMelding(QStringLiteral("Cannot create file ") + UitBestand, UitBestand, uitslag));
        return;
    }
    // The label agrees with the list's count of plans not processed.
    const auto verwerkt =
        std::count_if(Plannen.begin(), Plannen.end(), [](const TPlan& plan) { return plan.Berekend; });
    if (verwerkt == static_cast<std::ptrdiff_t>(Plannen.size()))
        LblMelding1->setText(QString::number(Plannen.size()) +
                             QStringLiteral(" bedrijven ingelezen en verwerkt"));
    else
        LblMelding1->setText(QString::number(Plannen.size()) + QStringLiteral(" bedrijven ingelezen, ") +
                             QString::number(verwerkt) + QStringLiteral(" verwerkt"));
    SttOut->setVisible(true);
    SttDmp->setVisible(true);
    LblBestandOut->setVisible(true);
    LblDumpFile->setVisible(true);
}
