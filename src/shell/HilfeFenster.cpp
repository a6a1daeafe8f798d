#include "shell/HilfeFenster.h"

#include <QHBoxLayout>
#include <QHash>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QVBoxLayout>

// The resources of a static library are registered by hand.
static void hilfeRessourcenLaden()
{
    Q_INIT_RESOURCE(hilfe);
}

namespace {

QPointer<HilfeFenster> g_fenster;

// The screens' objectNames and the parts of the guide that explain them.
const QHash<QString, QString> &ankertabelle()
{
    static const QHash<QString, QString> t = {
        {QStringLiteral("erste-schritte"), QStringLiteral("erste-schritte")},
        {QStringLiteral("Hauptform"), QStringLiteral("hauptfenster")},
        {QStringLiteral("Infoform"), QStringLiteral("hauptfenster")},
        {QStringLiteral("Hauptdaten"), QStringLiteral("persoenliche-daten")},
        {QStringLiteral("Kinderform"), QStringLiteral("kinder")},
        {QStringLiteral("Versicherungsform"), QStringLiteral("versicherungen")},
        {QStringLiteral("Pflegeversicherungsform"), QStringLiteral("pflegeversicherung")},
        {QStringLiteral("Anschriftenform"), QStringLiteral("anschriften")},
        {QStringLiteral("Rückseiteform"), QStringLiteral("rueckseite")},
        {QStringLiteral("DauerndePflegeForm"), QStringLiteral("dauernde-pflege")},
        {QStringLiteral("Anträgeform"), QStringLiteral("weitere-antraege")},
        {QStringLiteral("UnfallberichtsForm"), QStringLiteral("unfallbericht")},
        {QStringLiteral("AbschlagszahlungsForm"), QStringLiteral("abschlagszahlung")},
        {QStringLiteral("Vorschussform"), QStringLiteral("vorschuss")},
        {QStringLiteral("Aufwendungen"), QStringLiteral("aufwendungen")},
        {QStringLiteral("Aerzteform"), QStringLiteral("aerzteliste")},
        {QStringLiteral("Antragsuebersicht"), QStringLiteral("uebersicht")},
        {QStringLiteral("Druckenform"), QStringLiteral("antrag-drucken")},
        {QStringLiteral("Druckfunktion"), QStringLiteral("aufwendungen-drucken")},
        {QStringLiteral("Druckvorschau"), QStringLiteral("vorschau")},
        {QStringLiteral("privateKV"), QStringLiteral("private-kv")},
        {QStringLiteral("Beihilfeninfoform"), QStringLiteral("nachschlagen")},
        {QStringLiteral("BVOForm"), QStringLiteral("nachschlagen")},
        {QStringLiteral("Gesetze"), QStringLiteral("nachschlagen")},
        {QStringLiteral("Infotextform"), QStringLiteral("nachschlagen")},
        {QStringLiteral("LVHForm"), QStringLiteral("nachschlagen")},
        {QStringLiteral("KurorteForm"), QStringLiteral("nachschlagen")},
        {QStringLiteral("Gebührenordnung"), QStringLiteral("gebuehren")},
        {QStringLiteral("Adressenform"), QStringLiteral("adressbuch")},
        {QStringLiteral("MultiuserForm"), QStringLiteral("mehrere-personen")},
    };
    return t;
}

} // namespace

QString HilfeFenster::anker(const QString &abschnitt)
{
    return ankertabelle().value(abschnitt);
}

QUrl HilfeFenster::adresse(const QString &anker)
{
    static const bool geladen = (hilfeRessourcenLaden(), true);
    Q_UNUSED(geladen);
    QUrl url(QStringLiteral("qrc:/hilfe/anleitung.html"));
    if (!anker.isEmpty())
        url.setFragment(anker);
    return url;
}

HilfeFenster *HilfeFenster::offen()
{
    return g_fenster.data();
}

HilfeFenster::HilfeFenster(QWidget *eltern)
    : QWidget(eltern, Qt::Window)
{
    setObjectName(QStringLiteral("HilfeFenster"));
    setWindowTitle(QStringLiteral("Velmora – Anleitung"));
    setAttribute(Qt::WA_DeleteOnClose);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("Anleitung"));
    m_browser->setOpenExternalLinks(false);
    m_browser->setOpenLinks(true);

    auto *zurueck = new QPushButton(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("&Zurück"), this);
    zurueck->setObjectName(QStringLiteral("Zurück_Knopf"));
    auto *vor = new QPushButton(style()->standardIcon(QStyle::SP_ArrowForward), QStringLiteral("&Vor"), this);
    vor->setObjectName(QStringLiteral("Vor_Knopf"));
    auto *inhalt = new QPushButton(QStringLiteral("&Inhalt"), this);
    inhalt->setObjectName(QStringLiteral("Inhalt_Knopf"));
    auto *schliessen = new QPushButton(QStringLiteral("Schl&ießen"), this);
    schliessen->setObjectName(QStringLiteral("Schließen_Knopf"));
    zurueck->setEnabled(false);
    vor->setEnabled(false);
    connect(zurueck, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(vor, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, zurueck, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, vor, &QPushButton::setEnabled);
    connect(inhalt, &QPushButton::clicked, this, [this] { oeffnen(QStringLiteral("inhalt")); });
    connect(schliessen, &QPushButton::clicked, this, &QWidget::close);
    new QShortcut(QKeySequence::Close, this, this, &QWidget::close);
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);

    auto *leiste = new QHBoxLayout;
    leiste->addWidget(zurueck);
    leiste->addWidget(vor);
    leiste->addWidget(inhalt);
    leiste->addStretch(1);
    leiste->addWidget(schliessen);
    auto *spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(6, 6, 6, 6);
    spalte->addLayout(leiste);
    spalte->addWidget(m_browser, 1);
    resize(900, 680);
}

void HilfeFenster::oeffnen(const QString &anker)
{
    // A new address also goes into the history (Zurück, Vor).
    const QUrl ziel = adresse(anker);
    if (m_browser->source() != ziel)
        m_browser->setSource(ziel);
    if (anker.isEmpty())
        m_browser->verticalScrollBar()->setValue(0);
    else
        m_browser->scrollToAnchor(anker);
}

void HilfeFenster::zeigen(QWidget *eltern, const QString &abschnitt)
{
    // Asked from a modal dialog, the guide moves onto it: it would be
    // blocked behind it otherwise.
    QWidget *oben = eltern ? eltern->window() : nullptr;
    if (g_fenster && oben && oben->isModal() && g_fenster->parentWidget() != oben) {
        const QRect wo = g_fenster->geometry();
        g_fenster->setParent(oben, Qt::Window);
        g_fenster->setGeometry(wo);
    }
    if (!g_fenster) {
        // Over the program's main window, never behind it; on its own when
        // there is no window to stand on.
        g_fenster = new HilfeFenster(eltern ? eltern->window() : nullptr);
        if (eltern) {
            const QRect r = eltern->window()->frameGeometry();
            g_fenster->move(r.center() - g_fenster->rect().center());
        }
    }
    g_fenster->oeffnen(anker(abschnitt));
    g_fenster->show();
    g_fenster->raise();
    g_fenster->activateWindow();
}
