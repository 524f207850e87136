#pragma once
// The texts of one report that come back while its pages are drawn in a run
// (captions, page headers and footers, a printing date): each is laid out
// once, when a page first shows it, and drawn from that layout until the
// last page of the run showing it. Laying text out costs more than writing
// it to a PDF; a text shown once is drawn as usual.
#include "reports/PreparedReport.h"

#include <QHash>
#include <QTextLayout>
#include <memory>
#include <vector>

class QPainter;

class PageTexts {
public:
    // Texts for pages [firstPage, lastPage] (0-based) drawn in order; by
    // default every page.
    explicit PageTexts(const PreparedReport &report, int firstPage = 0, int lastPage = -1);
    ~PageTexts();

    // Draws one line as QPainter::drawText(rect, align | Qt::TextDontClip |
    // Qt::TextSingleLine, text) does, in the painter's font, which is the
    // report's font `fontId`.
    void draw(QPainter &painter, int fontId, const QRectF &rect, Qt::Alignment align, const QString &text);
    // Lets go of the layouts no page after `pageIndex` shows.
    void pageDone(int pageIndex);

private:
    struct Shown {
        int lastPage = -1;
        std::shared_ptr<QTextLayout> layout;  // shared only to sit in a QHash
    };
    using Key = std::pair<int, QString>;
    QHash<Key, Shown> m_repeated;
    int m_firstPage = 0;
    std::vector<std::vector<Key>> m_lastShownOn;  // by page of the run: the texts it shows last
};
