// Like searches against a reference of the Like rule, over random texts and
// patterns: the same rows in the same order whether the engine narrows them
// by its trigram index or scans. Seeded with NOTA_LIKE_SEED (printed; fixed
// by default); NOTA_LIKE_PATTERNS sets how many patterns (a larger run).
// Also: a file made before the index existed gets it when first opened.
#include "TempDatabase.h"
#include "DataTestMain.h"
#include "DataSupport.h"
#include "data/Connection.h"
#include "data/Query.h"
#include "data/sqlite/SearchIndex.h"

#include <QFile>
#include <algorithm>
#include <random>
#include <sqlite3.h>

namespace {
// Letters whose case SQLite's Like does not fold (and an index might), the
// wildcards and quotes as plain text, a line break.
const QString kAlphabet = QStringLiteral("aAbBcCkK 1%_\"'\n") + QString::fromUtf8("éÉßẞıİøØ\u212A");

// The Like rule: A-Z match in either case, every other character exactly;
// "%" any run of characters, "_" any one.
bool likeMatches(const QString &pattern, const QString &text)
{
    const QList<uint> p = pattern.toUcs4(), t = text.toUcs4();
    const auto fold = [](uint c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
    // can[j]: the pattern so far matches the first j characters of the text.
    std::vector<char> can(size_t(t.size()) + 1, 0), next(can.size());
    can[0] = 1;
    for (uint pc : p) {
        std::fill(next.begin(), next.end(), 0);
        for (size_t j = 0; j < can.size(); ++j) {
            if (pc == '%')
                next[j] = can[j] || (j > 0 && next[j - 1]);
            else if (j > 0 && can[j - 1] && (pc == '_' || fold(pc) == fold(t[qsizetype(j - 1)])))
                next[j] = 1;
        }
        can.swap(next);
    }
    return can.back() != 0;
}

struct SearchedColumn {
    const char *table;
    const char *key;
    const char *column;
};

const SearchedColumn kColumns[] = {
    {"Barang", "Kode_Kervano", "Nama_Barang"}, {"Barang", "Kode_Kervano", "Kode_Barang"},
    {"Barang", "Kode_Kervano", "Part"},        {"Pelanggan", "ID_Pelanggan", "Nama"},
    {"Pelanggan", "ID_Pelanggan", "Alamat"},   {"Pelanggan", "ID_Pelanggan", "Email"},
};

class Random {
public:
    explicit Random(quint32 seed) : m_engine(seed) {}
    int below(int n) { return int(m_engine() % quint32(n)); }
    bool chance(int percent) { return below(100) < percent; }
    QChar letter() { return kAlphabet.at(below(int(kAlphabet.size()))); }
    QVariant text()
    {
        if (chance(8))
            return QVariant();
        QString out;
        for (int n = below(14); n > 0; --n)
            out += letter();
        return out;
    }
    // Part of a stored text with its letters' case and some letters changed,
    // or letters at random; wildcards around and within.
    QString pattern(const QStringList &stored)
    {
        QString core;
        if (!stored.isEmpty() && chance(75)) {
            const QString from = stored.at(below(int(stored.size())));
            const int start = below(int(from.size()) + 1);
            core = from.mid(start, 1 + below(6));
        } else {
            for (int n = below(6); n > 0; --n)
                core += letter();
        }
        for (QChar &c : core) {
            if (chance(30))
                c = c.isUpper() ? c.toLower() : c.toUpper();
            else if (chance(8))
                c = chance(50) ? QLatin1Char('_') : QLatin1Char('%');
        }
        if (chance(80))
            core = QLatin1Char('%') + core;
        if (chance(80))
            core += QLatin1Char('%');
        return core;
    }

private:
    std::mt19937 m_engine;
};

quint32 seedOfRun()
{
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("NOTA_LIKE_SEED").toUInt(&ok);
    return ok ? seed : 20261210u;
}

int patternsOfRun()
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("NOTA_LIKE_PATTERNS", &ok);
    return ok && n > 0 ? n : 150;
}

// Goods and customers with random texts; then some changed and some removed,
// so that the index must have followed every kind of write.
void seed(const TempDatabase &db, Random &random, int rows)
{
    for (int i = 0; i < rows; ++i) {
        db.exec(QStringLiteral("INSERT INTO \"Barang\" (\"Kode_Kervano\", \"Kode_Barang\", \"Nama_Barang\", \"Part\") "
                               "VALUES (?, ?, ?, ?)"),
                {QStringLiteral("K%1").arg(i, 4, 10, QLatin1Char('0')), random.text(), random.text(), random.text()});
        db.exec(QStringLiteral("INSERT INTO \"Pelanggan\" (\"Nama\", \"Alamat\", \"Email\") VALUES (?, ?, ?)"),
                {random.text(), random.text(), random.text()});
    }
    for (int i = 0; i < rows; i += 5) {
        db.exec(QStringLiteral("UPDATE \"Barang\" SET \"Nama_Barang\" = ?, \"Part\" = ? WHERE \"Kode_Kervano\" = ?"),
                {random.text(), random.text(), QStringLiteral("K%1").arg(i, 4, 10, QLatin1Char('0'))});
        db.exec(QStringLiteral("UPDATE \"Pelanggan\" SET \"Alamat\" = ? WHERE \"ID_Pelanggan\" = ?"), {random.text(), i + 1});
    }
    for (int i = 3; i < rows; i += 10) {
        db.exec(QStringLiteral("DELETE FROM \"Barang\" WHERE \"Kode_Kervano\" = ?"), {QStringLiteral("K%1").arg(i, 4, 10, QLatin1Char('0'))});
        db.exec(QStringLiteral("DELETE FROM \"Pelanggan\" WHERE \"ID_Pelanggan\" = ?"), {i + 1});
    }
}

// Key and text of every row, in key order, read back as stored.
QList<std::pair<QString, QVariant>> storedRows(const TempDatabase &db, const SearchedColumn &c)
{
    const QString sql = QStringLiteral("SELECT \"%1\" FROM \"%2\" ORDER BY \"%3\"");
    const QStringList keys = db.joined(sql.arg(QString::fromLatin1(c.key), QString::fromLatin1(c.table), QString::fromLatin1(c.key)))
                                 .split(QLatin1Char(','));
    QList<std::pair<QString, QVariant>> out;
    for (const QString &key : keys)
        out.append({key, db.scalar(QStringLiteral("SELECT \"%1\" FROM \"%2\" WHERE \"%3\" = ?")
                                       .arg(QString::fromLatin1(c.column), QString::fromLatin1(c.table), QString::fromLatin1(c.key)),
                                   {QString::fromLatin1(c.key) == QLatin1String("ID_Pelanggan") ? QVariant(key.toLongLong()) : QVariant(key)})});
    return out;
}

QStringList searched(const SearchedColumn &c, const QString &pattern)
{
    QString quoted = pattern;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    Query q;
    q.setSql(QStringLiteral("SELECT %1 FROM %2 Where %3 Like \"%4\" ORDER BY %1")
                 .arg(QString::fromLatin1(c.key), QString::fromLatin1(c.table), QString::fromLatin1(c.column), quoted));
    q.open();
    return columnOf(q, QString::fromLatin1(c.key));
}

bool holdsIndex(const TempDatabase &db)
{
    const QStringList names = searchindex::triggerNames() + QStringList{"Barang_trigram", "Pelanggan_trigram"};
    return db.scalar(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE name IN ('%1')").arg(names.join("', '"))).toInt() == 8;
}

// Writes to a file as another program would, past the engine.
void writeBeside(const QString &path, const QStringList &statements)
{
    sqlite3 *handle = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &handle), SQLITE_OK);
    for (const QString &sql : statements)
        QVERIFY2(sqlite3_exec(handle, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK, sqlite3_errmsg(handle));
    sqlite3_close(handle);
}
} // namespace

