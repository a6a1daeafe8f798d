#include "forms/Nebenantragsmaske.h"

#include "fields/FeldControls.h"
#include "print/Hauptformdruck.h"
#include "shell/Dialoge.h"
#include "shell/Hauptform.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {
// An option button cannot clear itself inside its group.
void abwaehlen(QRadioButton *r)
{
    QButtonGroup *gruppe = r->group();
    const bool auto_ = r->autoExclusive();
    if (gruppe)
        gruppe->setExclusive(false);
    r->setAutoExclusive(false);
    r->setChecked(false);
    r->setAutoExclusive(auto_);
    if (gruppe)
        gruppe->setExclusive(true);
}
} // namespace

Nebenantragsmaske::Nebenantragsmaske(Hauptform &hauptform, const QString &name, const QString &titel, Art art)
    : Maske(hauptform, name, titel)
    , m_art(std::move(art))
{
}

void Nebenantragsmaske::aktivieren()
{
    m_hauptform.Zusatzpanel()->show();
    m_hauptform.FNr()->setText(m_art.buchstabe);
    // What is printed is always the form in front.
    if (QLineEdit *bereich2 = m_hauptform.feld(QStringLiteral("Bereich2")))
        bereich2->setText(m_art.code);
}

QList<Nebenantragsdatei::Zeile> Nebenantragsmaske::zeilen() const
{
    QList<Nebenantragsdatei::Zeile> out;
    for (QWidget *w : FeldControls::tagged(this))
        out.append({FeldControls::tag(w), FeldControls::wert(w)});
    return out;
}

void Nebenantragsmaske::zeilenSetzen(const QList<Nebenantragsdatei::Zeile> &zeilen)
{
    const QList<QWidget *> controls = FeldControls::tagged(this);
    for (const Nebenantragsdatei::Zeile &z : zeilen) {
        for (QWidget *w : controls) {
            if (FeldControls::tag(w) != z.tag)
                continue;
            if (z.tag.startsWith(u'1')) {
                FeldControls::setzeWert(w, z.wert);
            } else if (auto *b = qobject_cast<QAbstractButton *>(w)) {
                const bool an = Nebenantragsdatei::angekreuzt(z.wert);
                if (auto *r = qobject_cast<QRadioButton *>(b); r && !an) {
                    abwaehlen(r);
                } else {
                    b->setChecked(an);
                }
            }
            break;
        }
    }
}

void Nebenantragsmaske::leeren()
{
    for (QWidget *w : FeldControls::tagged(this)) {
        const QString tag = FeldControls::tag(w);
        if (tag.startsWith(u'1')) {
            FeldControls::setzeWert(w, QString());
        } else if (auto *r = qobject_cast<QRadioButton *>(w)) {
            abwaehlen(r);
        } else if (auto *c = qobject_cast<QCheckBox *>(w)) {
            c->setChecked(false);
        }
    }
}

bool Nebenantragsmaske::geaendert() const
{
    const QList<Nebenantragsdatei::Zeile> jetzt = zeilen();
    if (m_stand)
        return jetzt != *m_stand;
    for (const Nebenantragsdatei::Zeile &z : jetzt) {
        const bool leer = z.tag.startsWith(u'1') ? z.wert.isEmpty() : !Nebenantragsdatei::angekreuzt(z.wert);
        if (!leer)
            return true;
    }
    return false;
}

void Nebenantragsmaske::Neu()
{
    const auto antwort = Dialoge::meldung(this, QMessageBox::Question, QStringLiteral("Bitte bestätigen..."),
                                          QStringLiteral("Eingabefelder im Formular wirklich löschen?"),
                                          QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (antwort != QMessageBox::Yes)
        return;
    leeren();
    // A new application: it gets a file of its own when it is stored.
    m_datei.clear();
    m_stand.reset();
}

bool Nebenantragsmaske::speichernNach(const QString &pfad)
{
    QString fehler;
    const QList<Nebenantragsdatei::Zeile> jetzt = zeilen();
    if (!Nebenantragsdatei::schreiben(pfad, jetzt, &fehler)) {
        Dialoge::meldung(this, QMessageBox::Critical, QStringLiteral("Warnung"), fehler);
        return false;
    }
    m_datei = pfad;
    m_stand = jetzt;
    m_hauptform.meldeGespeichert(pfad);
    return true;
}

void Nebenantragsmaske::Speichern()
{
    const QString vorschlag = m_datei.isEmpty() ? m_hauptform.datenverzeichnis() + m_art.datei : m_datei;
    const QString pfad = Dialoge::dateiSpeichern(this, m_art.dateititel, vorschlag);
    if (!pfad.isEmpty())
        speichernNach(pfad);
}

bool Nebenantragsmaske::sichern()
{
    if (!geaendert())
        return true;
    QString pfad = m_datei;
    if (pfad.isEmpty())
        pfad = Dialoge::dateiSpeichern(this, m_art.dateititel, m_hauptform.datenverzeichnis() + m_art.datei);
    return !pfad.isEmpty() && speichernNach(pfad);
}

void Nebenantragsmaske::Laden()
{
    // Loading replaces what the file names: typed values not yet stored
    // would be lost, so ask as "Neu" does.
    if (geaendert()) {
        const auto antwort =
            Dialoge::meldung(this, QMessageBox::Question, QStringLiteral("Bitte bestätigen..."),
                             QStringLiteral("Die Eingaben im Formular sind nicht gespeichert.\n"
                                            "Trotzdem laden und die Eingaben ersetzen?"),
                             QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (antwort != QMessageBox::Yes)
            return;
    }
    const QString vorschlag = m_datei.isEmpty() ? m_hauptform.datenverzeichnis() + m_art.datei : m_datei;
    const QString pfad = Dialoge::dateiOeffnen(this, m_art.dateititel, vorschlag);
    if (pfad.isEmpty())
        return;
    QList<Nebenantragsdatei::Zeile> gelesen;
    QString fehler;
    if (!Nebenantragsdatei::lesen(pfad, &gelesen, &fehler)) {
        Dialoge::meldung(this, QMessageBox::Critical, QStringLiteral("Warnung"), fehler);
        return;
    }
    zeilenSetzen(gelesen);
    m_datei = pfad;
    m_stand = zeilen();
}

void Nebenantragsmaske::Drucken()
{
    const auto antwort = Dialoge::meldung(this, QMessageBox::Question, QStringLiteral("Bitte bestätigen..."),
                                          QStringLiteral("Formular wirklich drucken?"),
                                          QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (antwort != QMessageBox::Yes)
        return;
    aktivieren();
    for (int i = 0; i < m_art.seiten.size(); ++i) {
        if (i > 0) {
            const auto weiter = Dialoge::meldung(this, QMessageBox::Warning, QStringLiteral("Antrag drucken..."),
                                                 QStringLiteral("Zweite Seite einlegen!"),
                                                 QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
            if (weiter != QMessageBox::Ok)
                return;
        }
        if (!Hauptformdruck::drucken(m_hauptform, m_art.seiten.at(i)))
            return;
    }
}
