// Printing through the print system: a private cupsd (private_cups.sh) with
// a queue whose device writes each job to a file. The preview prints with
// its "Print" command and with the printer dialog's own Print button; the
// job that reached the queue is read back (pages, text). Also: what the
// preview says when there is no printer or the queue refuses jobs.
#include "ReportFixtures.h"
#include "TestMain.h"
#include "TestSupport.h"

#include "reports/ReportPreview.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPrintDialog>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <cups/cups.h>

namespace {
const QString kQueue = QStringLiteral("NotaPdf");

std::unique_ptr<ReportDefinition> threePages()
{
    fixture::Shape shape;
    shape.records = 10;  // 4 rows a page: 3 pages
    auto def = fixture::definition(shape);
    def->title = QStringLiteral("Daftar Uji");
    return def;
}

// The preview of the three-page report, produced to its end.
struct ShownReport {
    const std::unique_ptr<ReportDefinition> def = threePages();
    ReportPreview window;
    ShownReport()
    {
        window.showReport(*def);
        window.finishProduction();
    }
};

QString run(const QString &program, const QStringList &arguments, int *exitCode = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    process.waitForFinished(60000);
    if (exitCode)
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return QString::fromUtf8(process.readAll()).trimmed();
}

// Accepts the printer dialog once it shows, as a person pressing its Print.
void acceptPrintDialogWhenShown()
{
    auto *timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, timer, [timer] {
        if (auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            dialog->accept();
        }
    });
    timer->start(20);
}
} // namespace

class TestReportPrinting : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void noPrinterInstalled();
    void printsOnTheQueue_data();
    void printsOnTheQueue();
    void queueRefusingJobsSaysWhy();
    void chosenPrinterRemovedSaysSo();

private:
    QString script() const { return QFINDTESTDATA("private_cups.sh"); }
    QString jobFile() const { return m_dir.filePath(QStringLiteral("out/NotaPdf.pdf")); }
    void addQueue();
    // Waits until the queue has no job left to do; the device has then
    // written the job's file.
    void waitForQueue();
    // The print system's log, for a failure's message.
    QString printLog() const
    {
        QFile log(m_dir.filePath(QStringLiteral("log/error_log")));
        return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll().right(1500)) : QString();
    }

    QTemporaryDir m_dir;
    bool m_started = false;
    bool m_queueAdded = false;
};

void TestReportPrinting::initTestCase()
{
    for (const char *tool : {"pdfinfo", "pdftotext", "lpstat"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            QSKIP(qPrintable(QStringLiteral("%1 is not installed (tools/install-deps.sh)").arg(QLatin1String(tool))));
    }
    QVERIFY(m_dir.isValid());
    int exitCode = 0;
    const QString answer = run(QStringLiteral("bash"), {script(), QStringLiteral("start"), m_dir.path()}, &exitCode);
    m_started = true;
    if (exitCode != 0)
        QSKIP(qPrintable(QStringLiteral("no private print system: %1").arg(answer)));
    const QString socket = answer.section(QLatin1Char('\n'), -1);
    QVERIFY2(QFile::exists(socket), qPrintable(answer));
    qputenv("CUPS_SERVER", socket.toUtf8());
    cupsSetServer(nullptr);  // read CUPS_SERVER again
}

void TestReportPrinting::cleanupTestCase()
{
    if (m_started)
        run(QStringLiteral("bash"), {script(), QStringLiteral("stop"), m_dir.path()});
}

void TestReportPrinting::addQueue()
{
    if (m_queueAdded)
        return;
    int exitCode = 0;
    const QString answer = run(QStringLiteral("bash"), {script(), QStringLiteral("queue"), m_dir.path()}, &exitCode);
    QVERIFY2(exitCode == 0, qPrintable(answer));
    m_queueAdded = true;
}

void TestReportPrinting::waitForQueue()
{
    QTRY_VERIFY_WITH_TIMEOUT(run(QStringLiteral("lpstat"), {QStringLiteral("-o")}).isEmpty(), 60000);
}

void TestReportPrinting::noPrinterInstalled()
{
    ShownReport shown;
    ReportPreview &window = shown.window;
    ScriptedInterface messages;
    window.Print->trigger();
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().text, QStringLiteral("Laporan tidak dapat dicetak: belum ada printer yang terpasang."));
    QCOMPARE(messages.last().kind, MsgKind::Exclamation);

    // A printer installed while the preview is open is found at the next print.
    addQueue();
    QFile::remove(jobFile());
    window.Print->trigger();
    QCOMPARE(messages.count(), 1);
    waitForQueue();
    QVERIFY2(QFile::exists(jobFile()), qPrintable(printLog()));
}

