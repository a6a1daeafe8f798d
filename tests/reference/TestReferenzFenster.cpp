// The reference menu and its windows in the main window, offscreen.
#include "TestUmgebung.h"

#include "reference/BVOForm.h"
#include "reference/Gesetze.h"
#include "reference/Infotextform.h"
#include "reference/KurorteForm.h"
#include "reference/LVHForm.h"
#include "shell/Dialoge.h"
#include "base/GermanMoney.h"
#include "shell/Hauptform.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTextEdit>
#include <memory>

namespace {
template<typename T>
T *element(QWidget *w, const QString &name, int index = -1)
{
    for (T *k : w->findChildren<T *>(name))
        if (index < 0 || k->property("index").toInt() == index)
            return k;
    return nullptr;
}

bool sichtbar(QWidget *w)
{
    return w && Hauptform::fensterVon(w) != w && Hauptform::fensterVon(w)->isVisible();
}
} // namespace

class TestReferenzFenster : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase() { m_h.reset(); }
    void menue_data();
    void menue();
    void vorschussUndVerwaltungGetrennt();
    void textviewerBlaettertUndSucht();
    void kopierenGibtRtfUndText();
    void gesetzeWechselnDenBereich();
    void leistungsverzeichnis();
    void kurorte();
    void kurorteOrtUndKlick();
    void herstellerinfo();

private:
    std::unique_ptr<Hauptform> m_h;
};

void TestReferenzFenster::initTestCase()
{
    Dialoge::setTestbetrieb(true);
    m_h = TestUmgebung::hauptfenster(TestUmgebung::programmverzeichnis(QStringLiteral("p")), {1280, 860});
    QApplication::setActiveWindow(m_h.get());
    QVERIFY(QTest::qWaitForWindowExposed(m_h.get()));
}

void TestReferenzFenster::menue_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("gruppe");
    QTest::newRow("GOÄ") << "GO_Knopf" << 0 << "Gebührenordnung für Ärzte (GOÄ)" << "Gebühren";
    QTest::newRow("GOZ") << "GO_Knopf" << 1 << "Gebührenordnung für Zahnärzte (GOZ)" << "Gebühren";
    QTest::newRow("GebüH") << "GO_Knopf" << 2 << "Gebührenverzeichnis für Heilpraktiker (GebüH)" << "Gebühren";
    QTest::newRow("Gesetze 0") << "Gesetze_Knopf" << 0 << "Gesetze zur Gebührenordnng für Ärzte" << "Gebühren";
    QTest::newRow("Gesetze 1") << "Gesetze_Knopf" << 1 << "Einleitung für das Gebührenverzeichnis der Heilpraktiker"
                               << "Gebühren";
    QTest::newRow("Gesetze 2") << "Gesetze_Knopf" << 2 << "Gesetze zur Gebührenordnung für Zahnärzte" << "Gebühren";
    QTest::newRow("LVH") << "LVH_Knopf" << -1 << "Leistungsverzeichnis für ärztlich verordnete Heilbehandlungen"
                         << "Gebühren";
    QTest::newRow("BVO") << "BVO_Knopf" << -1 << "Beihilfenverordnung NRW (BVO NW)" << "Bestimmungen";
    QTest::newRow("VV") << "VV_Knopf" << -1 << "Verwaltungsverordnung (VV)" << "Bestimmungen";
    QTest::newRow("VR") << "VR_Knopf" << -1 << "Richtlinien über die Gewährung von Vorschüssen" << "Bestimmungen";
    QTest::newRow("Hinweise 0") << "Hinweise_Knopf" << 0 << "Hinweise zum ärztlichen Gebührenrecht" << "Bestimmungen";
    QTest::newRow("Hinweise 1") << "Hinweise_Knopf" << 1 << "Hinweise zum zahnärztlichen Gebührenrecht"
                                << "Bestimmungen";
    QTest::newRow("Kurorte") << "Kurorte_Knopf" << -1 << "Kurorteverzeichnis" << "Bestimmungen";
}

