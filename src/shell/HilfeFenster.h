#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>

class QTextBrowser;

// The guide: a German manual for claimants, compiled into the program and
// shown in a window of its own. It opens at the part that explains the
// screen in front; "" opens the start, "erste-schritte" the first steps.
class HilfeFenster : public QWidget
{
    Q_OBJECT
public:
    // Shows the one guide window (made on first use) at the part for the
    // screen with that objectName, in front of eltern's window.
    static void zeigen(QWidget *eltern, const QString &abschnitt);
    // The open guide window, or nullptr.
    static HilfeFenster *offen();
    // The anchor in the guide for a screen's objectName; "" for the start.
    static QString anker(const QString &abschnitt);
    // The guide's address in the program's resources, with an anchor.
    static QUrl adresse(const QString &anker = {});

    QTextBrowser *browser() const { return m_browser; }

private:
    explicit HilfeFenster(QWidget *eltern);
    void oeffnen(const QString &anker);

    QTextBrowser *m_browser = nullptr;
};
