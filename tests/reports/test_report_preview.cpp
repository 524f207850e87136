// The preview window: caption, commands, paging keys, status bar, producing
// while shown, report files and printing from the window.
#include "ReportFixtures.h"
#include "TestMain.h"
#include "TestSupport.h"

#include "reports/PageView.h"
#include "reports/ProgressSteps.h"
#include "reports/ReportFile.h"
#include "reports/ReportLayout.h"
#include "reports/ReportPreview.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>

#include <cups/cups.h>

namespace {
// Records that call `onRecord` when the cursor reaches row `at`.
class ObservedRecords : public MemoryRecords {
public:
    using MemoryRecords::MemoryRecords;
    int at = -1;
    std::function<void()> onRecord;
    void next() override
    {
        MemoryRecords::next();
        if (position() == at && onRecord)
            onRecord();
    }
};

std::unique_ptr<ReportDefinition> pages(int count, const QString &title = QStringLiteral("Test"))
{
    fixture::Shape shape;
    shape.records = count * 4 - 2;  // 4 rows a page; summary and child fit on the last
    auto def = fixture::definition(shape);
    def->title = title;
    return def;
}

int pdfPages(const QString &pdf)
{
    QProcess run;
    run.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    run.waitForFinished(30000);
    return int(QString::fromUtf8(run.readAllStandardOutput()).split(QLatin1Char('\f'), Qt::SkipEmptyParts).size());
}
} // namespace

class TestReportPreview : public QObject {
    Q_OBJECT
private slots:
    void captionCommandsAndStatus_data();
    void captionCommandsAndStatus();
    void modalPreviewOpensMaximisedOnPageOne();
    void previewLeavesOtherWindowsUsable();
    void pagingKeys_data();
    void pagingKeys();
    void escapeCloses();
    void pagesShowWhileProducedAndPrintWaitsForTheEnd();
    void sameReportTwiceDoesNotMixRows();
    void progressSteps_data();
    void progressSteps();
    void zoomModes();
    void saveThenLoadInTheWindow();
    void badReportFileLeavesTheWindowAsItWas();
    void printAndExportPdf();
    void printWithoutPrintSystemSaysWhy();
};

void TestReportPreview::captionCommandsAndStatus_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("caption");
    QTest::newRow("titled") << "Nota" << "Nota";
    QTest::newRow("untitled") << "" << "Print Preview";
}

void TestReportPreview::captionCommandsAndStatus()
{
    QFETCH(QString, title);
    QFETCH(QString, caption);
    const auto def = pages(3, title);
    ReportPreview window;
    window.showReport(*def);
    window.finishProduction();
    QCOMPARE(window.caption(), caption);
    QCOMPARE(window.PagePanel->text(), QStringLiteral("Page 1 of 3"));
    QCOMPARE(window.ProgressPanel->text(), QString());

    QStringList hints;
    for (QAction *action : window.ToolBar->actions())
        if (!action->isSeparator() && window.ToolBar->widgetForAction(action) != window.CloseButton)
            hints << action->toolTip();
    QCOMPARE(hints, (QStringList{"Zoom to fit", "100%", "Zoom to width", "First page", "Previous page", "Next page",
                                 "Last page", "Printer setup", "Print", "Save Report", "Load Report", "Ekspor PDF"}));
    QCOMPARE(window.CloseButton->text(), QStringLiteral("&Close"));
    for (QAction *zoom : {window.ZoomFit, window.Zoom100, window.ZoomWidth})
        QVERIFY(zoom->isCheckable());
}

void TestReportPreview::modalPreviewOpensMaximisedOnPageOne()
{
    const auto def = pages(3, QStringLiteral("Nota"));
    bool ran = false;
    ScriptedInterface person;
    person.actInside([&](TForm &form) {
        auto *preview = qobject_cast<ReportPreview *>(&form);
        QVERIFY(preview);
        ran = true;
        QVERIFY(preview->isVisible());
        QVERIFY(preview->windowState() & Qt::WindowMaximized);
        QCOMPARE(preview->windowModality(), Qt::ApplicationModal);
        QCOMPARE(preview->caption(), QStringLiteral("Nota"));
        QTRY_VERIFY(preview->complete());
        QCOMPARE(preview->pageIndex(), 0);
        QCOMPARE(preview->PagePanel->text(), QStringLiteral("Page 1 of 3"));
    });
    reports::previewModal(*def);
    QVERIFY(ran);
}

