// The logo in the boxes windows give it: its proportions kept, centred.
#include "TestMain.h"
#include "controls/Pictures.h"

#include <QSvgRenderer>

namespace {
// The rectangle of pixels the picture covers.
QRect drawnArea(const QImage &image)
{
    QRect area;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                area |= QRect(x, y, 1, 1);
    return area;
}
} // namespace

class TestPictures : public QObject {
    Q_OBJECT
private slots:
    void logoKeepsItsProportions_data();
    void logoKeepsItsProportions();
    void windowIconIsSquare();
};

void TestPictures::logoKeepsItsProportions_data()
{
    QTest::addColumn<QSize>("box");
    QTest::newRow("main window") << QSize(65, 65);
    QTest::newRow("lihat nota") << QSize(84, 84);
    QTest::newRow("nota baru") << QSize(129, 129);
    QTest::newRow("about, exit") << QSize(98, 64);
    QTest::newRow("natural") << QSize(279, 225);
}

void TestPictures::logoKeepsItsProportions()
{
    QFETCH(QSize, box);
    const QImage image = pictures::logo(box);
    QCOMPARE(image.size(), box);
    const QSize fitted = QSize(279, 225).scaled(box, Qt::KeepAspectRatio);
    const QRect area = drawnArea(image);
    // The drawing may leave a pixel of its edge transparent.
    QVERIFY2(qAbs(area.width() - fitted.width()) <= 2 && qAbs(area.height() - fitted.height()) <= 2,
             qPrintable(QStringLiteral("%1x%2 drawn, %3x%4 expected")
                            .arg(area.width()).arg(area.height()).arg(fitted.width()).arg(fitted.height())));
    QVERIFY(qAbs(area.center().x() - (box.width() - 1) / 2.0) <= 1.5);
    QVERIFY(qAbs(area.center().y() - (box.height() - 1) / 2.0) <= 1.5);
}

void TestPictures::windowIconIsSquare()
{
    const QIcon icon = QApplication::windowIcon();
    QVERIFY(!icon.isNull());
    const QString square = QStringLiteral(":/app-icon.svg");
    const QSize designed = QSvgRenderer(square).defaultSize();
    QVERIFY(!designed.isEmpty());
    QCOMPARE(designed.width(), designed.height());
    QCOMPARE(icon.pixmap(QSize(48, 48)).toImage(), QIcon(square).pixmap(QSize(48, 48)).toImage());
}

NOTA_TEST_MAIN(TestPictures)
#include "test_pictures.moc"
