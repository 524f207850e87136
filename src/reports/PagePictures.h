#pragma once
// The decoded pictures of one report while its pages are drawn in a run (a
// PDF, a print job): each picture is decoded when a page first shows it and
// kept until the last page of the run that shows it, so a device that keeps
// pictures once (a PDF) receives each one once, while pictures no later page
// needs are let go. While a page is drawn, the pictures of the next pages are
// decoded on another thread.
#include "reports/PreparedReport.h"

#include <QImage>
#include <future>
#include <unordered_map>
#include <vector>

class PagePictures {
public:
    // Pictures for pages [firstPage, lastPage] (0-based) drawn in order; by
    // default every page.
    explicit PagePictures(const PreparedReport &report, int firstPage = 0, int lastPage = -1);
    ~PagePictures();
    PagePictures(const PagePictures &) = delete;
    PagePictures &operator=(const PagePictures &) = delete;

    // The picture `id` decoded; a null image for an unknown id.
    const QImage &image(int id);
    // Lets go of the pictures no page after `pageIndex` shows, and starts
    // decoding those of the pages after it.
    void pageDone(int pageIndex);

private:
    const PreparedReport &m_report;
    std::vector<int> m_lastPage;  // by picture id: the last page of the run showing it, -1 for none
    int m_lastOfRun = -1;
    int m_aheadTo = -1;           // the last page whose pictures are decoded or under way
    std::unordered_map<int, QImage> m_decoded;
    std::unordered_map<int, std::future<QImage>> m_ahead;  // being decoded on another thread

    void decodeAhead(int pageIndex);
    QImage m_none;
};
