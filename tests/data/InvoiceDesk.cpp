#include "InvoiceDesk.h"

#include "core/Errors.h"

#include <QDate>

namespace {
// More refusals than this in a row mean the desk cannot see what the others
// store, not that they are quicker.
constexpr int kMostTakenInARow = 1000;
constexpr int kMostBusyInARow = 5;

bool isBusy(const EDatabaseError &e) { return e.message().contains(QLatin1String("sedang dipakai di meja lain")); }

void cancelQuietly(Table &table)
{
    try {
        if (table.state() == DataSetState::Insert || table.state() == DataSetState::Edit)
            table.cancel();
    } catch (...) {
        // The first error is the one reported.
    }
}
} // namespace

qint64 InvoiceLine::amount() const
{
    const qint64 gross = price * count;
    return gross - gross * discountPercent / 100;
}

InvoiceDesk::InvoiceDesk(const QString &alias, QString deskName) : m_deskName(std::move(deskName))
{
    m_headers.setDatabaseName(alias);
    m_headers.setTableName(QStringLiteral("NotaUtama.DB"));
    m_headers.setIndexFieldNames(QStringLiteral("No_Nota"));
    m_headers.open();
    m_lines.setDatabaseName(alias);
    m_lines.setTableName(QStringLiteral("Nota.DB"));
    m_lines.open();
}

QString InvoiceDesk::nextNumber()
{
    // What other desks stored since the table was last read counts too.
    m_headers.refresh();
    if (m_headers.isEmpty())
        return QStringLiteral("000001");
    m_headers.last();
    bool isNumber = false;
    const qint64 last = m_headers.fieldByName(QStringLiteral("No_Nota"))->asString().toLongLong(&isNumber);
    if (!isNumber)
        throw EConvertError(QStringLiteral("The last invoice number is no number"));
    return QStringLiteral("%1").arg(last + 1, 6, 10, QLatin1Char('0'));
}

bool InvoiceDesk::reserve(const QString &number)
{
    m_headers.append();
    try {
        m_headers.fieldByName(QStringLiteral("No_Nota"))->setAsString(number);
        m_headers.fieldByName(QStringLiteral("Tanggal"))->setValue(QDate(2024, 5, 17));
        m_headers.fieldByName(QStringLiteral("Kepada"))->setAsString(m_deskName);
        m_headers.fieldByName(QStringLiteral("Jumlah_Total"))->setAsFloat(0);
        m_headers.post();
    } catch (const EDuplicateKey &) {
        cancelQuietly(m_headers);
        return false;
    } catch (...) {
        cancelQuietly(m_headers);
        throw;
    }
    return true;
}

void InvoiceDesk::storeLine(const QString &number, const InvoiceLine &line)
{
    m_lines.append();
    try {
        m_lines.fieldByName(QStringLiteral("ID_Nota"))->setAsString(number);
        m_lines.fieldByName(QStringLiteral("Kode_KV"))->setAsString(m_deskName);
        m_lines.fieldByName(QStringLiteral("Kode_Brg"))->setAsString(line.goodsCode);
        m_lines.fieldByName(QStringLiteral("Nama_Brg"))->setAsString(QStringLiteral("BARANG ") + line.goodsCode);
        m_lines.fieldByName(QStringLiteral("Harga"))->setAsFloat(line.price);
        m_lines.fieldByName(QStringLiteral("Banyak"))->setAsFloat(line.count);
        m_lines.fieldByName(QStringLiteral("Diskon"))->setAsFloat(line.discountPercent);
        m_lines.fieldByName(QStringLiteral("Jumlah"))->setAsFloat(line.amount());
        m_lines.post();
    } catch (...) {
        cancelQuietly(m_lines);
        throw;
    }
}

void InvoiceDesk::setTotal(const QString &number, qint64 total)
{
    if (!m_headers.findKey(number))
        throw EDatabaseError(QStringLiteral("Invoice %1 is gone").arg(number));
    m_headers.edit();
    try {
        m_headers.fieldByName(QStringLiteral("Jumlah_Total"))->setAsFloat(total);
        m_headers.post();
    } catch (...) {
        cancelQuietly(m_headers);
        throw;
    }
}

void InvoiceDesk::whenNotBusy(const std::function<void()> &write)
{
    for (int refused = 0;; ++refused) {
        try {
            write();
            return;
        } catch (const EDatabaseError &e) {
            if (!isBusy(e) || refused == kMostBusyInARow)
                throw;
            ++m_busy;
        }
    }
}

QString InvoiceDesk::store(const QList<InvoiceLine> &lines)
{
    QString number = nextNumber();
    for (int taken = 0;; ++taken) {
        if (beforeReserving)
            beforeReserving(number);
        bool reserved = false;
        whenNotBusy([&] { reserved = reserve(number); });
        if (reserved)
            break;
        ++m_taken;
        if (taken == kMostTakenInARow)
            throw EDatabaseError(QStringLiteral("Desk %1 found %2 numbers in a row taken").arg(m_deskName).arg(taken));
        number = nextNumber();
    }
    qint64 total = 0;
    for (const InvoiceLine &line : lines) {
        whenNotBusy([&] { storeLine(number, line); });
        total += line.amount();
    }
    whenNotBusy([&] { setTotal(number, total); });
    return number;
}
