#include "reports/ReportPreview.h"

#include "controls/Guard.h"
#include "controls/MessageBoxes.h"
#include "controls/UserInterface.h"
#include "core/Errors.h"
#include "reports/PageRenderer.h"
#include "reports/PageView.h"
#include "reports/PrintJob.h"
#include "reports/ReportFile.h"
#include "reports/ReportProducer.h"

#include <QAction>
#include <QActionGroup>
#include <QEventLoop>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPrintDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

ReportPreview::ReportPreview(QWidget *parent) : TForm(parent), m_printer(QPrinter::HighResolution)
{
    setObjectName(QStringLiteral("ReportPreview"));
    setBorder(BorderStyle::Sizeable, SystemMenu | Minimize | Maximize);
    setClientSize(800, 600);
    setPlacement(Placement::Designed, QPoint(0, 0));
    setCaption(QStringLiteral("Print Preview"));
    setFocusPolicy(Qt::StrongFocus);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    ToolBar = new QToolBar(this);
    ToolBar->setIconSize(QSize(24, 24));
    ToolBar->setFocusPolicy(Qt::NoFocus);
    ZoomFit = addCommand(QStringLiteral("zoom-fit"), QStringLiteral("Zoom to fit"));
    Zoom100 = addCommand(QStringLiteral("zoom-100"), QStringLiteral("100%"));
    ZoomWidth = addCommand(QStringLiteral("zoom-width"), QStringLiteral("Zoom to width"));
    auto *zooms = new QActionGroup(this);
    zooms->setExclusive(true);
    for (QAction *zoom : {ZoomFit, Zoom100, ZoomWidth}) {
        zoom->setCheckable(true);
        zooms->addAction(zoom);
    }
    ZoomWidth->setChecked(true);
    ToolBar->addSeparator();
    FirstPage = addCommand(QStringLiteral("first-page"), QStringLiteral("First page"));
    PriorPage = addCommand(QStringLiteral("prior-page"), QStringLiteral("Previous page"));
    NextPage = addCommand(QStringLiteral("next-page"), QStringLiteral("Next page"));
    LastPage = addCommand(QStringLiteral("last-page"), QStringLiteral("Last page"));
    ToolBar->addSeparator();
    PrinterSetup = addCommand(QStringLiteral("printer-setup"), QStringLiteral("Printer setup"));
    Print = addCommand(QStringLiteral("print"), QStringLiteral("Print"));
    ToolBar->addSeparator();
    SaveReport = addCommand(QStringLiteral("save-report"), QStringLiteral("Save Report"));
    LoadReport = addCommand(QStringLiteral("load-report"), QStringLiteral("Load Report"));
    ExportPdf = addCommand(QStringLiteral("export-pdf"), QStringLiteral("Ekspor PDF"));
    ToolBar->addSeparator();
    CloseButton = new QToolButton(ToolBar);
    CloseButton->setText(QStringLiteral("&Close"));
    CloseButton->setIcon(QIcon(QStringLiteral(":/reports/close.svg")));
    CloseButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    CloseButton->setToolTip(QStringLiteral("Close"));
    CloseButton->setStatusTip(QStringLiteral("Close"));
    CloseButton->setFocusPolicy(Qt::NoFocus);
    ToolBar->addWidget(CloseButton);

    View = new PageView;
    PageArea = new QScrollArea(this);
    PageArea->setWidget(View);
    PageArea->setWidgetResizable(false);
    PageArea->setFocusPolicy(Qt::NoFocus);
    PageArea->setBackgroundRole(QPalette::Dark);
    PageArea->installEventFilter(this);
    PageArea->viewport()->installEventFilter(this);

    StatusBar = new QStatusBar(this);
    StatusBar->setSizeGripEnabled(false);
    ProgressPanel = new QLabel(StatusBar);
    PagePanel = new QLabel(StatusBar);
    PagePanel->setMinimumWidth(140);
    StatusBar->addWidget(ProgressPanel, 1);
    StatusBar->addPermanentWidget(PagePanel);

    layout->addWidget(ToolBar);
    layout->addWidget(PageArea, 1);
    layout->addWidget(StatusBar);

    onEvent(ZoomFit, &QAction::triggered, this, &ReportPreview::ZoomFitClick);
    onEvent(Zoom100, &QAction::triggered, this, &ReportPreview::Zoom100Click);
    onEvent(ZoomWidth, &QAction::triggered, this, &ReportPreview::ZoomWidthClick);
    onEvent(FirstPage, &QAction::triggered, this, &ReportPreview::FirstPageClick);
    onEvent(PriorPage, &QAction::triggered, this, &ReportPreview::PriorPageClick);
    onEvent(NextPage, &QAction::triggered, this, &ReportPreview::NextPageClick);
    onEvent(LastPage, &QAction::triggered, this, &ReportPreview::LastPageClick);
    onEvent(PrinterSetup, &QAction::triggered, this, &ReportPreview::PrinterSetupClick);
    onEvent(Print, &QAction::triggered, this, &ReportPreview::PrintClick);
    onEvent(SaveReport, &QAction::triggered, this, &ReportPreview::SaveReportClick);
    onEvent(LoadReport, &QAction::triggered, this, &ReportPreview::LoadReportClick);
    onEvent(ExportPdf, &QAction::triggered, this, &ReportPreview::ExportPdfClick);
    onEvent(CloseButton, &QToolButton::clicked, this, &ReportPreview::CloseButtonClick);

    updateStatus();
    updateCommands();
}

