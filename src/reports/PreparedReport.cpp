#include "reports/PreparedReport.h"

#include <QStringList>

QStringList PreparedReport::pageTexts(int pageIndex) const
{
    QStringList texts;
    if (pageIndex < 0 || pageIndex >= pageCount())
        return texts;
    for (const DrawOp &op : pages[size_t(pageIndex)].ops)
        if (op.kind == DrawKind::Text)
            texts << op.text;
    return texts;
}

bool PreparedReport::samePages(const PreparedReport &other) const
{
    if (title != other.title || paperWidth != other.paperWidth || paperHeight != other.paperHeight
        || !(printer == other.printer) || fonts != other.fonts || pages != other.pages
        || pictures.size() != other.pictures.size())
        return false;
    for (size_t i = 0; i < pictures.size(); ++i)
        if (!pictures[i].samePicture(other.pictures[i]))
            return false;
    return true;
}

bool operator==(const PrinterSettings &a, const PrinterSettings &b)
{
    return a.copies == b.copies && a.fromPage == b.fromPage && a.toPage == b.toPage && a.duplex == b.duplex
        && a.paperSource == b.paperSource;
}
