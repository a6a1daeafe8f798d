#pragma once

#include <QDate>
#include <QObject>
#include <QPointer>

class QCalendarWidget;
class QFrame;
class QLineEdit;

// A calendar for a date box: a small button at the box's right edge or
// Alt+Down opens a month view below the box; a click (or Enter) on a day
// writes it as "dd.MM.yyyy" into the box. What the box holds stays the
// box's business: the calendar only opens at the day the box names, as the
// program's date rule reads it.
class Datumsauswahl : public QObject
{
    Q_OBJECT
public:
    // Gives the box its calendar once; a second call returns the first one.
    static Datumsauswahl *anbringen(QLineEdit *feld);
    // The calendar of a box, or nullptr.
    static Datumsauswahl *von(const QLineEdit *feld);

    // Opens the month view at the box.
    void oeffnen();
    // The month view while it is open, else nullptr.
    QCalendarWidget *kalender() const;
    // The day the view opens at: the box's date, or today.
    QDate startdatum() const;

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    explicit Datumsauswahl(QLineEdit *feld);
    void uebernehmen(QDate datum);

    QPointer<QLineEdit> m_feld;
    QPointer<QFrame> m_popup;
};
