#include "reports/PagePictures.h"

#include <QThreadPool>

namespace {
// How many pages ahead of the one drawn have their pictures decoded.
constexpr int kPagesAhead = 2;
} // namespace

PagePictures::PagePictures(const PreparedReport &report, int firstPage, int lastPage)
    : m_report(report), m_lastPage(report.pictures.size(), -1)
{
    const int last = lastPage < 0 ? report.pageCount() - 1 : std::min(lastPage, report.pageCount() - 1);
    m_lastOfRun = last;
    m_aheadTo = std::max(0, firstPage) - 1;
    for (int page = std::max(0, firstPage); page <= last; ++page)
        for (const DrawOp &op : report.pages[size_t(page)].ops)
            if (op.kind == DrawKind::Picture && op.resource >= 0 && size_t(op.resource) < m_lastPage.size())
                m_lastPage[size_t(op.resource)] = page;
}

const QImage &PagePictures::image(int id)
{
    if (id < 0 || size_t(id) >= m_report.pictures.size())
        return m_none;
    auto found = m_decoded.find(id);
    if (found == m_decoded.end()) {
        if (auto ahead = m_ahead.find(id); ahead != m_ahead.end()) {
            found = m_decoded.emplace(id, ahead->second.get()).first;
            m_ahead.erase(ahead);
        } else {
            found = m_decoded.emplace(id, m_report.pictures[size_t(id)].image()).first;
        }
    }
    return found->second;
}

PagePictures::~PagePictures()
{
    // The decoding threads read the report's pictures.
    for (auto &[id, ahead] : m_ahead)
        ahead.wait();
}

void PagePictures::decodeAhead(int pageIndex)
{
    for (const DrawOp &op : m_report.pages[size_t(pageIndex)].ops) {
        if (op.kind != DrawKind::Picture || op.resource < 0 || size_t(op.resource) >= m_lastPage.size()
            || m_decoded.count(op.resource) || m_ahead.count(op.resource))
            continue;
        auto task = std::make_shared<std::packaged_task<QImage()>>(
            [picture = m_report.pictures[size_t(op.resource)]] { return picture.image(); });
        m_ahead.emplace(op.resource, task->get_future());
        QThreadPool::globalInstance()->start([task] { (*task)(); });
    }
}

void PagePictures::pageDone(int pageIndex)
{
    for (auto it = m_decoded.begin(); it != m_decoded.end();) {
        const size_t id = size_t(it->first);
        if (id >= m_lastPage.size() || m_lastPage[id] <= pageIndex)
            it = m_decoded.erase(it);
        else
            ++it;
    }
    m_aheadTo = std::max(m_aheadTo, pageIndex);
    for (const int ahead = std::min(pageIndex + kPagesAhead, m_lastOfRun); m_aheadTo < ahead;)
        decodeAhead(++m_aheadTo);
}
