#include "ledger/Bescheidform.h"

#include "base/GermanDate.h"
#include "base/GermanMoney.h"
#include "shell/Dialoge.h"
#include "shell/Hauptform.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
const QColor kGekuerzt(255, 214, 214);

// The reason column offers the common reasons and takes any text.
class GrundDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        auto *box = new QComboBox(parent);
        box->setObjectName(QStringLiteral("Kuerzungsgrund"));
        box->setEditable(true);
        box->addItem(QString());
        box->addItems(Bescheid::gruende());
        return box;
    }
    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        static_cast<QComboBox *>(editor)->setCurrentText(index.data().toString());
    }
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        model->setData(index, static_cast<QComboBox *>(editor)->currentText().trimmed());
    }
};

QTableWidgetItem *zelle(const QString &text, bool betrag, bool editierbar)
{
    auto *z = new QTableWidgetItem(text);
    z->setTextAlignment(int((betrag ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter));
    if (!editierbar)
        z->setFlags(z->flags() & ~Qt::ItemIsEditable);
    return z;
}
} // namespace

Erstattungserwartung::Saetze Bescheidform::saetze(const Hauptform &hauptform)
{
    Erstattungserwartung::Saetze s;
    for (int n = 0; n < 3; ++n)
        if (const QLineEdit *e = hauptform.feld(QStringLiteral("Bemessungssatz"), n))
            s.prozent[n] = GermanMoney::parse(e->text()).value_or(-1);
    return s;
}

QVector<Erstattungserwartung::Eingabe> Bescheidform::eingaben(const QVector<Rechnungsposition> &positionen,
                                                             const QHash<int, std::pair<double, QString>> &kuerzungen)
{
    QVector<Erstattungserwartung::Eingabe> liste;
    liste.reserve(positionen.size());
    for (const Rechnungsposition &r : positionen) {
        Erstattungserwartung::Eingabe e;
        e.person = r.person();
        e.rechnung = r.Rechnung;
        e.versicherung = r.Versicherung;
        e.datum = GermanDate::parse(r.Datum.getrimmt()).value_or(QDate());
        // The fee check's reduction of a read invoice, unless given otherwise.
        const auto k = kuerzungen.value(r.Beleg, {r.kuerzung, r.befunde});
        e.kuerzung = k.first;
        e.kuerzungsgrund = k.second.trimmed().replace(u'\n', QStringLiteral("; "));
        liste.append(e);
    }
    return liste;
}

