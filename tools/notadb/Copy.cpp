// `notadb copy --from FILE --to URI`: a shop moves from its file to a server
// database in one transaction. The file is read as `check` reads it (nothing
// is written beside it), every field copied as stored: pictures byte for
// byte, account passwords as their stored hashes, auto-numbers and the
// hidden row numbers with their values, so that customers keep their
// numbers and invoice lines their order. Before the commit the copy is
// compared with the file; any difference rolls it all back.
#include "CheckedDatabase.h"
#include "Commands.h"
#include "ContentCheck.h"
#include "ServerAccess.h"

#include "core/Errors.h"
#include "core/NumberText.h"
#include "data/FieldText.h"
#include "data/FileBackup.h"
#include "data/Schema.h"

#include <QHash>

namespace notadb {
namespace {
using connection::Connection;

// What the summary calls the records of each table.
QString recordsOf(const QString &table, qint64 count)
{
    static const QHash<QString, QString> names = {
        {QStringLiteral("Barang"), QStringLiteral("barang")},     {QStringLiteral("Pelanggan"), QStringLiteral("pelanggan")},
        {QStringLiteral("Group"), QStringLiteral("grup")},        {QStringLiteral("Part"), QStringLiteral("jenis part")},
        {QStringLiteral("NotaUtama"), QStringLiteral("nota")},    {QStringLiteral("Nota"), QStringLiteral("baris")},
        {QStringLiteral("Adm"), QStringLiteral("akun")},
    };
    return QStringLiteral("%1 %2").arg(count).arg(names.value(table));
}

// A stored value of the file as the server's typed column takes it. Numbers
// kept as text are read as the program reads them (values that do not
// convert were refused before); everything else goes as it is.
QVariant forServer(const FieldDef &field, const QVariant &stored)
{
    if (!stored.isValid() || stored.isNull())
        return QVariant();
    switch (field.kind) {
    case FieldKind::Float:
        if (!fieldtext::hasValue(stored))
            return QVariant();
        return stored.typeId() == QMetaType::QString ? QVariant(double(numtext::strToFloat(stored.toString())))
                                                     : QVariant(stored.toDouble());
    case FieldKind::Integer:
    case FieldKind::AutoInc:
        if (!fieldtext::hasValue(stored))
            return QVariant();
        return fieldtext::asInteger(field, stored);
    case FieldKind::Graphic:
        return stored.typeId() == QMetaType::QString ? QVariant(stored.toString().toUtf8()) : QVariant(stored.toByteArray());
    case FieldKind::Text:
    case FieldKind::Memo:
    case FieldKind::Date: break;
    }
    if (stored.typeId() == QMetaType::QByteArray)
        return QString::fromUtf8(stored.toByteArray());
    if (stored.typeId() == QMetaType::Double)
        return numtext::floatToStr(stored.toDouble());
    return stored.toString();
}

// Rows of one table into the server, many to a statement: a full batch at a
// time, the rest one by one, so that the connection keeps two statements
// per table. The hidden row number goes last, with its value from the file.
class BatchInsert {
public:
    BatchInsert(Connection &target, const TableDef &table)
        : m_target(target), m_table(table), m_batchRows(hasPictures(table) ? 8 : 256)
    {
    }

    void add(const QVariantList &values)
    {
        m_pending += values;
        if (++m_rows == m_batchRows)
            flush();
    }

    void finish()
    {
        const qsizetype width = m_table.columns.size() + 1;
        for (qsizetype row = 0; row < m_rows; ++row)
            run(statementFor(1), m_pending.mid(row * width, width));
        m_pending.clear();
        m_rows = 0;
    }

private:
    static bool hasPictures(const TableDef &table)
    {
        return std::any_of(table.columns.begin(), table.columns.end(),
                           [](const ColumnDef &c) { return c.field.kind == FieldKind::Graphic; });
    }

    void flush()
    {
        run(statementFor(m_rows), m_pending);
        m_pending.clear();
        m_rows = 0;
    }

    QString statementFor(int rows) const
    {
        QStringList columns;
        for (const ColumnDef &c : m_table.columns)
            columns << schema::quote(c.field.name);
        columns << QStringLiteral("rowid");
        const QString one = QLatin1Char('(') + QStringList(columns.size(), QStringLiteral("?")).join(QLatin1Char(',')) + QLatin1Char(')');
        return QStringLiteral("INSERT INTO %1 (%2) VALUES %3")
            .arg(schema::quote(m_table.name), columns.join(QStringLiteral(", ")), QStringList(rows, one).join(QLatin1Char(',')));
    }

