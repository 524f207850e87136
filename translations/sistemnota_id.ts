<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID">
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>Drive</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Folder</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Pemakaian: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[pilihan]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Pilihan:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumen:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Tampilkan bantuan ini lalu keluar.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Tampilkan bantuan ini beserta pilihan khusus Qt lalu keluar.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Tampilkan versi lalu keluar.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Pilihan &apos;%1&apos; tidak dikenal.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Pilihan tidak dikenal: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Nilai sesudah &apos;%1&apos; tidak ada.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Nilai sesudah &apos;%1&apos; tidak diharapkan.</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Hapus</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>Folder &amp;Baru</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Buka</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Ganti Nama</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Simpan</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Pilih</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Semua Berkas (*)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Mundur</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Tampilan rinci</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Tampilan daftar</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Buat Folder Baru</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Buat Folder Baru</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Tampilan Rinci</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Nama berkas:</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Berkas</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Jenis berkas:</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Maju</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Kembali</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Maju</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Ke folder di atasnya</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Tampilan Daftar</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Daftar tempat dan penanda</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Cari di:</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Folder di Atasnya</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Tampilkan </translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Tampilkan berkas &amp;tersembunyi</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Panel samping</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Buka</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Simpan Sebagai</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Cari Folder</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Folder Baru</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Tempat Terakhir</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Komputer Saya</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 sudah ada.
Ganti berkas itu?</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Berkas tidak ditemukan.
Periksa apakah nama berkasnya benar.</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Folder tidak ditemukan.
Periksa apakah nama foldernya benar.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Yakin akan menghapus &apos;%1&apos;?</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Folder tidak dapat dihapus.</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Computer</source>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Tanggal Diubah</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Ukuran</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>All other platforms</comment>
        <translation>Jenis</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Komputer Saya</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Salin</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Tempel</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ulangi</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Batalkan</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Po&amp;tong</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Pilih Semua</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Salin</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Tempel</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ulangi</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Batalkan</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Po&amp;tong</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Pilih Semua</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Salin Alamat &amp;Tautan</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>Cicero (CC)</source>
        <translation>Cicero (CC)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Ukuran sendiri</translation>
    </message>
    <message>
        <source>Didot (DD)</source>
        <translation>Didot (DD)</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formulir</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Tinggi:</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>Inci (in)</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Mendatar</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Margin</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>Milimeter (mm)</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientasi</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Tata Letak Halaman</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>Urutan halaman:</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>Ukuran halaman:</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>Halaman per lembar:</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Kertas</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>Sumber kertas:</translation>
    </message>
    <message>
        <source>Pica (P̸)</source>
        <translation>Pica (P̸)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>Poin (pt)</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Tegak</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>Mendatar terbalik</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>Tegak terbalik</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Lebar:</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translation>margin bawah</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>margin kiri</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>margin kanan</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>margin atas</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Tidak</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ya</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Hentikan</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Terapkan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Buang</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Bantuan</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Abaikan</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>T&amp;idak untuk Semua</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Buka</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Atur Ulang</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Kembalikan Bawaan</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Coba Lagi</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Simpan Semua</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Ya untuk &amp;Semua</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Jangan Simpan</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>&amp;Pilihan &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>&amp;Pilihan &lt;&lt;</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Cetak</translation>
    </message>
    <message>
        <source>1 (1x1)</source>
        <translation>1 (1x1)</translation>
    </message>
    <message>
        <source>16 (4x4)</source>
        <translation>16 (4x4)</translation>
    </message>
    <message>
        <source>2 (2x1)</source>
        <translation>2 (2x1)</translation>
    </message>
    <message>
        <source>4 (2x2)</source>
        <translation>4 (2x2)</translation>
    </message>
    <message>
        <source>6 (2x3)</source>
        <translation>6 (2x3)</translation>
    </message>
    <message>
        <source>9 (3x3)</source>
        <translation>9 (3x3)</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>Semua Halaman</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>Bawah ke atas, kiri ke kanan</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>Bawah ke atas, kanan ke kiri</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>Halaman Genap</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>Kiri ke kanan, bawah ke atas</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>Kiri ke kanan, atas ke bawah</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Berkas lokal</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>Halaman Ganjil</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Cetak</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>Cetak ke Berkas (PDF)</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>Kanan ke kiri, bawah ke atas</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>Kanan ke kiri, atas ke bawah</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>Atas ke bawah, kiri ke kanan</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>Atas ke bawah, kanan ke kiri</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>Tulis berkas PDF</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>Cetak ke Berkas ...</translation>
    </message>
    <message>
        <source>The &apos;From&apos; value cannot be greater than the &apos;To&apos; value.</source>
        <translation>Nilai &apos;Dari&apos; tidak boleh lebih besar daripada nilai &apos;Sampai&apos;.</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Page Setup</source>
        <translation>Pengaturan Halaman</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Collate</source>
        <translation>Susun per salinan</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Berwarna</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Mode Warna</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Salinan</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Salinan:</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Halaman Ini</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Cetak Bolak-balik</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formulir</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Skala abu-abu</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Jilid sisi panjang</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Tidak</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Pilihan</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Pengaturan Keluaran</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>Kumpulan halaman:</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Halaman</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>Halaman dari</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>Cetak semua</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>Rentang cetak</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Terbalik</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Pilihan</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Jilid sisi pendek</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Tulis halaman atau rentang halaman, dipisahkan koma. Rentang ditulis dengan dua angka dan tanda hubung di antaranya. Mis.: 3,5-7,9 mencetak halaman 3, 5, 6, 7 dan 9.</translation>
    </message>
    <message>
        <source>to</source>
        <translation>sampai</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nama:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formulir</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Lokasi:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>&amp;Berkas keluaran:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>P&amp;roperti</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Pratinjau</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Jenis:</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>Gulir ke Kiri</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Gulir ke Kanan</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Tampilkan Rincian...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Sembunyikan Rincian...</translation>
    </message>
</context>
<context>
    <name>QCalendarWidget</name>
    <message>
        <source>Today</source>
        <translation>Hari ini</translation>
    </message>
</context>
</TS>
