#pragma once
// Text metrics for the layout, in tenths of a millimetre. Measured at a fine
// reference resolution, so the layout does not depend on the screen or the
// printer that later shows the pages.
#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <QStringList>

namespace textmeasure {
// The font a report names (substitutions apply when the face is missing).
QFont reportFont(const QString &family, qreal pointSize, bool bold);
} // namespace textmeasure

class FontMeasure {
public:
    FontMeasure(const QString &family, qreal pointSize, bool bold);

    qreal width(const QString &text) const;
    qreal lineHeight() const { return m_lineHeight; }
    qreal ascent() const { return m_ascent; }

    // The text's lines: split at its line breaks and, when wrapWidth > 0,
    // also between words where a line would run past wrapWidth. A word wider
    // than wrapWidth stays whole on a line of its own.
    QStringList lines(const QString &text, qreal wrapWidth) const;

private:
    QFontMetricsF m_metrics;
    qreal m_lineHeight = 0;
    qreal m_ascent = 0;
};
