#pragma once
// The window registry: the 19 windows of the system by their own names, for
// the whole run. Each is made when it is first used (shown, or asked for a
// member) and destroyed by windowset::destroy(); nothing depends on the order
// in which they are made. A window reaches another through this header.
#include <QList>

class TForm;

class TFLogin;
class TFMain;
class TFDaftarBrg;
class TFHelp1;
class TFup1;
class TFNota1;
class TFNota2;
class TFPelanggan;
class TFabout;
class TFNota3;
class TFNota4;
class TFexit;
class TFlihatN;
class TFPass;
class TFCBarang;
class TFCPelanggan;
class TForm1;
class TForm2;
class TFLaporanPenjualan;

namespace windows {
// What every instance shares: the window once made, and the list of the
// made ones for destroying them.
class Slot {
public:
    // Null until the window is made.
    TForm *made() const { return m_form; }
    // The made windows, in the order they were made.
    static QList<Slot *> &allMade();

protected:
    void keep(TForm *form);
    TForm *m_form = nullptr;
    friend void forget(Slot &slot);
};

// One window of the registry: FMain->Show() makes it on first use.
template <typename Window>
class Instance : public Slot {
public:
    Window *get();
    Window *operator->() { return get(); }
    operator Window *() { return get(); }
};

// Any registered window as a window, to show, hide or close it without its
// class: windows::form(FMain)->Show().
TForm *form(Slot &slot);
template <typename Window>
TForm *form(Instance<Window> &window)
{
    window.get();
    return form(static_cast<Slot &>(window));
}
} // namespace windows

extern windows::Instance<TFLogin> FLogin;
extern windows::Instance<TFMain> FMain;
extern windows::Instance<TFDaftarBrg> FDaftarBrg;
extern windows::Instance<TFHelp1> FHelp1;
extern windows::Instance<TFup1> Fup1;
extern windows::Instance<TFNota1> FNota1;
extern windows::Instance<TFNota2> FNota2;
extern windows::Instance<TFPelanggan> FPelanggan;
extern windows::Instance<TFabout> Fabout;
extern windows::Instance<TFNota3> FNota3;
extern windows::Instance<TFNota4> FNota4;
extern windows::Instance<TFexit> Fexit;
extern windows::Instance<TFlihatN> FlihatN;
extern windows::Instance<TFPass> FPass;
extern windows::Instance<TFCBarang> FCBarang;
extern windows::Instance<TFCPelanggan> FCPelanggan;
extern windows::Instance<TForm1> Form1;
extern windows::Instance<TForm2> Form2;
extern windows::Instance<TFLaporanPenjualan> FLaporanPenjualan;
