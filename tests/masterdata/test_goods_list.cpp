// Goods list window: its design, the search by shop code, the picture upload
// (cancelled, bitmap, other kinds, unreadable files), capitals as typed,
// closing with unposted typing dropped, "Stretch", "Help" and "Ke Main Menu".
#include "MasterDataFixture.h"
#include "TestMain.h"
#include "access/Help1.h"
#include "access/MainMenu.h"
#include "controls/DBEdit.h"
#include "controls/DBImage.h"
#include "controls/DBNavigator.h"
#include "data/PictureBlob.h"
#include "data/Table.h"
#include "masterdata/DaftarBrg.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using Button = DBNavigator::Button;

namespace {
QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QString accessibleName(QWidget *w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); }

// The controls that take the keyboard, in the window's Tab order.
QList<QWidget *> tabChain(QWidget *window)
{
    QList<QWidget *> chain;
    for (QWidget *w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && w->window() == window
            && !(w->parentWidget() && w->parentWidget()->focusProxy() == w))
            chain << w;
    }
    return chain;
}
} // namespace

class TestGoodsList : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { fx.stop(); }

    void windowDesign();
    void searchByShopCode_data();
    void searchByShopCode();
    void searchPostsAChangedRecordFirst();
    void uploadCancelledStillPosts();
    void uploadStoresABitmap_data();
    void uploadStoresABitmap();
    void unreadableFileLeavesTheRecordAsItWas_data();
    void unreadableFileLeavesTheRecordAsItWas();
    void capitalsAsTyped_data();
    void capitalsAsTyped();
    void closingDropsUnpostedTyping_data();
    void closingDropsUnpostedTyping();
    void stretchOnAndOff();
    void helpOpensModally();

private:
    void openWindow();
    void moveTo(const QString &kodeKervano);
    QString current() const { return FDaftarBrg->Table1->fieldByName(QStringLiteral("Kode_Kervano"))->asString(); }

    MasterDataFixture fx;
};

void TestGoodsList::init()
{
    fx.start();
    fx.addGoods(QStringLiteral("KV-02"), QStringLiteral("KARET PINTU"), QStringLiteral("KARET"), QStringLiteral("SEAL"), 15000);
    fx.addGoods(QStringLiteral("KV-01"), QStringLiteral("SIL RODA"), QStringLiteral("SIL"), QStringLiteral("ORING"), 40500);
    fx.addGoods(QStringLiteral("KV-03"), QStringLiteral("BOOT AS"), QStringLiteral("KARET"), QStringLiteral("BOOT"), 1500000);
    fx.addGoods(QStringLiteral("ab-9"), QStringLiteral("KECIL"));
}

void TestGoodsList::openWindow()
{
    FMain->SpeedButton2->click();
    QVERIFY(FDaftarBrg->isVisible());
    QVERIFY(!FMain->isVisible());
}

void TestGoodsList::moveTo(const QString &kodeKervano)
{
    QVERIFY(FDaftarBrg->Table1->findKey(kodeKervano));
}

