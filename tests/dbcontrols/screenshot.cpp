// Draws a small window with the data-aware controls on a sample of goods and
// saves it as a picture, for a person to look at:  dbcontrols_screenshot out.png
#include "TempDatabase.h"
#include "TestSupport.h"
#include "controls/Application.h"
#include "controls/DBEdit.h"
#include "controls/DBGrid.h"
#include "controls/DBImage.h"
#include "controls/DBLookupComboBox.h"
#include "controls/DBNavigator.h"
#include "controls/DBText.h"
#include "controls/Startup.h"
#include "data/DataSource.h"
#include "data/Table.h"

#include <QBuffer>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>

namespace {
QByteArray sampleBitmap(const QColor &color)
{
    QImage image(120, 80, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(color);
    p.setPen(QPen(Qt::black, 3));
    p.drawEllipse(QPoint(60, 40), 34, 34);
    p.setBrush(Qt::white);
    p.drawEllipse(QPoint(60, 40), 14, 14);
    p.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    NotaApplication app(argc, argv);
    startup::initialise();
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("dbcontrols.png");
    PinnedLocale locale(indonesian());

    TempDatabase db;
    const char *rows[][5] = {{"KV-001", "RB-1120", "KARET STABIL DEPAN", "KARET", "TOYOTA"},
                             {"KV-002", "RB-2231", "SEAL AS RODA", "SEAL", "HONDA"},
                             {"KV-003", "RB-3302", "KARET SHOCK BELAKANG", "KARET", "SUZUKI"},
                             {"KV-004", "RB-4410", "BOOT STEER", "BOOT", "DAIHATSU"},
                             {"KV-005", "RB-5521", "KARET PINTU", "KARET", "TOYOTA"}};
    int price = 15000;
    for (const auto &r : rows) {
        db.exec(QStringLiteral("INSERT INTO \"Barang\" VALUES (?, ?, ?, ?, ?, ?, ?)"),
                {r[0], r[1], r[2], r[3], r[4], price, price % 2 ? QVariant(QMetaType(QMetaType::QByteArray)) : sampleBitmap(QColor(40, 40, 40))});
        price += 12500;
    }
    db.exec(QStringLiteral("INSERT INTO \"Group\" (\"Group\") VALUES ('TOYOTA'), ('HONDA'), ('SUZUKI')"));

    Table goods;
    goods.setTableName(QStringLiteral("Barang.DB"));
    goods.setIndexFieldNames(QStringLiteral("Kode_Kervano"));
    DataSource goodsSource;
    goodsSource.setDataSet(&goods);
    Table groups;
    groups.setTableName(QStringLiteral("Group.db"));
    DataSource groupSource;
    groupSource.setDataSet(&groups);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Data-aware controls"));
    auto *grid = new QGridLayout(&window);
    auto *image = new DBImage;
    image->setDataSource(&goodsSource);
    image->setDataField(QStringLiteral("Gambar"));
    image->setStretch(false);
    image->setFixedSize(200, 120);
    grid->addWidget(image, 0, 0);
    auto *form = new QFormLayout;
    const QStringList fields{"Kode_Kervano", "Kode_Barang", "Nama_Barang", "Harga"};
    for (const QString &field : fields) {
        auto *edit = new DBEdit;
        edit->setDataSource(&goodsSource);
        edit->setDataField(field);
        edit->setCapitals(field != QLatin1String("Harga"));
        form->addRow(field + QStringLiteral(" :"), edit);
    }
    auto *total = new DBText;
    total->setDataSource(&goodsSource);
    total->setDataField(QStringLiteral("Harga"));
    form->addRow(QStringLiteral("Harga (text) :"), total);
    auto *lookup = new DBLookupComboBox;
    lookup->setListSource(&groupSource);
    lookup->setKeyField(QStringLiteral("No"));
    lookup->setListField(QStringLiteral("Group"));
    form->addRow(QStringLiteral("Group :"), lookup);
    grid->addLayout(form, 0, 1);
    auto *dbGrid = new DBGrid;
    dbGrid->setDataSource(&goodsSource);
    dbGrid->setReadOnly(true);
    dbGrid->setRowSelect(true);
    grid->addWidget(dbGrid, 1, 0, 1, 2);
    auto *nav = new DBNavigator;
    nav->setDataSource(&goodsSource);
    nav->setFixedSize(240, 25);
    grid->addWidget(nav, 2, 0, 1, 2, Qt::AlignLeft);
    window.resize(720, 440);

    goods.open();
    groups.open();
    lookup->pick(1);
    goods.next();
    goods.next();  // a middle record: every navigator button can act but post and cancel
    window.show();
    app.processEvents();
    const bool saved = window.grab().save(out);
    return saved ? 0 : 1;
}
