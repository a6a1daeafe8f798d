#include "ledger/Numerierenform.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Numerierenform::Numerierenform(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Numerierenform"));
    setWindowTitle(QStringLiteral(" Belege numerieren"));
    setModal(true);
    auto *label = new QLabel(QStringLiteral("beginnen mit Nummer"), this);
    m_nummer = new QLineEdit(QStringLiteral("1"), this);
    m_nummer->setObjectName(QStringLiteral("Nummer"));
    label->setBuddy(m_nummer);
    auto *layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0);
    layout->addWidget(m_nummer, 0, 1);
    auto *knoepfe = new QHBoxLayout;
    const char *texte[] = {"OK", "Abbrechen"};
    for (int i = 0; i < 2; ++i) {
        auto *b = new QPushButton(QString::fromUtf8(texte[i]), this);
        b->setObjectName(QStringLiteral("Ende_Knopf"));
        b->setProperty("index", i);
        b->setDefault(i == 0);
        connect(b, &QPushButton::clicked, this, [this, i] { Ende_Knopf_Click(i); });
        knoepfe->addWidget(b);
    }
    layout->addLayout(knoepfe, 1, 0, 1, 2);
}

QString Numerierenform::nummer() const
{
    return m_nummer->text();
}

void Numerierenform::showEvent(QShowEvent *event)
{
    // An earlier "OK" must not count for this time.
    m_was = QStringLiteral("1");
    QDialog::showEvent(event);
    m_nummer->setFocus();
    m_nummer->selectAll();
}

void Numerierenform::Ende_Knopf_Click(int index)
{
    m_was = QString::number(index);
    done(index == 0 ? QDialog::Accepted : QDialog::Rejected);
}

void Numerierenform::reject()
{
    m_was = QStringLiteral("1");
    QDialog::reject();
}
