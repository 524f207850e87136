#include "controls/DBImage.h"

#include "controls/DataLink.h"
#include "controls/PictureUpload.h"
#include "core/Errors.h"
#include "data/DataSet.h"
#include "data/Field.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>


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

QStringList DBImage::pictureExtensions() { return pictureupload::readableSuffixes(); }

void DBImage::loadFromFile(const QString &path)
{
    const QFileInfo info(path);
    const QString suffix = info.suffix().toLower();
    if (pictureupload::isMetafile(suffix))
        throw EInvalidGraphic(QStringLiteral("Gambar metafile (.%1) tidak dapat ditampilkan. Simpan gambar itu sebagai "
                                             "PNG, JPEG atau BMP, lalu pilih lagi")
                                  .arg(suffix));
    if (!pictureExtensions().contains(suffix))
        throw EInvalidGraphic(QStringLiteral("Unknown picture file extension (.%1)").arg(info.suffix()));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EInvalidGraphic(QStringLiteral("Berkas \"%1\" tidak dapat dibuka: %2").arg(path, file.errorString()));
    if (file.size() > kLargestFileBytes)
        throw EInvalidGraphic(QStringLiteral("Berkas gambar \"%1\" terlalu besar (%2 MB); paling besar %3 MB yang dapat dimuat")
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
        throw EInvalidGraphic(QStringLiteral("Gambar \"%1\" terlalu besar untuk dimuat (%2 x %3 piksel)")
                                  .arg(path)
                                  .arg(size.width())
                                  .arg(size.height()));
    const QImage image = reader.read();
    if (image.isNull())
        throw EInvalidGraphic(QStringLiteral("Gambar \"%1\" tidak dapat dibaca: berkasnya rusak atau bukan gambar %2")
                                  .arg(info.fileName(), pictureupload::kindName(suffix)));

    Field *f = m_link->field();
    if (!f)
        return;
    // The field keeps bitmaps only, no larger than the box shows them.
    const QByteArray stored = pictureupload::storedBitmap(image, bytes, largestShownSize());
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