void TestReferenzFenster::menue()
{
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(QString, gruppe);
    m_h->Beihilfeninfo_Knopf_Click();
    QWidget *menue = m_h->maske(QStringLiteral("Beihilfeninfoform"));
    QVERIFY(menue);
    QCOMPARE(menue->windowTitle(), QStringLiteral("Beihilfeninformationen"));
    auto *k = element<QPushButton>(menue, name, index);
    QVERIFY(k);
    QCOMPARE(k->text(), text);
    QCOMPARE(k->parentWidget()->objectName(), gruppe);
    // A button that does not fit its caption would cut it.
    QVERIFY2(k->width() >= k->sizeHint().width(), qPrintable(text));
    TestUmgebung::bild(Hauptform::fensterVon(menue), QStringLiteral("Beihilfeninfoform"));
}

void TestReferenzFenster::vorschussUndVerwaltungGetrennt()
{
    m_h->Beihilfeninfo_Knopf_Click();
    QWidget *menue = m_h->maske(QStringLiteral("Beihilfeninfoform"));
    element<QPushButton>(menue, QStringLiteral("VR_Knopf"))->click();
    auto *bvo = qobject_cast<BVOForm *>(m_h->maske(QStringLiteral("BVOForm")));
    QVERIFY(bvo);
    QCOMPARE(bvo->windowTitle(), QStringLiteral("Vorschussrichtlinien"));
    QVERIFY(bvo->bestand().anzahl() > 0);
    for (int i = 0; i < bvo->bestand().anzahl(); ++i)
        QVERIFY(bvo->bestand().text(i, QStringLiteral("Nummer")).startsWith(QStringLiteral("RV")));
    element<QPushButton>(menue, QStringLiteral("VV_Knopf"))->click();
    QCOMPARE(bvo->windowTitle(), QStringLiteral("Verwaltungsverordnung NRW"));
    QVERIFY(bvo->bestand().anzahl() > 0);
    for (int i = 0; i < bvo->bestand().anzahl(); ++i)
        QVERIFY(bvo->bestand().text(i, QStringLiteral("Nummer")).startsWith(u'V'));
    // The navigation entry opens the same viewer.
    m_h->aktionAusfuehren(QStringLiteral("Hinweise2"));
    QCOMPARE(bvo->windowTitle(), QStringLiteral("Hinweise zum zahnärztlichen Gebührenrecht"));
    QVERIFY(bvo->bestand().text(QStringLiteral("Nummer")).startsWith(QStringLiteral("HZG")));
}

void TestReferenzFenster::textviewerBlaettertUndSucht()
{
    BVOForm *bvo = BVOForm::zeigen(*m_h, QStringLiteral("B"));
    QVERIFY(bvo);
    auto *inhalt = element<QTextEdit>(bvo, QStringLiteral("Inhalt"));
    auto *ueberschrift = element<QLabel>(bvo, QStringLiteral("Überschrift"));
    QCOMPARE(bvo->bestand().position(), 0);
    element<QPushButton>(bvo, QStringLiteral("Blättern_Knopf"), 0)->click();
    QCOMPARE(bvo->bestand().position(), 0);
    element<QPushButton>(bvo, QStringLiteral("Blättern_Knopf"), 1)->click();
    QCOMPARE(ueberschrift->text(), bvo->bestand().text(QStringLiteral("Überschrift")));
    QCOMPARE(inhalt->toPlainText(), bvo->bestand().text(QStringLiteral("Inhalt")));
    auto *begriff = element<QLineEdit>(bvo, QStringLiteral("Begriff"));
    begriff->setText(QStringLiteral("Soziotherapie"));
    element<QPushButton>(bvo, QStringLiteral("VS_Knopf"), 1)->click();
    QVERIFY(ueberschrift->text().contains(QStringLiteral("Soziotherapie")));
    const int stand = bvo->bestand().position();
    for (const QString &t : {QStringLiteral("Gibtsnichtwort"), QStringLiteral("'"), QStringLiteral("%' or '1'='1")}) {
        begriff->setText(t);
        element<QPushButton>(bvo, QStringLiteral("VS_Knopf"), 1)->click();
        element<QPushButton>(bvo, QStringLiteral("VS_Knopf"), 0)->click();
        QCOMPARE(bvo->bestand().position(), stand);
    }
    TestUmgebung::bild(Hauptform::fensterVon(bvo), QStringLiteral("BVOForm"));
}

