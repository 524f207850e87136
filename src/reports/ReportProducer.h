#pragma once
// Produces a report's pages in slices on the GUI thread, each slice started
// from a zero timer, so a window stays responsive and can show the first
// pages while later ones are still being laid out.
#include "reports/ReportLayout.h"

#include <QObject>
#include <QTimer>
#include <memory>

class ReportProducer : public QObject {
    Q_OBJECT
public:
    explicit ReportProducer(const ReportDefinition &definition, LayoutOptions options = {},
                            QObject *parent = nullptr);
    ~ReportProducer() override;

    // Starts producing; another producer still stepping the same records is
    // finished first (the records know which).
    void start();
    void stop();
    // Runs the remaining work at once (tests, printing without a window).
    void finishNow();

    std::shared_ptr<PreparedReport> report() const { return m_layout.report(); }
    bool running() const { return m_timer.isActive(); }
    bool done() const { return m_layout.finished(); }
    bool failed() const { return m_failed; }

signals:
    void pagesAdded(int pageCount);
    void progressChanged(int percent);
    void completed();
    void failedWith(const QString &message);

private:
    void slice();
    // Gives the records up when this producer steps them.
    void release();
    bool runRecords(int records);

    ReportLayout m_layout;
    QTimer m_timer;
    bool m_failed = false;
    int m_lastPageCount = 0;
};