Bescheidform::Bescheidform(Daten daten, QWidget *parent)
    : QDialog(parent)
    , m_daten(std::move(daten))
{
    setObjectName(QStringLiteral("Bescheidform"));
    setWindowTitle(titel() + QStringLiteral(" – Antrag ") + m_daten.kennung);
    m_erwartet = Erstattungserwartung::berechnen(m_daten.eingaben, m_daten.saetze);
    std::optional<Bescheid> gespeichert;
    Bescheid::laden(m_daten.pfad, m_daten.kennung, &gespeichert);

    auto *layout = new QVBoxLayout(this);
    auto *kopf = new QHBoxLayout;
    m_datum = new QLineEdit(this);
    m_datum->setObjectName(QStringLiteral("Bescheidvom"));
    m_datum->setPlaceholderText(QStringLiteral("TT.MM.JJJJ"));
    m_datum->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00.00.00000")) + 16);
    m_eingang = new QLineEdit(this);
    m_eingang->setObjectName(QStringLiteral("Eingangsdatum"));
    m_eingang->setPlaceholderText(QStringLiteral("TT.MM.JJJJ"));
    m_eingang->setMaximumWidth(m_datum->maximumWidth());
    m_eingang->setToolTip(QStringLiteral("Der Tag, an dem der Bescheid bei Ihnen ankam; ab ihm läuft die "
                                         "Widerspruchsfrist"));
    auto *datumLabel = new QLabel(QStringLiteral("Bescheid &vom:"), this);
    datumLabel->setBuddy(m_datum);
    auto *eingangLabel = new QLabel(QStringLiteral("&erhalten am:"), this);
    eingangLabel->setBuddy(m_eingang);
    kopf->addWidget(datumLabel);
    kopf->addWidget(m_datum);
    kopf->addSpacing(16);
    kopf->addWidget(eingangLabel);
    kopf->addWidget(m_eingang);
    kopf->addStretch(1);
    layout->addLayout(kopf);

    m_tabelle = new QTableWidget(int(m_daten.positionen.size()), Spalten, this);
    m_tabelle->setObjectName(QStringLiteral("Bescheidtabelle"));
    m_tabelle->setHorizontalHeaderLabels({QStringLiteral("Beleg"), QStringLiteral("Datum"), QStringLiteral("Empf."),
                                          QStringLiteral("Arzt"), QStringLiteral("Rechnung"),
                                          QStringLiteral("erwartet"), QStringLiteral("anerkannt"),
                                          QStringLiteral("erstattet"), QStringLiteral("Differenz"),
                                          QStringLiteral("Grund der Kürzung")});
    m_tabelle->horizontalHeaderItem(Erwartet)->setToolTip(
        QStringLiteral("Erwartete Beihilfe; wie sie zustande kommt, zeigt der Hinweis der Zelle"));
    m_tabelle->horizontalHeaderItem(Anerkannt)->setToolTip(QStringLiteral("Vom Bescheid als beihilfefähig anerkannt"));
    m_tabelle->horizontalHeaderItem(Erstattet)->setToolTip(QStringLiteral("Laut Bescheid gezahlte Beihilfe"));
    m_tabelle->horizontalHeaderItem(Differenz)->setToolTip(QStringLiteral("erstattet abzüglich erwartet"));
    m_tabelle->verticalHeader()->hide();
    m_tabelle->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    m_tabelle->setItemDelegateForColumn(Grund, new GrundDelegate(m_tabelle));
    m_tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tabelle->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                               | QAbstractItemView::AnyKeyPressed);
    m_fuellen = true;
    for (int i = 0; i < m_daten.positionen.size(); ++i) {
        const Rechnungsposition &r = m_daten.positionen.at(i);
        const Erstattungserwartung::Ergebnis &e = m_erwartet.at(i);
        m_tabelle->setItem(i, Beleg, zelle(QString::number(r.Beleg), true, false));
        m_tabelle->setItem(i, Datum, zelle(r.Datum.getrimmt(), false, false));
        m_tabelle->setItem(i, Empf, zelle(r.Empfaenger.getrimmt(), false, false));
        m_tabelle->setItem(i, Arzt, zelle(r.Arzt.getrimmt(), false, false));
        m_tabelle->setItem(i, Rechnung, zelle(GermanMoney::format(r.Rechnung) + (r.euro ? QString() : QStringLiteral(" DM")),
                                              true, false));
        QTableWidgetItem *erwartet = zelle(GermanMoney::format(e.erwartet), true, false);
        erwartet->setToolTip(Erstattungserwartung::erklaerung(m_daten.eingaben.at(i), e));
        m_tabelle->setItem(i, Erwartet, erwartet);
        const Bescheid::Zeile *z = gespeichert ? gespeichert->zeile(r.Beleg) : nullptr;
        m_tabelle->setItem(i, Anerkannt, zelle(z ? GermanMoney::format(z->anerkannt) : QString(), true, true));
        m_tabelle->setItem(i, Erstattet, zelle(z ? GermanMoney::format(z->erstattet) : QString(), true, true));
        m_tabelle->setItem(i, Differenz, zelle(QString(), true, false));
        m_tabelle->setItem(i, Grund, zelle(z ? z->grund : QString(), false, true));
    }
    m_fuellen = false;
    for (int i = 0; i < m_tabelle->rowCount(); ++i)
        zeileAuswerten(i);
    m_tabelle->resizeColumnsToContents();
    m_tabelle->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_tabelle, 1);
    connect(m_tabelle, &QTableWidget::itemChanged, this, [this](QTableWidgetItem *item) {
        if (!m_fuellen && (item->column() == Anerkannt || item->column() == Erstattet))
            zeileAuswerten(item->row());
    });

    bool vor2022 = false;
    for (const Erstattungserwartung::Eingabe &e : m_daten.eingaben)
        vor2022 = vor2022 || Erstattungserwartung::kdpMoeglich(e.datum);
    auto *kdp = new QLabel(vor2022 ? Erstattungserwartung::kdpHinweis(QDate(2021, 12, 31))
                                   : QStringLiteral("Für Rechnungen ab 2022 wird keine Kostendämpfungspauschale "
                                                    "mehr erhoben (§ 12a BVO NRW)."),
                           this);
    kdp->setObjectName(QStringLiteral("KdpHinweis"));
    kdp->setWordWrap(true);
    layout->addWidget(kdp);
    m_summe = new QLabel(this);
    m_summe->setObjectName(QStringLiteral("Summenzeile"));
    layout->addWidget(m_summe);

    auto *knoepfe = new QHBoxLayout;
    auto *wie = new QPushButton(QStringLiteral("&Wie erwartet"), this);
    wie->setObjectName(QStringLiteral("WieErwartet_Knopf"));
    wie->setToolTip(QStringLiteral("Die gewählten Zeilen mit den erwarteten Beträgen füllen"));
    auto *speichernKnopf = new QPushButton(QStringLiteral("&Speichern"), this);
    speichernKnopf->setObjectName(QStringLiteral("Speichern_Knopf"));
    speichernKnopf->setDefault(true);
    auto *abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    abbrechen->setObjectName(QStringLiteral("Abbrechen_Knopf"));
    knoepfe->addWidget(wie);
    knoepfe->addStretch(1);
    knoepfe->addWidget(speichernKnopf);
    knoepfe->addWidget(abbrechen);
    layout->addLayout(knoepfe);
    connect(wie, &QPushButton::clicked, this, &Bescheidform::WieErwartet_Knopf_Click);
    connect(speichernKnopf, &QPushButton::clicked, this, [this] {
        if (speichern())
            accept();
    });
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);

    if (gespeichert) {
        m_datum->setText(GermanDate::format(gespeichert->datum));
        m_eingang->setText(GermanDate::format(gespeichert->eingang));
    }
    summeZeigen();
    resize(1000, 480);
}