void TestReferenzFenster::kopierenGibtRtfUndText()
{
    BVOForm *bvo = BVOForm::zeigen(*m_h, QStringLiteral("RV"));
    auto *inhalt = element<QTextEdit>(bvo, QStringLiteral("Inhalt"));
    element<QPushButton>(bvo, QStringLiteral("Kopieren_Knopf"))->click();
    const QMimeData *d = QApplication::clipboard()->mimeData();
    QVERIFY(d);
    QCOMPARE(d->text(), inhalt->toPlainText());
    QVERIFY(d->data(QStringLiteral("text/rtf")).startsWith("{\\rtf1"));
    QTextCursor c = inhalt->textCursor();
    c.setPosition(0);
    c.setPosition(11, QTextCursor::KeepAnchor);
    inhalt->setTextCursor(c);
    element<QPushButton>(bvo, QStringLiteral("Kopieren_Knopf"))->click();
    QCOMPARE(QApplication::clipboard()->mimeData()->text(), inhalt->toPlainText().left(11));
}

void TestReferenzFenster::gesetzeWechselnDenBereich()
{
    m_h->Beihilfeninfo_Knopf_Click();
    QWidget *menue = m_h->maske(QStringLiteral("Beihilfeninfoform"));
    element<QPushButton>(menue, QStringLiteral("Gesetze_Knopf"), 0)->click();
    auto *g = qobject_cast<Gesetze *>(m_h->maske(QStringLiteral("Gesetze")));
    QVERIFY(g && sichtbar(g));
    QCOMPARE(g->windowTitle(), QStringLiteral("Gesetze zur Gebührenordnng für Ärzte"));
    QCOMPARE(g->bereich(), 1);
    const int aerzte = g->bestand().anzahl();
    QVERIFY(aerzte > 0);
    // The fee browser's way in: by name through the main window.
    QWidget *w = m_h->oeffnen(QStringLiteral("Gesetze"));
    QVERIFY(QMetaObject::invokeMethod(w, "setBereich", Q_ARG(int, 3)));
    QVERIFY(g->bestand().anzahl() > 0);
    QVERIFY(g->bestand().anzahl() != aerzte);
    for (int i = 0; i < g->bestand().anzahl(); ++i)
        QCOMPARE(g->bestand().datensatz().wert(i, QStringLiteral("Bereich")).toInt(), 3);
    element<QPushButton>(g, QStringLiteral("DB_Knopf"), 1)->click();
    QCOMPARE(element<QLineEdit>(g, QStringLiteral("Überschrift"))->text(), g->bestand().text(QStringLiteral("Überschrift")));
    TestUmgebung::bild(Hauptform::fensterVon(g), QStringLiteral("Gesetze"));
    g->setFocus();
    QTest::keyClick(g, Qt::Key_Escape);
    QVERIFY(!sichtbar(g));
}

