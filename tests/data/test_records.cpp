// Pictures, cached updates, rows by position on a larger table, lookups and
// the data source's notices.
#include "TempDatabase.h"
#include "DataTestMain.h"
#include "DataSupport.h"
#include "core/Errors.h"
#include "data/Connection.h"
#include "data/DataSource.h"
#include "data/PictureBlob.h"
#include "data/Table.h"

#include <QBuffer>
#include <QImage>
#include <QSignalSpy>

namespace {
QByteArray encoded(const char *format, QColor colour = Qt::red)
{
    QImage image(12, 8, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QByteArray header(quint16 count, quint16 kind, quint32 length)
{
    QByteArray h(8, '\0');
    h[0] = char(count & 0xff);
    h[1] = char(count >> 8);
    h[2] = char(kind & 0xff);
    h[3] = char(kind >> 8);
    for (int i = 0; i < 4; ++i)
        h[4 + i] = char((length >> (8 * i)) & 0xff);
    return h;
}

} // namespace

class TestRecords : public QObject {
    Q_OBJECT
private slots:
    void init() { m_locale = std::make_unique<PinnedLocale>(english()); }
    void cleanup() { m_locale.reset(); }

    void pictureHeaderRule_data();
    void pictureHeaderRule();
    void picturesStoredAsBitmapsOnly_data();
    void picturesStoredAsBitmapsOnly();
    void bareBitmapInTableReadsBack();
    void cachedUpdatesShownUntilApplied();
    void cachedUpdatesDroppedOnClose();
    void cachedUpdatesApplyInOneTransaction();
    void rowsByPositionOnLargeTable();
    void positionsAgreeWithWalking_data();
    void positionsAgreeWithWalking();
    void gridTextsOfFormatsAndMarkers();
    void lookupListLocate();
    void dataSourceForwardsNotices();

private:
    std::unique_ptr<PinnedLocale> m_locale;
};

void TestRecords::pictureHeaderRule_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("picture");
    const QByteArray bmp = encoded("BMP");
    QTest::newRow("with header") << header(1, 0x0100, quint32(bmp.size())) + bmp << bmp;
    QTest::newRow("bare bitmap") << bmp << bmp;
    QTest::newRow("wrong count") << header(2, 0x0100, quint32(bmp.size())) + bmp << header(2, 0x0100, quint32(bmp.size())) + bmp;
    QTest::newRow("wrong kind") << header(1, 0x0200, quint32(bmp.size())) + bmp << header(1, 0x0200, quint32(bmp.size())) + bmp;
    QTest::newRow("wrong length") << header(1, 0x0100, quint32(bmp.size() + 1)) + bmp
                                  << header(1, 0x0100, quint32(bmp.size() + 1)) + bmp;
    QTest::newRow("shorter than a header") << QByteArray("BM\x01", 3) << QByteArray("BM\x01", 3);
    QTest::newRow("header of nothing") << header(1, 0x0100, 0) << QByteArray();
}

void TestRecords::pictureHeaderRule()
{
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, picture);
    QCOMPARE(pictureblob::unwrap(stored), picture);
}

void TestRecords::picturesStoredAsBitmapsOnly_data()
{
    QTest::addColumn<QByteArray>("given");
    QTest::addColumn<bool>("kept");
    QTest::newRow("bitmap file") << encoded("BMP") << true;
    QTest::newRow("bitmap with header") << pictureblob::wrap(encoded("BMP")) << true;
    QTest::newRow("jpeg") << encoded("JPG") << false;
    QTest::newRow("png") << encoded("PNG") << false;
    QTest::newRow("not a picture") << QByteArray("hello") << false;
}