ReportPreview::~ReportPreview() { stopProduction(); }

QAction *ReportPreview::addCommand(const QString &icon, const QString &hint)
{
    QAction *action = ToolBar->addAction(QIcon(QStringLiteral(":/reports/%1.svg").arg(icon)), hint);
    action->setToolTip(hint);
    action->setStatusTip(hint);
    if (QWidget *button = ToolBar->widgetForAction(action))
        button->setFocusPolicy(Qt::NoFocus);
    return action;
}

void ReportPreview::showReport(const ReportDefinition &definition, LayoutOptions options)
{
    stopProduction();
    m_producer = std::make_unique<ReportProducer>(definition, std::move(options));
    m_report = m_producer->report();
    m_progress.reset();
    ProgressPanel->clear();
    setCaption(definition.caption());

    const PrinterSettings &settings = definition.printer;
    m_printer.setDocName(definition.caption());
    m_printer.setPageSize(QPageSize(QPageSize::A4));
    m_printer.setPageOrientation(QPageLayout::Portrait);
    m_printer.setCopyCount(std::max(1, settings.copies));
    m_printer.setDuplex(settings.duplex ? QPrinter::DuplexAuto : QPrinter::DuplexNone);
    m_printer.setPaperSource(settings.paperSource == PaperSource::FirstTray ? QPrinter::Upper : QPrinter::Auto);
    if (settings.fromPage > 0) {
        m_printer.setPrintRange(QPrinter::PageRange);
        m_printer.setFromTo(settings.fromPage, std::max(settings.fromPage, settings.toPage));
    } else {
        m_printer.setPrintRange(QPrinter::AllPages);
    }

    ReportProducer *producer = m_producer.get();
    connect(producer, &ReportProducer::pagesAdded, this, [this](int pages) {
        if (pages == 1)
            goToPage(0);
        updateStatus();
    });
    connect(producer, &ReportProducer::progressChanged, this, [this](int percent) { showProgress(percent); });
    connect(producer, &ReportProducer::completed, this, [this] {
        showProgress(100);
        updateStatus();
        updateCommands();
    });
    connect(producer, &ReportProducer::failedWith, this, [this](const QString &message) {
        ProgressPanel->clear();
        updateCommands();
        msg::errorDialog(message);
    });

    View->setReport(m_report);
    m_page = 0;
    updateStatus();
    updateCommands();
    producer->start();
}

void ReportPreview::showPrepared(std::shared_ptr<PreparedReport> report)
{
    stopProduction();
    m_producer.reset();
    m_report = std::move(report);
    m_report->complete = true;
    m_progress.reset();
    ProgressPanel->clear();
    setCaption(m_report->caption());
    m_printer.setDocName(m_report->caption());
    View->setReport(m_report);
    goToPage(0);
    layoutPage();
    updateCommands();
}

void ReportPreview::setMaximised()
{
    // Also sized to the screen, for desktops whose window manager does not
    // maximise (or where there is none).
    if (QScreen *screen = QGuiApplication::primaryScreen())
        resize(screen->availableGeometry().size());
    setWindowState(windowState() | Qt::WindowMaximized);
}

