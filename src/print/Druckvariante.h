#pragma once

// The switches in which the five callers of the layout interpreter differ.
struct Druckvariante
{
    enum class Aufrufer {
        Hauptform,            // side applications, printer
        Antrag,               // print dialog, printer
        AntragVorschau,       // print dialog, preview
        Aufwendungen,         // expense print dialog, printer
        AufwendungenVorschau, // expense print dialog, preview
    };
    enum class Aenderung {
        ImmerAn,               // kinds 21-29 always print
        KomplettOderGeaendert, // complete form, or a changed field in the content
        NichtAngewandt,        // kinds 21-29 always print, no change test at all
    };
    enum class Orientierung { Keine, ZweiDannEins, Merken };

    Aufrufer aufrufer = Aufrufer::Antrag;
    bool drucker = true;         // a printer job (orientation, EndDoc)
    int faecher = 15;             // slots of the field substitution
    bool dollar = true;          // "$" separates, "0$"/"1$" rule
    bool person = false;         // "[#P]" becomes the person code
    bool zusatzfelder = false;   // also the side applications' fields
    Aenderung aenderung = Aenderung::KomplettOderGeaendert;
    bool listen = false;         // kinds 41-43, list pitch
    bool nurInhalteSchalter = false;
    bool euroSchalter = true;    // false: always Antragsdruck
    Orientierung orientierung = Orientierung::Merken;
    bool offset = true;          // ScaleTop from the offset field
    bool scaleLeft = true;       // ScaleLeft -10
    int drawWidth = 3;
    bool fortschritt = true;
    bool fortschrittVerbergen = true;

    static Druckvariante fuer(Aufrufer aufrufer);
};