void TestReportPreview::previewLeavesOtherWindowsUsable()
{
    const auto def = pages(2);
    TForm other;
    other.setClientSize(200, 100);
    other.Show();
    bool ran = false;
    ScriptedInterface person;
    person.actInside<ReportPreview>([&](ReportPreview &preview) {
        ran = true;
        QVERIFY(preview.isVisible());
        QVERIFY(preview.windowState() & Qt::WindowMaximized);
        QCOMPARE(preview.windowModality(), Qt::NonModal);
        QVERIFY(!QApplication::activeModalWidget());
        // Another window can still be used, while the preview stays open.
        other.Hide();
        other.Show();
        QVERIFY(other.isVisible() && preview.isVisible());
        QTRY_VERIFY(preview.complete());
        preview.CloseButton->click();
        QVERIFY(!preview.isVisible());
    });
    reports::preview(*def);  // returns only once the preview window is closed
    QVERIFY(ran);
    // The report left its records on the end.
    QVERIFY(def->records->eof());
}

void TestReportPreview::pagingKeys_data()
{
    QTest::addColumn<QList<int>>("keys");  // key | modifiers
    QTest::addColumn<QString>("status");
    const int ctrl = int(Qt::ControlModifier);
    QTest::newRow("page down") << QList<int>{Qt::Key_PageDown} << "Page 2 of 3";
    QTest::newRow("page down past the end") << QList<int>{Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageDown}
                                            << "Page 3 of 3";
    QTest::newRow("page up at the start") << QList<int>{Qt::Key_PageUp} << "Page 1 of 3";
    QTest::newRow("page down, page up") << QList<int>{Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageUp}
                                        << "Page 2 of 3";
    QTest::newRow("end") << QList<int>{Qt::Key_End} << "Page 3 of 3";
    QTest::newRow("end, home") << QList<int>{Qt::Key_End, Qt::Key_Home} << "Page 1 of 3";
    QTest::newRow("ctrl page down") << QList<int>{Qt::Key_PageDown | ctrl} << "Page 3 of 3";
    QTest::newRow("ctrl page up") << QList<int>{Qt::Key_End, Qt::Key_PageUp | ctrl} << "Page 1 of 3";
}

void TestReportPreview::pagingKeys()
{
    QFETCH(QList<int>, keys);
    QFETCH(QString, status);
    const auto def = pages(3);
    // Keys reach the window both directly and through the page area.
    for (bool throughPageArea : {false, true}) {
        ReportPreview window;
        window.showReport(*def);
        window.finishProduction();
        window.Show();
        QWidget *target = throughPageArea ? static_cast<QWidget *>(window.PageArea) : &window;
        for (int key : keys)
            QTest::keyClick(target, Qt::Key(key & ~int(Qt::KeyboardModifierMask)),
                            Qt::KeyboardModifiers(key & int(Qt::KeyboardModifierMask)));
        QCOMPARE(window.PagePanel->text(), status);
        QCOMPARE(window.View->page() + 1, window.pageIndex() + 1);
        window.Close();
    }
}

void TestReportPreview::escapeCloses()
{
    const auto def = pages(1);
    ReportPreview window;
    window.showReport(*def);
    window.Show();
    QVERIFY(window.isVisible());
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(!window.isVisible());
}

void TestReportPreview::pagesShowWhileProducedAndPrintWaitsForTheEnd()
{
    auto rows = std::make_shared<ObservedRecords>(QStringList{"Nama"});
    for (int i = 1; i <= 2000; ++i)
        rows->addRow({QStringLiteral("Item %1").arg(i)});
    fixture::Shape shape;
    auto def = fixture::definition(shape);
    def->records = rows;

    ReportPreview window;
    QString statusMidway;
    bool printMidway = true, setupMidway = true;
    QString progressMidway;
    rows->at = 1500;
    rows->onRecord = [&] {
        statusMidway = window.PagePanel->text();
        printMidway = window.Print->isEnabled();
        setupMidway = window.PrinterSetup->isEnabled();
        progressMidway = window.ProgressPanel->text();
    };
    window.showReport(*def);
    QVERIFY(!window.Print->isEnabled());
    QVERIFY(!window.PrinterSetup->isEnabled());
    window.Show();
    QTRY_VERIFY_WITH_TIMEOUT(window.complete(), 60000);

    // Midway: the first pages were there to see, printing was not yet possible.
    QVERIFY2(statusMidway.startsWith(QLatin1String("Page 1 of ")), qPrintable(statusMidway));
    QVERIFY(statusMidway.section(' ', 3).toInt() > 0);
    QVERIFY(!printMidway);
    QVERIFY(!setupMidway);
    QVERIFY(progressMidway.endsWith(QLatin1Char('%')));
    // At the end: every page, the commands, and an empty progress panel.
    QCOMPARE(window.PagePanel->text(), QStringLiteral("Page 1 of 501"));  // 500 full pages, then the summary
    QVERIFY(window.Print->isEnabled());
    QVERIFY(window.PrinterSetup->isEnabled());
    QCOMPARE(window.ProgressPanel->text(), QString());
}