void ReportPreview::finishProduction()
{
    if (m_producer)
        m_producer->finishNow();
}

bool ReportPreview::complete() const { return m_report && m_report->complete; }

int ReportPreview::pageCount() const { return m_report ? m_report->pageCount() : 0; }

void ReportPreview::stopProduction()
{
    if (m_producer)
        m_producer->stop();
}

void ReportPreview::goToPage(int pageIndex)
{
    m_page = std::clamp(pageIndex, 0, std::max(0, pageCount() - 1));
    View->setPage(m_page);
    PageArea->verticalScrollBar()->setValue(0);
    updateStatus();
}

qreal ReportPreview::zoomFactor() const
{
    const QSizeF natural = View->naturalPageSize();
    const QSize area = PageArea->maximumViewportSize();
    const qreal margins = 2 * PageView::kDeskMargin;
    qreal zoom = 1.0;
    switch (m_zoom) {
    case Zoom::Natural:
        break;
    case Zoom::Fit:
        zoom = std::min((area.width() - margins) / natural.width(), (area.height() - margins) / natural.height());
        break;
    case Zoom::Width: {
        const int scrollBar = PageArea->verticalScrollBar()->sizeHint().width();
        zoom = (area.width() - scrollBar - margins) / natural.width();
        break;
    }
    }
    return std::max<qreal>(zoom, 0.05);
}

void ReportPreview::setZoom(Zoom zoom)
{
    m_zoom = zoom;
    QAction *toggle = zoom == Zoom::Fit ? ZoomFit : zoom == Zoom::Natural ? Zoom100 : ZoomWidth;
    toggle->setChecked(true);
    layoutPage();
}

void ReportPreview::layoutPage()
{
    View->setZoom(zoomFactor());
    View->fitTo(PageArea->maximumViewportSize());
    if (View->width() > PageArea->maximumViewportSize().width() || View->height() > PageArea->maximumViewportSize().height())
        View->fitTo(PageArea->viewport()->size());
}

void ReportPreview::updateStatus()
{
    const int count = pageCount();
    PagePanel->setText(QStringLiteral("Page %1 of %2").arg(count > 0 ? m_page + 1 : 0).arg(count));
}

void ReportPreview::showProgress(int percent)
{
    if (m_progress.update(percent))
        ProgressPanel->setText(m_progress.text());
}

void ReportPreview::updateCommands()
{
    const bool done = complete();
    PrinterSetup->setEnabled(done);
    Print->setEnabled(done);
    // Half a report is neither saved nor exported.
    SaveReport->setEnabled(done);
    ExportPdf->setEnabled(done);
}

void ReportPreview::ZoomFitClick() { setZoom(Zoom::Fit); }
void ReportPreview::Zoom100Click() { setZoom(Zoom::Natural); }
void ReportPreview::ZoomWidthClick() { setZoom(Zoom::Width); }
void ReportPreview::FirstPageClick() { goToPage(0); }
void ReportPreview::PriorPageClick() { goToPage(m_page - 1); }
void ReportPreview::NextPageClick() { goToPage(m_page + 1); }
void ReportPreview::LastPageClick() { goToPage(pageCount() - 1); }

void ReportPreview::PrinterSetupClick()
{
    if (!complete())
        return;
    // The dialog lists the printers installed now and starts on the one the
    // next print would take.
    if (m_printer.outputFileName().isEmpty()) {
        const QString current = m_chosenPrinter.isEmpty() ? printjob::desktopPrinter() : m_chosenPrinter;
        if (!current.isEmpty())
            m_printer.setPrinterName(current);
    }
    QPrintDialog dialog(&m_printer, this);
    dialog.setWindowTitle(QStringLiteral("Pengaturan Printer"));
    dialog.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintCollateCopies
                      | QAbstractPrintDialog::PrintShowPageSize);
    dialog.setMinMax(1, std::max(1, pageCount()));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (m_printer.outputFormat() == QPrinter::NativeFormat)
        m_chosenPrinter = m_printer.printerName();
    // The dialog's button says "Print": it prints, and its choice holds for
    // the following prints from this window.
    printNow();
}

void ReportPreview::PrintClick()
{
    if (!complete())
        return;
    printNow();
}

