// Texts written into text and memo fields: control and invisible characters
// refused, codes trimmed and their blanks made ordinary, memo line breaks
// kept; the same answer on each engine, whichever way the value is written
// (as text, or as any value).
#include "DataSupport.h"
#include "DataTestMain.h"
#include "TempDatabase.h"
#include "core/Errors.h"
#include "data/Table.h"

class TestFieldTexts : public QObject {
    Q_OBJECT
private slots:
    void writtenAndReadBack_data();
    void writtenAndReadBack();
    void refusedTextLeavesTheRecordAsItWas();
};

void TestFieldTexts::writtenAndReadBack_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");  // "(none)" for no value
    QTest::addColumn<QString>("refusal");
    const QString nul(QChar(0));
    const auto refused = [](const char *field, const char *kind, const char *code) {
        return QStringLiteral("Teks untuk field '%1' memuat %2 (U+%3), yang tidak dapat disimpan")
            .arg(QLatin1String(field), QLatin1String(kind), QLatin1String(code));
    };
    QTest::newRow("code trimmed") << "Barang" << "Kode_Barang" << " \u00A0AB 12\u2003 " << "AB 12" << "";
    QTest::newRow("code's inner no-break space") << "Barang" << "Kode_Barang" << "AB\u00A012" << "AB 12" << "";
    QTest::newRow("code of blanks is none") << "Barang" << "Kode_Barang" << " \u00A0 " << "(none)" << "";
    QTest::newRow("code cut after trimming") << "Barang" << "Kode_Barang" << "   " + QString(30, QLatin1Char('X'))
                                             << QString(25, QLatin1Char('X')) << "";
    QTest::newRow("group name trimmed") << "Group" << "Group" << " Karet " << "Karet" << "";
    QTest::newRow("part kind trimmed") << "Part" << "Part" << "Seal " << "Seal" << "";
    QTest::newRow("a name keeps its blanks") << "Barang" << "Nama_Barang" << " KARET\u00A0PINTU " << " KARET\u00A0PINTU " << "";
    QTest::newRow("NUL in a name") << "Barang" << "Nama_Barang" << "KA" + nul + "RET" << ""
                                   << refused("Nama_Barang", "karakter kontrol", "0000");
    QTest::newRow("escape in a name") << "Barang" << "Nama_Barang" << "KARET\x1b" << "" << refused("Nama_Barang", "karakter kontrol", "001B");
    QTest::newRow("C1 control in a name") << "Barang" << "Nama_Barang" << "KARET\u0085" << ""
                                          << refused("Nama_Barang", "karakter kontrol", "0085");
    QTest::newRow("line break in an invoice's address") << "NotaUtama" << "Alamat" << "Jl. A\r\nBandung"
                                                        << "Jl. A\r\nBandung" << "";
    QTest::newRow("tab in a code") << "Part" << "Part" << "Se\tal" << "" << refused("Part", "karakter kontrol", "0009");
    QTest::newRow("zero-width joiner") << "Pelanggan" << "Nama" << "Toko\u200DMaju" << ""
                                       << refused("Nama", "karakter tak terlihat", "200D");
    QTest::newRow("variation selector") << "Pelanggan" << "Nama" << "Toko\uFE0F" << ""
                                        << refused("Nama", "karakter tak terlihat", "FE0F");
    QTest::newRow("tag character beyond the first plane")
        << "Pelanggan" << "Nama" << QStringLiteral("Toko") + QString::fromUcs4(U"\U000E0041") << ""
        << refused("Nama", "karakter tak terlihat", "E0041");
    QTest::newRow("surrogate without its pair") << "Pelanggan" << "Nama" << "Toko" + QString(QChar(0xD800)) << ""
                                                << refused("Nama", "karakter tak terlihat", "D800");
    QTest::newRow("noncharacter") << "Pelanggan" << "Email" << "a\uFFFEb@c.id" << "" << refused("Email", "karakter tak terlihat", "FFFE");
    QTest::newRow("letters beyond the first plane kept")
        << "Pelanggan" << "Nama" << QString::fromUcs4(U"Toko \U0001D400") << QString::fromUcs4(U"Toko \U0001D400") << "";
    QTest::newRow("memo: separators become line breaks") << "Pelanggan" << "Alamat" << "Jl. A\u2028Blok B\u2029Bandung"
                                                         << "Jl. A\nBlok B\nBandung" << "";
    QTest::newRow("memo keeps tabs and blanks") << "Pelanggan" << "Alamat" << " Jl.\tA \n" << " Jl.\tA \n" << "";
    QTest::newRow("memo: NUL") << "Pelanggan" << "Alamat" << "Jl." + nul << "" << refused("Alamat", "karakter kontrol", "0000");
}

// Written as text and as a value, into a new record; stored the same way on
// each engine, or refused the same way before anything reaches it.
void TestFieldTexts::writtenAndReadBack()
{
    QFETCH(QString, table);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, stored);
    QFETCH(QString, refusal);
    TempDatabase db;
    for (const bool asValue : {false, true}) {
        db.exec(QStringLiteral("DELETE FROM \"%1\"").arg(table));
        Table t;
        t.setTableName(table);
        t.open();
        t.append();
        if (table == QLatin1String("Barang"))
            t.fieldByName(QStringLiteral("Kode_Kervano"))->setAsString(QStringLiteral("KV-1"));
        if (table == QLatin1String("NotaUtama"))
            t.fieldByName(QStringLiteral("No_Nota"))->setAsString(QStringLiteral("000001"));
        const QString message = errorOf([&] {
            if (asValue)
                t.fieldByName(field)->setValue(QVariant(text));
            else
                t.fieldByName(field)->setAsString(text);
            t.post();
        });
        QCOMPARE(message, refusal);
        if (!refusal.isEmpty())
            continue;
        const QVariant v = db.scalar(QStringLiteral("SELECT \"%1\" FROM \"%2\"").arg(field, table));
        QCOMPARE(v.isNull() ? QStringLiteral("(none)") : v.toString(), stored);
        QCOMPARE(t.fieldByName(field)->asString(), v.isNull() ? QString() : stored);
    }
}

// A refused text changes nothing: the field keeps what it held and the
// record stays in its state.
void TestFieldTexts::refusedTextLeavesTheRecordAsItWas()
{
    TempDatabase db;
    db.exec(QStringLiteral("INSERT INTO \"Barang\" (\"Kode_Kervano\", \"Nama_Barang\") VALUES ('KV-1', 'SIL')"));
    Table t;
    t.setTableName(QStringLiteral("Barang"));
    t.open();
    const QString message = errorOf([&] { t.fieldByName(QStringLiteral("Nama_Barang"))->setAsString(QStringLiteral("SIL\u200B")); });
    QVERIFY(message.contains(QLatin1String("U+200B")));
    QCOMPARE(t.state(), DataSetState::Browse);
    QCOMPARE(t.fieldByName(QStringLiteral("Nama_Barang"))->asString(), QStringLiteral("SIL"));
}

NOTA_DATA_TEST_MAIN(TestFieldTexts)
#include "test_field_texts.moc"
