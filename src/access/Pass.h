#pragma once
// The change-password window: confirms the logged-in account's name and
// password, then stores a new name and password typed twice each, both
// through the session.
#include "app/Windows.h"
#include "controls/Form.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

class TFPass : public TForm {
    Q_OBJECT
public:
    explicit TFPass(QWidget *parent = nullptr);

    // Outer heights of the two stages.
    static constexpr int kConfirmingHeight = 145;
    static constexpr int kChangingHeight = 313;

    QFrame *Panel1;        // confirming: current name and password
    QLabel *Image1;
    QLabel *Label1;        // "User Name :"
    QLabel *Label2;        // "Password :"
    QLineEdit *Edit1;
    QLineEdit *Edit2;
    QPushButton *BitBtn1;  // "Konfirmasi", the default button
    QFrame *Panel2;        // changing: new name and password, twice each
    QLabel *Label3;        // "User Name Baru :"
    QLabel *Label4;        // "Ulangi User Name Baru :"
    QLabel *Label5;        // "Password Baru :"
    QLabel *Label6;        // "Ulangi Password Baru :"
    QLineEdit *Edit3;
    QLineEdit *Edit4;
    QLineEdit *Edit5;
    QLineEdit *Edit6;
    QPushButton *BitBtn2;  // "Ganti"
    QPushButton *BitBtn3;  // "Batal", the cancel button

    void FormShow() override;
    void FormClose() override;
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();

    // True while only the upper panel is in reach.
    bool confirming() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showLowerPanel(bool shown);
    void accountGone();
};
