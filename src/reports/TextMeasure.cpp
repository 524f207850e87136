#include "reports/TextMeasure.h"

#include <QImage>
#include <QRegularExpression>

namespace {
constexpr int kReferenceDpi = 1200;
constexpr qreal kTenthsPerPixel = 254.0 / kReferenceDpi;

const QImage &referenceDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_ARGB32);
        const int dotsPerMeter = qRound(kReferenceDpi / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return device;
}
} // namespace

namespace textmeasure {
QFont reportFont(const QString &family, qreal pointSize, bool bold)
{
    QFont font(family);
    font.setPointSizeF(pointSize > 0 ? pointSize : 1);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}
} // namespace textmeasure

FontMeasure::FontMeasure(const QString &family, qreal pointSize, bool bold)
    : m_metrics(textmeasure::reportFont(family, pointSize, bold), &referenceDevice())
{
    m_lineHeight = m_metrics.height() * kTenthsPerPixel;
    m_ascent = m_metrics.ascent() * kTenthsPerPixel;
}

qreal FontMeasure::width(const QString &text) const
{
    return text.isEmpty() ? 0 : m_metrics.horizontalAdvance(text) * kTenthsPerPixel;
}

QStringList FontMeasure::lines(const QString &text, qreal wrapWidth) const
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    const QStringList paragraphs = text.split(lineBreak);
    if (wrapWidth <= 0)
        return paragraphs;

    QStringList result;
    for (const QString &paragraph : paragraphs) {
        if (width(paragraph) <= wrapWidth) {
            result << paragraph;
            continue;
        }
        // Greedy: words (with the blanks before them) are added while the
        // line still fits; blanks where a line breaks are dropped.
        QString line;
        qsizetype pos = 0;
        while (pos < paragraph.size()) {
            qsizetype end = pos;
            while (end < paragraph.size() && paragraph.at(end) == QLatin1Char(' '))
                ++end;
            while (end < paragraph.size() && paragraph.at(end) != QLatin1Char(' '))
                ++end;
            const QString piece = paragraph.mid(pos, end - pos);
            const QString candidate = line + piece;
            if (!line.isEmpty() && width(candidate) > wrapWidth) {
                result << line;
                line = piece.trimmed();
            } else {
                line = candidate;
            }
            pos = end;
        }
        result << line;
    }
    return result;
}