void TestGoodsList::windowDesign()
{
    openWindow();
    TFDaftarBrg &w = *FDaftarBrg;
    QCOMPARE(w.windowTitle(), QStringLiteral("Daftar Barang"));
    QCOMPARE(w.borderStyle(), TForm::BorderStyle::Single);
    QCOMPARE(w.borderIcons(), int(TForm::SystemMenu));
    QCOMPARE(w.font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(w.font().pointSize(), 8);

    // Captions as they stand, blanks included.
    QCOMPARE(w.SpeedButton4->text(), QStringLiteral("<") + QString(12, QLatin1Char(' ')) + QStringLiteral("Update Dari List Group"));
    QCOMPARE(w.SpeedButton5->text(), QStringLiteral("<") + QString(14, QLatin1Char(' ')) + QStringLiteral("Update Dari List Part"));
    QCOMPARE(w.SpeedButton2->text(), QStringLiteral("Upload"));
    QCOMPARE(w.SpeedButton3->text(), QStringLiteral("Help"));
    QCOMPARE(w.SpeedButton1->text(), QStringLiteral("Ke Main Menu"));
    QCOMPARE(w.BitBtn1->text(), QStringLiteral("Cari"));
    QVERIFY(w.BitBtn1->icon().isNull());
    QCOMPARE(w.CheckBox1->text(), QStringLiteral("Stretch"));
    QCOMPARE(w.Label7->text(), QStringLiteral("Pencarian Berdasarkan Kode Kervano :"));
    QVERIFY(w.Edit1->text().isEmpty());

    // Picture stretched, box ticked; every navigator button shown.
    QVERIFY(w.DBImage1->stretch());
    QVERIFY(w.CheckBox1->isChecked());
    QCOMPARE(w.DBImage1->size(), QSize(337, 169));
    QCOMPARE(w.DBNavigator1->visibleButtons(), DBNavigator::allButtons());

    // Each box is named by its caption; the picture box by what it shows.
    const struct {
        QWidget *box;
        const char *name;
    } names[] = {{w.DBEdit1, "Kode Kervano :"}, {w.DBEdit2, "Kode Barang :"}, {w.DBEdit3, "Nama Barang :"},
                 {w.DBEdit4, "Group :"},        {w.DBEdit5, "Part :"},        {w.DBEdit6, "Harga (Rp) :"},
                 {w.Edit1, "Pencarian Berdasarkan Kode Kervano :"}};
    for (const auto &n : names)
        QCOMPARE(accessibleName(n.box), QString::fromUtf8(n.name));
    QVERIFY(!accessibleName(w.DBImage1).isEmpty());
    for (Button b : DBNavigator::allButtons())
        QCOMPARE(accessibleName(w.DBNavigator1->button(b)), DBNavigator::hint(b));

    // Fields bound as designed; five of them turn letters into capitals.
    const QList<DBEdit *> edits{w.DBEdit1, w.DBEdit2, w.DBEdit3, w.DBEdit4, w.DBEdit5, w.DBEdit6};
    const QStringList fields{"Kode_Kervano", "Kode_Barang", "Nama_Barang", "Group_Barang", "Part", "Harga"};
    for (int i = 0; i < edits.size(); ++i) {
        QCOMPARE(edits[i]->dataField(), fields[i]);
        QCOMPARE(edits[i]->capitals(), i < 5);
    }
    QCOMPARE(w.DBImage1->dataField(), QStringLiteral("Gambar"));

    // Tab order; the speed buttons take no keyboard.
    QList<QWidget *> order{w.DBImage1};
    for (Button b : DBNavigator::allButtons())
        order << w.DBNavigator1->button(b);
    order << w.DBEdit1 << w.DBEdit2 << w.DBEdit3 << w.DBEdit4 << w.DBEdit5 << w.DBEdit6 << w.CheckBox1 << w.Edit1
          << w.BitBtn1;
    QCOMPARE(tabChain(&w), order);
    for (QToolButton *b : {w.SpeedButton1, w.SpeedButton2, w.SpeedButton3, w.SpeedButton4, w.SpeedButton5})
        QCOMPARE(b->focusPolicy(), Qt::NoFocus);

    // Opened on the first record in shop-code order; the price as a plain number.
    QCOMPARE(w.DBEdit1->text(), QStringLiteral("KV-01"));
    QCOMPARE(w.DBEdit6->text(), QStringLiteral("40500"));
    w.DBNavigator1->click(Button::Last);
    w.DBNavigator1->click(Button::Prior);
    QCOMPARE(w.DBEdit1->text(), QStringLiteral("KV-03"));
    QCOMPARE(w.DBEdit6->text(), QStringLiteral("1500000"));
}

void TestGoodsList::searchByShopCode_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("found");
    QTest::newRow("exact code") << "KV-01" << "KV-03" << "KV-03";
    QTest::newRow("small letters are taken in capitals") << "KV-01" << "kv-03" << "KV-03";
    QTest::newRow("blanks around the code") << "KV-01" << " kv-03 " << "KV-03";
    QTest::newRow("a code stored in small letters by another route") << "KV-01" << "ab-9" << "KV-01";
    QTest::newRow("unknown code leaves the record") << "KV-02" << "KV-99" << "KV-02";
    QTest::newRow("part of a code is not enough") << "KV-02" << "KV-0" << "KV-02";
    QTest::newRow("empty box") << "KV-03" << "" << "KV-03";
}