class TestLikeSearch : public QObject {
    Q_OBJECT
private slots:
    void sameRowsAsTheLikeRule();
    void sameRowsInALargerFile();
    void olderFileGetsTheIndexWhenOpened_data();
    void olderFileGetsTheIndexWhenOpened();
};

void TestLikeSearch::sameRowsAsTheLikeRule()
{
    const quint32 seedValue = seedOfRun();
    const int patterns = patternsOfRun();
    qInfo("NOTA_LIKE_SEED=%u NOTA_LIKE_PATTERNS=%d", seedValue, patterns);
    Random random(seedValue);
    TempDatabase db;
    seed(db, random, 120);
    int narrowed = 0;
    for (const SearchedColumn &c : kColumns) {
        const auto rows = storedRows(db, c);
        QStringList texts;
        for (const auto &r : rows)
            if (r.second.isValid() && !r.second.isNull())
                texts << r.second.toString();
        for (int i = 0; i < patterns; ++i) {
            const QString pattern = random.pattern(texts);
            QStringList expected;
            for (const auto &r : rows)
                if (r.second.isValid() && !r.second.isNull() && likeMatches(pattern, r.second.toString()))
                    expected << r.first;
            narrowed += searchindex::narrowsByIndex(pattern) ? 1 : 0;
            const QStringList found = searched(c, pattern);
            if (found != expected)
                qWarning() << "column" << c.column << "pattern" << pattern;
            QCOMPARE(found, expected);
        }
    }
    // Enough of the patterns take the index's path for the run to prove it.
    QVERIFY2(narrowed * 4 > patterns * int(std::size(kColumns)), qPrintable(QString::number(narrowed)));
}

