#include "ParserTexts.h"

#include <QHash>

namespace notadb {
QString ParserTexts::translate(const char *context, const char *sourceText, const char *disambiguation, int n) const
{
    Q_UNUSED(disambiguation);
    Q_UNUSED(n);
    static const QHash<QByteArray, QString> texts = {
        {"Usage: %1", QStringLiteral("Pemakaian: %1")},
        {"[options]", QStringLiteral("[pilihan]")},
        {"Options:", QStringLiteral("Pilihan:")},
        {"Arguments:", QStringLiteral("Argumen:")},
        {"Displays help on commandline options.", QStringLiteral("Tampilkan bantuan ini lalu keluar.")},
        {"Displays help including Qt specific options.", QStringLiteral("Tampilkan bantuan ini beserta pilihan khusus Qt lalu keluar.")},
        {"Displays version information.", QStringLiteral("Tampilkan versi lalu keluar.")},
        {"Unknown option '%1'.", QStringLiteral("Pilihan '%1' tidak dikenal.")},
        {"Unknown options: %1.", QStringLiteral("Pilihan tidak dikenal: %1.")},
        {"Missing value after '%1'.", QStringLiteral("Nilai sesudah '%1' tidak ada.")},
        {"Unexpected value after '%1'.", QStringLiteral("Nilai sesudah '%1' tidak diharapkan.")},
    };
    if (qstrcmp(context, "QCommandLineParser") != 0)
        return QString();
    return texts.value(QByteArray(sourceText));
}
} // namespace notadb