void TestGoodsList::searchByShopCode()
{
    QFETCH(QString, start);
    QFETCH(QString, typed);
    QFETCH(QString, found);
    ScriptedInterface person;
    openWindow();
    moveTo(start);
    MasterDataFixture::typeInto(FDaftarBrg->Edit1, typed);
    QCOMPARE(FDaftarBrg->Edit1->text(), typed.toUpper());  // capitals as typed, like the other boxes
    FDaftarBrg->BitBtn1->click();
    QCOMPARE(current(), found);
    QCOMPARE(FDaftarBrg->DBEdit1->text(), found);
    QVERIFY(FDaftarBrg->Edit1->text().isEmpty());
    QCOMPARE(person.count(), 0);  // nothing is said
}

void TestGoodsList::searchPostsAChangedRecordFirst()
{
    openWindow();
    moveTo(QStringLiteral("KV-02"));
    MasterDataFixture::typeInto(FDaftarBrg->DBEdit3, QStringLiteral("karet pintu depan"));
    QCOMPARE(FDaftarBrg->Table1->state(), DataSetState::Edit);
    MasterDataFixture::typeInto(FDaftarBrg->Edit1, QStringLiteral("KV-03"));
    FDaftarBrg->BitBtn1->click();
    QCOMPARE(current(), QStringLiteral("KV-03"));
    QCOMPARE(FDaftarBrg->Table1->state(), DataSetState::Browse);
    QCOMPARE(fx.goods(QStringLiteral("KV-02"), QStringLiteral("Nama_Barang")).toString(),
             QStringLiteral("KARET PINTU DEPAN"));

    // Also when the code is not found.
    MasterDataFixture::typeInto(FDaftarBrg->DBEdit4, QStringLiteral("boot"));
    MasterDataFixture::typeInto(FDaftarBrg->Edit1, QStringLiteral("tidak ada"));
    FDaftarBrg->BitBtn1->click();
    QCOMPARE(current(), QStringLiteral("KV-03"));
    QCOMPARE(FDaftarBrg->Table1->state(), DataSetState::Browse);
    QCOMPARE(fx.goods(QStringLiteral("KV-03"), QStringLiteral("Group_Barang")).toString(), QStringLiteral("BOOT"));
}

void TestGoodsList::uploadCancelledStillPosts()
{
    const QString bmp = fx.pictureFile(QStringLiteral("lama.bmp"), "BMP", QSize(30, 20), Qt::green);
    fx.db().exec(QStringLiteral("UPDATE Barang SET Gambar = ? WHERE Kode_Kervano = 'KV-02'"),
                 {pictureblob::wrap(fileBytes(bmp))});
    ScriptedInterface person;  // no file given: the dialog is cancelled
    openWindow();
    moveTo(QStringLiteral("KV-02"));
    MasterDataFixture::typeInto(FDaftarBrg->DBEdit2, QStringLiteral("90310-37"));
    FDaftarBrg->SpeedButton2->click();

    QCOMPARE(person.fileRequests().size(), 1);
    QCOMPARE(FDaftarBrg->Table1->state(), DataSetState::Browse);
    QCOMPARE(fx.goods(QStringLiteral("KV-02"), QStringLiteral("Kode_Barang")).toString(), QStringLiteral("90310-37"));
    QCOMPARE(pictureblob::unwrap(fx.goods(QStringLiteral("KV-02"), QStringLiteral("Gambar")).toByteArray()), fileBytes(bmp));
    QCOMPARE(FDaftarBrg->DBImage1->picture().size(), QSize(30, 20));
    QCOMPARE(person.count(), 0);

    // The dialog offers every kind the box reads, all together first, then
    // the usual kinds each alone; never a metafile, which no reader shows.
    const FileRequest request = person.fileRequests().first();
    QCOMPARE(request.mode, FileRequest::Mode::Open);
    const QStringList kinds = request.filter.split(QStringLiteral(";;"));
    QVERIFY(kinds.first().startsWith(QStringLiteral("Semua gambar (")));
    for (const QString &suffix : DBImage::pictureExtensions())
        QVERIFY2(kinds.first().contains(QStringLiteral("*.") + suffix), qPrintable(suffix));
    const QStringList alone{"Bitmap (*.bmp", "Gambar JPEG (*.jpg", "Gambar PNG (*.png)", "Gambar GIF (*.gif)",
                            "Gambar WebP (*.webp)", "Ikon (*.ico)"};
    for (int i = 0; i < alone.size(); ++i)
        QVERIFY2(kinds[i + 1].startsWith(alone[i]), qPrintable(kinds[i + 1]));
    QVERIFY(!request.filter.contains(QStringLiteral("*.wmf")) && !request.filter.contains(QStringLiteral("*.emf")));

    // On an empty goods table "Upload" starts a new record, which cannot be
    // stored without its shop code: the record stays to be completed.
    FDaftarBrg->Close();
    fx.db().exec(QStringLiteral("DELETE FROM Barang"));
    openWindow();
    FDaftarBrg->SpeedButton2->click();
    QCOMPARE(FDaftarBrg->Table1->state(), DataSetState::Insert);
    QCOMPARE(person.count(), 1);
    QCOMPARE(person.last().kind, MsgKind::Error);
}

