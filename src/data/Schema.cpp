#include "data/Schema.h"

#include "core/DateText.h"

namespace {
ColumnDef text(const char *name, int size, const char *title = "", bool required = false)
{
    return ColumnDef{FieldDef{QString::fromLatin1(name), FieldKind::Text, size, QString::fromLatin1(title), {}}, required};
}

// A text column holding a code that records are looked up by.
ColumnDef code(const char *name, int size, const char *title = "", bool required = false)
{
    ColumnDef c = text(name, size, title, required);
    c.field.trimmed = true;
    return c;
}

ColumnDef number(const char *name, const char *title = "", const char *format = "")
{
    return ColumnDef{FieldDef{QString::fromLatin1(name), FieldKind::Float, 0, QString::fromLatin1(title),
                              QString::fromLatin1(format)},
                     false};
}

ColumnDef of(const char *name, FieldKind kind, const char *title = "", const QString &format = {})
{
    return ColumnDef{FieldDef{QString::fromLatin1(name), kind, 0, QString::fromLatin1(title), format}, false};
}

const char *kMoney = "Rp. #,#";

QList<TableDef> buildTables()
{
    QList<TableDef> t;
    t.append(TableDef{QStringLiteral("Barang"),
                      {code("Kode_Kervano", 20, "Kode Kervano", true), code("Kode_Barang", 25, "Kode Barang"),
                       text("Nama_Barang", 30, "Nama Barang"), text("Part", 30), text("Group_Barang", 30, "Group Barang"),
                       number("Harga"), of("Gambar", FieldKind::Graphic)},
                      QStringLiteral("Kode_Kervano"),
                      {{QStringLiteral("Kode_Kervano"), true}, {QStringLiteral("Kode_Barang"), false, true}}, {}});
    t.append(TableDef{QStringLiteral("Pelanggan"),
                      {of("ID_Pelanggan", FieldKind::AutoInc, "ID Pelanggan"), text("Nama", 75),
                       of("Alamat", FieldKind::Memo), text("Kota", 20), text("KodePos", 10, "Kode Pos"),
                       text("No_Telp1", 20, "No. Telp1"), text("No_Telp2", 20, "No. Telp2"), text("FAX", 20),
                       text("Email", 50)},
                      QStringLiteral("ID_Pelanggan"),
                      {{QStringLiteral("Nama"), false}}, {}});
    t.append(TableDef{QStringLiteral("NotaUtama"),
                      {text("No_Nota", 20, "", true), of("Tanggal", FieldKind::Date, "", datetext::kDisplayDate),
                       text("Kepada", 25), text("Alamat", 50), number("Jumlah_Total", "", kMoney)},
                      QStringLiteral("No_Nota"),
                      {{QStringLiteral("No_Nota"), true}},
                      // The invoices of a range of days, with their numbers; the
                      // numbers by value, for the next one.
                      {{QStringLiteral("NotaUtama_Tanggal"), {QStringLiteral("Tanggal"), QStringLiteral("No_Nota")}},
                       {QStringLiteral("NotaUtama_Nomor"), schema::numberOrder(QStringLiteral("No_Nota")), true}}});
    t.append(TableDef{QStringLiteral("Nota"),
                      {text("ID_Nota", 20), text("Kode_KV", 20, "Kode Kervano"), text("Kode_Brg", 30, "Kode Barang"),
                       text("Nama_Brg", 30, "Nama Barang"), number("Harga", "", kMoney), number("Banyak"),
                       number("Diskon"), number("Jumlah", "", kMoney)},
                      QString(),
                      {{QStringLiteral("ID_Nota"), false}},
                      // An invoice's amounts read from the index alone.
                      {{QStringLiteral("Nota_ID_Nota_Jumlah"), {QStringLiteral("ID_Nota"), QStringLiteral("Jumlah")}}}});
    t.append(TableDef{QStringLiteral("Adm"),
                      {text("NamaUser", 30, "", true), text("Pass", 128), of("Nomer", FieldKind::Integer)},
                      QStringLiteral("NamaUser"),
                      {{QStringLiteral("NamaUser"), true}}, {}});
    t.append(TableDef{QStringLiteral("Group"),
                      {of("No", FieldKind::AutoInc), code("Group", 30)},
                      QStringLiteral("No"),
                      {},
                      {}});
    t.append(TableDef{QStringLiteral("Part"),
                      {code("Part", 30, "", true)},
                      QStringLiteral("Part"),
                      {{QStringLiteral("Part"), true}}, {}});
    return t;
}

} // namespace

