#include "UitgesteldeBerichten.h"

#include <QMetaObject>
#include <QPointer>

#include <utility>

TUitgesteldeBerichten::TUitgesteldeBerichten(std::function<std::shared_ptr<TBerichten>()> doel)
    : fDoel(std::move(doel)) {}

TAntwoord TUitgesteldeBerichten::Toon(TBerichtSoort soort, const QString& tekst, TKnoppen knoppen) {
    std::shared_ptr<TBerichten> doel = fDoel();
    if (fDiepte > 0 && knoppen == TKnoppen::OK) {
        fWachtend.push_back({std::move(doel), soort, tekst});
        return TAntwoord::OK;
    }
    return doel->Toon(soort, tekst, knoppen);
}

void TUitgesteldeBerichten::Plan() {
    if (fGepland) return;
    fGepland = true;
    QMetaObject::invokeMethod(
        &fOntvanger,
        [this] {
            fGepland = false;
            ToonWachtend();
        },
        Qt::QueuedConnection);
}

void TUitgesteldeBerichten::ToonWachtend() {
    // Inside a new event (pending events processed by a handler) the end of its scope
    // plans again; a showing already under way takes the new messages along.
    if (fDiepte > 0 || fBezig) return;
    fBezig = true;
    const QPointer<QObject> leeft(&fOntvanger);
    while (!fWachtend.empty()) {
        const TBericht b = std::move(fWachtend.front());
        fWachtend.pop_front();
        try {
            b.Doel->Toon(b.Soort, b.Tekst, TKnoppen::OK);
        } catch (...) {
            // A box that cannot be shown is lost; the event loop must go on.
        }
        // The window may have gone while a box was open: then nothing of it is touched.
        if (!leeft) return;
    }
    fBezig = false;
}