void TestGoodsList::uploadStoresABitmap_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QSize>("storedSize");
    // The picture box shows 335 x 167 pixels inside its frame: a larger
    // picture is stored just covering it, proportions kept.
    QTest::newRow("bitmap") << "karet.bmp" << QByteArray("BMP") << QSize(64, 32) << QSize(64, 32);
    QTest::newRow("JPEG") << "karet.jpg" << QByteArray("JPG") << QSize(64, 32) << QSize(64, 32);
    QTest::newRow("photo") << "foto.jpeg" << QByteArray("JPG") << QSize(2048, 1536) << QSize(335, 251);
    QTest::newRow("upright photo") << "tegak.jpg" << QByteArray("JPG") << QSize(1200, 1600) << QSize(335, 447);
    QTest::newRow("large bitmap") << "besar.bmp" << QByteArray("BMP") << QSize(1340, 668) << QSize(335, 167);
    QTest::newRow("PNG") << "karet.png" << QByteArray("PNG") << QSize(640, 320) << QSize(335, 168);
    QTest::newRow("GIF") << "karet.gif" << QByteArray("GIF") << QSize(80, 60) << QSize(80, 60);
    QTest::newRow("WebP") << "karet.webp" << QByteArray("WEBP") << QSize(80, 60) << QSize(80, 60);
    QTest::newRow("icon") << "ikon.ico" << QByteArray("ICO") << QSize(48, 48) << QSize(48, 48);
}

void TestGoodsList::uploadStoresABitmap()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);
    QFETCH(QSize, storedSize);
    const QString file = fx.pictureFile(name, format.constData(), size, Qt::blue);
    ScriptedInterface person;
    person.answerFile(file);
    openWindow();
    moveTo(QStringLiteral("KV-03"));
    FDaftarBrg->SpeedButton2->click();
    QCOMPARE(person.count(), 0);
    QCOMPARE(FDaftarBrg->Table1->state(), DataSetState::Browse);

    // Stored as a headed bitmap; a bitmap file that fits exactly as it was.
    const QByteArray stored = fx.goods(QStringLiteral("KV-03"), QStringLiteral("Gambar")).toByteArray();
    QCOMPARE(stored, pictureblob::toStored(stored));
    const QByteArray bitmap = pictureblob::unwrap(stored);
    QVERIFY(pictureblob::isBitmap(bitmap));
    if (format == "BMP" && size == storedSize)
        QCOMPARE(bitmap, fileBytes(file));
    QImage readBack;
    QVERIFY(readBack.loadFromData(bitmap, "BMP"));
    QCOMPARE(readBack.size(), storedSize);
    const QColor middle = readBack.pixelColor(storedSize.width() / 2, storedSize.height() / 2);
    QVERIFY2(middle.blue() > 200 && middle.red() < 60, qPrintable(middle.name()));

    // Read back through the window on another showing.
    FDaftarBrg->Close();
    openWindow();
    moveTo(QStringLiteral("KV-03"));
    QCOMPARE(FDaftarBrg->DBImage1->picture().size(), storedSize);
}