int TableDef::columnIndex(const QString &name) const
{
    for (int i = 0; i < columns.size(); ++i) {
        const QString &column = columns[i].field.name;
        if (column.size() == name.size() && column.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

const ColumnDef *TableDef::column(const QString &name) const
{
    const int i = columnIndex(name);
    return i < 0 ? nullptr : &columns[i];
}

bool TableDef::isUnique(const QString &name) const
{
    const ColumnDef *c = column(name);
    if (c && c->field.kind == FieldKind::AutoInc)
        return true;
    for (const IndexDef &i : indexes)
        if (i.unique && i.column.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QStringList TableDef::columnNames() const
{
    QStringList out;
    for (const ColumnDef &c : columns)
        out << c.field.name;
    return out;
}

namespace schema {
const QList<TableDef> &tables()
{
    static const QList<TableDef> all = buildTables();
    return all;
}

QString stripExtension(const QString &name)
{
    const QString trimmed = name.trimmed();
    const int dot = trimmed.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? trimmed.left(dot) : trimmed;
}

const TableDef *findTable(const QString &name)
{
    const QString bare = stripExtension(name);
    for (const TableDef &t : tables())
        if (t.name.compare(bare, Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

QString quote(const QString &identifier)
{
    QString out;
    out.reserve(identifier.size() + 2);
    out += QLatin1Char('"');
    if (identifier.contains(QLatin1Char('"')))
        out += QString(identifier).replace(QLatin1Char('"'), QStringLiteral("\"\""));
    else
        out += identifier;
    out += QLatin1Char('"');
    return out;
}

QStringList columnDefinitions(const TableDef &table, QString (*typeOf)(FieldKind kind, bool plainAutoInc),
                              bool plainAutoInc)
{
    QStringList columns;
    for (const ColumnDef &c : table.columns) {
        QString def = quote(c.field.name) + QLatin1Char(' ') + typeOf(c.field.kind, plainAutoInc);
        if (c.required)
            def += QStringLiteral(" NOT NULL");
        columns << def;
    }
    return columns;
}

QString createReadIndex(const TableDef &table, const ReadIndexDef &index, bool ifMissing)
{
    QStringList columns;
    for (const QString &c : index.columns)
        columns << (index.expressions ? QLatin1Char('(') + c + QLatin1Char(')') : quote(c));
    return QStringLiteral("CREATE INDEX %1%2 ON %3 (%4)")
        .arg(ifMissing ? QStringLiteral("IF NOT EXISTS ") : QString(), quote(index.name), quote(table.name),
             columns.join(QStringLiteral(", ")));
}

bool searchedByLike(const TableDef &table)
{
    return table.name == QLatin1String("Barang") || table.name == QLatin1String("Pelanggan");
}

QStringList searchedColumns(const TableDef &table)
{
    QStringList out;
    if (searchedByLike(table))
        for (const ColumnDef &c : table.columns)
            if (c.field.kind == FieldKind::Text || c.field.kind == FieldKind::Memo)
                out << c.field.name;
    return out;
}

QStringList numberOrder(const QString &column)
{
    const QString digits = QStringLiteral("ltrim(%1, '0')").arg(quote(column));
    return {QStringLiteral("length(%1)").arg(digits), digits};
}

} // namespace schema