    void run(const QString &sql, const QVariantList &values)
    {
        connection::Failure failure;
        if (m_target.run(sql, values, &failure) < 0)
            Connection::fail(QStringLiteral("Record %1 tidak dapat disalin").arg(m_table.name), failure);
    }

    Connection &m_target;
    const TableDef &m_table;
    const int m_batchRows;
    QVariantList m_pending;
    int m_rows = 0;
};

// A read transaction on the file: every table is read from one state of it.
class ReadTransaction {
public:
    explicit ReadTransaction(CheckedDatabase &db) : m_db(db) { m_db.eachRow(QStringLiteral("BEGIN"), {}, [](const QVariantList &) {}); }
    ~ReadTransaction()
    {
        try {
            m_db.eachRow(QStringLiteral("COMMIT"), {}, [](const QVariantList &) {});
        } catch (...) {
            // Only reading ended: nothing to undo.
        }
    }
    ReadTransaction(const ReadTransaction &) = delete;
    ReadTransaction &operator=(const ReadTransaction &) = delete;

private:
    CheckedDatabase &m_db;
};

// Each invoice's stored total and the sum of its lines' amounts in their
// order, as the program reads them, with the number of lines.
struct InvoiceSums {
    QHash<QString, QVariant> totals;  // No_Nota -> Jumlah_Total, null when empty
    QHash<QString, QPair<long double, qint64>> lines;  // ID_Nota -> sum, lines
};

InvoiceSums invoiceSums(CheckedDatabase &db)
{
    const TableDef &headers = *schema::findTable(QStringLiteral("NotaUtama"));
    const TableDef &lines = *schema::findTable(QStringLiteral("Nota"));
    const FieldDef &total = headers.column(QStringLiteral("Jumlah_Total"))->field;
    const FieldDef &amount = lines.column(QStringLiteral("Jumlah"))->field;
    InvoiceSums sums;
    db.eachRow(QStringLiteral("SELECT \"No_Nota\", \"Jumlah_Total\" FROM \"NotaUtama\""), {},
               [&](const QVariantList &row) { sums.totals.insert(row.at(0).toString(), forServer(total, row.at(1))); });
    db.eachRow(QStringLiteral("SELECT \"ID_Nota\", \"Jumlah\" FROM \"Nota\" ORDER BY rowid"), {}, [&](const QVariantList &row) {
        auto &s = sums.lines[row.at(0).toString()];
        const QVariant value = forServer(amount, row.at(1));
        if (value.isValid())
            s.first += value.toDouble();
        ++s.second;
    });
    return sums;
}

QString numberText(const QVariant &value) { return value.isValid() ? numtext::floatToStr(value.toDouble()) : QStringLiteral("kosong"); }

// Where the copy differs from the file: record counts, invoice totals and
// the sums of the invoices' lines.
QStringList differences(CheckedDatabase &source, CheckedDatabase &target)
{
    QStringList found;
    for (const TableDef &t : schema::tables()) {
        const QString count = QStringLiteral("SELECT count(*) FROM %1").arg(schema::quote(t.name));
        const qint64 inFile = source.scalar(count).toLongLong();
        const qint64 onServer = target.scalar(count).toLongLong();
        if (inFile != onServer)
            found << QStringLiteral("%1 memuat %2 record di berkas, tetapi %3 di server").arg(t.name).arg(inFile).arg(onServer);
    }
    const InvoiceSums file = invoiceSums(source);
    const InvoiceSums server = invoiceSums(target);
    QStringList invoices = file.totals.keys();
    for (const QString &key : server.totals.keys())
        if (!file.totals.contains(key))
            invoices << key;
    std::sort(invoices.begin(), invoices.end());
    for (const QString &invoice : std::as_const(invoices)) {
        if (!file.totals.contains(invoice) || !server.totals.contains(invoice)) {
            found << QStringLiteral("nota %1 hanya ada %2").arg(invoice, file.totals.contains(invoice) ? QStringLiteral("di berkas")
                                                                                                       : QStringLiteral("di server"));
            continue;
        }
        const QVariant a = file.totals.value(invoice), b = server.totals.value(invoice);
        if (a.isValid() != b.isValid() || (a.isValid() && a.toDouble() != b.toDouble()))
            found << QStringLiteral("nota %1: Jumlah_Total %2 di berkas, tetapi %3 di server").arg(invoice, numberText(a), numberText(b));
    }
    QStringList lined = file.lines.keys();
    for (const QString &key : server.lines.keys())
        if (!file.lines.contains(key))
            lined << key;
    std::sort(lined.begin(), lined.end());
    for (const QString &invoice : std::as_const(lined)) {
        const auto a = file.lines.value(invoice), b = server.lines.value(invoice);
        if (a != b)
            found << QStringLiteral("nota %1: %2 barisnya berjumlah %3 di berkas, tetapi %4 barisnya berjumlah %5 di server")
                         .arg(invoice)
                         .arg(a.second)
                         .arg(numtext::floatToStr(a.first))
                         .arg(b.second)
                         .arg(numtext::floatToStr(b.first));
    }
    return found;
}

// The numbers a new record gets on the server start past every copied one,
// and past any the file had handed out already (the file remembers the
// highest auto-number ever given, so that a deleted customer's number is not
// reused).
void continueNumbering(CheckedDatabase &source, Connection &target, const TableDef &table, qint64 highestRowid)
{
    const dialect::EngineDialect &from = source.dialect();
    const bool fileRemembers = !from.remembersNumbersQuery().isEmpty() && source.scalar(from.remembersNumbersQuery()).isValid();
    const auto setPast = [&](const QString &column, qint64 highest) {
        if (highest < 1)
            return;
        target.scalar(target.dialect().numberPastStatement(), {schema::quote(table.name), column, highest});
    };
    for (const ColumnDef &c : table.columns) {
        if (c.field.kind != FieldKind::AutoInc)
            continue;
        qint64 highest = target.scalar(QStringLiteral("SELECT max(%1) FROM %2").arg(schema::quote(c.field.name), schema::quote(table.name)), {})
                             .toLongLong();
        if (fileRemembers)
            highest = std::max(highest, source.scalar(from.rememberedNumberQuery(), {table.name}).toLongLong());
        setPast(c.field.name, highest);
    }
    setPast(QStringLiteral("rowid"), highestRowid);
}

// Copies one table in its row order; the number of records copied.
qint64 copyTable(CheckedDatabase &source, Connection &target, const TableDef &table)
{
    QStringList columns{QStringLiteral("rowid")};
    for (const ColumnDef &c : table.columns)
        columns << schema::quote(c.field.name);
    BatchInsert insert(target, table);
    qint64 copied = 0, highestRowid = 0;
    QVariantList values;
    source.eachRow(QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(columns.join(QStringLiteral(", ")), schema::quote(table.name)),
                   {}, [&](const QVariantList &row) {
                       values.clear();
                       for (int i = 0; i < table.columns.size(); ++i)
                           values << forServer(table.columns[i].field, row.at(i + 1));
                       values << row.at(0);
                       highestRowid = std::max(highestRowid, row.at(0).toLongLong());
                       insert.add(values);
                       ++copied;
                   });
    insert.finish();
    continueNumbering(source, target, table, highestRowid);
    return copied;
}

void listProblems(QTextStream &err, const QStringList &problems)
{
    constexpr int kShown = 30;
    for (int i = 0; i < problems.size() && i < kShown; ++i)
        err << "  " << problems[i] << "\n";
    if (problems.size() > kShown)
        err << "  ... dan " << problems.size() - kShown << " lagi\n";
}

// Whether the server database can take the shop: 1 with the reason written
// when not; `create` says whether the tables are to be made.
int refuseUnfitTarget(const std::shared_ptr<Connection> &target, const QString &shown, bool &create, QTextStream &err)
{
    const QStringList held = tablesHeld(*target);
    create = held.isEmpty();
    if (create)
        return 0;
    if (held.size() < schema::tables().size()) {
        err << "notadb: " << shown << " hanya memuat sebagian tabel Sistem Nota (" << held.join(QStringLiteral(", "))
            << "); copy memerlukan basis data yang kosong, atau yang memuat ketujuh tabel tanpa record\n";
        return 1;
    }
    ConnectionChecked db(target);
    QStringList problems;
    structureProblems(db, problems);
    if (!problems.isEmpty()) {
        err << "notadb: tabel-tabel di " << shown << " bukan tabel Sistem Nota (lihat notadb check):\n";
        listProblems(err, problems);
        return 1;
    }
    QStringList holding;
    for (const TableDef &t : schema::tables())
        if (const qint64 n = db.scalar(QStringLiteral("SELECT count(*) FROM %1").arg(schema::quote(t.name))).toLongLong())
            holding << QStringLiteral("%1 %2").arg(t.name).arg(n);
    if (!holding.isEmpty()) {
        err << "notadb: " << shown << " sudah memuat record (" << holding.join(QStringLiteral(", "))
            << "); copy mengisi basis data yang belum memuat record, dan membawa akun-akun dari berkas (tidak perlu init)\n";
        return 1;
    }
    return 0;
}

using filebackup::Reading;

// One copy from a reading of the file: done, failed (with the reason
// written), or to be done again because a writer came along while the file
// was read without locks.
Reading copyOnce(CheckedDatabase &source, const std::function<bool()> &undisturbed, const QString &file,
                 const std::shared_ptr<Connection> &target, const QString &shown, bool create, QTextStream &out,
                 QTextStream &err)
{
    try {
        ReadTransaction reading(source);
        QStringList problems;
        schemaProblems(source, problems);
        if (!problems.isEmpty()) {
            err << "notadb: " << file << " bukan basis data Sistem Nota (lihat notadb check):\n";
            listProblems(err, problems);
            return Reading::Failed;
        }
        valueProblems(source, problems);
        if (!problems.isEmpty()) {
            err << "notadb: " << file << " memuat nilai yang tidak dapat dikonversi; tidak ada yang disalin. Perbaiki dulu:\n";
            listProblems(err, problems);
            return Reading::Failed;
        }

        connection::Transaction tx(*target);
        if (create) {
            for (const QString &statement : target->dialect().createStatements(*target))
                target->exec(statement);
        } else {
            // Nobody writes into the tables while they are filled; they are
            // looked at again under the lock.
            QStringList tables;
            for (const TableDef &t : schema::tables())
                tables << schema::quote(t.name);
            target->exec(QStringLiteral("LOCK TABLE %1 IN EXCLUSIVE MODE").arg(tables.join(QStringLiteral(", "))));
            for (const TableDef &t : schema::tables())
                if (target->exists(QStringLiteral("SELECT 1 FROM %1 LIMIT 1").arg(schema::quote(t.name)), {})) {
                    err << "notadb: " << shown << " menerima record sementara itu (" << t.name << "); tidak ada yang disalin\n";
                    return Reading::Failed;
                }
        }
        QHash<QString, QString> copied;  // table -> "12 customers"
        for (const TableDef &t : schema::tables())
            copied.insert(t.name, recordsOf(t.name, copyTable(source, *target, t)));

        ConnectionChecked copy(target);
        const QStringList differ = differences(source, copy);
        if (!differ.isEmpty()) {
            err << "notadb: salinan di " << shown << " berbeda dari " << file << "; salinan dibatalkan, tidak ada yang disalin:\n";
            listProblems(err, differ);
            return Reading::Failed;
        }
        if (!undisturbed())
            return Reading::Again;  // rolled back; read again
        tx.commit();
        const auto n = [&copied](const char *table) { return copied.value(QLatin1String(table)); };
        out << "Disalin ke " << shown << ": " << n("Barang") << ", " << n("Pelanggan") << ", " << n("Group") << ", "
            << n("Part") << ", " << n("NotaUtama") << " dengan " << n("Nota") << ", dan " << n("Adm")
            << "; jumlah record dan total nota sudah diperiksa\n";
        return Reading::Done;
    } catch (const EError &e) {
        err << "notadb: " << withoutPassword(target->file(), e.message()) << "; tidak ada yang disalin\n";
    }
    return Reading::Failed;
}
} // namespace

int copyToServer(const QString &file, const QString &location, int waitMs, QTextStream &out, QTextStream &err)
{
    if (connection::isServer(file)) {
        err << "notadb: copy membaca toko dari berkas basis datanya: --from menyebut berkas, bukan server\n";
        return 2;
    }
    if (!connection::isServer(location)) {
        err << "notadb: copy menulis ke basis data server: --to menerima URI postgresql://USER@HOST:PORT/DB\n";
        return 2;
    }
    const QString shown = connection::printable(location);
    const QString problem = filebackup::fileProblem(file);
    if (!problem.isEmpty()) {
        err << "notadb: " << problem << "\n";
        return 1;
    }
    const std::shared_ptr<Connection> target = openServer(location, err);
    if (!target)
        return 1;
    bool create = false;
    try {
        if (const int refused = refuseUnfitTarget(target, shown, create, err))
            return refused;
    } catch (const EError &e) {
        err << "notadb: " << e.message() << "\n";
        return 1;
    }
    const filebackup::ReadOutcome read = filebackup::readFile(
        file, waitMs, [&](CheckedDatabase &source, const std::function<bool()> &undisturbed) {
            return copyOnce(source, undisturbed, file, target, shown, create, out, err);
        });
    if (!read.problem.isEmpty())
        err << "notadb: " << read.problem << "\n";
    else if (!read.readFailure.isEmpty())
        err << "notadb: " << read.readFailure << "; tidak ada yang disalin\n";
    return read.reading == Reading::Done ? 0 : 1;
}
} // namespace notadb
