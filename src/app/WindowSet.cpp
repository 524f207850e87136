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
#include "listreports/LaporanPenjualan.h"
#include "search/CBarang.h"
#include "search/Cpelanggan.h"

windows::Instance<TFLogin> FLogin;
windows::Instance<TFMain> FMain;
windows::Instance<TFDaftarBrg> FDaftarBrg;
windows::Instance<TFHelp1> FHelp1;
windows::Instance<TFup1> Fup1;
windows::Instance<TFNota1> FNota1;
windows::Instance<TFNota2> FNota2;
windows::Instance<TFPelanggan> FPelanggan;
windows::Instance<TFabout> Fabout;
windows::Instance<TFNota3> FNota3;
windows::Instance<TFNota4> FNota4;
windows::Instance<TFexit> Fexit;
windows::Instance<TFlihatN> FlihatN;
windows::Instance<TFPass> FPass;
windows::Instance<TFCBarang> FCBarang;
windows::Instance<TFCPelanggan> FCPelanggan;
windows::Instance<TForm1> Form1;
windows::Instance<TForm2> Form2;
windows::Instance<TFLaporanPenjualan> FLaporanPenjualan;

namespace windows {
QList<Slot *> &Slot::allMade()
{
    static QList<Slot *> made;
    return made;
}

void Slot::keep(TForm *form)
{
    m_form = form;
    allMade().append(this);
}

void forget(Slot &slot)
{
    TForm *form = slot.m_form;
    slot.m_form = nullptr;
    delete form;
}

TForm *form(Slot &slot) { return slot.made(); }

template <typename Window>
Window *Instance<Window>::get()
{
    if (!m_form)
        keep(new Window());
    return static_cast<Window *>(m_form);
}

template class Instance<TFLogin>;
template class Instance<TFMain>;
template class Instance<TFDaftarBrg>;
template class Instance<TFHelp1>;
template class Instance<TFup1>;
template class Instance<TFNota1>;
template class Instance<TFNota2>;
template class Instance<TFPelanggan>;
template class Instance<TFabout>;
template class Instance<TFNota3>;
template class Instance<TFNota4>;
template class Instance<TFexit>;
template class Instance<TFlihatN>;
template class Instance<TFPass>;
template class Instance<TFCBarang>;
template class Instance<TFCPelanggan>;
template class Instance<TForm1>;
template class Instance<TForm2>;
template class Instance<TFLaporanPenjualan>;
} // namespace windows

namespace windowset {
void create()
{
    if (nApp)
        nApp->setMainForm(FLogin);
}

void destroy()
{
    if (nApp)
        nApp->setMainForm(nullptr);
    QList<windows::Slot *> &made = windows::Slot::allMade();
    while (!made.isEmpty())
        windows::forget(*made.takeLast());
}

QList<TForm *> all()
{
    QList<TForm *> forms;
    for (const windows::Slot *slot : windows::Slot::allMade())
        forms.append(slot->made());
    return forms;
}

QList<TForm *> every()
{
    return {FLogin.get(),   FMain.get(),  FDaftarBrg.get(), FHelp1.get(),      Fup1.get(),
            FNota1.get(),   FNota2.get(), FPelanggan.get(), Fabout.get(),      FNota3.get(),
            FNota4.get(),   Fexit.get(),  FlihatN.get(),    FPass.get(),       FCBarang.get(),
            FCPelanggan.get(), Form1.get(), Form2.get(),    FLaporanPenjualan.get()};
}
} // namespace windowset
