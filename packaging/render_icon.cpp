// Renders the scalable icon as the PNG files of the icon theme's fixed sizes:
//   nota-render-icon ICON.svg OUTDIR NAME SIZE...
// writes OUTDIR/<size>x<size>/apps/NAME.png for each size.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char **argv)
{
    // Runs during the build, where there may be no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 5) {
        std::fprintf(stderr, "usage: nota-render-icon ICON.svg OUTDIR NAME SIZE...\n");
        return 2;
    }
    QSvgRenderer svg(args.at(1));
    if (!svg.isValid()) {
        std::fprintf(stderr, "nota-render-icon: cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }
    for (qsizetype i = 4; i < args.size(); ++i) {
        const int size = args.at(i).toInt();
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            svg.render(&p, QRectF(0, 0, size, size));
        }
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(args.at(2)).arg(size);
        if (!QDir().mkpath(folder) || !image.save(QStringLiteral("%1/%2.png").arg(folder, args.at(3)))) {
            std::fprintf(stderr, "nota-render-icon: cannot write into %s\n", qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
