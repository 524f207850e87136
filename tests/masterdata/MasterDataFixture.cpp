#include "MasterDataFixture.h"

#include <QApplication>
#include <QFile>
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

namespace {
// A GIF of one colour, for the toolkit reads GIF but does not write it. Its
// picture data is LZW without compression: a clear code before every two
// pixel codes keeps every code 3 bits wide.
QByteArray oneColourGif(QSize size, QColor colour)
{
    QByteArray gif("GIF89a");
    const auto word = [&](int v) { gif.append(char(v & 0xFF)).append(char(v >> 8)); };
    word(size.width());
    word(size.height());
    gif.append(char(0x81)).append('\0').append('\0');  // a global table of 4 colours
    gif.append(char(colour.red())).append(char(colour.green())).append(char(colour.blue()));
    gif.append(QByteArray(9, '\0'));
    gif.append(',');
    word(0);
    word(0);
    word(size.width());
    word(size.height());
    gif.append('\0').append('\2');  // no local table; codes start from 2 bits
    QByteArray data;
    quint32 bits = 0;
    int count = 0;
    const auto code = [&](quint32 c) {
        bits |= c << count;
        for (count += 3; count >= 8; count -= 8, bits >>= 8)
            data.append(char(bits & 0xFF));
    };
    const int pixels = size.width() * size.height();
    for (int i = 0; i < pixels; ++i) {
        if (i % 2 == 0)
            code(4);  // clear
        code(0);
    }
    code(5);  // end
    if (count > 0)
        data.append(char(bits & 0xFF));
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        gif.append(char(block.size())).append(block);
    }
    gif.append('\0').append(';');
    return gif;
}
} // namespace

QString MasterDataFixture::pictureFile(const QString &name, const char *format, QSize size, QColor colour)
{
    const QString path = db().folder() + QLatin1Char('/') + name;
    if (qstrcmp(format, "GIF") == 0) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(oneColourGif(size, colour)) < 0)
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    if (!image.save(path, format))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}
