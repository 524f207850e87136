#include "controls/Colours.h"

#include <QWidget>
#include <cmath>

namespace colours {
namespace {
double luminance(const QColor &c)
{
    const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}
} // namespace

QPalette designPalette()
{
    const QColor face(0xF0, 0xF0, 0xF0);
    const QColor grayText(0x6D, 0x6D, 0x6D);
    QPalette p(Qt::black, face, Qt::white, QColor(0xA0, 0xA0, 0xA0), QColor(0xA0, 0xA0, 0xA0), Qt::black,
               Qt::white, Qt::white, face);
    p.setColor(QPalette::Midlight, QColor(0xE3, 0xE3, 0xE3));
    p.setColor(QPalette::Shadow, QColor(0x69, 0x69, 0x69));
    p.setColor(QPalette::AlternateBase, QColor(0xF7, 0xF7, 0xF7));
    p.setColor(QPalette::Highlight, QColor(0x00, 0x78, 0xD7));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xE1));
    p.setColor(QPalette::ToolTipText, Qt::black);
    p.setColor(QPalette::PlaceholderText, grayText);
    p.setColor(QPalette::Link, QColor(0x00, 0x66, 0xCC));
    p.setColor(QPalette::LinkVisited, QColor(0x80, 0x00, 0x80));
    p.setColor(QPalette::BrightText, Qt::white);
    p.setColor(QPalette::ButtonText, Qt::black);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, grayText);
    return p;
}

QColor readableOn(const QColor &background)
{
    return contrast(Qt::black, background) >= contrast(Qt::white, background) ? QColor(Qt::black)
                                                                                 : QColor(Qt::white);
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, colour);
    pal.setColor(QPalette::WindowText, readableOn(colour));
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}
} // namespace colours
