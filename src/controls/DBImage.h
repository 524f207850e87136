#pragma once
#include "controls/FieldBinding.h"
#include "data/PictureFile.h"
// A picture box bound to a picture field of a data source's current record.
// Stretched, the picture fills the whole box without keeping its proportions;
// unstretched, it shows at its natural size, centred (and clipped).
//
// loadFromFile() reads a picture file into the box and the record buffer
// (the record goes into edit state). The box shows what was loaded until the
// record is posted or dropped; what the field then holds is shown again. The
// field keeps only bitmaps: every kind of picture the desktop reads
// (pictureupload::readableSuffixes) is stored as a bitmap of the size that
// covers the box (pictureupload::storedSize); a bitmap file already that size
// is stored as it is.
//
// A file is measured before it is decoded: a file larger than kLargestFileBytes,
// or a picture whose header says it is wider or higher than kLargestSide (or
// larger than the picture reader decodes at all), is refused as too large and
// the record stays as it was; so does any file that cannot be read.
#include <QFrame>
#include <QImage>

class DataSource;
class Field;

class DBImage : public QFrame, public FieldBinding {
    Q_OBJECT
public:
    explicit DBImage(QWidget *parent = nullptr);
    ~DBImage() override;


    bool stretch() const { return m_stretch; }
    void setStretch(bool on);

    // The picture shown now (null when none).
    const QImage &picture() const { return m_picture; }
    // Where the picture is drawn inside the box.
    QRect pictureRect() const;

    static constexpr qint64 kLargestFileBytes = picturefile::kLargestFileBytes;
    static constexpr int kLargestSide = picturefile::kLargestSide;

    // The most the box shows of a picture: its inside, which a stretched
    // picture fills.
    QSize largestShownSize() const { return contentsRect().size(); }

    // Raises EInvalidGraphic for a file that cannot be read as a picture:
    // "Unknown picture file extension (.%s)" for a kind the box does not know;
    // a message in the user's words for a metafile, a damaged file, or a file
    // or picture beyond the limits above.
    void loadFromFile(const QString &path);

    // File name suffixes loadFromFile() accepts, lower case.
    static QStringList pictureExtensions();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void showField();
    void onStateChanged();

    QImage m_picture;
    bool m_stretch = false;
    bool m_loaded = false;   // showing a loaded picture until post or cancel
    bool m_writing = false;
};
