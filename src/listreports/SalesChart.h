#pragma once
// The bar chart of a sales recap, for the sales window and as a picture for
// its printed report: the totals of every day or month upright, the largest
// goods or customers lying down with their names beside the bars.
#include <QImage>
#include <QSize>

class QChart;

namespace sales {
class SalesRecap;
}

namespace saleschart {
// A new chart of the recap's bars; its colours suit a dark window when `dark`.
QChart *build(const sales::SalesRecap &recap, bool dark);
// The chart laid out at `pixels` and drawn at twice that, light on white,
// as paper shows it.
QImage picture(const sales::SalesRecap &recap, const QSize &pixels);
} // namespace saleschart
