#pragma once
// The navigator bar: a row of picture buttons acting on the dataset of a data
// source — first, prior, next, last, insert, delete, edit, post, cancel,
// refresh. A button is enabled only when it can act:
//   first, prior     not at the first record;
//   next, last       not at the last record;
//   insert, refresh  the dataset can be changed;
//   delete           the dataset can be changed and is not empty;
//   edit             the dataset can be changed and the record is not being edited;
//   post, cancel     the record is being edited (or inserted).
// Delete asks "Delete record?" first; Cancel keeps the record. Each action runs
// through the guard; clicked() follows an action that did not fail.
#include <QList>
#include <QWidget>

class DataLink;
class DataSet;
class DataSource;
class QToolButton;

class DBNavigator : public QWidget {
    Q_OBJECT
public:
    enum class Button { First, Prior, Next, Last, Insert, Delete, Edit, Post, Cancel, Refresh };
    Q_ENUM(Button)
    static QList<Button> allButtons();

    explicit DBNavigator(QWidget *parent = nullptr);
    ~DBNavigator() override;

    DataSource *dataSource() const;
    void setDataSource(DataSource *source);

    // Which buttons show, kept in the bar's fixed order.
    QList<Button> visibleButtons() const;
    void setVisibleButtons(const QList<Button> &buttons);

    QToolButton *button(Button which) const;
    static QString hint(Button which);
    // Hints show as tool tips only when asked for; they always feed the status line.
    void setShowHint(bool on);

    // Acts as a click on the button would (nothing when it is disabled).
    void click(Button which);

signals:
    void clicked(DBNavigator::Button button);

private:
    void act(Button which);
    void updateButtons();

    DataLink *m_link;
    QList<QToolButton *> m_buttons;
};
