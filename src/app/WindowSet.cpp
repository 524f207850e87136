#include "app/WindowSet.h"

#include "access/About.h"
#include "access/Exit.h"
#include "access/Help1.h"
#include "access/Login.h"
#include "access/MainMenu.h"
#include "access/Pass.h"
#include "controls/Application.h"
#include "invoice/LihatN.h"
#include "invoice/Nota1.h"
#include "invoice/Nota2.h"
#include "invoice/Nota3.h"
#include "invoice/Nota4.h"
#include "masterdata/DaftarBrg.h"
#include "masterdata/Pelanggan.h"
#include "masterdata/TLGroup.h"
#include "masterdata/TLPart.h"
#include "masterdata/update1.h"
#include "reports/PrintN.h"
#include "reports/PrintN2.h"
#include "reports/RBarang.h"
#include "reports/RPelanggan.h"
#include "search/CBarang.h"
#include "search/Cpelanggan.h"

namespace windowset {
namespace {
QList<TForm *> &created()
{
    static QList<TForm *> forms;
    return forms;
}

template <typename T>
void make(T *&instance)
{
    instance = new T();
    created().append(instance);
}

template <typename T>
void drop(T *&instance)
{
    delete instance;
    instance = nullptr;
}
} // namespace

void create()
{
    // The order binds: a window that refers to another's table comes after it.
    make(FLogin);
    if (nApp)
        nApp->setMainForm(FLogin);
    make(FMain);
    make(FDaftarBrg);
    make(FHelp1);
    make(Fup1);
    make(FNota1);
    make(FNota2);
    make(FPelanggan);
    make(Fabout);
    make(FNota3);
    make(FNota4);
    make(Fexit);
    make(FlihatN);
    make(FPrintN);
    make(FPrintN2);
    make(FPass);
    make(FRPelanggan);
    make(FRBarang);
    make(FCBarang);
    make(FCPelanggan);
    make(Form1);
    make(Form2);
}

void destroy()
{
    if (nApp)
        nApp->setMainForm(nullptr);
    drop(Form2);
    drop(Form1);
    drop(FCPelanggan);
    drop(FCBarang);
    drop(FRBarang);
    drop(FRPelanggan);
    drop(FPass);
    drop(FPrintN2);
    drop(FPrintN);
    drop(FlihatN);
    drop(Fexit);
    drop(FNota4);
    drop(FNota3);
    drop(Fabout);
    drop(FPelanggan);
    drop(FNota2);
    drop(FNota1);
    drop(Fup1);
    drop(FHelp1);
    drop(FDaftarBrg);
    drop(FMain);
    drop(FLogin);
    created().clear();
}

QList<TForm *> all() { return created(); }
} // namespace windowset
