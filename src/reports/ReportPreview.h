#pragma once
// The preview window: shows a report's pages while they are produced, pages
// and zooms through them, prints through the printer dialog, saves and loads
// report files and exports PDF. Every report the system prints goes through it.
#include "controls/Form.h"
#include "reports/PreparedReport.h"
#include "reports/ProgressSteps.h"
#include "reports/ReportLayout.h"

#include <QPrinter>
#include <memory>

class QAction;
class QLabel;
class QScrollArea;
class QStatusBar;
class QToolBar;
class QToolButton;
class PageView;
class ReportProducer;

class ReportPreview : public TForm {
    Q_OBJECT
public:
    enum class Zoom { Fit, Natural, Width };

    explicit ReportPreview(QWidget *parent = nullptr);
    ~ReportPreview() override;

    // Starts producing the definition's pages; they show as they come.
    void showReport(const ReportDefinition &definition, LayoutOptions options = {});
    // Shows pages that are already prepared (a loaded report file).
    void showPrepared(std::shared_ptr<PreparedReport> report);

    std::shared_ptr<const PreparedReport> report() const { return m_report; }
    bool complete() const;
    int pageIndex() const { return m_page; }  // 0-based
    int pageCount() const;
    Zoom zoomMode() const { return m_zoom; }
    qreal zoomFactor() const;
    void goToPage(int pageIndex);
    // Opens maximised at the next show.
    void setMaximised();
    // Runs the remaining production at once.
    void finishProduction();

    // The settings of the next print (copies, pages, a file to write); the
    // printer itself is found when printing.
    QPrinter &printer() { return m_printer; }
    // The printer dialog's choice; empty: the desktop's default printer.
    QString chosenPrinter() const { return m_chosenPrinter; }

    // Toolbar and status bar.
    QToolBar *ToolBar;
    QAction *ZoomFit;
    QAction *Zoom100;
    QAction *ZoomWidth;
    QAction *FirstPage;
    QAction *PriorPage;
    QAction *NextPage;
    QAction *LastPage;
    QAction *PrinterSetup;
    QAction *Print;
    QAction *SaveReport;
    QAction *LoadReport;
    QAction *ExportPdf;
    QToolButton *CloseButton;
    QScrollArea *PageArea;
    PageView *View;
    QStatusBar *StatusBar;
    QLabel *ProgressPanel;
    QLabel *PagePanel;

    // Handlers.
    void ZoomFitClick();
    void Zoom100Click();
    void ZoomWidthClick();
    void FirstPageClick();
    void PriorPageClick();
    void NextPageClick();
    void LastPageClick();
    void PrinterSetupClick();
    void PrintClick();
    void SaveReportClick();
    void LoadReportClick();
    void ExportPdfClick();
    void CloseButtonClick();

protected:
    void FormShow() override;
    void FormClose() override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAction *addCommand(const QString &icon, const QString &hint);
    void setZoom(Zoom zoom);
    void layoutPage();
    void updateStatus();
    void updateCommands();
    void showProgress(int percent);
    void stopProduction();
    bool handlePagingKey(int key, Qt::KeyboardModifiers modifiers);
    void printNow();

    std::unique_ptr<ReportProducer> m_producer;
    std::shared_ptr<PreparedReport> m_report;
    QPrinter m_printer;
    QString m_chosenPrinter;
    int m_page = 0;
    Zoom m_zoom = Zoom::Width;
    ProgressSteps m_progress;
};

namespace reports {
// Non-modal preview: the other windows stay usable; returns when the preview
// window is closed.
void preview(const ReportDefinition &definition);
// Modal preview: the other windows are blocked until it is closed.
void previewModal(const ReportDefinition &definition);
} // namespace reports
