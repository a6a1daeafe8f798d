#pragma once

#include <QFrame>

class QLabel;
class QToolButton;

// A navigation bar over a list of records: first, previous, next and last,
// with a caption between the buttons.
class Datenleiste : public QFrame
{
    Q_OBJECT
public:
    enum Schritt { Erste, Vorige, Naechste, Letzte };

    explicit Datenleiste(QWidget *parent = nullptr);
    void setBeschriftung(const QString &text);
    QString beschriftung() const;
    QToolButton *knopf(Schritt schritt) const { return m_knoepfe[schritt]; }

Q_SIGNALS:
    void geklickt(Datenleiste::Schritt schritt);

private:
    QToolButton *m_knoepfe[4] = {};
    QLabel *m_beschriftung = nullptr;
};
