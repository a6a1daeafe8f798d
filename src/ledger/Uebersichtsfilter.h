#pragma once

#include <QSortFilterProxyModel>

// Sorting and filtering of the application table: by status text and by the
// year of the application date (ohneDatum: the applications without one).
class Uebersichtsfilter : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    static constexpr int AlleJahre = 0;
    static constexpr int OhneDatum = -1;

    Uebersichtsfilter(int statusSpalte, int datumSpalte, QObject *parent = nullptr);

    // Empty: every status.
    void setStatus(const QString &status);
    void setJahr(int jahr);
    QString status() const { return m_status; }
    int jahr() const { return m_jahr; }

protected:
    bool filterAcceptsRow(int zeile, const QModelIndex &eltern) const override;

private:
    int m_statusSpalte;
    int m_datumSpalte;
    QString m_status;
    int m_jahr = AlleJahre;
};
