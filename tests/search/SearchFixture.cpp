#include "SearchFixture.h"

#include "controls/DBGrid.h"
#include "search/SearchForm.h"

#include <QBuffer>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {
QVariant valueOrNull(const QString &text) { return text.isEmpty() ? QVariant() : QVariant(text); }
} // namespace

void SearchFixture::start()
{
    AccessFixture::start();
    typeLogin(kAdmin, kPassword);
}

void SearchFixture::addGoods(const QString &shopCode, const QString &makerCode, const QString &name,
                             const QString &part, const QString &group, double price, bool picture)
{
    db().exec(QStringLiteral("INSERT INTO Barang (Kode_Kervano, Kode_Barang, Nama_Barang, Part, Group_Barang, Harga, "
                             "Gambar) VALUES (?, ?, ?, ?, ?, ?, ?)"),
              {shopCode, valueOrNull(makerCode), valueOrNull(name), valueOrNull(part), valueOrNull(group), price,
               picture ? QVariant(bitmap()) : QVariant()});
}

void SearchFixture::addCustomer(const QString &name, const QString &address, const QString &town,
                                const QString &postcode, const QString &phone1, const QString &phone2,
                                const QString &fax, const QString &email)
{
    db().exec(QStringLiteral("INSERT INTO Pelanggan (Nama, Alamat, Kota, KodePos, No_Telp1, No_Telp2, FAX, Email) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
              {valueOrNull(name), valueOrNull(address), valueOrNull(town), valueOrNull(postcode),
               valueOrNull(phone1), valueOrNull(phone2), valueOrNull(fax), valueOrNull(email)});
}

void SearchFixture::addSampleGoods()
{
    // Stored out of shop-code order; two share the maker's code BRG-1.
    addGoods(QStringLiteral("KV-0004"), QStringLiteral("BRG-1"), QStringLiteral("KARET_PINTU"), QStringLiteral("O-RING"),
             QStringLiteral("TOYOTA"), 7000);
    addGoods(QStringLiteral("KV-0001"), QStringLiteral("BRG-1"), QStringLiteral("BAN DALAM"), QStringLiteral("SEAL"),
             QStringLiteral("TOYOTA"), 15000, true);
    addGoods(QStringLiteral("KV-0002"), QStringLiteral("BRG-2"), QStringLiteral("KARET BAN"), QStringLiteral("BUSHING"),
             QStringLiteral("HONDA"), 10801.875);
    addGoods(QStringLiteral("KV-0003"), QStringLiteral("A'B"), QStringLiteral("SEAL 50%"), QStringLiteral("SEAL"), {},
             2500);
    addGoods(QStringLiteral("KV-0005"), {}, QStringLiteral("SELANG 1/2\""), {}, QStringLiteral("SUZUKI"), 12000);
    // A group in small letters, as a pick list may hold it.
    addGoods(QStringLiteral("KV-0006"), QStringLiteral("BRG-6"), {}, QStringLiteral("SEAL"), QStringLiteral("honda"), 500);
    addGoods(QStringLiteral("KV-0007"), QStringLiteral("BRG-7"), QStringLiteral("PAKING \" OR 1=1 --"),
             QStringLiteral("GASKET"), QStringLiteral("DAIHATSU"), 900);
}

void SearchFixture::addSampleCustomers()
{
    addCustomer(QStringLiteral("Andi"), QStringLiteral("Jl. Merdeka 1\nBandung"), QStringLiteral("Bandung"),
                QStringLiteral("40111"), QStringLiteral("022-111"), {}, QStringLiteral("022-119"),
                QStringLiteral("andi@contoh.id"));
    addCustomer(QStringLiteral("O'Brien"), QStringLiteral("Jl. Braga 7"), QStringLiteral("Bandung"),
                QStringLiteral("40112"), QStringLiteral("022-222"));
    addCustomer(QStringLiteral("budi"), {}, QStringLiteral("Jakarta"), {}, QStringLiteral("021-333"),
                QStringLiteral("0812-333"));
    addCustomer(QStringLiteral("Andi"), QStringLiteral("Jl. Asia Afrika 12"), QStringLiteral("Bandung"),
                QStringLiteral("40113"));
    addCustomer(QStringLiteral("ANDI WIJAYA"), QStringLiteral("Jl. Gatot Subroto 5"), QStringLiteral("Jakarta"),
                QStringLiteral("12930"), {}, {}, {}, QStringLiteral("wijaya_andi@contoh.id"));
    addCustomer({}, QStringLiteral("Jl. Tanpa Nama"), QStringLiteral("Bogor"));
    addCustomer(QStringLiteral("Toko \"Maju\""), QStringLiteral("Jl. Pasar 3"), QStringLiteral("Bogor"));
}

void SearchFixture::chooseEntry(SearchForm &window, const QString &entry)
{
    const int index = window.ComboBox1->findText(entry, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QVERIFY2(index >= 0, qPrintable(entry));
    window.ComboBox1->setCurrentIndex(index);
}

void SearchFixture::search(SearchForm &window, const QString &typed)
{
    window.Edit1->clear();
    QTest::keyClicks(window.Edit1, typed);
    window.BitBtn1->click();
}

void SearchFixture::clickRow(SearchForm &window, int row, int column)
{
    DBGrid *grid = window.DBGrid1;
    const QRect cell = grid->visualRect(grid->model()->index(row, column));
    QVERIFY(cell.isValid());
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

QStringList SearchFixture::gridColumn(const DBGrid &grid, int column)
{
    QStringList texts;
    for (int row = 0; row < grid.model()->rowCount(); ++row)
        texts << grid.cellText(row, column);
    return texts;
}

QByteArray SearchFixture::bitmap()
{
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(QColor(0xC0, 0x20, 0x20));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}
