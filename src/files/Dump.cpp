#include "Dump.h"

#include "Bestandscommandos.h"
#include "DumpSleutels.h"
#include "ResultaatVelden.h"

#include "Berekening.h"
#include "NumEdit.h"
#include "Omgeving.h"
#include "Tarvolingrade_u.h"

#include "Excretion.h"
#include "Getallen.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <array>
#include <stdexcept>

namespace {
const QByteArray kCrLf = QByteArrayLiteral("\r\n");

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QString Getal(const char* patroon, long double waarde) {
    return Q(FormatFloat(patroon, waarde));
}

// The text of a control as shown on screen.
QString BesturingTekst(const QWidget* b) {
    if (const auto* e = qobject_cast<const NumEdit*>(b)) return e->text();
    if (const auto* e = qobject_cast<const QLineEdit*>(b)) return e->text();
    if (const auto* c = qobject_cast<const QComboBox*>(b)) return c->currentText();
    if (const auto* l = qobject_cast<const QLabel*>(b)) return l->text();
    throw std::logic_error("Dump: control without a text: " + b->objectName().toStdString());
}

// Builds the lines of the modules of one export from the kept records and the controls,
// which it finds by name once.
class TDumpBouwer {
public:
    explicit TDumpBouwer(const TFrmHoofdFormulier& w) : fW(w) {
        const QList<QWidget*> alle = w.findChildren<QWidget*>();
        fBesturingen.reserve(alle.size());
        for (QWidget* b : alle) {
            const QString naam = b->objectName();
            // The first of a name wins, as a search by name finds it.
            if (!naam.isEmpty() && !fBesturingen.contains(naam)) fBesturingen.insert(naam, b);
        }
    }

    QByteArray Kop(TDumpModule module) const {
        QByteArray regel;
        regel.reserve(3000);
        for (const TDumpSleutel& s : DumpSleuteltabel(module, fW.Diercategorie))
            WRITEDMP(regel, 1, s.Sleutel, {}, fW.Berichten());
        return regel;
    }

    QByteArray Regel(TDumpModule module, const QString& naam) const {
        QByteArray regel;
        regel.reserve(4000);
        for (const TDumpSleutel& s : DumpSleuteltabel(module, fW.Diercategorie))
            WRITEDMP(regel, 2, {}, Waarde(s, naam), fW.Berichten());
        return regel;
    }

private:
    const QWidget* Besturing(const char* naam) const {
        const QWidget* b = fBesturingen.value(QString::fromLatin1(naam));
        if (!b) throw std::logic_error(std::string("Dump: control missing: ") + naam);
        return b;
    }
    double SpinWaarde(const char* naam) const {
        const auto* e = qobject_cast<const NumEdit*>(Besturing(naam));
        if (!e) throw std::logic_error(std::string("Dump: no spin edit: ") + naam);
        return e->value();
    }
    // The norm N excretion per cow of the year, the milk per cow and the urea shown.
    float Norm(float (*zoek)(int, float, float)) const {
        const float melk = static_cast<float>(Deel(SpinWaarde("SpeMelklev"), SpinWaarde("SpenKoe")));
        return zoek(fW.Jaar(), melk, static_cast<float>(SpinWaarde("SpeUreum")));
    }

