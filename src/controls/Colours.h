#pragma once
// Window colours that stay readable under any desktop palette. Every window
// is drawn in the colours its design names (light faces, black text); a
// dark desktop theme must not mix its light text into those light faces.
#include <QColor>
#include <QPalette>

class QWidget;

namespace colours {
// The designed window colours, every role and group set.
QPalette designPalette();
// Black or white, whichever reads better on the colour.
QColor readableOn(const QColor &background);
// Contrast ratio of two colours, 1 (none) to 21 (black on white).
double contrast(const QColor &a, const QColor &b);
// Fixes a widget's background and a text colour readable on it (a designed
// text colour is set after this).
void setBackground(QWidget *widget, const QColor &colour);
} // namespace colours
