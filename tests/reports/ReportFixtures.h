#pragma once
// Small synthetic report definitions for the report engine's tests. Every band
// carries a marker label (PH, T, CH, D, S, C, PF; PL on the page itself) so a
// test reads a page as the sequence of bands printed on it.
#include "reports/MemoryRecords.h"
#include "reports/PreparedReport.h"
#include "reports/ReportModel.h"

#include <QStringList>
#include <memory>

namespace fixture {

struct Shape {
    int records = 3;
    bool printIfEmpty = false;
    bool title = true;
    bool columnHeader = true;
    qreal detailMm = 50;
    qreal summaryMm = 15;
    qreal childMm = 20;
};

// A4, 10 mm margins; page header 20 mm, title 20 mm, column header 10 mm,
// page footer 17 mm (its top at 270 mm). Detail rows show the field Nama,
// the record number "#n" and a field of another table; the summary shows
// "count=n"; the page header "Halaman n".
inline std::unique_ptr<ReportDefinition> definition(const Shape &shape,
                                                    std::shared_ptr<RecordSource> other = {})
{
    using reports::box;
    auto rows = std::make_shared<MemoryRecords>(QStringList{QStringLiteral("Nama")});
    for (int i = 1; i <= shape.records; ++i)
        rows->addRow({QStringLiteral("Item %1").arg(i)});

    auto def = std::make_unique<ReportDefinition>();
    def->title = QStringLiteral("Test");
    def->page.topMargin = def->page.bottomMargin = def->page.leftMargin = def->page.rightMargin = reports::mm(10);
    def->bandWidth = reports::mm(190);
    def->records = rows;
    def->printIfEmpty = shape.printIfEmpty;

    ReportBand &header = def->addBand(BandKind::PageHeader, reports::mm(20));
    header.addLabel(QStringLiteral("PH"), box(0, 0, 10, 5)).autoSized();
    header.addSystemData(SystemValue::PageNumber, box(50, 0, 10, 5), QStringLiteral("Halaman ")).autoSized();
    if (shape.title)
        def->addBand(BandKind::Title, reports::mm(20)).addLabel(QStringLiteral("T"), box(0, 0, 10, 5)).autoSized();
    if (shape.columnHeader)
        def->addBand(BandKind::ColumnHeader, reports::mm(10)).addLabel(QStringLiteral("CH"), box(0, 0, 10, 5)).autoSized();
    ReportBand &detail = def->addBand(BandKind::Detail, reports::mm(shape.detailMm));
    detail.addLabel(QStringLiteral("D"), box(0, 0, 10, 5)).autoSized();
    detail.addField(QStringLiteral("Nama"), box(20, 0, 40, 5)).autoSized();
    detail.addSystemData(SystemValue::RecordNumber, box(100, 0, 10, 5), QStringLiteral("#")).autoSized();
    if (other)
        detail.addField(QStringLiteral("Kota"), box(140, 0, 40, 5), other).autoSized();
    ReportBand &summary = def->addBand(BandKind::Summary, reports::mm(shape.summaryMm));
    summary.addLabel(QStringLiteral("S"), box(0, 0, 10, 5)).autoSized();
    summary.addSystemData(SystemValue::RecordCount, box(50, 0, 10, 5), QStringLiteral("count=")).autoSized();
    def->addChildBand(summary, reports::mm(shape.childMm)).addLabel(QStringLiteral("C"), box(0, 0, 10, 5)).autoSized();
    def->addBand(BandKind::PageFooter, reports::mm(17)).addLabel(QStringLiteral("PF"), box(0, 0, 10, 5)).autoSized();
    def->pageElements.addLabel(QStringLiteral("PL"), box(150, 5, 10, 5)).autoSized();
    return def;
}

// The band markers of a page in drawing order, with "D" rows as "D:<Nama>".
inline QStringList bands(const PreparedReport &report, int page)
{
    static const QStringList markers{"PH", "T", "CH", "S", "C", "PF", "PL"};
    QStringList out;
    const QStringList texts = report.pageTexts(page);
    for (qsizetype i = 0; i < texts.size(); ++i) {
        if (texts[i] == QLatin1String("D"))
            out << (i + 1 < texts.size() && texts[i + 1].startsWith(QLatin1String("Item"))
                        ? QStringLiteral("D:") + texts[i + 1].mid(5) : QStringLiteral("D:"));
        else if (markers.contains(texts[i]))
            out << texts[i];
    }
    return out;
}

// The first text operation of a page showing `text`, or null.
inline const DrawOp *findText(const PreparedReport &report, int page, const QString &text)
{
    for (const DrawOp &op : report.pages.at(size_t(page)).ops)
        if (op.kind == DrawKind::Text && op.text == text)
            return &op;
    return nullptr;
}

} // namespace fixture
