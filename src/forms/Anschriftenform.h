#pragma once

#include "shell/Maske.h"

#include <QColor>

class QLabel;
class QLineEdit;

// The addresses and header data of the application: the Beihilfe office,
// the return address, the header lines, the office's reference, the place
// and date of signing and, for the finance administration, the office.
class Anschriftenform : public Maske
{
    Q_OBJECT
public:
    explicit Anschriftenform(Hauptform &hauptform);
    void aktivieren() override;

    // Shows the office group only for the form kind "OFD Düsseldorf".
    void OFD_zeigen();

private:
    QLabel *m_hinweis = nullptr;
    QLineEdit *m_datum = nullptr;
    QColor m_farbe; // highlight of the hint while a header field has the focus
};
