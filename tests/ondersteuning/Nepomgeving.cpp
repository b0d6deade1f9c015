#include "Nepomgeving.h"

void TNepVensters::Toon(QDialog& venster) {
    Getoond << venster.objectName();
    if (BijTonen) BijTonen(venster);
    venster.accept();
}

TOndersteuningOmgeving OndersteuningTest::Omgeving() const {
    TOndersteuningOmgeving o;
    o.Url = url;
    o.Proces = proces;
    o.Vensters = vensters;
    o.Versie = versie;
    return o;
}