void TestReportPreview::sameReportTwiceDoesNotMixRows()
{
    fixture::Shape shape;
    shape.records = 3000;
    const auto def = fixture::definition(shape);
    ReportPreview first, second;
    first.showReport(*def);
    first.Show();
    QCoreApplication::processEvents();  // the first slice
    second.showReport(*def);            // finishes the first before it starts
    QVERIFY(first.complete());
    QTRY_VERIFY_WITH_TIMEOUT(second.complete(), 60000);
    const auto alone = reports::layout(*def);
    QVERIFY(first.report()->samePages(*alone));
    QVERIFY(second.report()->samePages(*alone));
}

void TestReportPreview::progressSteps_data()
{
    QTest::addColumn<QList<int>>("percents");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("steps of five")
        << QList<int>{0, 1, 4, 5, 6, 9, 10, 12, 17, 100}
        << QStringList{"", "", "", "5%", "5%", "5%", "10%", "10%", "17%", ""};
    QTest::newRow("small reports jump")
        << QList<int>{33, 66, 100} << QStringList{"33%", "66%", ""};
    QTest::newRow("one record") << QList<int>{100} << QStringList{""};
}

void TestReportPreview::progressSteps()
{
    QFETCH(QList<int>, percents);
    QFETCH(QStringList, shown);
    ProgressSteps steps;
    QStringList seen;
    for (int p : percents) {
        steps.update(p);
        seen << steps.text();
    }
    QCOMPARE(seen, shown);
}

void TestReportPreview::zoomModes()
{
    const auto def = pages(2);
    ReportPreview window;
    window.showReport(*def);
    window.finishProduction();
    window.resize(1000, 800);
    window.Show();
    QCOMPARE(window.zoomMode(), ReportPreview::Zoom::Width);

    window.ZoomFit->trigger();
    QVERIFY(window.ZoomFit->isChecked() && !window.Zoom100->isChecked() && !window.ZoomWidth->isChecked());
    const QSize area = window.PageArea->maximumViewportSize();
    QVERIFY(window.View->pageSize().width() <= area.width() && window.View->pageSize().height() <= area.height());
    QVERIFY(window.View->pageSize().height() >= area.height() - 2 * PageView::kDeskMargin - 1);

    window.Zoom100->trigger();
    QVERIFY(window.Zoom100->isChecked() && !window.ZoomFit->isChecked());
    // A4 at the screen's 96 dpi.
    QCOMPARE(window.View->pageSize(), QSize(794, 1123));

    window.ZoomWidth->trigger();
    QVERIFY(window.ZoomWidth->isChecked() && !window.Zoom100->isChecked());
    const int expected = area.width() - window.PageArea->verticalScrollBar()->sizeHint().width() - 2 * PageView::kDeskMargin;
    QVERIFY(qAbs(window.View->pageSize().width() - expected) <= 1);
    window.Close();
}

