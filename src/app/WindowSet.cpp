#include "app/WindowSet.h"
#include "app/Windows.h"

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
#include "invoice/PrintN.h"
#include "invoice/PrintN2.h"
#include "listreports/LaporanPenjualan.h"
#include "listreports/RBarang.h"
#include "listreports/RPelanggan.h"
#include "search/CBarang.h"
#include "search/Cpelanggan.h"

TFLogin *FLogin = nullptr;
TFMain *FMain = nullptr;
TFDaftarBrg *FDaftarBrg = nullptr;
TFHelp1 *FHelp1 = nullptr;
TFup1 *Fup1 = nullptr;
TFNota1 *FNota1 = nullptr;
TFNota2 *FNota2 = nullptr;
TFPelanggan *FPelanggan = nullptr;
TFabout *Fabout = nullptr;
TFNota3 *FNota3 = nullptr;
TFNota4 *FNota4 = nullptr;
TFexit *Fexit = nullptr;
TFlihatN *FlihatN = nullptr;
TFPrintN *FPrintN = nullptr;
TFPrintN2 *FPrintN2 = nullptr;
TFPass *FPass = nullptr;
TFRPelanggan *FRPelanggan = nullptr;
TFRBarang *FRBarang = nullptr;
TFCBarang *FCBarang = nullptr;
TFCPelanggan *FCPelanggan = nullptr;
TForm1 *Form1 = nullptr;
TForm2 *Form2 = nullptr;
TFLaporanPenjualan *FLaporanPenjualan = nullptr;

namespace windows {
template <typename Window>
TForm *form(Window *window)
{
    return window;
}
template TForm *form(TFLogin *);
template TForm *form(TFMain *);
template TForm *form(TFDaftarBrg *);
template TForm *form(TFHelp1 *);
template TForm *form(TFup1 *);
template TForm *form(TFNota1 *);
template TForm *form(TFNota2 *);
template TForm *form(TFPelanggan *);
template TForm *form(TFabout *);
template TForm *form(TFNota3 *);
template TForm *form(TFNota4 *);
template TForm *form(TFexit *);
template TForm *form(TFlihatN *);
template TForm *form(TFPrintN *);
template TForm *form(TFPrintN2 *);
template TForm *form(TFPass *);
template TForm *form(TFRPelanggan *);
template TForm *form(TFRBarang *);
template TForm *form(TFCBarang *);
template TForm *form(TFCPelanggan *);
template TForm *form(TForm1 *);
template TForm *form(TForm2 *);
template TForm *form(TFLaporanPenjualan *);
} // namespace windows

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
    make(FLaporanPenjualan);
}

void destroy()
{
    if (nApp)
        nApp->setMainForm(nullptr);
    drop(FLaporanPenjualan);
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