void ReportPreview::printNow()
{
    const QString problem = printjob::print(m_printer, m_chosenPrinter, *m_report);
    if (!problem.isEmpty())
        msg::exclamation(msg::withFullStop(problem), QStringLiteral("Cetak"));
}

void ReportPreview::SaveReportClick()
{
    if (!complete())
        return;
    const QString file = ui().chooseFile(
        {FileRequest::Mode::Save, QStringLiteral("Save Report"), QString(), reportfile::kFilter, reportfile::kExtension},
        this);
    if (file.isEmpty())
        return;
    try {
        reportfile::save(*m_report, file);
    } catch (const EError &e) {
        msg::exclamation(msg::withFullStop(e.message()), QStringLiteral("Save Report"));
    }
}

void ReportPreview::LoadReportClick()
{
    const QString file = ui().chooseFile({FileRequest::Mode::Open, QStringLiteral("Load Report"), QString(),
                                          reportfile::kFilter + QStringLiteral(";;Semua berkas (*)"), QString()},
                                         this);
    if (file.isEmpty())
        return;
    std::shared_ptr<PreparedReport> loaded;
    try {
        loaded = reportfile::load(file);
    } catch (const EError &e) {
        msg::exclamation(msg::withFullStop(e.message()), QStringLiteral("Load Report"));
        return;
    }
    showPrepared(std::move(loaded));
}

void ReportPreview::ExportPdfClick()
{
    if (!complete())
        return;
    if (pageCount() == 0) {
        msg::exclamation(QStringLiteral("Laporan tidak memiliki halaman."), QStringLiteral("Ekspor PDF"));
        return;
    }
    const QString file = ui().chooseFile({FileRequest::Mode::Save, QStringLiteral("Ekspor PDF"),
                                          caption() + QStringLiteral(".pdf"), QStringLiteral("Berkas PDF (*.pdf)"),
                                          QStringLiteral("pdf")},
                                         this);
    if (file.isEmpty())
        return;
    if (!pagerender::toPdf(*m_report, file))
        msg::exclamation(QStringLiteral("Berkas PDF '%1' tidak dapat ditulis.").arg(QFileInfo(file).fileName()),
                         QStringLiteral("Ekspor PDF"));
}

void ReportPreview::CloseButtonClick() { Close(); }

void ReportPreview::FormShow()
{
    // The window takes the paging keys itself: nothing inside it takes focus.
    setFocus(Qt::ActiveWindowFocusReason);
    layoutPage();
}

void ReportPreview::FormClose() { stopProduction(); }

bool ReportPreview::handlePagingKey(int key, Qt::KeyboardModifiers modifiers)
{
    const bool ctrl = modifiers & Qt::ControlModifier;
    switch (key) {
    case Qt::Key_PageUp:
        ctrl ? FirstPageClick() : PriorPageClick();
        return true;
    case Qt::Key_PageDown:
        ctrl ? LastPageClick() : NextPageClick();
        return true;
    case Qt::Key_Home:
        FirstPageClick();
        return true;
    case Qt::Key_End:
        LastPageClick();
        return true;
    case Qt::Key_Escape:
        Close();
        return true;
    default:
        return false;
    }
}

void ReportPreview::keyPressEvent(QKeyEvent *event)
{
    bool handled = false;
    guard([&] { handled = handlePagingKey(event->key(), event->modifiers()); });
    if (!handled)
        TForm::keyPressEvent(event);
}

bool ReportPreview::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == PageArea && event->type() == QEvent::Resize)
        layoutPage();
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        bool handled = false;
        guard([&] { handled = handlePagingKey(key->key(), key->modifiers()); });
        if (handled)
            return true;
    }
    return TForm::eventFilter(watched, event);
}

namespace reports {

void preview(const ReportDefinition &definition)
{
    ReportPreview window;
    window.showReport(definition);
    window.setMaximised();
    QEventLoop loop;
    QObject::connect(&window, &TForm::closed, &loop, &QEventLoop::quit);
    window.Show();
    ui().runUntilClosed(window, loop);
}

void previewModal(const ReportDefinition &definition)
{
    ReportPreview window;
    window.showReport(definition);
    window.setMaximised();
    window.ShowModal();
}

} // namespace reports
