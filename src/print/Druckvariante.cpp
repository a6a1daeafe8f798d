#include "print/Druckvariante.h"

Druckvariante Druckvariante::fuer(Aufrufer aufrufer)
{
    Druckvariante v;
    v.aufrufer = aufrufer;
    switch (aufrufer) {
    case Aufrufer::Hauptform:
        v.faecher = 10;
        v.dollar = false;
        v.zusatzfelder = true;
        v.aenderung = Aenderung::ImmerAn;
        v.euroSchalter = false;
        v.orientierung = Orientierung::ZweiDannEins;
        v.offset = false;
        break;
    case Aufrufer::Antrag:
        break;
    case Aufrufer::AntragVorschau:
        v.drucker = false;
        v.orientierung = Orientierung::Keine;
        v.offset = false;
        v.scaleLeft = false;
        v.drawWidth = 1;
        v.fortschritt = false;
        break;
    case Aufrufer::Aufwendungen:
    case Aufrufer::AufwendungenVorschau:
        v.dollar = false;
        v.person = true;
        v.aenderung = Aenderung::NichtAngewandt;
        v.listen = true;
        v.nurInhalteSchalter = true;
        v.fortschrittVerbergen = false;
        if (aufrufer == Aufrufer::AufwendungenVorschau) {
            v.drucker = false;
            v.orientierung = Orientierung::Keine;
            v.drawWidth = 1;
        }
        break;
    }
    return v;
}
