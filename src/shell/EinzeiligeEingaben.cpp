#include "shell/EinzeiligeEingaben.h"

#include "base/TextFile.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPointer>

namespace {
const char *const kAngebunden = "velmoraEinzeilig";

void anbinden(QLineEdit *e)
{
    if (e->property(kAngebunden).toBool())
        return;
    e->setProperty(kAngebunden, true);
    // Only what the user put in can hold a break: typing cannot, pasting and
    // dropping can.
    QObject::connect(e, &QLineEdit::textEdited, e, [e](const QString &text) {
        const QString einzeilig = TextFile::singleLine(text);
        if (einzeilig == text)
            return;
        const int cursor = int(TextFile::singleLine(text.left(e->cursorPosition())).size());
        e->setText(einzeilig);
        e->setCursorPosition(cursor);
    });
}
} // namespace

void EinzeiligeEingaben::installieren()
{
    static QPointer<EinzeiligeEingaben> filter;
    if (filter || !qApp)
        return;
    filter = new EinzeiligeEingaben(qApp);
    qApp->installEventFilter(filter);
}

bool EinzeiligeEingaben::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (ereignis->type() == QEvent::Polish)
        if (auto *e = qobject_cast<QLineEdit *>(objekt))
            anbinden(e);
    return false;
}
