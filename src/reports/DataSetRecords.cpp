#include "reports/DataSetRecords.h"

#include "data/DataSet.h"
#include "data/PictureBlob.h"

DataSetRecords::DataSetRecords(DataSet *dataSet) : m_dataSet(dataSet) {}

void DataSetRecords::first()
{
    if (m_dataSet && m_dataSet->active())
        m_dataSet->first();
}

void DataSetRecords::next()
{
    if (m_dataSet && m_dataSet->active())
        m_dataSet->next();
}

bool DataSetRecords::eof() const
{
    return !m_dataSet || !m_dataSet->active() || m_dataSet->isEmpty() || m_dataSet->eof();
}

int DataSetRecords::recordCount() const
{
    return m_dataSet && m_dataSet->active() ? m_dataSet->recordCount() : 0;
}

QString DataSetRecords::text(const QString &fieldName) const
{
    if (!m_dataSet || !m_dataSet->active() || m_dataSet->isEmpty())
        return {};
    try {
        const Field *field = m_dataSet->findField(fieldName);
        if (!field || field->isNull())
            return {};
        switch (field->kind()) {
        case FieldKind::Graphic:
            return {};
        case FieldKind::Memo:
            return field->asString();
        default:
            return field->displayText();
        }
    } catch (const std::exception &) {
        return {};
    }
}

QByteArray DataSetRecords::storedPicture(const QString &fieldName) const
{
    if (!m_dataSet || !m_dataSet->active() || m_dataSet->isEmpty())
        return {};
    try {
        const Field *field = m_dataSet->findField(fieldName);
        if (!field || field->kind() != FieldKind::Graphic || field->isNull())
            return {};
        return field->asBlob();
    } catch (const std::exception &) {
        return {};
    }
}

QImage DataSetRecords::picture(const QString &fieldName) const
{
    const QByteArray stored = storedPicture(fieldName);
    const QByteArrayView bytes = pictureblob::bare(stored);
    return bytes.isEmpty() ? QImage() : QImage::fromData(bytes);
}

PreparedPicture DataSetRecords::preparedPicture(const QString &fieldName) const
{
    // Seen in place: a picture's bytes are not copied on their way to the packer.
    const QByteArray stored = storedPicture(fieldName);
    const QByteArrayView bytes = pictureblob::bare(stored);
    if (bytes.isEmpty())
        return {};
    if (pictureblob::isBitmap(bytes)) {
        PreparedPicture packed = PreparedPicture::fromBitmapFile(bytes);
        if (!packed.isNull())
            return packed;
    }
    return PreparedPicture(QImage::fromData(bytes));
}
