#include "Ondersteuning.h"

#include "HelpVensters.h"
#include "KtInfoBox.h"
#include "MAPIMail.h"

#include "IniBestand.h"
#include "NumEdit.h"
#include "Startup.h"
#include "StaticText.h"
#include "Tarvolingrade_u.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QUrl>

#include <array>
#include <utility>

// Outside any namespace, as the resource system asks.
static void InitOndersteuningBronnen() {
    Q_INIT_RESOURCE(ondersteuning);
}

namespace {
const QString kSectieGebruik = QStringLiteral("Gebruik");
const QString kSleutelProductSupport = QStringLiteral("Product Support");
} // namespace

template <typename F> auto TOndersteuning::Slot(F f) {
    return [this, f] { w.Bewaak(f); };
}

TOndersteuning::TOndersteuning(TFrmHoofdFormulier& venster, TOndersteuningOmgeving omgeving)
    : QObject(&venster), w(venster), fOmgeving(std::move(omgeving)) {
    InitOndersteuningBronnen();
    InitBronnen();
    setObjectName(QStringLiteral("Ondersteuning"));
    if (!fOmgeving.Url) fOmgeving.Url = std::make_shared<TQtUrlOpener>();
    if (!fOmgeving.Versie) fOmgeving.Versie = std::make_shared<THttpVersieOphaler>();
    if (!fOmgeving.Proces) fOmgeving.Proces = std::make_shared<TQtProcesStarter>();
    if (!fOmgeving.Vensters) fOmgeving.Vensters = std::make_shared<TQtVensterTonen>();

    // In the order the program has always made them.
    FrmHelpVoorraad = new TFrmHelpVoorraad(&w);
    FrmHelpBeweiding = new TFrmHelpBeweiding(&w);
    FrmHelpBEP = new TFrmHelpBEP(&w);
    FrmInfotxtJv = new TFrmInfotxtJv(&w);
    FrmHelpKunstmest = new TFrmTekst("FrmHelpKunstmest", QStringLiteral("Toelichting stikstof kunstmest"),
                                     QStringLiteral("kunstmest.txt"), &w);
    FrmHandleidingJV = new TFrmTekst("FrmHandleidingJV", QStringLiteral("Handleiding tarvolingrader jongvee"),
                                     QStringLiteral("handleiding_jv.html"), &w);
    FrmHelpFosfaat = new TFrmTekst("FrmHelpFosfaat", QStringLiteral("Toelichting fosfaattoestand"),
                                   QStringLiteral("fosfaat.txt"), &w);
    FrmHandleidingBEX = new TFrmTekst("FrmHandleidingBEX", QStringLiteral("Handleiding tarvolingrader BEX"),
                                      QStringLiteral("handleiding_bex.html"), &w);
    FrmHandleidingBEAPN =
        new TFrmTekst("FrmHandleidingBEAPN", QStringLiteral("Handleiding tarvolingrader BEX+BEA+BEP"),
                      QStringLiteral("handleiding_beapn.html"), &w);
    FrmInfotxt = new TFrmInfotxt(&w);
    FrmHelpEmissie = new TFrmHelpEmissie(&w);
    FrmHelpGt = new TFrmTekst("FrmHelpGt", QStringLiteral("Toelichting grondwatertrap"),
                              QStringLiteral("grondwatertrap.txt"), &w);

    fInfoBox = new TKtInfoBox(w.InfoBox, w.Omgeving().Berichten, fOmgeving, this);
    fInfoBox->Venster = &w;

    for (TFrmInfotxt* frm : {FrmInfotxt, static_cast<TFrmInfotxt*>(FrmInfotxtJv)}) {
        frm->ChkProduktOndersteuningClick = [this](bool aan) {
            w.Bewaak([&] { ChkProduktOndersteuningClick(aan); });
        };
        frm->SttLinkClick = [this] { w.Bewaak([this] { SttLinkClick(); }); };
    }

    auto bijTonen = std::move(w.Haken.BijTonen);
    w.Haken.BijTonen = [this, bijTonen] {
        if (bijTonen) bijTonen();
        FrmInfotxt->ZetTitel();
        FrmInfotxtJv->ZetTitel();
    };
    w.Haken.ProductOndersteuningGesloten = [this] { return FrmInfotxt->Gesloten; };
    w.Haken.ZetProductOndersteuning = [this](bool aan) {
        FrmInfotxt->ChkProduktOndersteuning->setChecked(aan);
    };
    w.Haken.ToonProductOndersteuning = [this] { MitProduktondersteuningClick(); };

    KoppelMenu();
    KoppelLinks();
}

