#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>
#include <functional>

class QDialog;
class QWidget;

// Every message box, file dialog and modal dialog of the program goes
// through here, so that tests can answer them in advance and never block.
class Dialoge
{
public:
    struct Meldung
    {
        QMessageBox::Icon icon;
        QString titel;
        QString text;
        QMessageBox::StandardButtons knoepfe;
        QMessageBox::StandardButton antwort;
    };

    static QMessageBox::StandardButton meldung(QWidget *parent, QMessageBox::Icon icon, const QString &titel,
                                               const QString &text,
                                               QMessageBox::StandardButtons knoepfe = QMessageBox::Ok,
                                               QMessageBox::StandardButton vorgabe = QMessageBox::NoButton);
    // Empty text when the user cancels.
    static QString dateiOeffnen(QWidget *parent, const QString &titel, const QString &vorschlag = {},
                                const QString &filter = {});
    static QString dateiSpeichern(QWidget *parent, const QString &titel, const QString &vorschlag = {});
    // Shows a dialog modally and returns its result code.
    static int ausfuehren(QDialog *dialog);

    // --- for tests ---
    // Without blocking: unanswered message boxes give their default button
    // (or the first one), unanswered file dialogs give cancel, unanswered
    // modal dialogs are rejected.
    static void setTestbetrieb(bool an);
    static bool testbetrieb();
    static void antworte(QMessageBox::StandardButton antwort);
    static void dateiAntwort(const QString &pfad);
    static void dialogAntwort(std::function<int(QDialog *)> handler);
    static QList<Meldung> protokoll();
    static Meldung letzteMeldung();
    static void zuruecksetzen();
};
