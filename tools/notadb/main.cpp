// notadb: creates, checks, backs up and fills the database of Sistem Nota.
// Each command is one row of the table below: its name, its arguments for the
// help text, and what it runs.
#include "AccountCommands.h"
#include "Commands.h"
#include "CsvCommands.h"
#include "core/ToolkitTexts.h"
#include "data/Connection.h"
#include "data/Database.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <functional>

namespace {
struct Command {
    QString name;
    QString synopsis;  // what follows the name, for the help text
    QString summary;
    int arguments;     // positional arguments after the name
    // Opens the database through the engine, which would make any file a
    // database: a file is looked at read-only first and left alone when it
    // is not a database of this program; a server database must hold the
    // seven tables.
    bool opensWithEngine;
    std::function<int(const QStringList &args)> run;
};

QString helpText(const QList<Command> &commands)
{
    QString text = QStringLiteral("Pengelolaan basis data Sistem Nota (alias KV).\n\nPerintah:\n");
    for (const Command &c : commands)
        text += QStringLiteral("  %1 %2\n").arg((c.name + QLatin1Char(' ') + c.synopsis).leftJustified(46), c.summary);
    text += QStringLiteral("\nStatus keluar: 0 selesai, 1 gagal atau ada masalah, 2 panggilan salah.");
    return text;
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("notadb"));
    QCoreApplication::setApplicationVersion(QStringLiteral(NOTA_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    // Before the parser is set up: it takes its texts when options are added.
    toolkittexts::install();

    QCommandLineParser parser;
    const QCommandLineOption databaseOption(
        QStringLiteral("database"),
        QStringLiteral("Berkas basis data atau URI server postgresql://USER@HOST:PORT/DB (bawaan: yang ditunjuk alias KV)."),
        QStringLiteral("file|uri"));
    const QCommandLineOption userOption(QStringLiteral("user"),
                                        QStringLiteral("Nama pengguna akun (init: akun pertama; passwd)."),
                                        QStringLiteral("name"));
    const QCommandLineOption passwordOption(
        QStringLiteral("password"),
        QStringLiteral("Kata sandi akun pertama (init), hanya untuk skrip: setiap pengguna mesin ini dapat membacanya di "
                       "daftar proses. Tanpa pilihan ini init menanyakannya di terminal, atau membaca satu baris dari "
                       "masukan standar."),
        QStringLiteral("password"));
    const QCommandLineOption waitOption(
        QStringLiteral("wait"),
        QStringLiteral("Berapa detik menunggu kunci program lain sebelum menyerah (bawaan %1).").arg(notadb::kDefaultWaitMs / 1000),
        QStringLiteral("seconds"));
    const QCommandLineOption picturesOption(QStringLiteral("pictures"),
                                            QStringLiteral("Folder gambar barang sebagai berkas bitmap (export; import hanya membacanya dari sana)."),
                                            QStringLiteral("dir"));
    const QCommandLineOption repairOption(
        QStringLiteral("repair"),
        QStringLiteral("Tambahkan indeks pencarian dan indeks baca yang belum ada, bila tidak ada masalah lain (check)."));
    const QCommandLineOption dryRunOption(QStringLiteral("dry-run"), QStringLiteral("Hanya periksa berkasnya (import)."));
    const QCommandLineOption fromOption(QStringLiteral("from"), QStringLiteral("Berkas basis data yang disalin (copy)."),
                                        QStringLiteral("file"));
    const QCommandLineOption toOption(
        QStringLiteral("to"),
        QStringLiteral("Basis data server tujuan salinan (copy); folder untuk cadangan bertanggal (backup, backups)."),
        QStringLiteral("uri|dir"));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("perintah"), QStringLiteral("salah satu perintah di atas"));
    for (const QCommandLineOption &o : {databaseOption, userOption, passwordOption, waitOption, picturesOption, repairOption, dryRunOption, fromOption,
                                    toOption})
        parser.addOption(o);

    QString file;
    int waitMs = notadb::kDefaultWaitMs;
    const QList<Command> commands = {
        {QStringLiteral("path"), QString(), QStringLiteral("tampilkan berkas basis data atau server yang ditunjuk alias KV"), 0,
         false,
         [&](const QStringList &) {
             out << connection::printable(file) << "\n";
             return 0;
         }},
        {QStringLiteral("init"), QStringLiteral("--user NAME [--password PASS]"),
         QStringLiteral("buat basis data dengan akun pertamanya"), 0, false,
         [&](const QStringList &) {
             return notadb::init(file, parser.value(userOption),
                                 parser.isSet(passwordOption) ? std::optional(parser.value(passwordOption)) : std::nullopt,
                                 out, err);
         }},
        {QStringLiteral("users"), QString(), QStringLiteral("tampilkan daftar akun dan jumlah login masing-masing"), 0, true,
         [&](const QStringList &) { return notadb::users(file, out, err); }},
        {QStringLiteral("passwd"), QStringLiteral("--user NAME"),
         QStringLiteral("ganti kata sandi sebuah akun (ditanyakan dua kali, atau satu baris dari stdin)"), 0, true,
         [&](const QStringList &) {
             if (parser.isSet(passwordOption)) {
                 err << "notadb: passwd menanyakan kata sandi di terminal atau membacanya dari masukan standar, "
                        "tidak pernah dari --password\n";
                 return 2;
             }
             return notadb::passwd(file, parser.value(userOption), out, err);
         }},
        {QStringLiteral("check"), QStringLiteral("[--repair]"),
         QStringLiteral("periksa keutuhan, tabel, indeks, dan nilai yang tersimpan"), 0, false,
         [&](const QStringList &) { return notadb::check(file, waitMs, parser.isSet(repairOption), out, err); }},
        {QStringLiteral("backup"), QStringLiteral("DEST | --to DIR"),
         QStringLiteral("salin basis data (meski sedang dipakai) ke berkas baru DEST, atau cadangan bertanggal yang diperiksa ke DIR"), 1, false,
         [&](const QStringList &args) {
             if (parser.isSet(toOption))
                 return notadb::backupInto(file, parser.value(toOption), waitMs, out, err);
             return notadb::backup(file, args.at(0), waitMs, out, err);
         }},
        {QStringLiteral("backups"), QStringLiteral("[--to DIR]"),
         QStringLiteral("tampilkan cadangan bertanggal beserta ukuran dan hasil pemeriksaannya"), 0, false,
         [&](const QStringList &) { return notadb::listBackups(file, parser.value(toOption), waitMs, out, err); }},
        {QStringLiteral("restore"), QStringLiteral("FILE"),
         QStringLiteral("pulihkan cadangan menggantikan basis data; yang digantikan tetap disimpan"), 1, false,
         [&](const QStringList &args) { return notadb::restore(file, args.at(0), waitMs, out, err); }},
        {QStringLiteral("sample"), QString(), QStringLiteral("isi basis data dengan contoh toko kecil"), 0, true,
         [&](const QStringList &) { return notadb::sample(file, out, err); }},
        {QStringLiteral("export"), QStringLiteral("goods|customers FILE.csv"),
         QStringLiteral("tulis semua record ke berkas CSV [--pictures DIR]"), 2, true,
         [&](const QStringList &args) {
             return notadb::exportCsv(file, args.at(0), args.at(1), parser.value(picturesOption), out, err);
         }},
        {QStringLiteral("import"), QStringLiteral("goods|customers FILE.csv"),
         QStringLiteral("tambahkan record dari berkas CSV, semua atau tidak sama sekali [--dry-run] [--pictures DIR]"), 2, true,
         [&](const QStringList &args) {
             return notadb::importCsv(file, args.at(0), args.at(1), parser.value(picturesOption), parser.isSet(dryRunOption),
                                      out, err);
         }},
        {QStringLiteral("copy"), QStringLiteral("--from FILE --to URI"),
         QStringLiteral("pindahkan toko dari berkasnya ke basis data server yang kosong"), 0, false,
         [&](const QStringList &) {
             if (!parser.isSet(fromOption) || !parser.isSet(toOption)) {
                 err << "notadb: pemakaian: notadb copy --from FILE --to postgresql://USER@HOST:PORT/DB\n";
                 return 2;
             }
             return notadb::copyToServer(parser.value(fromOption), parser.value(toOption), waitMs, out, err);
         }},
    };
    parser.setApplicationDescription(helpText(commands));

    const auto usage = [&](const QString &text) {
        err << "notadb: " << text << "\n";
        return 2;
    };
    // Not process(): it ends a wrong call with status 1, the help promises 2.
    if (!parser.parse(QCoreApplication::arguments()))
        return usage(parser.errorText() + QStringLiteral(" (notadb --help menampilkan daftar pilihan)"));
    if (parser.isSet(helpOption) || parser.isSet(QStringLiteral("help-all"))) {
        out << parser.helpText();
        return 0;
    }
    if (parser.isSet(versionOption)) {
        out << "notadb " << QCoreApplication::applicationVersion() << "\n";
        return 0;
    }
    const QStringList args = parser.positionalArguments();
    if (args.isEmpty()) {
        err << parser.helpText();
        return 2;
    }
    QStringList names;
    for (const Command &c : commands)
        names << c.name;
    const auto command = std::find_if(commands.begin(), commands.end(), [&](const Command &c) { return c.name == args.first(); });
    if (command == commands.end())
        return usage(QStringLiteral("perintah '%1' tidak dikenal (%2)").arg(args.first(), names.join(QStringLiteral(", "))));
    // A dated backup into a folder needs no DEST.
    const bool dated = command->name == QLatin1String("backup") && parser.isSet(toOption);
    if (args.size() - 1 != command->arguments - (dated ? 1 : 0))
        return usage(QStringLiteral("pemakaian: notadb %1 %2").arg(command->name, command->synopsis));
    if (parser.isSet(waitOption)) {
        bool ok = false;
        const double seconds = parser.value(waitOption).toDouble(&ok);
        if (!ok || seconds < 0 || seconds > 86400)
            return usage(QStringLiteral("--wait menerima jumlah detik dari 0 sampai 86400"));
        waitMs = int(seconds * 1000);
    }
    if (command->name == QLatin1String("export") || command->name == QLatin1String("import")) {
        if (const QString wrong = notadb::wrongCsvCall(command->name, args.at(1), parser.value(picturesOption)); !wrong.isEmpty())
            return usage(wrong);
    }
    file = parser.isSet(databaseOption) ? parser.value(databaseOption) : database::aliasPath(QStringLiteral("KV"));
    if (command->opensWithEngine) {
        if (const int refused = notadb::refuseUnlessOurDatabase(file, waitMs, err))
            return refused;
    }
    return command->run(args.mid(1));
}