void TestReferenzFenster::leistungsverzeichnis()
{
    m_h->aktionAusfuehren(QStringLiteral("Heilbehandlungen"));
    auto *lvh = qobject_cast<LVHForm *>(m_h->maske(QStringLiteral("LVHForm")));
    QVERIFY(lvh);
    QCOMPARE(lvh->windowTitle(), QStringLiteral("Leistungsverzeichnis für Heilbehandlungen"));
    auto *bereich = element<QComboBox>(lvh, QStringLiteral("Bereich"));
    auto *betrag = element<QLineEdit>(lvh, QStringLiteral("Betrag"));
    QCOMPARE(bereich->count(), 10);
    // Step to the first remedy of area 4.
    while (lvh->bestand().wert(QStringLiteral("Bereich")).toInt() != 4) {
        const int vorher = lvh->bestand().position();
        element<QPushButton>(lvh, QStringLiteral("DSN"), 1)->click();
        QVERIFY(lvh->bestand().position() == vorher + 1);
    }
    QCOMPARE(bereich->currentText(), QStringLiteral("IV. Packungen, Hydrotherapie, Bäder"));
    QCOMPARE(betrag->text(), GermanMoney::format(lvh->bestand().wert(QStringLiteral("BetragEuro")).toDouble()));
    element<QRadioButton>(lvh, QStringLiteral("Währung"), 0)->setChecked(true);
    const double dm = lvh->bestand().wert(QStringLiteral("BetragDM")).toDouble();
    QVERIFY(qAbs(dm - lvh->bestand().wert(QStringLiteral("BetragEuro")).toDouble() * 1.95583) < 0.005);
    QVERIFY(QRegularExpression(QStringLiteral("^\\d+,\\d\\d$")).match(betrag->text()).hasMatch());
    QCOMPARE(GermanMoney::value(betrag->text()), std::round(dm * 100) / 100);
    element<QRadioButton>(lvh, QStringLiteral("Währung"), 1)->setChecked(true);

    // Number search with Enter; an unknown number keeps the row.
    auto *nummer = element<QLineEdit>(lvh, QStringLiteral("SuchNummer"));
    nummer->setFocus();
    nummer->setText(QStringLiteral("19 c)"));
    QTest::keyClick(nummer, Qt::Key_Return);
    QCOMPARE(lvh->bestand().text(QStringLiteral("Nummer")), QStringLiteral("19 c)"));
    QCOMPARE(bereich->currentText(), QStringLiteral("III. Massagen"));
    nummer->setText(QStringLiteral("19' or '1'='1"));
    QTest::keyClick(nummer, Qt::Key_Return);
    QCOMPARE(lvh->bestand().text(QStringLiteral("Nummer")), QStringLiteral("19 c)"));

    auto *volltext = element<QLineEdit>(lvh, QStringLiteral("Volltext"));
    volltext->setText(QStringLiteral("Lymphdrainage"));
    element<QPushButton>(lvh, QStringLiteral("VTS_Knopf"), 0)->click();
    QCOMPARE(lvh->bestand().text(QStringLiteral("Nummer")), QStringLiteral("19 b)"));
    volltext->setText(QStringLiteral("'"));
    element<QPushButton>(lvh, QStringLiteral("VTS_Knopf"), 1)->click();
    QCOMPARE(lvh->bestand().text(QStringLiteral("Nummer")), QStringLiteral("19 b)"));
    TestUmgebung::bild(Hauptform::fensterVon(lvh), QStringLiteral("LVHForm"));

    element<QPushButton>(lvh, QStringLiteral("Hinweis_Knopf"), 2)->click();
    auto *info = qobject_cast<Infotextform *>(m_h->maske(QStringLiteral("Infotextform")));
    QVERIFY(info && sichtbar(info));
    QCOMPARE(info->windowTitle(), QStringLiteral("Leistungsverzeichnis der Heilbehandlungen"));
    QCOMPARE(info->nummer(), QStringLiteral("LV2"));
    QCOMPARE(element<QTextEdit>(info, QStringLiteral("Info"))->toPlainText(), info->bestand().text(QStringLiteral("Info")));
    TestUmgebung::bild(Hauptform::fensterVon(info), QStringLiteral("Infotextform"));
    // The fee browser's way in; an unknown key keeps the note shown.
    QVERIFY(!Infotextform::zeigen(*m_h, QStringLiteral("XY9"), QStringLiteral("x"))->anmerkungZeigen(QStringLiteral("XY9")));
    QCOMPARE(info->nummer(), QStringLiteral("LV2"));
    info->setFocus();
    QTest::keyClick(info, Qt::Key_Escape);
    QVERIFY(!sichtbar(info));
    // The screen it was opened from is in front again, with the focus.
    QCOMPARE(m_h->vorn(), lvh);
    QVERIFY(lvh->isAncestorOf(QApplication::focusWidget()));
}

