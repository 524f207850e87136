#include "MasterDataFixture.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QWidget>

void MasterDataFixture::start()
{
    m_locale = std::make_unique<PinnedLocale>(indonesian());
    m_access.start();
    AccessFixture::typeLogin(AccessFixture::kAdmin, AccessFixture::kPassword);
}

void MasterDataFixture::stop()
{
    m_access.stop();
    m_locale.reset();
}

void MasterDataFixture::addGoods(const QString &kodeKervano, const QString &nama, const QString &group,
                                 const QString &part, double harga)
{
    db().exec(QStringLiteral("INSERT INTO Barang (Kode_Kervano, Kode_Barang, Nama_Barang, Group_Barang, Part, Harga) "
                             "VALUES (?, ?, ?, ?, ?, ?)"),
              {kodeKervano, QStringLiteral("B-") + kodeKervano, nama, group, part, harga});
}

void MasterDataFixture::addGroup(const QString &group)
{
    db().exec(QStringLiteral("INSERT INTO \"Group\" (\"Group\") VALUES (?)"), {group});
}

void MasterDataFixture::addPart(const QString &part)
{
    db().exec(QStringLiteral("INSERT INTO Part (Part) VALUES (?)"), {part});
}

void MasterDataFixture::addCustomer(const QString &nama, const QString &kota)
{
    db().exec(QStringLiteral("INSERT INTO Pelanggan (Nama, Kota) VALUES (?, ?)"), {nama, kota});
}

QVariant MasterDataFixture::goods(const QString &kodeKervano, const QString &field)
{
    return db().scalar(QStringLiteral("SELECT \"%1\" FROM Barang WHERE Kode_Kervano = ?").arg(field), {kodeKervano});
}

QStringList MasterDataFixture::column(const QString &table, const QString &field, const QString &order)
{
    const QString list = db()
                             .scalar(QStringLiteral("SELECT group_concat(v, '|') FROM (SELECT \"%1\" AS v FROM \"%2\" "
                                                    "ORDER BY \"%3\")")
                                         .arg(field, table, order))
                             .toString();
    return list.isEmpty() ? QStringList() : list.split(QLatin1Char('|'));
}

void MasterDataFixture::activate(QWidget *control)
{
    QWidget *window = control->window();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    control->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(control->hasFocus());
}

void MasterDataFixture::typeInto(QWidget *control, const QString &text, bool replace)
{
    activate(control);
    if (replace)
        QTest::keyClick(control, Qt::Key_A, Qt::ControlModifier);
    typeKeys(text);
}

void MasterDataFixture::typeKeys(const QString &text)
{
    for (const QChar c : text) {
        QWidget *target = QApplication::focusWidget();
        QVERIFY(target);
        QTest::keyClick(target, c.toLatin1());
    }
}

void MasterDataFixture::press(int key, Qt::KeyboardModifiers modifiers)
{
    QWidget *target = QApplication::focusWidget();
    QVERIFY(target);
    QTest::keyClick(target, Qt::Key(key), modifiers);
}

QString MasterDataFixture::pictureFile(const QString &name, const char *format, QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = db().folder() + QLatin1Char('/') + name;
    if (!image.save(path, format))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}