void TestGoodsList::unreadableFileLeavesTheRecordAsItWas_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("typedFirst");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown extension") << "catatan.txt" << QByteArray("bukan gambar") << false
                                       << "Unknown picture file extension (.txt)";
    QTest::newRow("broken PNG") << "foto.png" << QByteArray("\x89PNG") << false
                                << "Gambar \"foto.png\" tidak dapat dibaca: berkasnya rusak atau bukan gambar PNG.";
    QTest::newRow("broken JPEG") << "rusak.jpg" << QByteArray("\xff\xd8xx") << false
                                 << "Gambar \"rusak.jpg\" tidak dapat dibaca: berkasnya rusak atau bukan gambar JPEG.";
    QTest::newRow("metafile") << "gambar.wmf" << QByteArray("\xd7\xcd\xc6\x9a") << false
                              << "Gambar metafile (.wmf) tidak dapat ditampilkan. Simpan gambar itu sebagai PNG, JPEG "
                                 "atau BMP, lalu pilih lagi.";
    QTest::newRow("enhanced metafile while typing") << "gambar.EMF" << QByteArray(" EMF") << true
                                                    << "Gambar metafile (.emf) tidak dapat ditampilkan. Simpan gambar itu "
                                                       "sebagai PNG, JPEG atau BMP, lalu pilih lagi.";
}

// The upload stops before its post and leaves the record as it was before
// the file was chosen: not in edit state, or still holding the typing.
void TestGoodsList::unreadableFileLeavesTheRecordAsItWas()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(bool, typedFirst);
    QFETCH(QString, message);
    const QString path = fx.db().folder() + QLatin1Char('/') + name;
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    ScriptedInterface person;
    person.answerFile(path);
    openWindow();
    if (typedFirst)
        MasterDataFixture::typeInto(FDaftarBrg->DBEdit3, QStringLiteral("sil roda baru"));
    FDaftarBrg->SpeedButton2->click();
    QCOMPARE(person.count(), 1);
    QCOMPARE(person.last().text, message);
    QCOMPARE(person.last().kind, MsgKind::Error);
    QCOMPARE(FDaftarBrg->Table1->state(), typedFirst ? DataSetState::Edit : DataSetState::Browse);
    QCOMPARE(FDaftarBrg->DBNavigator1->button(Button::Post)->isEnabled(), typedFirst);
    QCOMPARE(FDaftarBrg->DBEdit3->text(), typedFirst ? QStringLiteral("SIL RODA BARU") : QStringLiteral("SIL RODA"));
    QVERIFY(fx.goods(QStringLiteral("KV-01"), QStringLiteral("Gambar")).isNull());
    QCOMPARE(fx.goods(QStringLiteral("KV-01"), QStringLiteral("Nama_Barang")).toString(), QStringLiteral("SIL RODA"));
}

void TestGoodsList::capitalsAsTyped_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("shop code") << "DBEdit1" << "Kode_Kervano" << "kv-7a" << "KV-7A";
    QTest::newRow("maker's code") << "DBEdit2" << "Kode_Barang" << "abc-12x" << "ABC-12X";
    QTest::newRow("name") << "DBEdit3" << "Nama_Barang" << "karet pintu" << "KARET PINTU";
    QTest::newRow("group") << "DBEdit4" << "Group_Barang" << "karet" << "KARET";
    QTest::newRow("part") << "DBEdit5" << "Part" << "seal b" << "SEAL B";
    QTest::newRow("price as typed") << "DBEdit6" << "Harga" << "17500" << "17500";
}

void TestGoodsList::capitalsAsTyped()
{
    QFETCH(QString, edit);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    openWindow();
    moveTo(QStringLiteral("KV-02"));
    auto *box = FDaftarBrg->findChild<DBEdit *>(edit);
    QVERIFY(box);
    MasterDataFixture::typeInto(box, typed);
    QCOMPARE(box->text(), stored);  // while typed
    FDaftarBrg->DBNavigator1->click(Button::Post);
    const QString code = field == QLatin1String("Kode_Kervano") ? stored : QStringLiteral("KV-02");
    QCOMPARE(fx.goods(code, field).toString(), stored);
}

