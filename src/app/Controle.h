// The page checks: each input page (0..8) has a list of check items that ControleerPagina
// walks in order. The items are plain data plus, for the few checks that need the page's
// own knowledge (stock grids, month totals, the farm's identity), a function.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

class QWidget;
class TFrmHoofdFormulier;

enum class TControleSoort {
    Gevuld,     // a visible control with an empty trimmed text fails
    Keuze,      // a visible combo box whose index lies outside 0..Max fails
    EenVanTwee, // two radio buttons of which neither is checked fail
    Getal,      // a visible control that is empty or outside Min..Max fails
    Eigen,      // the item's own function decides (and shows its own messages)
};

struct TControleItem {
    TControleSoort Soort = TControleSoort::Gevuld;
    QString Besturing;  // the control's name
    QString Besturing2; // the second radio button of EenVanTwee
    QString Naam;       // the name in the message
    double Min = 0;
    double Max = 0;
    // The item counts only while this holds; empty: always.
    std::function<bool(const TFrmHoofdFormulier&)> Voorwaarde;
    // Eigen: gets whether messages are asked for and whether every earlier item of the
    // page passed; returns whether the item passed.
    std::function<bool(TFrmHoofdFormulier&, bool Meldingen, bool TotNuGoed)> Eigen;
    // The controls once found by their names: every input change re-checks its page, and
    // a search of the whole window per item made reading a farm file slow.
    mutable QPointer<QWidget> Gevonden, Gevonden2;
};

// The text a check reads from a control: spin edit, edit, label or combo box.
QString ControleTekst(const QWidget* w);

// A control's own visibility flag: a page that is not on screen (or a window not yet
// shown) must not make every control count as hidden.
bool ZelfZichtbaar(const QWidget* w);
