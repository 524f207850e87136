#include "reports/ReportModel.h"

ReportElement &ReportElement::withFont(const QString &family, qreal pointSize, bool bold, QColor color)
{
    font = ReportFont{family, pointSize, bold, color};
    return *this;
}

ReportElement &ElementList::add(ElementKind kind, QRectF box)
{
    auto element = std::make_unique<ReportElement>();
    element->kind = kind;
    element->box = box;
    m_elements.push_back(std::move(element));
    return *m_elements.back();
}

ReportElement &ElementList::addLabel(const QString &caption, QRectF box)
{
    ReportElement &e = add(ElementKind::Label, box);
    e.caption = caption;
    return e;
}

ReportElement &ElementList::addField(const QString &field, QRectF box, std::shared_ptr<RecordSource> source)
{
    ReportElement &e = add(ElementKind::DataText, box);
    e.field = field;
    e.source = std::move(source);
    return e;
}

ReportElement &ElementList::addSystemData(SystemValue value, QRectF box, const QString &prefix)
{
    ReportElement &e = add(ElementKind::SystemData, box);
    e.value = value;
    e.caption = prefix;
    return e;
}

ReportElement &ElementList::addShape(QRectF box, QColor fill)
{
    ReportElement &e = add(ElementKind::Shape, box);
    e.fill = fill;
    return e;
}

ReportElement &ElementList::addPicture(const QImage &picture, QRectF box)
{
    // Kept in its proportions: as large as fits, centred in the box.
    if (!picture.isNull()) {
        QRectF fitted(QPointF(), QSizeF(picture.size()).scaled(box.size(), Qt::KeepAspectRatio));
        fitted.moveCenter(box.center());
        box = fitted;
    }
    ReportElement &e = add(ElementKind::Picture, box);
    e.picture = picture;
    return e;
}

ReportElement &ElementList::addDataPicture(const QString &field, QRectF box, std::shared_ptr<RecordSource> source)
{
    ReportElement &e = add(ElementKind::DataPicture, box);
    e.field = field;
    e.source = std::move(source);
    return e;
}

ReportBand &ReportDefinition::addBand(BandKind kind, qreal height)
{
    m_bands.push_back(std::make_unique<ReportBand>(kind, height));
    return *m_bands.back();
}

ReportBand &ReportDefinition::addChildBand(const ReportBand &parent, qreal height)
{
    ReportBand &child = addBand(BandKind::Child, height);
    child.parent = &parent;
    return child;
}

const ReportBand *ReportDefinition::band(BandKind kind) const
{
    for (const auto &b : m_bands)
        if (b->kind == kind)
            return b.get();
    return nullptr;
}

const ReportBand *ReportDefinition::childOf(const ReportBand &parent) const
{
    for (const auto &b : m_bands)
        if (b->kind == BandKind::Child && b->parent == &parent)
            return b.get();
    return nullptr;
}

QString ReportDefinition::caption() const
{
    return title.isEmpty() ? QStringLiteral("Print Preview") : title;
}
