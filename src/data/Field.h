#pragma once
// One field of a dataset's current record. Values are read and written as
// text through the formats of core/, exactly as the windows use them.
#include <QByteArray>
#include <QString>
#include <QVariant>

class DataSet;

enum class FieldKind { Text, Float, Integer, AutoInc, Date, Memo, Graphic };

struct FieldDef {
    QString name;          // as the schema spells it
    FieldKind kind = FieldKind::Text;
    int size = 0;          // characters for text fields, 0 otherwise
    QString displayLabel;  // grid title; the name when empty
    QString displayFormat; // "Rp. #,#", "dd mmm yyyy" or empty
    bool visible = true;   // shown as a grid column
    // A code the shop looks records up by: blanks at both ends are dropped and
    // other blanks (a no-break space) become ordinary ones, so that two codes
    // that look alike are one code.
    bool trimmed = false;
};

class Field {
public:
    Field(DataSet *owner, FieldDef def, int index);

    const QString &name() const { return m_def.name; }
    FieldKind kind() const { return m_def.kind; }
    int size() const { return m_def.size; }
    QString displayLabel() const { return m_def.displayLabel.isEmpty() ? m_def.name : m_def.displayLabel; }
    const QString &displayFormat() const { return m_def.displayFormat; }
    void setDisplayLabel(const QString &label) { m_def.displayLabel = label; }
    void setDisplayFormat(const QString &format) { m_def.displayFormat = format; }
    bool visible() const { return m_def.visible; }
    void setVisible(bool on) { m_def.visible = on; }
    const FieldDef &def() const { return m_def; }
    int index() const { return m_index; }
    DataSet *dataSet() const { return m_owner; }

    bool isNull() const;
    QVariant value() const;           // raw stored value of the current record
    // Every setter puts a browsing dataset into edit state first (as typing in
    // a bound control does) and raises on a closed one.
    void setValue(const QVariant &v); // converted to the field's stored form

    // Text: numbers in plain number text, dates in the short date form, empty
    // for no value or no record. Writing converts (EConvertError on bad text,
    // "'%s' is not a valid floating point value for field '%s'" etc.), cuts text
    // to the field's size, and empty text clears the field.
    QString asString() const;
    void setAsString(const QString &text);
    long double asFloat() const;      // 0 for no value
    void setAsFloat(long double v);
    qint64 asInteger() const;
    void setAsInteger(qint64 v);
    QByteArray asBlob() const;        // raw bytes of a graphic or memo field
    // A graphic field takes any picture file's bytes; when the record is posted
    // a bitmap is stored (with its 8-byte header) and anything else as no value.
    void setAsBlob(const QByteArray &bytes);
    // The picture of a graphic field as a bitmap file (header removed), empty
    // when there is none.
    QByteArray pictureBytes() const;
    void clear();

    // What a grid or a data-bound text shows: the display format when there is
    // one, "(MEMO)"/"(Memo)" and "(GRAPHIC)"/"(Graphic)" for memo and graphic
    // fields with and without a value, asString() otherwise.
    QString displayText() const;

private:
    const QVariant &stored() const;  // the record buffer's value, read in place

    DataSet *m_owner;
    FieldDef m_def;
    int m_index;
};
