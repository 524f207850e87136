// Report files as they come from the disk. An input that starts with the
// report file's magic is read as a whole file; any other input is taken as a
// payload and given a correct header and checksum first, so that the fuzzer
// reaches the payload's reader instead of stopping at the checksum. A file
// that reads is written again and must read back as the same pages.
#include "FuzzSupport.h"

#include "core/Errors.h"
#include "reports/ReportFile.h"

#include <QCryptographicHash>
#include <QtEndian>

namespace {
QByteArray asFile(const QByteArray &input)
{
    if (input.startsWith(QByteArrayLiteral("NOTARPT\x1a")))
        return input;
    QByteArray file("NOTARPT\x1a", 8);
    file.resize(20);
    qToLittleEndian<quint16>(reportfile::kVersion, file.data() + 8);
    qToLittleEndian<quint16>(0, file.data() + 10);
    qToLittleEndian<quint64>(quint64(input.size()), file.data() + 12);
    return file + input + QCryptographicHash::hash(input, QCryptographicHash::Sha256);
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // The picture reader warns about every damaged picture; the fuzzer makes millions.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray file = asFile(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    std::shared_ptr<PreparedReport> report;
    try {
        report = reportfile::parse(file, QStringLiteral("fuzz.nqr"));
    } catch (const EError &) {
        return 0;
    }
    const auto again = reportfile::parse(reportfile::serialise(*report), QStringLiteral("again.nqr"));
    fuzz::check(again->samePages(*report), "a report file read, written and read again shows the same pages");
    return 0;
}
