#include "app/CommandLine.h"

#include <cstdio>
#include <cstring>

namespace {
const char kHelp[] =
    "Pemakaian: sistemnota [--help] [--version]\n"
    "\n"
    "Sistem Nota: nota penjualan, daftar barang dan pelanggan untuk toko suku cadang karet otomotif.\n"
    "Basis data yang dipakai ditunjuk alias KV: variabel NOTA_KV_DATABASE, atau kunci KV di bagian\n"
    "[aliases] berkas ~/.config/sistemnota/alias.ini (berkas SQLite atau postgresql://USER@HOST/DB),\n"
    "atau ~/.local/share/sistemnota/kv.sqlite. Pengelolaan basis data: notadb --help.\n"
    "\n"
    "Pilihan:\n"
    "  -h, --help     tampilkan bantuan ini lalu keluar\n"
    "  -v, --version  tampilkan versi lalu keluar\n";
}

namespace commandline {
std::optional<int> answer(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const char *a = argv[i];
        if (!std::strcmp(a, "--help") || !std::strcmp(a, "-h")) {
            std::fputs(kHelp, stdout);
            return 0;
        }
        if (!std::strcmp(a, "--version") || !std::strcmp(a, "-v")) {
            std::printf("sistemnota %s\n", NOTA_VERSION);
            return 0;
        }
    }
    return std::nullopt;
}
} // namespace commandline
