#pragma once

#include "ledger/Widerspruch.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

// "Widerspruch schreiben": the draft letter in a text box to edit, the day
// by which it must reach the office (from the day the decision arrived,
// which the user may change) with the rule used, printing and PDF.
class Widerspruchsform : public QDialog
{
    Q_OBJECT
public:
    Widerspruchsform(const Widerspruch &brief, const QDate &eingang, QWidget *parent = nullptr);

    static QString titel() { return QStringLiteral("Widerspruch schreiben"); }
    QString text() const;

public Q_SLOTS:
    void Drucken_Knopf_Click();
    void Pdf_Knopf_Click();

private:
    void fristZeigen();

    QLineEdit *m_eingang = nullptr;
    QLabel *m_frist = nullptr;
    QPlainTextEdit *m_text = nullptr;
};
