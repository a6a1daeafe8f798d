#include "multiuser/MultiuserForm.h"

#include "shell/HilfeFenster.h"
#include "shell/Verzeichnisse.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

MultiuserForm::MultiuserForm(const QString &basisverzeichnis, QWidget *parent)
    : QDialog(parent)
    , m_basis(basisverzeichnis)
{
    setObjectName(QStringLiteral("MultiuserForm"));
    setWindowTitle(QStringLiteral(" Velmora 2000 - Multiuser-Verwaltung"));
    if (!m_basis.isEmpty() && !m_basis.endsWith(u'/'))
        m_basis += u'/';

    auto *layout = new QGridLayout(this);
    auto *dirLabel = new QLabel(QStringLiteral("&Bitte wählen Sie das Benutzerverzeichnis aus:"), this);
    m_dir = new QListWidget(this);
    m_dir->setObjectName(QStringLiteral("Dir"));
    m_dir->setToolTip(QStringLiteral("hier das (Unter-) Verzeichnis des Beihilfeberechtigten auswählen"));
    dirLabel->setBuddy(m_dir);
    m_verzeichnis = new QLabel(this);
    m_verzeichnis->setObjectName(QStringLiteral("Verzeichnis"));
    m_verzeichnis->setToolTip(QStringLiteral("gewähltes Benutzerverzeichnis"));
    m_verzeichnis->setFrameShape(QFrame::Panel);
    m_verzeichnis->setFrameShadow(QFrame::Sunken);
    m_pfad = new QLabel(m_basis, this);
    m_pfad->setObjectName(QStringLiteral("Pfad"));
    m_pfad->hide();
    auto *neuLabel = new QLabel(QStringLiteral("Neuer Benutzer"), this);
    m_neuerUser = new QLineEdit(this);
    m_neuerUser->setObjectName(QStringLiteral("NeuerUser"));
    m_neuerUser->setToolTip(QStringLiteral("Hier den Namen der neu anzulegenden Person eingeben"));
    neuLabel->setBuddy(m_neuerUser);
    auto *anlegenKnopf = new QPushButton(QStringLiteral("Anlegen"), this);
    anlegenKnopf->setObjectName(QStringLiteral("Anlegen_Knopf"));
    anlegenKnopf->setToolTip(QStringLiteral("neuen Benutzer anlegen"));
    auto *auswaehlen = new QPushButton(QStringLiteral("&Auswählen"), this);
    auswaehlen->setObjectName(QStringLiteral("Ende_Knopf"));
    auswaehlen->setProperty("index", 0);
    auswaehlen->setToolTip(QStringLiteral("Benutzer auswählen und Velmora starten"));
    // Enter never chooses a directory: in "Neuer Benutzer" it creates the
    // person, elsewhere it does nothing. Only a click on "Auswählen" picks.
    for (QPushButton *b : {anlegenKnopf, auswaehlen})
        b->setAutoDefault(false);
    auto *ende = new QPushButton(QStringLiteral("&Ende"), this);
    ende->setAutoDefault(false);
    ende->setObjectName(QStringLiteral("Ende_Knopf"));
    ende->setProperty("index", 1);
    ende->setToolTip(QStringLiteral("Velmora beenden"));

    layout->addWidget(dirLabel, 0, 0, 1, 3);
    layout->addWidget(m_dir, 1, 0, 1, 3);
    layout->addWidget(m_verzeichnis, 2, 0, 1, 3);
    layout->addWidget(neuLabel, 3, 0);
    layout->addWidget(m_neuerUser, 3, 1);
    layout->addWidget(anlegenKnopf, 3, 2);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(auswaehlen);
    knoepfe->addWidget(ende);
    layout->addLayout(knoepfe, 4, 0, 1, 3);

    connect(m_dir, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) {
        verzeichnisOeffnen(item->data(Qt::UserRole).toString());
    });
    connect(anlegenKnopf, &QPushButton::clicked, this, [this] { anlegen(m_neuerUser->text()); });
    connect(m_neuerUser, &QLineEdit::returnPressed, this, [this] { anlegen(m_neuerUser->text()); });
    connect(auswaehlen, &QPushButton::clicked, this, [this] { done(Auswaehlen); });
    connect(ende, &QPushButton::clicked, this, [this] { done(Beenden); });

    // The program waits for this choice: F1 here opens the guide at the
    // part on several persons.
    auto *hilfe = new QShortcut(QKeySequence::HelpContents, this);
    connect(hilfe, &QShortcut::activated, this, [this] { HilfeFenster::zeigen(this, objectName()); });

    resize(460, 380);
    m_aktuell = m_basis;
    m_verzeichnis->setText(m_basis);
    listeFuellen();
}

QString MultiuserForm::verzeichnis() const
{
    return m_verzeichnis->text();
}

namespace {
// Absolute and, where the directory exists, with links resolved, so a
// relative program directory and the opened directories compare alike.
QString vergleichbar(const QString &pfad)
{
    const QFileInfo info(pfad);
    const QString kanonisch = info.canonicalFilePath();
    return kanonisch.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : kanonisch;
}
} // namespace

void MultiuserForm::verzeichnisOeffnen(const QString &pfad)
{
    QString ziel = vergleichbar(QDir(m_aktuell).absoluteFilePath(pfad));
    const QString basis = vergleichbar(m_basis);
    if (!(ziel + u'/').startsWith(basis + u'/') && ziel != basis) {
        // Outside the base directory: back to the base.
        ziel = basis;
    }
    m_aktuell = ziel + u'/';
    m_verzeichnis->setText(ziel);
    listeFuellen();
}

bool MultiuserForm::gueltigerName(const QString &name)
{
    const QString n = name.trimmed();
    return !n.isEmpty() && n != QLatin1String(".") && n != QLatin1String("..") && !n.contains(u'/')
           && !n.contains(u'\\');
}

bool MultiuserForm::anlegen(const QString &name)
{
    if (!gueltigerName(name))
        return false;
    const QString n = name.trimmed();
    const QString ziel = m_basis + n + u'/';
    bool ok = QDir().mkpath(ziel);
    if (ok)
        ok = Verzeichnisse::antragsdatenbankBereitstellen(ziel, m_basis);
    listeFuellen();
    return ok;
}

void MultiuserForm::listeFuellen()
{
    m_dir->clear();
    const QDir d(m_aktuell);
    auto *hoch = new QListWidgetItem(QStringLiteral("[..]"), m_dir);
    hoch->setData(Qt::UserRole, QStringLiteral(".."));
    for (const QString &sub : d.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        auto *item = new QListWidgetItem(QStringLiteral("[%1]").arg(sub), m_dir);
        item->setData(Qt::UserRole, sub);
    }
}