void TestLikeSearch::sameRowsInALargerFile()
{
    // Enough goods for the engine to weigh its trigrams: words common in the
    // searched column, in another column only, or rare; each way must find
    // what the Like rule finds.
    TempDatabase db;
    db.exec(QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 6000) "
        "INSERT INTO \"Barang\" (\"Kode_Kervano\", \"Nama_Barang\", \"Part\", \"Group_Barang\") "
        "SELECT 'L' || i, CASE WHEN i % 50 = 3 THEN 'SEAL TOYOTA ' || i WHEN i % 4 = 0 THEN 'SEAL AS RODA ' || i "
        "WHEN i % 4 = 1 THEN 'KARET PINTU ' || i ELSE 'BOOT KOPLING ' || i END, 'SEAL', 'TOYOTA' FROM n"));
    const struct {
        const SearchedColumn &column;
        const char *pattern;
    } cases[] = {
        {kColumns[0], "%SEAL%"},         // a quarter of the names, every Part
        {kColumns[0], "%kopling%"},      // half of the names
        {kColumns[0], "%TOYOTA%"},       // every Group_Barang, few names
        {kColumns[0], "%RODA 12%"},      {kColumns[0], "%al as roda 59_%"},
        {kColumns[0], "%PINTU 5_9_"},    {kColumns[0], "KARET%INTU 33%"},
        {kColumns[2], "%sea%"},          {kColumns[2], "%EAL 1%"},
    };
    // The texts as written above, in the file's key order.
    const QStringList keys = db.joined(QStringLiteral("SELECT \"Kode_Kervano\" FROM \"Barang\" ORDER BY \"Kode_Kervano\""))
                                 .split(QLatin1Char(','));
    const auto written = [](const SearchedColumn &column, int i) {
        if (QByteArray(column.column) == "Part")
            return QStringLiteral("SEAL");
        const QString name = i % 50 == 3 ? QStringLiteral("SEAL TOYOTA ")
            : i % 4 == 0                 ? QStringLiteral("SEAL AS RODA ")
            : i % 4 == 1                 ? QStringLiteral("KARET PINTU ")
                                         : QStringLiteral("BOOT KOPLING ");
        return name + QString::number(i);
    };
    QCOMPARE(keys.size(), 6000);
    for (const auto &c : cases) {
        const QString pattern = QString::fromLatin1(c.pattern);
        QStringList expected;
        for (const QString &key : keys)
            if (likeMatches(pattern, written(c.column, key.mid(1).toInt())))
                expected << key;
        const QStringList found = searched(c.column, pattern);
        if (found != expected)
            qWarning() << "column" << c.column.column << "pattern" << pattern;
        QCOMPARE(found, expected);
    }
}

void TestLikeSearch::olderFileGetsTheIndexWhenOpened_data()
{
    QTest::addColumn<QStringList>("removed");
    QTest::newRow("no index at all") << QStringList{"Barang_trigram_insert", "Barang_trigram_delete", "Barang_trigram_update",
                                                    "Pelanggan_trigram_insert", "Pelanggan_trigram_delete",
                                                    "Pelanggan_trigram_update", "Barang_trigram", "Pelanggan_trigram"};
    QTest::newRow("a trigger lost") << QStringList{"Barang_trigram_update"};
}

void TestLikeSearch::olderFileGetsTheIndexWhenOpened()
{
    QFETCH(QStringList, removed);
    if (TempDatabase::onServer())
        QSKIP("a file's index");
    TempDatabase db;
    QVERIFY(holdsIndex(db));
    connection::closeFile(db.path());
    QStringList statements;
    for (const QString &name : removed)
        statements << QStringLiteral("DROP %1 \"%2\"").arg(name.count(QLatin1Char('_')) > 1 ? "TRIGGER" : "TABLE", name);
    // Written while the index was missing or out of step.
    statements << QStringLiteral("INSERT INTO \"Barang\" (\"Kode_Kervano\", \"Nama_Barang\") VALUES ('K1', 'SEAL AS RODA')")
               << QStringLiteral("UPDATE \"Barang\" SET \"Nama_Barang\" = 'KARET PINTU' WHERE \"Kode_Kervano\" = 'K1'")
               << QStringLiteral("INSERT INTO \"Pelanggan\" (\"Nama\") VALUES ('Bengkel Andi')");
    writeBeside(db.path(), statements);
    connection::closeFile(db.path());
    QCOMPARE(searched(kColumns[0], QStringLiteral("%ret pin%")), QStringList{"K1"});
    QCOMPARE(searched(kColumns[0], QStringLiteral("%SEAL%")), QStringList{});
    QCOMPARE(searched(kColumns[3], QStringLiteral("%ANDI%")), QStringList{"1"});
    QVERIFY(holdsIndex(db));
}

NOTA_DATA_TEST_MAIN(TestLikeSearch)
#include "test_like_search.moc"
