#pragma once
// Lays a report definition out on pages: runs the driving records through the
// bands and yields a prepared report. The work can be done in steps, so a
// window can show the first pages while later ones are still being produced.
#include "reports/PreparedReport.h"
#include "reports/ReportModel.h"

#include <QColor>
#include <QDateTime>
#include <QHash>
#include <functional>
#include <memory>

class FontMeasure;

struct LayoutOptions {
    // The current date and time for date-time elements; the system clock when empty.
    std::function<QDateTime()> clock;
    // Colour of "window text"; the desktop's when invalid.
    QColor windowText;
};

class ReportLayout {
public:
    ReportLayout(const ReportDefinition &definition, LayoutOptions options = {});
    ~ReportLayout();
    ReportLayout(const ReportLayout &) = delete;
    ReportLayout &operator=(const ReportLayout &) = delete;

    // Lays out at most `maxRecords` further records; true once the report is
    // complete. Errors of the records (engine errors) pass through.
    bool run(int maxRecords);
    bool finished() const { return m_phase == Phase::Done; }

    // Whole percent after the last detail band: record number * 100 / record count.
    int progress() const { return m_progress; }
    // Called after each detail band with the progress.
    std::function<void(int)> onProgress;

    // The driving records this layout steps through.
    const RecordSource *records() const { return m_records.get(); }

    // The pages produced so far; complete once finished().
    std::shared_ptr<PreparedReport> report() const { return m_report; }

private:
    enum class Phase { NotStarted, Details, Done };

    void begin();
    void finish();
    void printBand(const ReportBand *band, int depth = 0);
    void placeBand(const ReportBand &band, qreal top, int depth);
    // The band's height for the current record: its own, or more where a
    // wrapped text needs it.
    qreal bandHeight(const ReportBand &band);
    QString textOf(const ReportElement &element) const;
    void startPage();
    void closePage(bool lastPage);
    qreal spaceLeft() const;

    void drawElements(const ElementList &elements, QPointF origin, qreal growth = 0);
    void drawText(const ReportElement &element, const QString &text, QPointF origin);
    void drawPicture(int pictureId, const QRectF &rect);
    QString systemText(const ReportElement &element) const;
    int fontId(const ReportFont &font);
    // Ids of pictures: a fixed one encoded once, equal data pictures shared.
    int pictureId(const QImage &picture);
    int pictureId(const PreparedPicture &picture);

    const ReportDefinition &m_def;
    LayoutOptions m_options;
    std::shared_ptr<PreparedReport> m_report;
    std::shared_ptr<RecordSource> m_records;  // kept alive while the layout runs
    QRgb m_windowText = 0;

    Phase m_phase = Phase::NotStarted;
    PreparedPage m_page;
    bool m_pageOpen = false;
    bool m_startingPage = false;
    bool m_blankData = false;       // the one empty detail band of an empty table
    bool m_columnHeaders = true;    // off for an empty table
    qreal m_y = 0;
    int m_pageNumber = 0;
    int m_recordNumber = 0;
    int m_recordCount = 0;
    int m_progress = 0;

    std::vector<std::unique_ptr<FontMeasure>> m_measures;
    QHash<QString, int> m_fontIds;
    QHash<qint64, int> m_pictureIds;           // by the decoded picture's cache key
    QHash<QByteArray, int> m_encodedPictureIds;  // by the encoded bytes
    QHash<const ReportElement *, DrawOp> m_labelCache;  // label ops relative to their band
};

namespace reports {
// The whole layout in one go.
std::shared_ptr<PreparedReport> layout(const ReportDefinition &definition, LayoutOptions options = {});
} // namespace reports
