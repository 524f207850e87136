#include "reports/ReportProducer.h"

#include "core/Errors.h"

#include <QElapsedTimer>

namespace {
// A slice ends after this much work so input and painting get their turn.
constexpr int kSliceMilliseconds = 30;
constexpr int kRecordsPerStep = 25;
} // namespace

ReportProducer::ReportProducer(const ReportDefinition &definition, LayoutOptions options, QObject *parent)
    : QObject(parent), m_layout(definition, std::move(options))
{
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &ReportProducer::slice);
    m_layout.onProgress = [this](int percent) { emit progressChanged(percent); };
}

ReportProducer::~ReportProducer() { release(); }

void ReportProducer::release()
{
    if (const RecordSource *records = m_layout.records(); records && records->stepping.by == this)
        records->stepping = {};
}

void ReportProducer::start()
{
    if (done() || m_failed)
        return;
    if (const RecordSource *records = m_layout.records()) {
        if (records->stepping.by && records->stepping.by != this)
            records->stepping.finish();
        records->stepping = {this, [this] { finishNow(); }};
    }
    m_timer.start();
}

void ReportProducer::stop()
{
    m_timer.stop();
    release();
}

void ReportProducer::finishNow()
{
    m_timer.stop();
    while (!done() && !m_failed)
        runRecords(1000);
}

void ReportProducer::slice()
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && !m_failed && clock.elapsed() < kSliceMilliseconds)
        runRecords(kRecordsPerStep);
    if (done() || m_failed)
        m_timer.stop();
}

bool ReportProducer::runRecords(int records)
{
    bool finished = false;
    try {
        finished = m_layout.run(records);
    } catch (const std::exception &e) {
        // An engine error ends the production; the pages so far stay shown.
        m_failed = true;
        m_timer.stop();
        const auto *error = dynamic_cast<const EError *>(&e);
        emit failedWith(error ? error->message() : QString::fromUtf8(e.what()));
        return false;
    }
    const int pages = report()->pageCount();
    if (pages != m_lastPageCount) {
        m_lastPageCount = pages;
        emit pagesAdded(pages);
    }
    if (finished)
        emit completed();
    return finished;
}
