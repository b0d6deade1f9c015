// The support services of the main window: the about box, the web site and the version
// check, sending the farm file by mail, and the help, manual and product-support windows
// with the menu commands, buttons and explanation links that open them.
#pragma once

#include "OndersteuningOmgeving.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class TFrmHoofdFormulier;
class TFrmStartup;
class TKtInfoBox;
class TFrmInfotxt;
class TFrmInfotxtJv;
class TFrmTekst;
class TFrmHelpBeweiding;
class TFrmHelpBEP;
class TFrmHelpEmissie;
class TFrmHelpVoorraad;
class THelpVenster;
class TMAPIMail;
class StaticText;

class TOndersteuning : public QObject {
    Q_OBJECT
public:
    // Use KoppelOndersteuning.
    TOndersteuning(TFrmHoofdFormulier& w, TOndersteuningOmgeving omgeving);

    // Saves the farm file (the File menu's save: under its name, else through the save
    // dialog); false when it was not saved. The mail-out sends the window's BestandNaam.
    std::function<bool()> Opslaan;

    // The start window's link to product support and its quiet version check.
    void KoppelStartvenster(TFrmStartup& startup);

    TKtInfoBox& InfoBox() { return *fInfoBox; }

    // --- Commands ---
    void MitInfoClick();
    void Website1Click();
    void VersieControle1Click();
    void MitVerzendenClick();
    void MitProduktondersteuningClick();
    void MitProduktOndersteuningTonenClick();
    void MitHandleidingClick();
    // The product-support window's check box: the setting, and the menu mirrors it.
    void ChkProduktOndersteuningClick(bool aan);
    void SttLinkClick();
    // A stock page's explanation (its link's name, "SttBeginGk" .. "SttEindMp").
    void SttVoorraadClick(const QString& naam);

    // The mail-out's message for the farm file (no recipient; the user picks one).
    std::unique_ptr<TMAPIMail> MaakBericht(const QString& bestand) const;

    // --- Windows ---
    TFrmInfotxt* FrmInfotxt;
    TFrmInfotxtJv* FrmInfotxtJv;
    TFrmTekst *FrmHandleidingBEX, *FrmHandleidingBEAPN, *FrmHandleidingJV;
    TFrmHelpBeweiding* FrmHelpBeweiding;
    TFrmHelpBEP* FrmHelpBEP;
    TFrmHelpEmissie* FrmHelpEmissie;
    TFrmTekst *FrmHelpFosfaat, *FrmHelpKunstmest, *FrmHelpGt;
    TFrmHelpVoorraad* FrmHelpVoorraad;

private:
    void Toon(THelpVenster& venster);
    void SchrijfProductOndersteuning(bool aan);
    void KoppelMenu();
    void KoppelLinks();
    void Link(StaticText* link, std::function<void()> actie);
    template <typename F> auto Slot(F f);

    TFrmHoofdFormulier& w;
    TOndersteuningOmgeving fOmgeving;
    TKtInfoBox* fInfoBox;
};

// Makes the support windows and attaches them to the main window: its commands, buttons,
// explanation links and product-support hooks. The result is owned by the window.
TOndersteuning* KoppelOndersteuning(TFrmHoofdFormulier& w,
                                    TOndersteuningOmgeving omgeving = TOndersteuningOmgeving::Standaard());