    QString Waarde(const TDumpSleutel& s, const QString& naam) const {
        const TTvInvoer& in = fW.Invoer;
        switch (s.Bron) {
        case TDumpBron::Naam:
            return naam.toUpper();
        case TDumpBron::Versie:
            return fW.InfoBox.Versie;
        case TDumpBron::EvalNr:
            return QString::number(fW.CbxEvaluatie->currentIndex());
        case TDumpBron::Besturing:
            return BesturingTekst(Besturing(s.Veld));
        case TDumpBron::NormDrijf:
            return Getal(s.Patroon, Norm(Zoek_Excretie_Drijf_N));
        case TDumpBron::NormVast:
            return Getal(s.Patroon, Norm(Zoek_Excretie_Vast_N));
        case TDumpBron::SpinWaarde:
            return Getal(s.Patroon, SpinWaarde(s.Veld));
        case TDumpBron::Voorraad:
            return Getal(s.Patroon, in.Voorraden[s.Index][s.Soort].*s.VoorraadVeld);
        case TDumpBron::BesteGk:
            return Getal(s.Patroon, in.BesteGk.*s.VoorraadVeld);
        case TDumpBron::VoorraadVemRe: {
            const TVoorraadPost& p = in.Voorraden[s.Index][s.Soort];
            return Getal(s.Patroon, Deel(p.Vem, p.Re));
        }
        case TDumpBron::VoorraadVemP: {
            const TVoorraadPost& p = in.Voorraden[s.Index][s.Soort];
            return Getal(s.Patroon, Deel(p.Vem, p.P));
        }
        case TDumpBron::VoorraadMutatie: {
            const long double verschil = static_cast<long double>(in.Voorraden[mEind][s.Soort].Hoev) -
                                         in.Voorraden[mBegin][s.Soort].Hoev;
            return Q(PlusMinTekstDmp(static_cast<float>(verschil)));
        }
        case TDumpBron::Aankoop:
            return Getal(s.Patroon, in.Aankoop[s.Index][s.Soort].*s.AankoopVeld);
        case TDumpBron::InvoerGetal:
            return Getal(s.Patroon, in.*s.InvoerGetal);
        case TDumpBron::InvoerCode:
            return Q(in.*s.InvoerCode);
        case TDumpBron::MaisCode:
            // Without its soil list the maize land has no codes of its own.
            return fW.CbxMaisGrond->isVisibleTo(fW.CbxMaisGrond->parentWidget()) ? Q(in.*s.InvoerCode)
                                                                                 : QString();
        case TDumpBron::Resultaat:
            return Q(s.ResultaatVeld->Tekst(fW.Uitvoer));
        case TDumpBron::UitvoerGetal:
            return Getal(s.Patroon, fW.Uitvoer.*s.UitvoerGetal);
        case TDumpBron::UitvoerReeks:
            return Getal(s.Patroon, (fW.Uitvoer.*s.UitvoerReeks)[s.Index]);
        case TDumpBron::TypeStal:
            // The code the calculation just took from the housing list.
            return Q(in.TypeStal);
        case TDumpBron::MstafvOpg:
            return fW.RbtMstafvOpg->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
        }
        return {};
    }

    const TFrmHoofdFormulier& fW;
    QHash<QString, QWidget*> fBesturingen;
};

// A field's text that cannot break the line: "@" would start a new field, a line break a
// new row.
QString Veilig(QString tekst) {
    tekst.replace(QLatin1Char('@'), QLatin1Char('_'));
    tekst.replace(QLatin1Char('\r'), QLatin1Char(' '));
    tekst.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return tekst;
}

QByteArray EersteRegel(const QByteArray& inhoud) {
    qsizetype eind = inhoud.indexOf('\n');
    if (eind < 0) eind = inhoud.size();
    if (eind > 0 && inhoud.at(eind - 1) == '\r') --eind;
    return inhoud.left(eind);
}

// A row's name, what the duplicate check compares: its text up to the first "@". A row
// without one names no farm.
void NeemRijOp(TDumpStand& stand, QByteArrayView rij) {
    const qsizetype apenstaart = rij.indexOf('@');
    if (apenstaart >= 0) stand.Namen.insert(rij.first(apenstaart).toByteArray());
}

void MeldOpenFout(TBerichten& berichten, const QString& bestand, const TGeopend& open, const char* wat) {
    if (open.GeenBestand)
        berichten.Fout(QStringLiteral("Cannot open file ") + bestand + QStringLiteral(": ") + open.Fout);
    else
        berichten.Fout(
            QStringLiteral("The dump file %1 cannot be %2:\n%3").arg(bestand, QLatin1String(wat), open.Fout));
}

// Reads what appending needs of a dump file, line by line; a missing file is an empty one.
bool LeesStand(const QString& bestand, TDumpStand& stand, TBerichten& berichten) {
    stand = {};
    stand.Grootte = 0;
    if (!QFileInfo::exists(bestand)) return true;
    QFile f;
    const TGeopend open = OpenGewoonBestand(f, bestand, QIODevice::ReadOnly);
    if (!open.Open) {
        MeldOpenFout(berichten, bestand, open, "read");
        return false;
    }
    while (!f.atEnd() && f.error() == QFileDevice::NoError) {
        const QByteArray regel = f.readLine();
        if (stand.Grootte == 0)
            stand.Kop = EersteRegel(regel);
        else
            NeemRijOp(stand, regel);
        stand.Grootte += regel.size();
        stand.Regeleinde = regel.endsWith('\n');
    }
    if (f.error() != QFileDevice::NoError) {
        berichten.Fout(QStringLiteral("The dump file %1 cannot be read:\n%2").arg(bestand, f.errorString()));
        stand.Grootte = -1;
        return false;
    }
    return true;
}

// Writes all of data; a short write is tried again so that its error is known.
bool SchrijfAlles(QFile& f, const QByteArray& data) {
    qint64 klaar = 0;
    while (klaar < data.size()) {
        const qint64 n = f.write(data.constData() + klaar, data.size() - klaar);
        if (n <= 0) return false;
        klaar += n;
    }
    return true;
}

QString DumpVraag(const QString& naam) {
    return QStringLiteral("Dump file already contents a file with the name: ") + naam + QLatin1Char('\n') +
           QStringLiteral("Will youWilt u dit bestand toch (nogmaals) exporteren naar dumpfile?");
}
} // namespace

