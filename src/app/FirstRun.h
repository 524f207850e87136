#pragma once
// The first start on a machine without a database: before the login window,
// a small window offers to create the database the alias KV names (the same
// default place as the admin tool) with its first account, and optionally
// the sample shop, so that a shop can start without a terminal.
#include "controls/Form.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

class TFFirstRun : public TForm {
    Q_OBJECT
public:
    // For the file the alias KV names now.
    explicit TFFirstRun(QWidget *parent = nullptr);

    QFrame *Panel1;        // banner
    QLabel *Label1;        // what is missing
    QLabel *Label2;        // the database file
    QLabel *Image1;        // key picture
    QLabel *Label3;        // "User Name :"
    QLabel *Label4;        // "Password :"
    QLabel *Label5;        // "Ulangi Password :"
    QLineEdit *Edit1;      // user name of the first account
    QLineEdit *Edit2;      // password
    QLineEdit *Edit3;      // password again
    QCheckBox *CheckBox1;  // fill with the sample shop
    QPushButton *BitBtn1;  // "Buat" (Enter)
    QPushButton *BitBtn2;  // "Batal" (Escape)

    // True once the database was created (the window then closes).
    bool created() const { return m_created; }

    void BitBtn1Click();
    void BitBtn2Click();

protected:
    void FormShow() override;

private:
    QString m_file;
    bool m_created = false;
};

namespace firstrun {
// When the file the alias KV names does not exist, shows the window modally.
// True when there is a database to log in to afterwards.
bool ensureDatabase();
} // namespace firstrun
