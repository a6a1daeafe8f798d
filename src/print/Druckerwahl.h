#pragma once

#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>

class Druckeranschluss;
class QWidget;
class Seitenflaeche;

// The installed printers and the current one. The list always ends with
// "PDF-Datei", which asks for a file name and prints the page into it.
class Druckerwahl : public QObject
{
    Q_OBJECT
public:
    static inline const QString PdfDatei = QStringLiteral("PDF-Datei");

    explicit Druckerwahl(QObject *parent = nullptr);
    ~Druckerwahl() override;

    // DeviceName of every printer, index 0 upwards.
    static QStringList Printers();
    // Tests put their own printer list here (nullptr: the print system's).
    static void setDruckerliste(std::function<QStringList()> liste);

    // The current printer's DeviceName and its place in Printers().
    QString DeviceName() const;
    int aktuellerIndex() const;
    // Every printer whose name equals the text exactly becomes the current
    // one, so the last match wins; without a match nothing changes.
    void waehlen(const QString &name);

    // A page surface for one job on the current printer; for "PDF-Datei"
    // after asking for the file (nullptr when the user cancels).
    std::unique_ptr<Seitenflaeche> auftrag(QWidget *parent, const QString &name, const QString &vorschlag);
    // Hands back a job's orientation, which the printer keeps.
    void auftragBeendet(const Seitenflaeche &flaeche);

Q_SIGNALS:
    void gewaehlt(const QString &name);

private:
    // Asking the print system for its printers is slow; it happens on first
    // need, and choices made before that are applied then, in order.
    void bereitstellen() const;
    void anwenden(const QString &name);
    // This choice's own printer object from the print-system module, made
    // on first need (nullptr without the module).
    Druckeranschluss *anschluss();

    mutable bool m_bereit = false;
    mutable QStringList m_ausstehend;
    mutable QStringList m_namen;
    mutable int m_index = -1;
    int m_pdfOrientierung = 1;
    QString m_pdfDatei; // the file of the last PDF job
    std::unique_ptr<Druckeranschluss> m_anschluss;
};
