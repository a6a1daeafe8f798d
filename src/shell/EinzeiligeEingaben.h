#pragma once

#include <QObject>

// One-line boxes stay one line: a line break pasted or dropped into any
// QLineEdit of the program (CR LF, CR, LF, U+2028, U+2029) becomes a blank
// at once. Installed once for the whole application; every line edit is
// taken on when it is first shown, whichever screen built it.
class EinzeiligeEingaben : public QObject
{
    Q_OBJECT
public:
    // Installs the application-wide filter (once; later calls do nothing).
    static void installieren();

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    using QObject::QObject;
};
