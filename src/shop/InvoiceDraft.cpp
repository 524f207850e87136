#include "shop/InvoiceDraft.h"

#include "core/Errors.h"
#include "data/DatabaseTransaction.h"
#include "data/LargestNumber.h"
#include "data/PendingRecord.h"
#include "data/Table.h"
#include "shop/InvoiceNumber.h"

namespace {
const QString kNoNota = QStringLiteral("No_Nota");
const QString kIdNota = QStringLiteral("ID_Nota");

Table *makeTable(QObject *parent, const QString &name, const QString &tableName, const QString &index = {})
{
    auto *t = new Table(parent);
    t->setObjectName(name);
    t->setTableName(tableName);
    if (!index.isEmpty())
        t->setIndexFieldNames(index);
    return t;
}
} // namespace

InvoiceDraft::InvoiceDraft(QObject *parent)
    : QObject(parent),
      m_headers(makeTable(this, QStringLiteral("Table1"), QStringLiteral("NotaUtama.DB"), kNoNota)),
      m_lines(makeTable(this, QStringLiteral("Table2"), QStringLiteral("Nota.DB"))),
      m_customers(makeTable(this, QStringLiteral("Table3"), QStringLiteral("Pelanggan.DB"), QStringLiteral("Nama")))
{
}

InvoiceDraft::~InvoiceDraft() = default;

int InvoiceDraft::start()
{
    m_fixed = m_stored = m_hasBegun = false;
    m_ownLines.clear();
    m_replaced.clear();
    m_customerName.clear();
    m_customerAddress.clear();
    m_headers->open();
    m_number = m_proposed = invoicenumber::after(largestNumber());
    showLines();
    m_linesAtProposal = m_lines->recordCount();
    emit changed();
    return m_linesAtProposal;
}

void InvoiceDraft::finish()
{
    m_headers->close();
    m_lines->close();
    m_customers->close();
    m_number.clear();
    m_total = 0;
    m_fixed = m_stored = m_hasBegun = false;
    m_ownLines.clear();
    emit changed();
}

void InvoiceDraft::setNumber(const QString &number)
{
    if (m_fixed || number == m_number)
        return;
    m_number = number;
    emit changed();
}

QString InvoiceDraft::largestNumber()
{
    return largestnumber::of(QStringLiteral("NotaUtama"), kNoNota);
}

void InvoiceDraft::showLinesOf(const QString &number)
{
    m_lines->open();
    if (m_lines->filtered())
        m_lines->setFiltered(false);
    QString quoted = number;
    quoted.replace(QLatin1Char('\''), QLatin1String("''"));
    m_lines->setFilter(QStringLiteral("ID_Nota ='") + quoted + QLatin1Char('\''));
    m_lines->setFiltered(true);
}

void InvoiceDraft::showLines()
{
    showLinesOf(m_number);
    const int amount = int(m_lines->fields().indexOf(m_lines->fieldByName(QStringLiteral("Jumlah"))));
    Money total = 0;
    for (int row = 0, rows = m_lines->recordCount(); row < rows; ++row) {
        const QString text = m_lines->textAt(row, amount);
        if (!text.isEmpty())
            total += numtext::strToFloat(text);
    }
    m_total = total;
}

QList<QVariant> InvoiceDraft::linesShown()
{
    QList<QVariant> out;
    for (m_lines->first(); !m_lines->eof(); m_lines->next())
        out << m_lines->bookmark();
    m_lines->first();
    return out;
}

bool InvoiceDraft::hasLines(const QString &number)
{
    showLinesOf(number);
    return !m_lines->isEmpty();
}

QString InvoiceDraft::nextFreeNumber()
{
    m_headers->refresh();
    QString number = largestNumber();
    do
        number = invoicenumber::after(number);
    while (m_headers->findKey(number) || hasLines(number));
    return number;
}

InvoiceDraft::NumberCheck InvoiceDraft::fixNumber()
{
    // Lines stored under an empty number could never be found again.
    if (m_number.trimmed().isEmpty())
        return NumberCheck::Missing;
    if (m_headers->findKey(m_number))
        return NumberCheck::Used;
    if (m_fixed)
        return NumberCheck::Free;
    showLines();
    // Lines that appeared under the proposed number since it was proposed are
    // another desk's invoice in the making.
    if (m_number == m_proposed && m_lines->recordCount() > m_linesAtProposal) {
        m_replaced = m_number;
        m_number = m_proposed = nextFreeNumber();
        showLines();
        m_linesAtProposal = m_lines->recordCount();
        emit changed();
        return NumberCheck::TakenMeanwhile;
    }
    m_ownLines = linesShown();  // the number is fixed now, with the lines it has
    m_fixed = true;
    emit changed();
    return NumberCheck::Free;
}

void InvoiceDraft::adoptLines()
{
    showLines();
    m_ownLines = linesShown();
    m_fixed = m_hasBegun = true;
    emit changed();
}

void InvoiceDraft::discardLines()
{
    showLines();
    {
        DatabaseTransaction together;
        const QList<QVariant> doomed = m_fixed ? m_ownLines : linesShown();
        for (const QVariant &line : doomed)
            if (m_lines->gotoBookmark(line))
                m_lines->deleteRecord();
        together.commit();
    }
    m_ownLines.clear();
    m_linesAtProposal = 0;
    showLines();
    emit changed();
}