QByteArray NaarWindows1252(const QString& tekst) {
    // The characters of 0x80..0x9F; 0 where the code page has none.
    static constexpr std::array<char16_t, 32> kHoog = {
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    QByteArray uit;
    uit.reserve(tekst.size());
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        const char16_t c = tekst.at(i).unicode();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            uit.append(static_cast<char>(c));
            continue;
        }
        char teken = '?';
        for (std::size_t k = 0; k < kHoog.size(); ++k)
            if (kHoog[k] != 0 && kHoog[k] == c) teken = static_cast<char>(0x80 + k);
        uit.append(teken);
        // A character outside the basic plane is one "?", not two.
        if (QChar::isHighSurrogate(c) && i + 1 < tekst.size() && tekst.at(i + 1).isLowSurrogate()) ++i;
    }
    return uit;
}

QStringList DumpSleutels(TDumpModule module, const QString& diercategorie) {
    QStringList sleutels;
    for (const TDumpSleutel& s : DumpSleuteltabel(module, diercategorie))
        sleutels << s.Sleutel;
    return sleutels;
}

QString DumpBestandsnaam(const QString& D, TDumpModule module) {
    switch (module) {
    case TDumpModule::BEX:
        return D;
    case TDumpModule::BEA:
        return D + QLatin1Char('2');
    case TDumpModule::BEP:
        return D + QLatin1Char('3');
    case TDumpModule::BEN:
        break;
    }
    return D + QLatin1Char('4');
}

void WRITEDMP(QByteArray& regel, int Soort, const QString& Kop, const QString& Waarde,
              TBerichten& berichten) {
    switch (Soort) {
    case 1:
        regel += NaarWindows1252(Veilig(Kop));
        break;
    case 2:
        regel += Waarde.isEmpty() ? QByteArray(kDumpLeeg) : NaarWindows1252(Veilig(Waarde));
        break;
    default:
        berichten.Fout(QStringLiteral("Error Proc. WRITEDMP: onbekende kop: ") + QString::number(Soort));
        break;
    }
    regel += '@';
}

std::string PlusMinTekstDmp(float X) {
    return PlusMinTekst(X);
}

QByteArray DumpKopregel(const TFrmHoofdFormulier& w, TDumpModule module) {
    return TDumpBouwer(w).Kop(module);
}

QByteArray DumpWaarderegel(const TFrmHoofdFormulier& w, TDumpModule module, const QString& naam) {
    return TDumpBouwer(w).Regel(module, naam);
}

TDumpUitkomst VoegDumpRegelToe(const QString& bestand, const QByteArray& kop, const QByteArray& regel,
                               const QString& naam, TBerichten& berichten,
                               const std::function<bool(const QString& vraag)>& vraag,
                               TDumpStand* onthouden) {
    TDumpStand eigen;
    TDumpStand& stand = onthouden ? *onthouden : eigen;
    // What is kept holds while the file has the size it describes.
    const QFileInfo info(bestand);
    if (stand.Grootte < 0 || stand.Grootte != (info.exists() ? info.size() : 0)) {
        if (!LeesStand(bestand, stand, berichten)) return TDumpUitkomst::Bestandsfout;
    }

    const bool leeg = stand.Grootte == 0;
    QByteArray toevoeging;
    if (leeg) {
        // A new or empty file starts with the header.
        toevoeging = kop + kCrLf + regel + kCrLf;
    } else {
        if (stand.Kop != kop) {
            berichten.Fout(QStringLiteral("Error: dumpfile format niet gelijk"));
            return TDumpUitkomst::NietGeschreven;
        }
        const QString naamGroot = Veilig(naam.toUpper());
        if (stand.Namen.contains(NaarWindows1252(naamGroot)) && !(vraag && vraag(DumpVraag(naamGroot))))
            return TDumpUitkomst::NietGeschreven;
        // A file that lost its final line break gets it back first.
        if (!stand.Regeleinde) toevoeging = kCrLf;
        toevoeging += regel + kCrLf;
    }

    // Unbuffered: after a failed write nothing is left over to be written after the cut.
    QFile f;
    const TGeopend open = OpenGewoonBestand(f, bestand, QIODevice::Append | QIODevice::Unbuffered);
    if (!open.Open) {
        MeldOpenFout(berichten, bestand, open, "written");
        return TDumpUitkomst::Bestandsfout;
    }
    const qint64 voor = f.size();
    if (SchrijfAlles(f, toevoeging)) {
        f.close();
        if (voor == stand.Grootte) {
            if (leeg) stand.Kop = kop;
            NeemRijOp(stand, regel);
            stand.Regeleinde = true;
            stand.Grootte += toevoeging.size();
        } else {
            // Someone else wrote to the file meanwhile: read it again next time.
            stand.Grootte = -1;
        }
        return TDumpUitkomst::Geschreven;
    }
    // Back to exactly what the file held.
    const QString fout = f.errorString();
    bool terug = open.Gemaakt || f.resize(voor);
    f.close();
    if (open.Gemaakt) terug = QFile::remove(bestand);
    QString tekst = QStringLiteral("The dump file %1 cannot be written:\n%2").arg(bestand, fout);
    if (!terug) tekst += QStringLiteral("\nThe file may be damaged.");
    berichten.Fout(tekst);
    return TDumpUitkomst::Bestandsfout;
}