void TestRecords::picturesStoredAsBitmapsOnly()
{
    QFETCH(QByteArray, given);
    QFETCH(bool, kept);
    TempDatabase db;
    db.exec(QStringLiteral("INSERT INTO \"Barang\" (\"Kode_Kervano\") VALUES ('KV-1')"));
    Table t;
    t.setTableName(QStringLiteral("Barang.DB"));
    t.open();
    Field *picture = t.fieldByName(QStringLiteral("Gambar"));
    QSignalSpy record(&t, &DataSet::recordChanged);
    picture->setAsBlob(given);
    QCOMPARE(picture->asBlob(), given);  // shown as given until the post
    t.post();
    QVERIFY(record.count() > 0);
    const QByteArray bmp = pictureblob::unwrap(given);
    const QByteArray stored = db.scalar(QStringLiteral("SELECT \"Gambar\" FROM \"Barang\"")).toByteArray();
    if (kept) {
        QCOMPARE(stored, pictureblob::wrap(bmp));
        QCOMPARE(stored.left(4), QByteArray("\x01\x00\x00\x01", 4));
        QCOMPARE(picture->pictureBytes(), bmp);
        QImage image;
        QVERIFY(image.loadFromData(picture->pictureBytes(), "BMP"));
        QCOMPARE(image.pixelColor(3, 3), QColor(Qt::red));
        QCOMPARE(picture->displayText(), QStringLiteral("(GRAPHIC)"));
    } else {
        QVERIFY(stored.isEmpty());
        QVERIFY(picture->isNull());
        QVERIFY(picture->pictureBytes().isEmpty());
        QCOMPARE(picture->displayText(), QStringLiteral("(Graphic)"));
    }
}

void TestRecords::bareBitmapInTableReadsBack()
{
    TempDatabase db;
    const QByteArray bmp = encoded("BMP", Qt::blue);
    db.exec(QStringLiteral("INSERT INTO \"Barang\" (\"Kode_Kervano\", \"Gambar\") VALUES ('KV-1', ?)"), {bmp});
    Table t;
    t.setTableName(QStringLiteral("Barang.DB"));
    t.open();
    QCOMPARE(t.fieldByName(QStringLiteral("Gambar"))->pictureBytes(), bmp);
    QCOMPARE(t.displayTextAt(0, t.fieldByName(QStringLiteral("Gambar"))->index()), QStringLiteral("(GRAPHIC)"));
    // Editing another field leaves the picture as it was.
    t.fieldByName(QStringLiteral("Nama_Barang"))->setAsString(QStringLiteral("SEAL"));
    t.post();
    QCOMPARE(db.scalar(QStringLiteral("SELECT \"Gambar\" FROM \"Barang\"")).toByteArray(), bmp);
}

void TestRecords::cachedUpdatesShownUntilApplied()
{
    TempDatabase db;
    db.exec(QStringLiteral("INSERT INTO \"Group\" (\"Group\") VALUES ('MOBIL'), ('MOTOR')"));
    Table t;
    t.setTableName(QStringLiteral("Group.db"));
    t.setCachedUpdates(true);
    t.open();
    QVERIFY(!t.updatesPending());
    t.append();
    t.fieldByName(QStringLiteral("Group"))->setAsString(QStringLiteral("TRUK"));
    t.post();
    QVERIFY(t.updatesPending());
    t.first();
    t.fieldByName(QStringLiteral("Group"))->setAsString(QStringLiteral("MOBIL PENUMPANG"));
    t.post();
    t.next();
    t.deleteRecord();
    QCOMPARE(columnOf(t, QStringLiteral("Group")), (QStringList{"MOBIL PENUMPANG", "TRUK"}));
    QCOMPARE(t.fieldByName(QStringLiteral("No"))->asString(), QString());  // numbered when applied
    QCOMPARE(db.joined(QStringLiteral("SELECT \"Group\" FROM \"Group\" ORDER BY rowid")),
             QStringLiteral("MOBIL,MOTOR"));

    Table other;  // another table object sees only what is stored
    other.setTableName(QStringLiteral("Group.db"));
    other.open();
    QCOMPARE(columnOf(other, QStringLiteral("Group")), (QStringList{"MOBIL", "MOTOR"}));

    t.applyUpdates();
    QVERIFY(!t.updatesPending());
    QCOMPARE(db.joined(QStringLiteral("SELECT \"No\" || '=' || \"Group\" FROM \"Group\" ORDER BY rowid")),
             QStringLiteral("1=MOBIL PENUMPANG,3=TRUK"));
    QCOMPARE(columnOf(t, QStringLiteral("No")), (QStringList{"1", "3"}));
    other.refresh();
    QCOMPARE(columnOf(other, QStringLiteral("Group")), (QStringList{"MOBIL PENUMPANG", "TRUK"}));
}

