// The print-system module: Qt PrintSupport behind the program's printer
// interface. Loaded by the program on first need.
#include "print/Druckeranschluss.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace {
class QtDrucker final : public Druckeranschluss
{
public:
    QStringList druckernamen() const override { return QPrinterInfo::availablePrinterNames(); }
    QString standarddrucker() const override { return QPrinterInfo::defaultPrinterName(); }

    QPagedPaintDevice *drucker() override { return &printer(); }
    QString druckername() const override { return m_drucker ? m_drucker->printerName() : m_name; }
    void setDruckername(const QString &name) override
    {
        m_name = name;
        if (m_drucker)
            m_drucker->setPrinterName(name);
    }
    void setAuftragsname(const QString &name) override { printer().setDocName(name); }
    void setGanzeSeite() override { printer().setFullPage(true); }
    bool fehlgeschlagen() const override { return m_drucker && m_drucker->printerState() == QPrinter::Error; }

private:
    QPrinter &printer()
    {
        if (!m_drucker) {
            m_drucker = std::make_unique<QPrinter>(QPrinter::HighResolution);
            if (!m_name.isEmpty())
                m_drucker->setPrinterName(m_name);
        }
        return *m_drucker;
    }

    QString m_name;
    std::unique_ptr<QPrinter> m_drucker;
};
} // namespace

extern "C" Q_DECL_EXPORT Druckeranschluss *velmora_druckeranschluss_neu()
{
    return new QtDrucker;
}
