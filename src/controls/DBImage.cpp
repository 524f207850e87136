#include "controls/DBImage.h"

#include "controls/DataLink.h"
#include "core/Errors.h"
#include "data/DataSet.h"
#include "data/Field.h"
#include "data/PictureBlob.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace {
QString invalidText(const QString &suffix)
{
    if (suffix == QLatin1String("bmp") || suffix == QLatin1String("dib"))
        return QStringLiteral("Bitmap image is not valid");
    if (suffix == QLatin1String("ico"))
        return QStringLiteral("Icon image is not valid");
    if (suffix == QLatin1String("wmf") || suffix == QLatin1String("emf"))
        return QStringLiteral("Metafile pictures cannot be shown");
    return QStringLiteral("JPEG image is not valid");
}

// A decoded picture as a bitmap file, scaled down to fit the largest side
// and laid on white where it is transparent.
QByteArray asBitmap(const QImage &image)
{
    QImage fitted = image;
    const int side = DBImage::kLargestConvertedSide;
    if (fitted.width() > side || fitted.height() > side)
        fitted = fitted.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage opaque(fitted.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    {
        QPainter painter(&opaque);
        painter.drawImage(0, 0, fitted);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    opaque.save(&buffer, "BMP");
    return bytes;
}
} // namespace

DBImage::DBImage(QWidget *parent) : QFrame(parent), FieldBinding(this)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    connect(m_link, &DataLink::dataChanged, this, &DBImage::showField);
    connect(m_link, &DataLink::stateChanged, this, &DBImage::onStateChanged);
    connect(m_link, &DataLink::recordChanged, this, [this] {
        m_loaded = false;
        showField();
    });
}

DBImage::~DBImage() = default;


void DBImage::setStretch(bool on)
{
    m_stretch = on;
    update();
}

QStringList DBImage::pictureExtensions()
{
    return {QStringLiteral("bmp"), QStringLiteral("dib"), QStringLiteral("jpg"), QStringLiteral("jpeg"),
            QStringLiteral("jpe"), QStringLiteral("ico"), QStringLiteral("emf"), QStringLiteral("wmf")};
}

void DBImage::loadFromFile(const QString &path)
{
    const QFileInfo info(path);
    const QString suffix = info.suffix().toLower();
    if (!pictureExtensions().contains(suffix))
        throw EInvalidGraphic(QStringLiteral("Unknown picture file extension (.%1)").arg(info.suffix()));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EInvalidGraphic(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    if (file.size() > kLargestFileBytes)
        throw EInvalidGraphic(QStringLiteral("The picture file \"%1\" is too large (%2 MB); at most %3 MB can be loaded")
                                  .arg(path)
                                  .arg((file.size() + (1 << 20) - 1) >> 20)
                                  .arg(kLargestFileBytes >> 20));
    const QByteArray bytes = file.readAll();
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // A bitmap stored top-down gives its height negative.
    const QSize size(qAbs(reader.size().width()), qAbs(reader.size().height()));
    if (!picturefile::sizeFits(size))
        throw EInvalidGraphic(QStringLiteral("The picture \"%1\" is too large to load (%2 x %3 pixels)")
                                  .arg(path)
                                  .arg(size.width())
                                  .arg(size.height()));
    const QImage image = reader.read();
    if (image.isNull())
        throw EInvalidGraphic(invalidText(suffix));

    Field *f = m_link->field();
    if (!f)
        return;
    // The field keeps bitmaps only: a bitmap file goes in as it is, any other
    // picture that decodes goes in converted to one.
    const QByteArray stored = pictureblob::isBitmap(bytes) ? bytes : asBitmap(image);
    m_writing = true;
    try {
        m_link->beginEdit();
        f->setAsBlob(stored);
    } catch (...) {
        m_writing = false;
        throw;
    }
    m_writing = false;
    m_picture = image;
    m_loaded = true;
    update();
}

void DBImage::onStateChanged()
{
    // Posted or dropped: show what the field holds now.
    if (!m_link->editing() && m_loaded) {
        m_loaded = false;
        showField();
    }
}

void DBImage::showField()
{
    if (m_writing || m_loaded)
        return;
    Field *f = m_link->field();
    m_picture = f && !f->isNull() ? QImage::fromData(f->pictureBytes()) : QImage();
    update();
}

QRect DBImage::pictureRect() const
{
    const QRect box = contentsRect();
    if (m_picture.isNull())
        return {};
    if (m_stretch)
        return box;
    const QSize size = m_picture.size();
    return {box.x() + (box.width() - size.width()) / 2, box.y() + (box.height() - size.height()) / 2,
            size.width(), size.height()};
}

void DBImage::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, m_stretch);
    painter.drawImage(pictureRect(), m_picture);
}
