#include "reports/ReportProducer.h"

#include "core/Errors.h"

#include <QElapsedTimer>

namespace {
// A slice ends after this much work so input and painting get their turn.
constexpr int kSliceMilliseconds = 30;
constexpr int kRecordsPerStep = 25;

// Producers alive, so that two never step the same records at once.
QList<ReportProducer *> &producers()
{
    static QList<ReportProducer *> all;
    return all;
}
} // namespace

ReportProducer::ReportProducer(const ReportDefinition &definition, LayoutOptions options, QObject *parent)
    : QObject(parent), m_layout(definition, std::move(options))
{
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &ReportProducer::slice);
    m_layout.onProgress = [this](int percent) { emit progressChanged(percent); };
    producers().append(this);
}

ReportProducer::~ReportProducer() { producers().removeOne(this); }

void ReportProducer::start()
{
    if (done() || m_failed)
        return;
    // A report still being produced over the same records (the same report
    // asked for again from another window) is finished first: two layouts
    // moving one cursor in turn would mix their rows.
    for (ReportProducer *other : producers())
        if (other != this && other->m_layout.records() == m_layout.records() && m_layout.records()
            && !other->done() && !other->m_failed && other->m_started)
            other->finishNow();
    m_started = true;
    m_timer.start();
}

void ReportProducer::stop()
{
    m_timer.stop();
    m_started = false;
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
