#pragma once
// The login window: the first window and the application's main form. It
// logs in through the session (which checks the name and password against
// the Adm table and counts the login) and hands over to the main window.
#include "app/Windows.h"
#include "controls/Form.h"

class QFrame;
class QLabel;
class QLineEdit;
class QToolButton;

class TFLogin : public TForm {
    Q_OBJECT
public:
    explicit TFLogin(QWidget *parent = nullptr);

    QFrame *Panel1;        // banner
    QLabel *Label1;        // "Aplikasi"
    QLabel *Label2;        // "Sistem Nota"
    QLabel *Label3;        // "Kervano"
    QLabel *Label4;        // "AUTOMOTIVE RUBER PART"
    QLabel *Image1;        // small picture beside the input rows
    QLabel *Label5;        // "User Name :"
    QLabel *Label6;        // "Password :"
    QLineEdit *Edit1;      // user name
    QLineEdit *Edit2;      // password, shown as "*"
    QToolButton *SpeedButton1;  // "Konfirmasi"
    QToolButton *SpeedButton2;  // "Exit"

    void FormShow() override;
    void SpeedButton1Click();
    void SpeedButton2Click();
};