void TestRecords::cachedUpdatesDroppedOnClose()
{
    TempDatabase db;
    db.exec(QStringLiteral("INSERT INTO \"Part\" VALUES ('SEAL')"));
    Table t;
    t.setTableName(QStringLiteral("Part.db"));
    t.setCachedUpdates(true);
    t.open();
    t.append();
    t.fieldByName(QStringLiteral("Part"))->setAsString(QStringLiteral("BUSHING"));
    t.post();
    t.last();
    t.deleteRecord();
    QCOMPARE(columnOf(t, QStringLiteral("Part")), QStringList{"BUSHING"});
    // A duplicate inside the cache is refused at once, as on the table.
    t.append();
    t.fieldByName(QStringLiteral("Part"))->setAsString(QStringLiteral("BUSHING"));
    QVERIFY(errorOf([&] { t.post(); }).contains(QLatin1String("BUSHING")));
    t.cancel();
    t.close();
    QVERIFY(!t.updatesPending());
    t.open();
    QCOMPARE(columnOf(t, QStringLiteral("Part")), QStringList{"SEAL"});
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM \"Part\"")).toInt(), 1);
    t.append();
    t.fieldByName(QStringLiteral("Part"))->setAsString(QStringLiteral("O-RING"));
    t.post();
    t.cancelUpdates();
    QCOMPARE(columnOf(t, QStringLiteral("Part")), QStringList{"SEAL"});
}

void TestRecords::cachedUpdatesApplyInOneTransaction()
{
    TempDatabase db;
    db.exec(QStringLiteral("INSERT INTO \"Part\" VALUES ('SEAL'), ('BUSHING')"));
    Table t;
    t.setTableName(QStringLiteral("Part.db"));
    t.setCachedUpdates(true);
    t.open();
    t.deleteRecord();  // BUSHING
    t.append();
    t.fieldByName(QStringLiteral("Part"))->setAsString(QStringLiteral("O-RING"));
    t.post();
    // Meanwhile another table stores the same key.
    Table direct;
    direct.setTableName(QStringLiteral("Part.db"));
    direct.open();
    direct.append();
    direct.fieldByName(QStringLiteral("Part"))->setAsString(QStringLiteral("O-RING"));
    direct.post();

    const QString error = errorOf([&] { t.applyUpdates(); });
    QVERIFY2(error.contains(QLatin1String("Kunci ganda")) && error.contains(QLatin1String("Part")), qPrintable(error));
    // Nothing of the batch was written; the changes are still pending.
    QCOMPARE(db.joined(QStringLiteral("SELECT \"Part\" FROM \"Part\" ORDER BY 1")),
             QStringLiteral("BUSHING,O-RING,SEAL"));
    QVERIFY(t.updatesPending());
    direct.deleteRecord();
    t.applyUpdates();
    QCOMPARE(db.joined(QStringLiteral("SELECT \"Part\" FROM \"Part\" ORDER BY 1")),
             QStringLiteral("O-RING,SEAL"));
}

