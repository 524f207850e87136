#pragma once
// A drop-down list of one field (the list field) of every visible record of a
// data source's dataset, in the dataset's current order. The user picks a
// row and cannot type free text. Picking remembers the row's key (the key
// field's value) and moves the dataset to the first record with that key.
// The pick is kept while the dataset is closed: when it opens again, the
// list moves it to the first record with the remembered key, if one is still
// there, and shows that row again.
#include <QComboBox>

class DBGridModel;
class DataSet;
class DataSource;

class DBLookupComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit DBLookupComboBox(QWidget *parent = nullptr);
    ~DBLookupComboBox() override;

    DataSource *listSource() const;
    void setListSource(DataSource *source);
    void setKeyField(const QString &fieldName);
    void setListField(const QString &fieldName);
    // Rows shown when dropped down.
    void setDropDownRows(int rows) { setMaxVisibleItems(rows); }

    // The list field of the picked row as shown; empty while none is picked.
    QString text() const { return currentText(); }
    // The key of the last pick; empty (and hasKey() false) before the first.
    QString keyValue() const { return m_keyValue; }
    bool hasKey() const { return m_hasKey; }

    // Picks row `row` of the list as the user does.
    void pick(int row);

    void showPopup() override;
    void hidePopup() override;
    // The last drop-down was closed with Escape: the person picked nothing
    // and wants nothing done.
    bool closedByEscape() const { return m_closedByEscape; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    // The drop-down list closed, whether or not a row was picked; sent after
    // the pick has moved the dataset. Only a list that was dropped down
    // closes: hiding the control (its window closing) sends nothing.
    void closeUp();

private:
    bool m_closedByEscape = false;
    void applyFields();
    void onActiveChanged();
    void showKey();
    int rowOfKey() const;
    QString keyName() const;

    DBGridModel *m_model;
    QString m_keyField;
    QString m_listField;
    QString m_keyValue;
    bool m_hasKey = false;
    bool m_droppedDown = false;
};
