#pragma once
// The window registry: the 23 windows of the system by their own names, for
// the whole run. The window set (app/WindowSet) creates them in binding order
// and destroys them at the end. A window reaches another through this header;
// it includes the other's own header only to use that window's members.
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
class TFPrintN;
class TFPrintN2;
class TFPass;
class TFRPelanggan;
class TFRBarang;
class TFCBarang;
class TFCPelanggan;
class TForm1;
class TForm2;
class TFLaporanPenjualan;

extern TFLogin *FLogin;
extern TFMain *FMain;
extern TFDaftarBrg *FDaftarBrg;
extern TFHelp1 *FHelp1;
extern TFup1 *Fup1;
extern TFNota1 *FNota1;
extern TFNota2 *FNota2;
extern TFPelanggan *FPelanggan;
extern TFabout *Fabout;
extern TFNota3 *FNota3;
extern TFNota4 *FNota4;
extern TFexit *Fexit;
extern TFlihatN *FlihatN;
extern TFPrintN *FPrintN;
extern TFPrintN2 *FPrintN2;
extern TFPass *FPass;
extern TFRPelanggan *FRPelanggan;
extern TFRBarang *FRBarang;
extern TFCBarang *FCBarang;
extern TFCPelanggan *FCPelanggan;
extern TForm1 *Form1;
extern TForm2 *Form2;
extern TFLaporanPenjualan *FLaporanPenjualan;

namespace windows {
// Any registered window as a window, to show, hide or close it without its
// class: windows::form(FMain)->Show(). Defined for the 23 classes above.
template <typename Window>
TForm *form(Window *window);
} // namespace windows
