// Pictures of the master data windows for a person to compare with their
// designs: the goods list with a picture and with a photo loaded by
// "Upload", the question on closing it with typing not stored, the pick-up
// window for the group and for the part kind, the group list, the part list
// and the customer list. Runs on a fresh temporary database under an X server such as Xvfb:
//   xvfb-run -a -s "-screen 0 1280x1024x24" tests/masterdata/masterdata_shots <output folder>
// Without a window manager there is no frame, so each picture gets a plain
// title bar drawn above the client area with the border icons the window asks for.
#include "TempDatabase.h"

#include "access/Login.h"
#include "access/MainMenu.h"
#include "app/WindowSet.h"
#include "controls/DBImage.h"
#include "controls/DBLookupComboBox.h"
#include "data/PictureBlob.h"
#include "data/Table.h"
#include "masterdata/DaftarBrg.h"
#include "masterdata/Pelanggan.h"
#include "masterdata/TLGroup.h"
#include "masterdata/TLPart.h"
#include "masterdata/update1.h"
#include "WindowShot.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <cstdio>

using windowshot::shoot;

namespace {



// A small made-up goods picture: a dark rubber ring on a light background.
QByteArray ringPicture()
{
    QImage image(300, 200, QImage::Format_RGB32);
    image.fill(QColor(0xF4, 0xF1, 0xE8));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x22, 0x22, 0x22), 28));
    p.drawEllipse(QPoint(150, 100), 70, 70);
    p.setPen(QPen(QColor(0x55, 0x55, 0x55), 4));
    p.drawEllipse(QPoint(150, 100), 56, 56);
    p.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return pictureblob::wrap(bytes);
}

// A large photo-like JPEG file: a ring on a shaded background, 1600 x 1200.
QString photoFile(const QString &folder)
{
    QImage image(1600, 1200, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient shade(0, 0, 1600, 1200);
    shade.setColorAt(0, QColor(0xD8, 0xE4, 0xEE));
    shade.setColorAt(1, QColor(0x6A, 0x7B, 0x8C));
    p.fillRect(image.rect(), shade);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x1A, 0x1A, 0x1A), 140));
    p.drawEllipse(QPoint(800, 600), 380, 380);
    p.end();
    const QString path = QDir(folder).filePath(QStringLiteral("foto.jpg"));
    image.save(path, "JPG", 90);
    return path;
}

// Shoots the message box the next closing asks, then answers it with `answer`.
void shootNextBox(const QString &file, const QString &answer)
{
    QTimer::singleShot(200, [file, answer] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        box->grab().save(file);
        for (QAbstractButton *b : box->buttons())
            if (b->text() == answer)
                b->click();
    });
}

// Shows the pick-up window as the goods list's button prepares it, without waiting in it.
void showPickUp(bool group)
{
    Fup1->prepare(group ? PickList::Group : PickList::Part, *FDaftarBrg->Table1);
    (group ? Fup1->DBLookupComboBox1 : Fup1->DBLookupComboBox2)->pick(1);
    Fup1->Show();
}
} // namespace

int main(int argc, char **argv)
{
    const windowshot::Program program(argc, argv);
    if (!program.ready())
        return 2;
    const QDir &out = program.out();

    TempDatabase db(QStringLiteral("admin"), QStringLiteral("rahasia"));
    db.exec(QStringLiteral("INSERT INTO Barang (Kode_Kervano, Kode_Barang, Nama_Barang, Part, Group_Barang, Harga, Gambar) "
                           "VALUES ('KV-0001', '90310-37001', 'SIL RODA DEPAN KIJANG', 'SEAL', 'KARET MOBIL', 40500, ?)"),
            {ringPicture()});
    db.exec(QStringLiteral("INSERT INTO Barang (Kode_Kervano, Kode_Barang, Nama_Barang, Harga) "
                           "VALUES ('KV-0002', '90311-40003', 'KARET PINTU', 15000)"));
    for (const char *g : {"Karet Mobil", "Karet Motor", "Seal", "Bushing"})
        db.exec(QStringLiteral("INSERT INTO \"Group\" (\"Group\") VALUES (?)"), {QString::fromLatin1(g)});
    for (const char *p : {"Oring", "Boot", "Seal", "Bushing", "Mounting"})
        db.exec(QStringLiteral("INSERT INTO Part (Part) VALUES (?)"), {QString::fromLatin1(p)});
    db.exec(QStringLiteral("INSERT INTO Pelanggan (Nama, Alamat, Kota, KodePos, No_Telp1, No_Telp2, FAX, Email) "
                           "VALUES ('Bengkel Jaya Motor', 'Jl. Merdeka No. 17\nKebon Jeruk', 'Jakarta', '11530', "
                           "'021-5551234', '0812-3456789', '021-5551235', 'jaya@contoh.id')"));

    windowset::create();
    FLogin->Show();
    FLogin->Edit1->setText(QStringLiteral("admin"));
    FLogin->Edit2->setText(QStringLiteral("rahasia"));
    FLogin->SpeedButton1->click();

    FMain->SpeedButton2->click();
    FDaftarBrg->Edit1->setText(QStringLiteral("KV-0002"));
    shoot(*FDaftarBrg, out.filePath(QStringLiteral("goods-list.png")));
    FDaftarBrg->Edit1->clear();
    FDaftarBrg->CheckBox1->click();
    shoot(*FDaftarBrg, out.filePath(QStringLiteral("goods-list-unstretched.png")));
    FDaftarBrg->CheckBox1->click();

    showPickUp(true);
    shoot(*Fup1, out.filePath(QStringLiteral("pickup-group.png")));
    Fup1->BitBtn2->click();
    showPickUp(false);
    shoot(*Fup1, out.filePath(QStringLiteral("pickup-part.png")));
    Fup1->BitBtn2->click();

    FDaftarBrg->Table1->edit();
    FDaftarBrg->DBImage1->loadFromFile(photoFile(db.folder()));
    FDaftarBrg->Table1->post();
    shoot(*FDaftarBrg, out.filePath(QStringLiteral("goods-list-photo.png")));
    FDaftarBrg->Table1->fieldByName(QStringLiteral("Nama_Barang"))->setAsString(QStringLiteral("SIL RODA BELAKANG"));
    shootNextBox(out.filePath(QStringLiteral("close-question.png")), QStringLiteral("Tidak"));
    FDaftarBrg->Close();

    FMain->SpeedButton6->click();
    shoot(*Form1, out.filePath(QStringLiteral("group-list.png")));
    Form1->Close();
    FMain->SpeedButton7->click();
    shoot(*Form2, out.filePath(QStringLiteral("part-list.png")));
    Form2->Close();

    FMain->SpeedButton4->click();
    shoot(*FPelanggan, out.filePath(QStringLiteral("customer-list.png")));
    FPelanggan->Close();

    windowset::destroy();
    installUserInterface(nullptr);
    return 0;
}
