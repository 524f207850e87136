#include "reports/PagePictures.h"

PagePictures::PagePictures(const PreparedReport &report, int firstPage, int lastPage)
    : m_report(report), m_lastPage(report.pictures.size(), -1)
{
    const int last = lastPage < 0 ? report.pageCount() - 1 : std::min(lastPage, report.pageCount() - 1);
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
    if (found == m_decoded.end())
        found = m_decoded.emplace(id, m_report.pictures[size_t(id)].image()).first;
    return found->second;
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
}