void TestRecords::rowsByPositionOnLargeTable()
{
    TempDatabase db;
    {
        const auto raw = connection::ofFile(db.path());
        connection::Transaction tx(*raw);
        for (int i = 0; i < 5000; ++i) {
            // Stored out of order, so that key order differs from rowid order.
            const int n = (i * 7919) % 5000;
            db.exec(QStringLiteral("INSERT INTO \"Barang\" (\"Kode_Kervano\", \"Kode_Barang\", \"Nama_Barang\", \"Harga\") VALUES (?, ?, ?, ?)"),
                    {QStringLiteral("KV-%1").arg(n, 5, 10, QLatin1Char('0')),
                     n % 3 == 0 ? QVariant() : QVariant(QStringLiteral("M-%1").arg(n % 100, 3, 10, QLatin1Char('0'))),
                     QStringLiteral("BARANG %1").arg(n), double(n)});
        }
        tx.commit();
    }
    Table t;
    t.setTableName(QStringLiteral("Barang.DB"));
    t.setIndexFieldNames(QStringLiteral("Kode_Kervano"));
    t.open();
    QCOMPARE(t.rowCount(), 5000);
    for (int row : {0, 31, 32, 2500, 4999, 1234, 64, 63})
        QCOMPARE(t.textAt(row, 0), QStringLiteral("KV-%1").arg(row, 5, 10, QLatin1Char('0')));
    QVERIFY(t.textAt(5000, 0).isEmpty());
    QVERIFY(t.findKey(QStringLiteral("KV-03000")));
    QCOMPARE(t.recNo(), 3001);
    t.next();
    QCOMPARE(t.fieldByName(QStringLiteral("Kode_Kervano"))->asString(), QStringLiteral("KV-03001"));
    t.last();
    QCOMPARE(t.recNo(), 5000);
    for (int i = 0; i < 40; ++i)
        t.prior();
    QCOMPARE(t.fieldByName(QStringLiteral("Kode_Kervano"))->asString(), QStringLiteral("KV-04959"));
    QCOMPARE(t.currentRow(), 4959);

    // By maker's code: no value first, then equal codes in shop-code order.
    t.setIndexFieldNames(QStringLiteral("Kode_Barang"));
    QCOMPARE(t.fieldByName(QStringLiteral("Kode_Kervano"))->asString(), QStringLiteral("KV-04959"));
    const int blanks = 1667;  // n % 3 == 0 for n in [0, 5000)
    QCOMPARE(t.textAt(0, 0), QStringLiteral("KV-00000"));
    QCOMPARE(t.textAt(blanks - 1, 0), QStringLiteral("KV-04998"));
    QCOMPARE(t.textAt(blanks, 1), QStringLiteral("M-000"));
    QCOMPARE(t.textAt(blanks, 0), QStringLiteral("KV-00100"));
    QCOMPARE(t.textAt(blanks + 1, 0), QStringLiteral("KV-00200"));
    QString previous;
    int seen = 0;
    for (t.first(); !t.eof(); t.next()) {  // walking the whole order agrees with the positions
        const QString key = t.fieldByName(QStringLiteral("Kode_Barang"))->asString() + QLatin1Char('|')
            + t.fieldByName(QStringLiteral("Kode_Kervano"))->asString();
        QVERIFY2(previous.isEmpty() || previous < key || t.fieldByName(QStringLiteral("Kode_Barang"))->isNull(), qPrintable(key));
        if (!t.fieldByName(QStringLiteral("Kode_Barang"))->isNull())
            previous = key;
        if (seen % 997 == 0)
            QCOMPARE(t.textAt(seen, 0), t.fieldByName(QStringLiteral("Kode_Kervano"))->asString());
        ++seen;
    }
    QCOMPARE(seen, 5000);
    for (int i = 0; i < 1700; ++i)
        t.prior();
    QCOMPARE(t.recNo(), 5000 - 1700);
    QCOMPARE(t.fieldByName(QStringLiteral("Kode_Kervano"))->asString(), t.textAt(5000 - 1701, 0));
}

