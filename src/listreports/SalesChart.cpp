#include "listreports/SalesChart.h"

#include "shop/SalesRecap.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QGraphicsScene>
#include <QHorizontalBarSeries>
#include <QPainter>
#include <QValueAxis>

namespace saleschart {
namespace {
// Beyond this many days or months the bars stand too close for a label each.
constexpr int kLabelledBars = 16;

// Amounts in thousands or millions of rupiah once they reach tens of them:
// labels of eight digits run into each other.
struct Scale {
    double divisor;
    QString title;
};
Scale scaleFor(double largest)
{
    if (largest >= 1e7)
        return {1e6, QStringLiteral("Juta Rupiah")};
    if (largest >= 1e4)
        return {1e3, QStringLiteral("Ribu Rupiah")};
    return {1, QStringLiteral("Rupiah")};
}

QString titleOf(const sales::SalesRecap &recap)
{
    switch (recap.grouping()) {
    case sales::Grouping::PerDay: return QStringLiteral("Total Penjualan Per Hari");
    case sales::Grouping::PerMonth: return QStringLiteral("Total Penjualan Per Bulan");
    case sales::Grouping::PerGoods: return QStringLiteral("%1 Barang Terbesar").arg(sales::SalesRecap::kLargest);
    case sales::Grouping::PerCustomer: break;
    }
    return QStringLiteral("%1 Pelanggan Terbesar").arg(sales::SalesRecap::kLargest);
}
} // namespace

QChart *build(const sales::SalesRecap &recap, bool dark)
{
    auto *chart = new QChart;
    chart->setTheme(dark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    chart->setTitle(titleOf(recap));
    chart->legend()->hide();
    chart->setAnimationOptions(QChart::NoAnimation);

    const QList<sales::Bar> bars = recap.bars();
    const bool lying = recap.grouping() == sales::Grouping::PerGoods || recap.grouping() == sales::Grouping::PerCustomer;
    double low = 0, high = 0;
    for (const sales::Bar &bar : bars) {
        low = std::min(low, bar.value);
        high = std::max(high, bar.value);
    }
    const Scale scale = scaleFor(std::max(high, -low));
    auto *set = new QBarSet(QStringLiteral("Total"));
    QStringList categories;
    // Lying bars are drawn from the bottom up: the largest goes last, on top.
    for (qsizetype i = 0; i < bars.size(); ++i) {
        const sales::Bar &bar = bars.at(lying ? bars.size() - 1 - i : i);
        *set << bar.value / scale.divisor;
        categories << bar.label;
    }
    low /= scale.divisor;
    high /= scale.divisor;
    QAbstractBarSeries *series = lying ? static_cast<QAbstractBarSeries *>(new QHorizontalBarSeries)
                                       : static_cast<QAbstractBarSeries *>(new QBarSeries);
    series->append(set);
    series->setBarWidth(0.7);
    chart->addSeries(series);

    auto *names = new QBarCategoryAxis;
    names->append(categories);
    if (categories.size() > kLabelledBars) {
        names->setLabelsVisible(false);
        names->setGridLineVisible(false);
    } else if (!lying && categories.size() > 8) {
        names->setLabelsAngle(-90);
    }
    auto *amounts = new QValueAxis;
    amounts->setRange(low, high > low ? high : low + 1);
    amounts->applyNiceNumbers();
    amounts->setLabelFormat(QStringLiteral("%.0f"));
    amounts->setTitleText(scale.title);
    chart->addAxis(names, lying ? Qt::AlignLeft : Qt::AlignBottom);
    chart->addAxis(amounts, lying ? Qt::AlignBottom : Qt::AlignLeft);
    series->attachAxis(names);
    series->attachAxis(amounts);
    return chart;
}

QImage picture(const sales::SalesRecap &recap, const QSize &pixels)
{
    QGraphicsScene scene;
    QChart *chart = build(recap, false);
    scene.addItem(chart);  // the scene owns it
    chart->setGeometry(QRectF(QPointF(0, 0), QSizeF(pixels)));
    chart->setBackgroundRoundness(0);
    // Twice as many pixels as the layout's, so that print stays sharp.
    QImage image(pixels * 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter, QRectF(image.rect()), chart->geometry());
    return image;
}
} // namespace saleschart