void TestReferenzFenster::kurorte()
{
    m_h->aktionAusfuehren(QStringLiteral("Kurorte"));
    auto *k = qobject_cast<KurorteForm *>(m_h->maske(QStringLiteral("KurorteForm")));
    QVERIFY(k);
    auto *liste = element<QTableView>(k, QStringLiteral("Liste"));
    QCOMPARE(liste->model()->rowCount(), k->bestand().anzahl());
    QVERIFY(k->bestand().anzahl() > 0);
    QCOMPARE(liste->model()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Anerkenntnis als Heilkurort für"));
    QCOMPARE(liste->currentIndex().row(), 0);
    liste->setFocus();
    QTest::keyClick(liste, Qt::Key_B);
    const int b = k->aktuelleZeile();
    QVERIFY(k->bestand().text(QStringLiteral("Name")).startsWith(u'B'));
    QVERIFY(!k->bestand().text(b - 1, QStringLiteral("Name")).startsWith(u'B'));
    QCOMPARE(liste->currentIndex().row(), b);
    QTest::sendKeyEvent(QTest::Click, liste, Qt::Key_Udiaeresis, QStringLiteral("ü"), Qt::NoModifier);
    QTest::keyClick(liste, Qt::Key_7);
    QCOMPARE(k->aktuelleZeile(), b);
    QCOMPARE(liste->currentIndex().row(), b);

    // Leaving the search box finds a word of the recognition column.
    auto *suchwort = element<QLineEdit>(k, QStringLiteral("Suchwort"));
    suchwort->setFocus();
    suchwort->setText(QStringLiteral("Monheimsallee"));
    liste->setFocus();
    QCOMPARE(k->bestand().text(QStringLiteral("AnerkenntnisHeilkurort")), QStringLiteral("Monheimsallee"));
    QCOMPARE(liste->currentIndex().row(), k->aktuelleZeile());
    const int treffer = k->aktuelleZeile();
    for (const QString &t : {QStringLiteral("'"), QStringLiteral("Bad' or '1'='1"), QStringLiteral("%")}) {
        suchwort->setFocus();
        suchwort->setText(t);
        liste->setFocus();
        element<QPushButton>(k, QStringLiteral("Such_Knopf"), 1)->click();
        QCOMPARE(k->aktuelleZeile(), treffer);
    }
    // An empty word matches every row: first row, then one step at a time.
    suchwort->setFocus();
    suchwort->clear();
    liste->setFocus();
    QCOMPARE(k->aktuelleZeile(), 0);
    element<QPushButton>(k, QStringLiteral("Such_Knopf"), 1)->click();
    QCOMPARE(k->aktuelleZeile(), 1);
    TestUmgebung::bild(Hauptform::fensterVon(k), QStringLiteral("KurorteForm"));

    QTest::keyClick(liste, Qt::Key_Escape);
    QCOMPARE(m_h->vorn()->objectName(), QStringLiteral("Beihilfeninfoform"));
    QVERIFY(sichtbar(k));
}

// "Bad Kissingen" is found; a click from the search box hits the row under it.
void TestReferenzFenster::kurorteOrtUndKlick()
{
    auto *k = qobject_cast<KurorteForm *>(m_h->maske(QStringLiteral("KurorteForm")));
    auto *liste = element<QTableView>(k, QStringLiteral("Liste"));
    auto *suchwort = element<QLineEdit>(k, QStringLiteral("Suchwort"));
    suchwort->setFocus();
    suchwort->setText(QStringLiteral("Bad Kissingen"));
    liste->setFocus();
    QCOMPARE(k->bestand().text(QStringLiteral("Name")), QStringLiteral("Kissingen"));
    suchwort->setFocus();
    liste->scrollToTop();
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualRect(liste->model()->index(2, 1)).center());
    QCOMPARE(k->aktuelleZeile(), 2);
}

void TestReferenzFenster::herstellerinfo()
{
    QString titel, verzeichnis;
    Dialoge::dialogAntwort([&](QDialog *d) {
        titel = d->windowTitle();
        if (auto *l = d->findChild<QLabel *>(QStringLiteral("Verzeichnis")))
            verzeichnis = l->text();
        TestUmgebung::bild(d, QStringLiteral("Herstellerinfo"));
        return int(QDialog::Accepted);
    });
    m_h->MenueInfo_Click();
    QCOMPARE(titel, QStringLiteral(" Hersteller-Info"));
    QVERIFY(!m_h->datenverzeichnis().isEmpty());
    QCOMPARE(verzeichnis, QDir::toNativeSeparators(m_h->datenverzeichnis()));
}

VELMORA_TEST_MAIN(TestReferenzFenster)
#include "TestReferenzFenster.moc"
