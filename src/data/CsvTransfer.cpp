#include "data/CsvTransfer.h"

#include "data/CsvTransferTable.h"

#include "core/Errors.h"
#include "data/Connection.h"
#include "data/FieldText.h"
#include "data/PictureBlob.h"
#include "data/Schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>


namespace csvtransfer {
const TableDef &tableOf(Records what)
{
    return *schema::findTable(what == Records::Goods ? QStringLiteral("Barang") : QStringLiteral("Pelanggan"));
}

void requireTable(connection::Connection &db, const TableDef &table)
{
    if (db.storedColumns(table.name).isEmpty())
        throw EDatabaseError(QStringLiteral("Tabel '%1' tidak ditemukan di %2").arg(table.name, db.file()));
}

namespace {
// The columns a file holds: every field but the picture, which only goes
// along with its files.
QList<const ColumnDef *> columnsOf(const TableDef &table, bool withPictures)
{
    QList<const ColumnDef *> out;
    for (const ColumnDef &c : table.columns)
        if (c.field.kind != FieldKind::Graphic || withPictures)
            out << &c;
    return out;
}

// ---------------------------------------------------------------- writing

[[noreturn]] void cannotWrite(const QString &name, const QSaveFile &file)
{
    throw EError(QStringLiteral("Berkas '%1' tidak dapat ditulis: %2").arg(name, file.errorString()));
}

void writeFile(const QString &name, const QByteArray &bytes)
{
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        cannotWrite(name, file);
}

// A new file is never written through a link, not even one to nothing.
void refuseExisting(const QString &name)
{
    const QFileInfo info(name);
    if (info.isSymLink())
        throw EError(QStringLiteral("'%1' sudah ada sebagai tautan ke '%2'").arg(name, info.symLinkTarget()));
    if (info.exists())
        throw EError(QStringLiteral("'%1' sudah ada").arg(name));
}

} // namespace

std::optional<Records> recordsNamed(const QString &word)
{
    if (word == QLatin1String("goods"))
        return Records::Goods;
    if (word == QLatin1String("customers"))
        return Records::Customers;
    return std::nullopt;
}

ExportSummary exportFile(connection::Connection &db, Records what, const QString &csvFile, const QString &picturesFolder)
{
    const TableDef &table = tableOf(what);
    const bool withPictures = what == Records::Goods && !picturesFolder.isEmpty();
    refuseExisting(csvFile);
    const QDir csvFolder = QFileInfo(csvFile).absoluteDir();
    QDir pictures(picturesFolder);
    if (withPictures) {
        if (QFileInfo(picturesFolder).isSymLink() && !pictures.exists())
            refuseExisting(picturesFolder);
        if (pictures.exists() && !pictures.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
            throw EError(QStringLiteral("Folder gambar '%1' tidak kosong").arg(picturesFolder));
        if (!QDir().mkpath(pictures.absolutePath()))
            throw EError(QStringLiteral("Folder '%1' tidak dapat dibuat").arg(picturesFolder));
    }
    requireTable(db, table);

    const QList<const ColumnDef *> columns = columnsOf(table, withPictures);
    const QChar sep = csv::separatorForDesktop();
    QStringList names, selected;
    for (const ColumnDef *c : columns) {
        names << c->field.name;
        selected << schema::quote(c->field.name);
    }
    // Written as it is read, through a file that takes the name only when whole.
    QSaveFile out(csvFile);
    if (!out.open(QIODevice::WriteOnly))
        cannotWrite(csvFile, out);
    out.write(csv::kByteOrderMark);
    out.write(csv::record(names, sep).toUtf8());
    ExportSummary summary;
    QStringList row;
    db.eachRow(QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                   .arg(selected.join(QStringLiteral(", ")), schema::quote(table.name), schema::quote(table.keyColumn)),
               {}, [&](const QVariantList &stored) {
                   ++summary.records;
                   row.clear();
                   for (int i = 0; i < columns.size(); ++i) {
                       const FieldDef &field = columns[i]->field;
                       if (field.kind != FieldKind::Graphic) {
                           const QString text = fieldtext::asString(field, stored[i]);
                           row << (isGuarded(field.kind) ? csv::guarded(text) : text);
                           continue;
                       }
                       const QByteArray bitmap =
                           fieldtext::hasValue(stored[i]) ? pictureblob::unwrap(stored[i].toByteArray()) : QByteArray();
                       if (bitmap.isEmpty()) {
                           row << QString();
                           continue;
                       }
                       const QString picture = pictures.absoluteFilePath(
                           QStringLiteral("%1.bmp").arg(summary.records, 4, 10, QLatin1Char('0')));
                       writeFile(picture, bitmap);
                       ++summary.pictures;
                       row << csv::guarded(csvFolder.relativeFilePath(picture));
                   }
                   out.write(csv::record(row, sep).toUtf8());
               });
    if (!out.commit())
        cannotWrite(csvFile, out);
    return summary;
}

} // namespace csvtransfer