void TestReportPreview::saveThenLoadInTheWindow()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("nota.nqr");
    const auto def = pages(3);
    ReportPreview first;
    first.showReport(*def);
    first.finishProduction();
    ScriptedInterface messages;
    // Saved under a name without suffix: the report files' suffix is added.
    messages.answerFile(dir.filePath("nota"));
    first.SaveReport->trigger();
    QVERIFY(QFile::exists(file));

    ReportPreview second;
    messages.answerFile(file);
    second.LoadReport->trigger();
    QCOMPARE(messages.count(), 0);
    QCOMPARE(messages.fileRequests().size(), 2);
    const FileRequest save = messages.fileRequests()[0], load = messages.fileRequests()[1];
    QCOMPARE(save.mode, FileRequest::Mode::Save);
    QCOMPARE(save.caption, QStringLiteral("Save Report"));
    QCOMPARE(save.filter, QStringLiteral("Berkas laporan (*.nqr)"));
    QCOMPARE(load.mode, FileRequest::Mode::Open);
    QCOMPARE(load.caption, QStringLiteral("Load Report"));
    QCOMPARE(load.filter, QStringLiteral("Berkas laporan (*.nqr);;Semua berkas (*)"));
    QVERIFY(second.report()->samePages(*first.report()));
    QCOMPARE(second.caption(), QStringLiteral("Test"));
    QCOMPARE(second.PagePanel->text(), QStringLiteral("Page 1 of 3"));
    QVERIFY(second.Print->isEnabled());
}

void TestReportPreview::badReportFileLeavesTheWindowAsItWas()
{
    QTemporaryDir dir;
    const QString bad = dir.filePath("bad.nqr");
    const auto def = pages(3);
    ReportPreview window;
    window.showReport(*def);
    window.finishProduction();
    window.NextPage->trigger();
    QByteArray bytes = reportfile::serialise(*window.report());
    bytes.chop(100);
    QFile out(bad);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(bytes);
    out.close();

    const auto before = window.report();
    ScriptedInterface messages;
    messages.answerFile(bad);
    window.LoadReport->trigger();
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().text, QStringLiteral("Berkas laporan 'bad.nqr' rusak atau tidak lengkap."));
    QCOMPARE(messages.last().caption, QStringLiteral("Load Report"));
    QCOMPARE(messages.last().kind, MsgKind::Exclamation);
    QCOMPARE(window.report(), before);
    QCOMPARE(window.PagePanel->text(), QStringLiteral("Page 2 of 3"));
    QCOMPARE(window.caption(), QStringLiteral("Test"));
}

void TestReportPreview::printAndExportPdf()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QTemporaryDir dir;
    const auto def = pages(3);
    ReportPreview window;
    window.showReport(*def);
    window.finishProduction();

    window.printer().setOutputFormat(QPrinter::PdfFormat);
    window.printer().setOutputFileName(dir.filePath("printed.pdf"));
    ScriptedInterface messages;
    window.Print->trigger();
    QCOMPARE(pdfPages(dir.filePath("printed.pdf")), 3);

    messages.answerFile(dir.filePath("export.pdf"));
    window.ExportPdf->trigger();
    QCOMPARE(pdfPages(dir.filePath("export.pdf")), 3);
    QCOMPARE(messages.count(), 0);
    // One file asked for: where to export, suggested after the report's caption.
    QCOMPARE(messages.fileRequests().size(), 1);
    QCOMPARE(messages.fileRequests()[0].mode, FileRequest::Mode::Save);
    QCOMPARE(messages.fileRequests()[0].caption, QStringLiteral("Ekspor PDF"));
    QCOMPARE(messages.fileRequests()[0].suggestion, QStringLiteral("Test.pdf"));
    // Cancelled: nothing written, nothing said.
    window.ExportPdf->trigger();
    QCOMPARE(messages.fileRequests().size(), 2);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
    QCOMPARE(messages.count(), 0);
}

void TestReportPreview::printWithoutPrintSystemSaysWhy()
{
    // The print system's socket, with nothing listening there.
    QTemporaryDir dir;
    const QByteArray before = qgetenv("CUPS_SERVER");
    const bool hadServer = qEnvironmentVariableIsSet("CUPS_SERVER");
    qputenv("CUPS_SERVER", dir.filePath("cups.sock").toUtf8());
    cupsSetServer(nullptr);  // read CUPS_SERVER again
    const auto def = pages(2);
    ReportPreview window;
    window.showReport(*def);
    window.finishProduction();
    ScriptedInterface messages;
    window.Print->trigger();
    hadServer ? qputenv("CUPS_SERVER", before) : qunsetenv("CUPS_SERVER");
    cupsSetServer(nullptr);
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().text,
             QStringLiteral("Laporan tidak dapat dicetak: sistem pencetakan (CUPS) tidak berjalan."));
    QCOMPARE(messages.last().caption, QStringLiteral("Cetak"));
    QCOMPARE(messages.last().kind, MsgKind::Exclamation);
}

NOTA_TEST_MAIN(TestReportPreview)
#include "test_report_preview.moc"