bool SchrijfDump(TFrmHoofdFormulier& w, const QString& D,
                 const std::function<bool(const QString& vraag)>& vraagDubbel, TDumpGeheugen* geheugen) {
    if (!w.Bereken()) {
        w.Berichten().Fout(QStringLiteral("Vul eerst alle tabbladen goed in"));
        return false;
    }
    const QString naam = QFileInfo(w.BestandNaam).completeBaseName();
    const auto vraag = vraagDubbel ? vraagDubbel : [&w](const QString& tekst) {
        return w.Berichten().Toon(TBerichtSoort::Vraag, tekst, TKnoppen::JaNee) == TAntwoord::Ja;
    };
    const TDumpBouwer bouwer(w);
    for (const TDumpModule module :
         {TDumpModule::BEX, TDumpModule::BEA, TDumpModule::BEP, TDumpModule::BEN}) {
        if ((module == TDumpModule::BEA && !w.ModuleBEA) || (module == TDumpModule::BEP && !w.ModuleBEP) ||
            (module == TDumpModule::BEN && !w.ModuleBEN))
            continue;
        // A file error ends the export: the modules before it keep the farm's line, those
        // after it are not touched.
        TDumpUitkomst uitkomst = TDumpUitkomst::NietGeschreven;
        w.Bewaak([&] {
            const QString bestand = DumpBestandsnaam(D, module);
            uitkomst =
                VoegDumpRegelToe(bestand, bouwer.Kop(module), bouwer.Regel(module, naam), naam, w.Berichten(),
                                 vraag, geheugen ? &geheugen->Bestanden[bestand] : nullptr);
        });
        if (uitkomst == TDumpUitkomst::Bestandsfout) return false;
    }
    return true;
}

void BtnDumpClick(TFrmHoofdFormulier& w) {
    // Checked before anything is saved or asked, so nothing is written for nothing.
    if (!w.AllesGoed()) {
        w.Berichten().Fout(QStringLiteral("Vul eerst alle tabbladen goed in"));
        return;
    }
    if (w.BestandNaam.isEmpty()) MitOpslaanClick(w);
    if (w.BestandNaam.isEmpty()) {
        w.Berichten().Informatie(QStringLiteral("De rekenset moet eerst opgeslagen worden"));
        return;
    }
    TBestandKeuze keuze;
    keuze.Titel = QStringLiteral("Exporteren");
    keuze.Filter = QStringLiteral("dmp-bestand (*.dmp)");
    keuze.StandaardExtensie = QStringLiteral("dmp");
    keuze.NieuweNaam = true;
    QString D = w.Omgeving().Dialogen->Open(&w, keuze);
    if (D.isEmpty()) return;
    // A name typed without an extension gets the dialog's own.
    if (QFileInfo(D).suffix().isEmpty()) D += QStringLiteral(".dmp");
    SchrijfDump(w, D);
}

void KoppelDump(TFrmHoofdFormulier& w) {
    w.MitDump->setEnabled(true);
    QObject::connect(w.MitDump, &QAction::triggered, &w, [&w] { w.Bewaak([&w] { BtnDumpClick(w); }); });
}
