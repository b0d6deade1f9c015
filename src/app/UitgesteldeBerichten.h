// Message boxes that wait until the event being handled is over.
//
// A modal box opened inside a widget's own event (a keystroke in a cell editor, leaving a
// field, a click on a tab) runs a nested event loop while that event is still on the stack:
// the box takes the focus, a table closes and deletes its cell editor, and Qt returns into
// the deleted editor. Inside a TNaAfloop scope the boxes with only OK (error, information,
// warning with OK) are therefore held back; once the outermost scope has ended they are
// shown one after the other, from the event loop. A box that asks a question is shown at
// once: its answer is needed where it is asked.
#pragma once

#include "Omgeving.h"

#include <QObject>
#include <QString>

#include <deque>
#include <functional>
#include <memory>

class TUitgesteldeBerichten : public TBerichten {
public:
    // doel: the message sink in use; asked for each message, as it may be swapped (a batch
    // run shows its messages elsewhere). A held-back message goes where it was raised.
    explicit TUitgesteldeBerichten(std::function<std::shared_ptr<TBerichten>()> doel);

    TAntwoord Toon(TBerichtSoort soort, const QString& tekst, TKnoppen knoppen) override;

    // The messages raised while it lives wait for the end of the event.
    class TNaAfloop {
    public:
        explicit TNaAfloop(TUitgesteldeBerichten& b) : fB(b) { ++fB.fDiepte; }
        ~TNaAfloop() {
            if (--fB.fDiepte == 0 && !fB.fWachtend.empty()) fB.Plan();
        }
        TNaAfloop(const TNaAfloop&) = delete;
        TNaAfloop& operator=(const TNaAfloop&) = delete;

    private:
        TUitgesteldeBerichten& fB;
    };

    // How many messages wait.
    int Wachtend() const { return static_cast<int>(fWachtend.size()); }

private:
    struct TBericht {
        std::shared_ptr<TBerichten> Doel;
        TBerichtSoort Soort;
        QString Tekst;
    };
    void Plan();
    void ToonWachtend();

    std::function<std::shared_ptr<TBerichten>()> fDoel;
    std::deque<TBericht> fWachtend;
    int fDiepte = 0;
    bool fGepland = false;
    bool fBezig = false;
    // The receiver of the posted call: it goes, and the call with it, when this goes.
    QObject fOntvanger;
};