int InvoiceDraft::unstoredLines() const
{
    if (m_stored || !m_lines->active())
        return 0;
    int count = 0;
    for (const QVariant &line : m_ownLines)
        count += m_lines->gotoBookmark(line) ? 1 : 0;
    return count;
}

Money InvoiceDraft::addLine(const InvoiceLine &line)
{
    if (!m_fixed)
        throw EError(QStringLiteral("No Nota belum ditetapkan."));
    const Money amount = invoiceline::amount(line);
    try {
        PendingRecord scope(*m_lines);
        m_lines->append();
        m_lines->fieldByName(kIdNota)->setAsString(m_number);
        m_lines->fieldByName(QStringLiteral("Kode_KV"))->setAsString(line.shopCode);
        m_lines->fieldByName(QStringLiteral("Kode_Brg"))->setAsString(line.makerCode);
        m_lines->fieldByName(QStringLiteral("Nama_Brg"))->setAsString(line.name);
        m_lines->fieldByName(QStringLiteral("Harga"))->setAsString(line.price);
        m_lines->fieldByName(QStringLiteral("Banyak"))->setAsString(line.quantity);
        m_lines->fieldByName(QStringLiteral("Diskon"))->setAsString(line.discount);
        m_lines->fieldByName(QStringLiteral("Jumlah"))->setAsString(numtext::floatToStr(amount));
        m_lines->post();
        m_ownLines << m_lines->bookmark();
    } catch (...) {
        // Whatever the engine said, the total is that of the lines stored.
        try {
            showLines();
            emit changed();
        } catch (...) {
        }
        throw;
    }
    m_hasBegun = true;
    m_total += amount;
    const QVariant added = m_lines->bookmark();
    try {
        showLines();  // the total as stored, also what another desk changed
        m_lines->gotoBookmark(added);
    } catch (const EDatabaseError &) {
        // The line is stored; the lines are read again at the next action.
    }
    emit changed();
    return amount;
}

void InvoiceDraft::deleteCurrentLine()
{
    const QVariant line = m_lines->bookmark();
    m_lines->deleteRecord();
    m_ownLines.removeAll(line);
    showLines();
    emit changed();
}

void InvoiceDraft::setCustomer(const QString &name, const QString &address)
{
    const bool same = name == m_customerName && address == m_customerAddress;
    m_customerName = name;
    m_customerAddress = address;
    if (!same)
        emit customerChanged();
}

bool InvoiceDraft::lookUpAddress(const QString &name, QString &address)
{
    m_customers->open();
    const bool found = m_customers->findKey(name);
    address = found ? m_customers->fieldByName(QStringLiteral("Alamat"))->asString() : QString();
    m_customers->close();
    return found;
}

void InvoiceDraft::postHeader(const QDate &date)
{
    PendingRecord scope(*m_headers);
    m_headers->append();
    m_headers->fieldByName(kNoNota)->setAsString(m_number);
    m_headers->fieldByName(QStringLiteral("Tanggal"))->setValue(date);
    m_headers->fieldByName(QStringLiteral("Kepada"))->setAsString(m_customerName);
    m_headers->fieldByName(QStringLiteral("Alamat"))->setAsString(m_customerAddress);
    m_headers->fieldByName(QStringLiteral("Jumlah_Total"))->setAsFloat(m_total);
    m_headers->post();
}

void InvoiceDraft::moveOwnLines(const QString &to)
{
    for (const QVariant &line : std::as_const(m_ownLines)) {
        if (!m_lines->gotoBookmark(line))
            continue;  // deleted again
        m_lines->edit();
        m_lines->fieldByName(kIdNota)->setAsString(to);
        m_lines->post();
    }
}

bool InvoiceDraft::store(const QDate &date, const std::function<bool(const QString &question)> &moveTo)
{
    showLines();  // with what other desks stored under the number meanwhile
    bool shared = false;
    for (const QVariant &line : linesShown())
        shared = shared || !m_ownLines.contains(line);
    if (!shared) {
        try {
            postHeader(date);
            m_stored = true;
            emit changed();
            return true;
        } catch (const EDuplicateKey &) {
            // Another desk stored this number since the lines were added.
        }
    }
    const QString taken = m_number;
    const QString next = nextFreeNumber();
    showLines();
    const QString why = m_headers->findKey(taken) ? QStringLiteral("No Nota %1 sudah disimpan di meja lain.")
                                                  : QStringLiteral("No Nota %1 sedang dipakai di meja lain.");
    if (!moveTo(why.arg(taken) + QStringLiteral("\nSimpan nota ini dengan No Nota %1?").arg(next)))
        return false;
    try {
        DatabaseTransaction together;
        moveOwnLines(next);
        m_number = next;
        showLines();  // the total of the lines now under the new number
        postHeader(date);
        together.commit();
    } catch (...) {
        // Nothing of it was stored: the invoice is as it was.
        dropUnstored(*m_lines);
        m_number = taken;
        showLines();
        m_headers->refresh();
        emit changed();
        throw;
    }
    m_proposed = next;
    m_stored = true;
    emit changed();
    return true;
}
