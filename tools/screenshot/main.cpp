// Takes screenshots of the access windows for a person to look at: the
// login window, the main window with a menu open, the change-password window
// in both stages, the about, help and exit windows. Runs on a fresh
// temporary database; meant for an X server such as Xvfb (see
// tools/screenshot.sh). Usage: nota-screenshot <output folder>
//
// Without a window manager there is no frame, so each picture gets a plain
// title bar drawn above the client area: the caption and the border icons
// the window asks for.
#include "access/About.h"
#include "access/Exit.h"
#include "access/Help1.h"
#include "access/Login.h"
#include "access/MainMenu.h"
#include "access/Pass.h"
#include "app/WindowSet.h"
#include "controls/DBLookupComboBox.h"
#include "controls/Form.h"
#include "data/Database.h"
#include "data/Provision.h"
#include "data/Table.h"
#include "invoice/Nota1.h"
#include "invoice/Nota3.h"
#include "WindowShot.h"

#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <cstdio>

using windowshot::settle;
using windowshot::shoot;

int main(int argc, char **argv)
{
    const windowshot::Program program(argc, argv);
    if (!program.ready())
        return 2;
    const QDir &out = program.out();

    QTemporaryDir temp;
    const QString db = temp.filePath(QStringLiteral("kv.sqlite"));
    provision::createDatabase(db, QStringLiteral("admin"), QStringLiteral("rahasia"));
    database::setAliasPath(QStringLiteral("KV"), db);

    windowset::create();

    FLogin->Show();
    FLogin->Edit1->setText(QStringLiteral("admin"));
    FLogin->Edit2->setText(QStringLiteral("rahasia"));
    shoot(*FLogin, out.filePath(QStringLiteral("login.png")));

    FLogin->SpeedButton1->click();
    FMain->MainMenu1->setActiveAction(FMain->Sistem1->menuAction());
    settle(200);
    FMain->Sistem1->setActiveAction(FMain->NotaBaru1);
    shoot(*FMain, out.filePath(QStringLiteral("main-menu.png")), FMain->Sistem1);
    FMain->Sistem1->hide();
    settle(100);
    FMain->MainMenu1->setActiveAction(FMain->User1->menuAction());
    settle(200);
    FMain->User1->setActiveAction(FMain->Status1);
    shoot(*FMain, out.filePath(QStringLiteral("main-menu-admin.png")), FMain->User1);
    FMain->User1->hide();
    settle(100);

    FPass->Show();
    shoot(*FPass, out.filePath(QStringLiteral("pass-confirming.png")));
    FPass->Edit1->setText(QStringLiteral("admin"));
    FPass->Edit2->setText(QStringLiteral("rahasia"));
    FPass->BitBtn1->click();
    FPass->Edit3->setText(QStringLiteral("kasir"));
    FPass->Edit5->setText(QStringLiteral("baru"));
    shoot(*FPass, out.filePath(QStringLiteral("pass-changing.png")));
    FPass->Close();

    FHelp1->Show();
    shoot(*FHelp1, out.filePath(QStringLiteral("help.png")));
    FHelp1->Close();

    Fabout->Show();
    settle(600);
    shoot(*Fabout, out.filePath(QStringLiteral("about.png")));
    Fabout->Close();

    // The new-invoice window with two lines and the customer picker over it.
    {
        Table lines;
        lines.setTableName(QStringLiteral("Nota.DB"));
        lines.open();
        const struct {
            const char *kv, *brg, *nama;
            double harga, banyak, diskon, jumlah;
        } rows[] = {{"KV-1001", "90310-37", "KARET STABILIZER DEPAN", 15000, 3, 10, 40500},
                    {"KV-1002", "90948-01", "SELANG RADIATOR 1/2\"", 27500, 2, 0, 55000}};
        for (const auto &r : rows) {
            lines.append();
            lines.fieldByName(QStringLiteral("ID_Nota"))->setAsString(QStringLiteral("000001"));
            lines.fieldByName(QStringLiteral("Kode_KV"))->setAsString(QString::fromUtf8(r.kv));
            lines.fieldByName(QStringLiteral("Kode_Brg"))->setAsString(QString::fromUtf8(r.brg));
            lines.fieldByName(QStringLiteral("Nama_Brg"))->setAsString(QString::fromUtf8(r.nama));
            lines.fieldByName(QStringLiteral("Harga"))->setAsFloat(r.harga);
            lines.fieldByName(QStringLiteral("Banyak"))->setAsFloat(r.banyak);
            lines.fieldByName(QStringLiteral("Diskon"))->setAsFloat(r.diskon);
            lines.fieldByName(QStringLiteral("Jumlah"))->setAsFloat(r.jumlah);
            lines.post();
        }
        Table customers;
        customers.setTableName(QStringLiteral("Pelanggan.DB"));
        customers.open();
        customers.append();
        customers.fieldByName(QStringLiteral("Nama"))->setAsString(QStringLiteral("TOKO SUMBER MAKMUR"));
        customers.fieldByName(QStringLiteral("Alamat"))->setAsString(QStringLiteral("Jl. Gatot Subroto 17\nJakarta"));
        customers.post();
    }
    FMain->SpeedButton3->click();
    FNota1->Edit2->setText(QStringLiteral("TOKO SUMBER MAKMUR"));
    FNota1->Memo1->setPlainText(QStringLiteral("Jl. Gatot Subroto 17\nJakarta"));
    shoot(*FNota1, out.filePath(QStringLiteral("nota-baru.png")));
    FNota1->Table3->open();
    FNota3->Show();
    FNota3->DBLookupComboBox1->pick(0);
    FNota3->DBLookupComboBox1CloseUp();
    shoot(*FNota3, out.filePath(QStringLiteral("cari-pelanggan.png")));
    FNota3->Close();
    FNota1->Close();

    // Every other window as it first shows.
    const QStringList taken{QStringLiteral("FLogin"), QStringLiteral("FMain"), QStringLiteral("FPass"),
                            QStringLiteral("FHelp1"), QStringLiteral("Fabout"), QStringLiteral("FNota1"),
                            QStringLiteral("FNota3"), QStringLiteral("Fexit")};
    for (TForm *f : windowset::every()) {
        if (taken.contains(f->objectName()))
            continue;
        f->show();
        shoot(*f, out.filePath(f->objectName() + QStringLiteral(".png")));
        f->hide();
    }

    FMain->Hide();
    Fexit->Show();
    shoot(*Fexit, out.filePath(QStringLiteral("exit.png")));

    windowset::destroy();
    installUserInterface(nullptr);
    return 0;
}