void TestRecords::positionsAgreeWithWalking_data()
{
    QTest::addColumn<QString>("index");
    QTest::addColumn<QString>("filter");
    for (const char *index : {"", "Kode_Barang", "Nama_Barang", "Harga"})
        for (const char *filter : {"", "Part='SEAL'"})
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(index), QLatin1String(filter))))
                << QString::fromLatin1(index) << QString::fromLatin1(filter);
}

// Whatever the order and filter, the position of a record reached by a seek
// (worked out by counting) is the one reached by walking, and walking back
// from the end passes the same records.
void TestRecords::positionsAgreeWithWalking()
{
    QFETCH(QString, index);
    QFETCH(QString, filter);
    TempDatabase db;
    for (int i = 0; i < 150; ++i) {
        const int n = (i * 37) % 150;
        db.exec(QStringLiteral("INSERT INTO \"Barang\" (\"Kode_Kervano\", \"Kode_Barang\", \"Nama_Barang\", \"Part\", \"Harga\") "
                               "VALUES (?, ?, ?, ?, ?)"),
                {QStringLiteral("KV-%1").arg(n, 3, 10, QLatin1Char('0')),
                 n % 4 == 0 ? QVariant() : QVariant(QStringLiteral("M%1").arg(n % 9)),
                 n % 5 == 0 ? QVariant() : QVariant(QStringLiteral("NAMA %1").arg(n % 7)),
                 n % 2 == 0 ? QStringLiteral("SEAL") : QStringLiteral("BOOT"),
                 n % 3 == 0 ? QVariant() : QVariant(double(n % 11) * 1000)});
    }
    Table t;
    t.setTableName(QStringLiteral("Barang.DB"));
    t.setIndexFieldNames(index);
    t.setFilter(filter);
    t.setFiltered(true);
    t.open();
    QStringList walked;
    for (t.first(); !t.eof(); t.next())
        walked << t.fieldByName(QStringLiteral("Kode_Kervano"))->asString();
    QCOMPARE(t.recordCount(), walked.size());
    QStringList back;
    for (t.last(); !t.bof(); t.prior())
        back.prepend(t.fieldByName(QStringLiteral("Kode_Kervano"))->asString());
    QCOMPARE(back, walked);
    for (int i = 0; i < walked.size(); i += 7) {
        QVERIFY(t.locate(QStringLiteral("Kode_Kervano"), walked[i]));
        QCOMPARE(t.recNo(), i + 1);
        QCOMPARE(t.isFirstRecord(), i == 0);
        QCOMPARE(t.isLastRecord(), i == walked.size() - 1);
        QCOMPARE(t.textAt(i, 0), walked[i]);
    }
}

void TestRecords::gridTextsOfFormatsAndMarkers()
{
    TempDatabase db;
    db.exec(QStringLiteral("INSERT INTO \"NotaUtama\" VALUES ('000001', '2024-03-05', 'Andi', NULL, 1500000)"));
    db.exec(QStringLiteral("INSERT INTO \"NotaUtama\" VALUES ('000002', NULL, NULL, NULL, 1234.5)"));
    Table t;
    t.setTableName(QStringLiteral("NotaUtama.DB"));
    t.open();
    const int date = t.fieldByName(QStringLiteral("Tanggal"))->index();
    const int total = t.fieldByName(QStringLiteral("Jumlah_Total"))->index();
    QCOMPARE(t.displayTextAt(0, date), QStringLiteral("05 Mar 2024"));
    QCOMPARE(t.displayTextAt(0, total), QStringLiteral("Rp 1,500,000"));
    QCOMPARE(t.displayTextAt(1, total), QStringLiteral("Rp 1,234.5"));
    QCOMPARE(t.textAt(1, total), QStringLiteral("1234.5"));
    QCOMPARE(t.displayTextAt(1, date), QString());
    QCOMPARE(t.fieldByName(QStringLiteral("Jumlah_Total"))->displayText(), QStringLiteral("Rp 1,500,000"));
    QCOMPARE(t.fieldByName(QStringLiteral("Jumlah_Total"))->asString(), QStringLiteral("1500000"));
    t.fieldByName(QStringLiteral("Kepada"))->setAsString(QStringLiteral("Budi"));
    QCOMPARE(t.textAt(0, t.fieldByName(QStringLiteral("Kepada"))->index()), QStringLiteral("Budi"));  // the edit shows
    t.cancel();
    QCOMPARE(t.textAt(0, t.fieldByName(QStringLiteral("Kepada"))->index()), QStringLiteral("Andi"));
    QCOMPARE(t.fieldByName(QStringLiteral("Jumlah_Total"))->displayLabel(), QStringLiteral("Jumlah_Total"));
    QCOMPARE(t.fieldByName(QStringLiteral("Tanggal"))->displayFormat(), QStringLiteral("dd mmm yyyy"));

    Table lines;
    lines.setTableName(QStringLiteral("Nota.DB"));
    QCOMPARE(lines.fieldByName(QStringLiteral("Kode_KV"))->displayLabel(), QStringLiteral("Kode Kervano"));
    QCOMPARE(lines.fieldByName(QStringLiteral("Harga"))->displayFormat(), QStringLiteral("Rp. #,#"));
}

