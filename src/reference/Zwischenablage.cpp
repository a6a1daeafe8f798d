#include "reference/Zwischenablage.h"

#include "reference/Rtf.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTextEdit>

void Zwischenablage::kopieren(const QTextEdit *text)
{
    if (!text)
        return;
    const QTextCursor auswahl = text->textCursor();
    QString inhalt = auswahl.hasSelection() ? auswahl.selectedText() : text->toPlainText();
    inhalt.replace(QChar(0x2029), u'\n');
    inhalt.replace(QChar(0x2028), u'\n');
    auto *daten = new QMimeData;
    const QByteArray rtf = Rtf::ausText(inhalt);
    daten->setData(QStringLiteral("text/rtf"), rtf);
    daten->setData(QStringLiteral("application/rtf"), rtf);
    daten->setText(inhalt);
    QClipboard *ablage = QGuiApplication::clipboard();
    ablage->clear();
    ablage->setMimeData(daten);
}