void Bescheidform::WieErwartet_Knopf_Click()
{
    QList<int> zeilen;
    for (const QModelIndex &i : m_tabelle->selectionModel()->selectedRows())
        zeilen << i.row();
    if (zeilen.isEmpty() && m_tabelle->currentRow() >= 0)
        zeilen << m_tabelle->currentRow();
    for (int z : zeilen) {
        const Erstattungserwartung::Ergebnis &e = m_erwartet.at(z);
        m_fuellen = true;
        m_tabelle->item(z, Anerkannt)->setText(GermanMoney::format(e.anerkannt));
        m_tabelle->item(z, Erstattet)->setText(GermanMoney::format(e.erwartet));
        m_fuellen = false;
        zeileAuswerten(z);
    }
}

void Bescheidform::zeileAuswerten(int zeile)
{
    const QString text = m_tabelle->item(zeile, Erstattet)->text().trimmed();
    const std::optional<double> erstattet = GermanMoney::parse(text);
    const double differenz = erstattet ? *erstattet - m_erwartet.at(zeile).erwartet : 0;
    const bool gekuerzt = erstattet && differenz <= -0.005;
    m_fuellen = true;
    QTableWidgetItem *d = m_tabelle->item(zeile, Differenz);
    d->setText(erstattet ? GermanMoney::format(differenz) : QString());
    for (int c = 0; c < Spalten; ++c)
        if (QTableWidgetItem *i = m_tabelle->item(zeile, c))
            i->setBackground(gekuerzt ? QBrush(kGekuerzt) : QBrush());
    d->setToolTip(gekuerzt ? QStringLiteral("weniger erstattet als erwartet") : QString());
    m_fuellen = false;
    if (m_summe)
        summeZeigen();
}

void Bescheidform::summeZeigen()
{
    const Bescheid b = bescheid();
    double erwartet = 0;
    for (const Erstattungserwartung::Ergebnis &e : m_erwartet)
        erwartet += e.erwartet;
    m_summe->setText(QStringLiteral("erwartet %1, erstattet %2, gekürzt %3 (in der Währung der Belege)")
                         .arg(GermanMoney::format(erwartet), GermanMoney::format(b.erstattet()),
                              GermanMoney::format(b.gekuerzt())));
}

Bescheid Bescheidform::bescheid() const
{
    Bescheid b;
    b.kennung = m_daten.kennung;
    b.datum = GermanDate::parse(m_datum->text().trimmed()).value_or(QDate());
    b.eingang = GermanDate::parse(m_eingang->text().trimmed()).value_or(QDate());
    for (int i = 0; i < m_tabelle->rowCount(); ++i) {
        const std::optional<double> erstattet = GermanMoney::parse(m_tabelle->item(i, Erstattet)->text().trimmed());
        if (!erstattet)
            continue; // a receipt the decision does not (yet) cover
        Bescheid::Zeile z;
        z.beleg = m_daten.positionen.at(i).Beleg;
        z.erwartet = m_erwartet.at(i).erwartet;
        z.anerkannt = GermanMoney::parse(m_tabelle->item(i, Anerkannt)->text().trimmed()).value_or(0);
        z.erstattet = *erstattet;
        z.grund = m_tabelle->item(i, Grund)->text().trimmed();
        b.zeilen.append(z);
    }
    return b;
}

bool Bescheidform::speichern()
{
    const Bescheid b = bescheid();
    if (!b.datum.isValid()) {
        Dialoge::meldung(this, QMessageBox::Warning, titel(),
                         QStringLiteral("Bitte das Datum des Bescheids angeben (TT.MM.JJJJ)."), QMessageBox::Ok);
        m_datum->setFocus();
        return false;
    }
    QString fehler;
    if (!Bescheid::speichern(m_daten.pfad, b, &fehler)) {
        Dialoge::meldung(this, QMessageBox::Critical, titel(), fehler, QMessageBox::Ok);
        return false;
    }
    return true;
}