void TestRecords::lookupListLocate()
{
    TempDatabase db;
    db.exec(QStringLiteral("INSERT INTO \"Group\" (\"Group\") VALUES ('TRUK'), ('MOBIL'), ('MOBIL')"));
    Table t;
    t.setTableName(QStringLiteral("Group.db"));
    t.open();
    QStringList listed;
    for (int row = 0; row < t.rowCount(); ++row)
        listed << t.textAt(row, t.fieldByName(QStringLiteral("Group"))->index());
    QCOMPARE(listed, (QStringList{"TRUK", "MOBIL", "MOBIL"}));
    QVERIFY(t.locate(QStringLiteral("No"), QStringLiteral("3")));
    QCOMPARE(t.recNo(), 3);
    QVERIFY(t.locate(QStringLiteral("Group"), QStringLiteral("MOBIL")));
    QCOMPARE(t.fieldByName(QStringLiteral("No"))->asString(), QStringLiteral("2"));
    QVERIFY(!t.locate(QStringLiteral("Group"), QStringLiteral("mobil")));
    QCOMPARE(t.fieldByName(QStringLiteral("No"))->asString(), QStringLiteral("2"));
    t.setRecNo(1);
    QCOMPARE(t.fieldByName(QStringLiteral("Group"))->asString(), QStringLiteral("TRUK"));
}

void TestRecords::dataSourceForwardsNotices()
{
    TempDatabase db;
    db.exec(QStringLiteral("INSERT INTO \"Part\" VALUES ('A'), ('B')"));
    Table t1, t2;
    t1.setTableName(QStringLiteral("Part.db"));
    t2.setTableName(QStringLiteral("Part.db"));
    DataSource source;
    QSignalSpy bound(&source, &DataSource::dataSetChanged);
    QSignalSpy state(&source, &DataSource::stateChanged);
    QSignalSpy record(&source, &DataSource::recordChanged);
    QSignalSpy field(&source, &DataSource::fieldChanged);
    QSignalSpy rows(&source, &DataSource::rowsChanged);
    source.setDataSet(&t1);
    QCOMPARE(bound.count(), 1);
    t1.open();
    t1.next();
    t1.fieldByName(QStringLiteral("Part"))->setAsString(QStringLiteral("C"));
    QCOMPARE(state.count(), 2);
    QVERIFY(record.count() >= 2);
    QCOMPARE(field.count(), 1);
    QCOMPARE(rows.count(), 1);
    source.setDataSet(&t2);
    state.clear();
    t1.cancel();
    QCOMPARE(state.count(), 0);  // no longer bound
    t2.open();
    QCOMPARE(state.count(), 1);
    QCOMPARE(source.dataSet(), &t2);
}

NOTA_DATA_TEST_MAIN(TestRecords)
#include "test_records.moc"