void TestGoodsList::closingDropsUnpostedTyping_data()
{
    QTest::addColumn<bool>("byButton");
    QTest::newRow("Ke Main Menu") << true;
    QTest::newRow("close box") << false;
}

// Answered "Tidak" to the question (test_close_question has every answer).
void TestGoodsList::closingDropsUnpostedTyping()
{
    QFETCH(bool, byButton);
    ScriptedInterface person;
    person.answer(MsgAnswer::No);
    openWindow();
    moveTo(QStringLiteral("KV-02"));
    MasterDataFixture::typeInto(FDaftarBrg->DBEdit3, QStringLiteral("hilang"));
    MasterDataFixture::typeInto(FDaftarBrg->DBEdit6, QStringLiteral("99"));
    QCOMPARE(FDaftarBrg->Table1->state(), DataSetState::Edit);
    if (byButton)
        FDaftarBrg->SpeedButton1->click();
    else
        FDaftarBrg->close();
    QVERIFY(!FDaftarBrg->isVisible());
    QVERIFY(!FDaftarBrg->Table1->active());
    QVERIFY(FMain->isVisible());
    QCOMPARE(person.count(), 1);
    QCOMPARE(person.last().kind, MsgKind::YesNoCancel);
    QCOMPARE(fx.goods(QStringLiteral("KV-02"), QStringLiteral("Nama_Barang")).toString(), QStringLiteral("KARET PINTU"));
    QCOMPARE(fx.goods(QStringLiteral("KV-02"), QStringLiteral("Harga")).toDouble(), 15000.0);

    // The next showing starts at the first record in shop-code order.
    openWindow();
    QCOMPARE(current(), QStringLiteral("KV-01"));
    QCOMPARE(FDaftarBrg->DBEdit1->text(), QStringLiteral("KV-01"));
    moveTo(QStringLiteral("KV-02"));
    QCOMPARE(FDaftarBrg->DBEdit3->text(), QStringLiteral("KARET PINTU"));
}

void TestGoodsList::stretchOnAndOff()
{
    const QString bmp = fx.pictureFile(QStringLiteral("kecil.bmp"), "BMP", QSize(40, 20), Qt::red);
    fx.db().exec(QStringLiteral("UPDATE Barang SET Gambar = ? WHERE Kode_Kervano = 'KV-01'"), {fileBytes(bmp)});
    openWindow();
    DBImage &box = *FDaftarBrg->DBImage1;
    QCOMPARE(box.pictureRect(), box.contentsRect());  // scaled to fill the box

    FDaftarBrg->CheckBox1->click();
    QVERIFY(!box.stretch());
    const QRect natural = box.pictureRect();
    QCOMPARE(natural.size(), QSize(40, 20));
    // Centred: the margins either side differ by a pixel at most.
    const QRect inside = box.contentsRect();
    QVERIFY(qAbs((natural.left() - inside.left()) - (inside.right() - natural.right())) <= 1);
    QVERIFY(qAbs((natural.top() - inside.top()) - (inside.bottom() - natural.bottom())) <= 1);

    // Not reset by another showing.
    FDaftarBrg->Close();
    openWindow();
    QVERIFY(!FDaftarBrg->CheckBox1->isChecked());
    QVERIFY(!box.stretch());

    FDaftarBrg->CheckBox1->click();
    QVERIFY(box.stretch());
    QCOMPARE(box.pictureRect(), box.contentsRect());
}

void TestGoodsList::helpOpensModally()
{
    ScriptedInterface person;
    openWindow();
    bool modal = false;
    person.actInside<TFHelp1>([&](TFHelp1 &help) {
        modal = help.isShowingModal();
        help.BitBtn1->click();
    });
    FDaftarBrg->SpeedButton3->click();
    QVERIFY(modal);
    QVERIFY(!FHelp1->isVisible());
    QVERIFY(FDaftarBrg->isVisible());
}

NOTA_TEST_MAIN(TestGoodsList)
#include "test_goods_list.moc"