TOndersteuning* KoppelOndersteuning(TFrmHoofdFormulier& w, TOndersteuningOmgeving omgeving) {
    return new TOndersteuning(w, std::move(omgeving));
}

void TOndersteuning::KoppelStartvenster(TFrmStartup& startup) {
    startup.VersieControle = [this] { fInfoBox->VersieControle(false); };
    startup.ToonProductOndersteuning = [this] { MitProduktondersteuningClick(); };
}

void TOndersteuning::KoppelMenu() {
    const auto koppel = [this](const char* naam, auto actie) {
        QAction* a = w.Actie(QLatin1String(naam));
        if (!a) return;
        connect(a, &QAction::triggered, this, Slot(actie));
        a->setEnabled(true);
    };
    koppel("MitInfo", [this] { MitInfoClick(); });
    koppel("Website1", [this] { Website1Click(); });
    koppel("VersieControle1", [this] { VersieControle1Click(); });
    koppel("MitVerzenden", [this] { MitVerzendenClick(); });
    koppel("MitProduktondersteuning", [this] { MitProduktondersteuningClick(); });
    koppel("MitProduktOndersteuningTonen", [this] { MitProduktOndersteuningTonenClick(); });
    koppel("Handleiding", [this] { MitHandleidingClick(); });
}

void TOndersteuning::Link(StaticText* link, std::function<void()> actie) {
    if (!link) return;
    connect(link, &StaticText::clicked, this, Slot(std::move(actie)));
    link->setEnabled(true);
}

void TOndersteuning::KoppelLinks() {
    const auto stt = [this](const char* naam) { return w.findChild<StaticText*>(QLatin1String(naam)); };
    Link(stt("SttBeweidToel"), [this] {
        FrmHelpBeweiding->ZetDiercategorie(w.Diercategorie);
        Toon(*FrmHelpBeweiding);
    });
    for (const char* naam :
         {"SttFosfaatG1", "SttFosfaatG2", "SttFosfaatG3", "SttFosfaatB1", "SttFosfaatB2", "SttFosfaatB3"})
        Link(stt(naam), [this] { Toon(*FrmHelpFosfaat); });
    Link(stt("SttKunstmest"), [this] { Toon(*FrmHelpKunstmest); });
    Link(stt("SttEmissieToel2"), [this] { Toon(*FrmHelpEmissie); });
    Link(stt("StaticText41"), [this] { Toon(*FrmHelpBEP); });
    Link(stt("StaticText118"), [this] { Toon(*FrmHelpBEP); });
    for (const char* naam : {"ToelDrijfKa", "ToelDrijfPi"})
        Link(stt(naam), [this] {
            w.Berichten().Informatie(QStringLiteral("Part of youngstock which is not kept on straw."));
        });
    Link(stt("StaticText190"), [this] { Toon(*FrmHelpGt); });
    Link(stt("SttHandleiding"), [this] { MitHandleidingClick(); });
    for (const char* naam : {"ImgZmbex", "ImgZmbea", "ImgZmbep", "ImgZmben"})
        Link(stt(naam), [this] { Website1Click(); });
    for (int moment = 1; moment <= 3; ++moment)
        for (int soort = 1; soort <= 5; ++soort) {
            StaticText* link = w.SttToelichting[moment][soort];
            if (link) Link(link, [this, link] { SttVoorraadClick(link->objectName()); });
        }
}

void TOndersteuning::Toon(THelpVenster& venster) {
    venster.FormShow();
    fOmgeving.Vensters->Toon(venster);
}

// ---------------------------------------------------------------------------------------
// Info box

void TOndersteuning::MitInfoClick() {
    fInfoBox->Execute();
}

void TOndersteuning::Website1Click() {
    fInfoBox->GotoWebsite();
}

void TOndersteuning::VersieControle1Click() {
    fInfoBox->VersieControle(true);
}

// ---------------------------------------------------------------------------------------
// Mail-out

std::unique_ptr<TMAPIMail> TOndersteuning::MaakBericht(const QString& bestand) const {
    auto mail = std::make_unique<TMAPIMail>(fOmgeving.Proces);
    const QString LF = QStringLiteral("\n");
    mail->Subject = QStringLiteral("Uitvoerbestand tarvolingrader");
    mail->Body = bestand + LF + LF + QStringLiteral("Jaartal berekening : ") + w.SpeJaartal->text() + LF +
                 QStringLiteral("Omschrijving : ") + w.EdtOmschrijving->text() + LF +
                 QStringLiteral("Naam veehouder : ") + w.EdtNaam->text() + LF +
                 QStringLiteral("Straat + huisnummer : ") + w.EdtStraat->text() + LF +
                 QStringLiteral("Postcode + plaatsnaam : ") + w.EdtPlaats->text();
    mail->Attachments = QStringList{bestand};
    mail->EditDialog = true;
    return mail;
}

