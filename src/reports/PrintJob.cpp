#include "reports/PrintJob.h"

#include "reports/PageRenderer.h"

#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>

#include <cups/cups.h>

namespace {

QString notPrinted(const QString &why)
{
    return QStringLiteral("Laporan tidak dapat dicetak: %1").arg(why);
}

// Whether the print system answers where its clients reach it (CUPS_SERVER,
// client.conf or the local socket). An empty printer list says nothing
// about that: a stopped print system lists no printers either.
bool printSystemAnswers()
{
    http_t *http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, 5000, nullptr);
    if (!http)
        return false;
    httpClose(http);
    return true;
}

// The print system's answer to the last request of this thread when it
// refused it, else empty.
QString lastRefusal()
{
    if (cupsLastError() < IPP_STATUS_REDIRECTION_OTHER_SITE)
        return {};
    return QString::fromUtf8(cupsLastErrorString()).trimmed();
}

// Why the queue takes no job now, in the print system's own words (the
// reason its administrator gave); empty when it takes jobs. Asking also
// leaves this thread's last answer at "successful" for lastRefusal() after
// the job.
QString queueRefusal(const QString &name)
{
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0, "/printers/%s",
                     name.toUtf8().constData());
    ipp_t *request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    static const char *const wanted[] = {"printer-is-accepting-jobs", "printer-state-message"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr, wanted);
    ipp_t *response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    QString refusal = lastRefusal();
    if (response && refusal.isEmpty()) {
        ipp_attribute_t *accepting = ippFindAttribute(response, "printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
        if (accepting && !ippGetBoolean(accepting, 0)) {
            ipp_attribute_t *message = ippFindAttribute(response, "printer-state-message", IPP_TAG_TEXT);
            const char *text = message ? ippGetString(message, 0, nullptr) : nullptr;
            refusal = text && *text ? QString::fromUtf8(text).trimmed()
                                    : QStringLiteral("printer tidak menerima pekerjaan cetak");
        }
    }
    ippDelete(response);
    return refusal;
}

// The queue's own words for why it refused.
QString answered(const QString &printer, const QString &refusal)
{
    return notPrinted(QStringLiteral("printer '%1' menjawab: %2").arg(printer, refusal));
}

} // namespace

namespace printjob {

QString desktopPrinter()
{
    const QString fallback = QPrinterInfo::defaultPrinterName();
    if (!fallback.isEmpty())
        return fallback;
    const QStringList printers = QPrinterInfo::availablePrinterNames();
    return printers.isEmpty() ? QString() : printers.first();
}

QString print(QPrinter &printer, const QString &chosen, const PreparedReport &report)
{
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        if (pagerender::print(printer, report))
            return {};
        return notPrinted(QStringLiteral("berkas '%1' tidak dapat ditulis.")
                              .arg(QFileInfo(printer.outputFileName()).fileName()));
    }

    const QStringList printers = QPrinterInfo::availablePrinterNames();
    if (printers.isEmpty()) {
        return notPrinted(printSystemAnswers() ? QStringLiteral("belum ada printer yang terpasang.")
                                               : QStringLiteral("sistem pencetakan (CUPS) tidak berjalan."));
    }
    const QString target = chosen.isEmpty() ? desktopPrinter() : chosen;
    if (!printers.contains(target)) {
        return notPrinted(
            QStringLiteral("printer '%1' tidak ada lagi. Pilih printer lain dengan \"Printer setup\".").arg(target));
    }
    if (const QString refusal = queueRefusal(target); !refusal.isEmpty())
        return answered(target, refusal);

    printer.setOutputFileName(QString());
    printer.setPrinterName(target);
    if (printer.outputFormat() != QPrinter::NativeFormat || printer.printerName() != target)
        return notPrinted(QStringLiteral("printer '%1' tidak dapat dibuka.").arg(target));
    const bool painted = pagerender::print(printer, report);
    // The job is handed over when painting ends; the print system's refusal
    // (a full spool, a queue that stopped taking jobs) shows only there.
    if (const QString refusal = lastRefusal(); !refusal.isEmpty())
        return answered(target, refusal);
    if (!painted)
        return notPrinted(QStringLiteral("printer '%1' tidak dapat dibuka.").arg(target));
    return {};
}

} // namespace printjob