void TestReportPrinting::printsOnTheQueue_data()
{
    QTest::addColumn<bool>("throughDialog");
    QTest::newRow("Print command") << false;
    QTest::newRow("printer dialog's Print") << true;
}

void TestReportPrinting::printsOnTheQueue()
{
    QFETCH(bool, throughDialog);
    addQueue();
    QFile::remove(jobFile());
    ShownReport shown;
    ReportPreview &window = shown.window;
    ScriptedInterface messages;
    if (throughDialog) {
        acceptPrintDialogWhenShown();
        window.PrinterSetup->trigger();
        QCOMPARE(window.chosenPrinter(), kQueue);
    } else {
        window.Print->trigger();
    }
    QCOMPARE(messages.count(), 0);
    waitForQueue();
    QVERIFY2(QFile::exists(jobFile()), qPrintable(QStringLiteral("the job did not reach the queue's device: ") + printLog()));

    const QString info = run(QStringLiteral("pdfinfo"), {jobFile()});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("^Pages:\\s+3$"), QRegularExpression::MultilineOption)),
             qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("^Title:\\s+Daftar Uji$"), QRegularExpression::MultilineOption)),
             qPrintable(info));
    const QString text = run(QStringLiteral("pdftotext"), {jobFile(), QStringLiteral("-")});
    for (const QString &expected : {QStringLiteral("Halaman 1"), QStringLiteral("Halaman 3"), QStringLiteral("count=10")})
        QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" not in: ") + text));
}

void TestReportPrinting::queueRefusingJobsSaysWhy()
{
    addQueue();
    int exitCode = 0;
    const QString answer = run(QStringLiteral("cupsreject"), {QStringLiteral("-r"), QStringLiteral("Kertas habis"), kQueue}, &exitCode);
    QVERIFY2(exitCode == 0, qPrintable(answer));
    ShownReport shown;
    ReportPreview &window = shown.window;
    ScriptedInterface messages;
    window.Print->trigger();
    run(QStringLiteral("cupsaccept"), {kQueue});
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().text, QStringLiteral("Laporan tidak dapat dicetak: printer 'NotaPdf' menjawab: Kertas habis."));
}

void TestReportPrinting::chosenPrinterRemovedSaysSo()
{
    addQueue();
    int exitCode = 0;
    QString answer = run(QStringLiteral("bash"), {script(), QStringLiteral("queue"), m_dir.path(), QStringLiteral("NotaLain")},
                         &exitCode);
    QVERIFY2(exitCode == 0, qPrintable(answer));
    ShownReport shown;
    ReportPreview &window = shown.window;
    ScriptedInterface messages;
    acceptPrintDialogWhenShown();
    window.PrinterSetup->trigger();
    const QString chosen = window.chosenPrinter();
    QVERIFY(chosen == kQueue || chosen == QStringLiteral("NotaLain"));
    waitForQueue();
    answer = run(QStringLiteral("lpadmin"), {QStringLiteral("-x"), chosen}, &exitCode);
    QVERIFY2(exitCode == 0, qPrintable(answer));
    if (chosen == kQueue)
        m_queueAdded = false;

    // Not printed on another printer unasked.
    window.Print->trigger();
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().text,
             QStringLiteral("Laporan tidak dapat dicetak: printer '%1' tidak ada lagi. "
                            "Pilih printer lain dengan \"Printer setup\".").arg(chosen));
}

NOTA_TEST_MAIN(TestReportPrinting)
#include "test_report_printing.moc"