void TOndersteuning::MitVerzendenClick() {
    const bool opgeslagen = Opslaan && Opslaan();
    const QString bestand = w.BestandNaam;
    if (bestand.isEmpty()) {
        w.Berichten().Informatie(QStringLiteral("Voordat het uitvoerbestand verzonden kan worden\n"
                                                "moet het bestand op uw PC worden opgeslagen."));
        return;
    }
    // A save that failed has told why; an older copy of the farm is not sent.
    if (!opgeslagen) return;
    std::shared_ptr<TMAPIMail> mail = MaakBericht(bestand);
    mail->Send(this, [this, mail, bestand](bool gelukt) {
        if (gelukt) return;
        w.Bewaak([&] {
            // The mail program could not take the message: a message without the file, and
            // the user is told which file to attach.
            const QByteArray adres = "mailto:?subject=" + QUrl::toPercentEncoding(mail->Subject) +
                                     "&body=" + QUrl::toPercentEncoding(mail->Body);
            const QString reden = GetMapiErrorText(mail->LastError);
            if (fOmgeving.Url->Open(QUrl::fromEncoded(adres)))
                w.Berichten().Informatie(
                    QStringLiteral("The mail program could not attach the farm file (") + reden +
                    QStringLiteral(").\nA new message has been opened: attach the file\n") + bestand +
                    QStringLiteral("\nto it by hand."));
            else
                w.Berichten().Fout(QStringLiteral("No mail program could be started (") + reden +
                                   QStringLiteral(").\nSend the file\n") + bestand +
                                   QStringLiteral("\nby mail by hand."));
        });
    });
}

// ---------------------------------------------------------------------------------------
// Product support, manual and stock help

void TOndersteuning::MitProduktondersteuningClick() {
    Toon(*FrmInfotxt);
}

void TOndersteuning::SchrijfProductOndersteuning(bool aan) {
    TIniBestand ini(w.IniBestand);
    ini.SchrijfBoolean(kSectieGebruik, kSleutelProductSupport, aan);
}

void TOndersteuning::ChkProduktOndersteuningClick(bool aan) {
    SchrijfProductOndersteuning(aan);
    w.MitProduktOndersteuningTonen->setChecked(aan);
}

void TOndersteuning::MitProduktOndersteuningTonenClick() {
    // The menu item has turned its own check mark already.
    const bool aan = w.MitProduktOndersteuningTonen->isChecked();
    SchrijfProductOndersteuning(aan);
    FrmInfotxt->ChkProduktOndersteuning->setChecked(aan);
    FrmInfotxtJv->ChkProduktOndersteuning->setChecked(aan);
}

void TOndersteuning::SttLinkClick() {
    const QUrl adres = QUrl::fromUserInput(FrmInfotxt->SttLink->text());
    if (!adres.isValid() || !fOmgeving.Url->Open(adres))
        w.Berichten().Fout(QStringLiteral("Error in procedure Website: the address ") +
                           FrmInfotxt->SttLink->text() + QStringLiteral(" could not be opened"));
}

void TOndersteuning::MitHandleidingClick() {
    if (w.Diercategorie == QLatin1String("JV"))
        Toon(*FrmHandleidingJV);
    else if (w.ModuleBEA || w.ModuleBEP || w.ModuleBEN)
        Toon(*FrmHandleidingBEAPN);
    else
        Toon(*FrmHandleidingBEX);
}

void TOndersteuning::SttVoorraadClick(const QString& naam) {
    static const std::array<std::pair<const char*, const char*>, 3> kMomenten = {
        {{"SttBegin", "BEGIN"}, {"SttAanleg", "AANLEG"}, {"SttEind", "EIND"}}};
    static const std::array<std::pair<const char*, const char*>, 5> kSoorten = {
        {{"Gk", "GK"}, {"Sm", "SM"}, {"Nat", "NT"}, {"Kv", "KV"}, {"Mp", "MP"}}};
    QString moment, soort;
    for (const auto& [voor, code] : kMomenten)
        if (naam.startsWith(QLatin1String(voor))) {
            const QString rest = naam.mid(static_cast<qsizetype>(qstrlen(voor)));
            for (const auto& [achter, s] : kSoorten)
                if (rest == QLatin1String(achter)) {
                    moment = QLatin1String(code);
                    soort = QLatin1String(s);
                }
        }
    if (moment.isEmpty())
        w.Berichten().Fout(QStringLiteral("Onbekende button :") + naam);
    else
        FrmHelpVoorraad->VulMemo(moment, soort);
    Toon(*FrmHelpVoorraad);
}
