#include "access/Login.h"

#include "access/AccountMessages.h"
#include "access/Widgets.h"
#include "controls/DialogKeys.h"
#include "controls/Guard.h"
#include "controls/MessageBoxes.h"
#include "shop/Session.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

using namespace accessui;

TFLogin::TFLogin(QWidget *parent) : TForm(parent)
{
    setObjectName(QStringLiteral("FLogin"));
    setCaption(QStringLiteral("Login"));
    setBorder(BorderStyle::Single, SystemMenu | Minimize);
    setClientSize(417, 193);
    setPlacement(Placement::ScreenCenter);
    setFormFont(QStringLiteral("Tahoma"), 8);

    Panel1 = panel(this, QStringLiteral("Panel1"), QRect(0, 0, 417, 66), kLightGreen);
    Label1 = label(Panel1, QStringLiteral("Label1"), QStringLiteral("Aplikasi"), QPoint(10, 10));
    applyFont(Label1, QStringLiteral("Tahoma"), 8, true);
    Label1->adjustSize();
    Label2 = label(Panel1, QStringLiteral("Label2"), QStringLiteral("Sistem Nota"), QPoint(10, 26));
    applyFont(Label2, QStringLiteral("Tahoma"), 12, true);
    Label2->adjustSize();
    // The shop name, centred across the banner.
    Label3 = label(Panel1, QStringLiteral("Label3"), QStringLiteral("Kervano"), QRect(0, 2, 417, 38));
    applyFont(Label3, QStringLiteral("Times New Roman"), 24, true);
    Label3->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    setTextColour(Label3, kNavy);
    Label4 = label(Panel1, QStringLiteral("Label4"), QStringLiteral("AUTOMOTIVE RUBER PART"), QRect(0, 40, 417, 18));
    applyFont(Label4, QStringLiteral("Arial"), 9, true);
    Label4->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    // The banner labels lie over each other; the centred ones let the mouse through.
    Label3->lower();
    Label4->lower();

    Image1 = picture(this, QStringLiteral("Image1"), QStringLiteral(":/access/key.svg"), QRect(20, 84, 49, 41));

    Label5 = label(this, QStringLiteral("Label5"), QStringLiteral("User Name :"), QRect(84, 84, 90, 21));
    Label6 = label(this, QStringLiteral("Label6"), QStringLiteral("Password :"), QRect(84, 112, 90, 21));
    for (QLabel *l : {Label5, Label6})
        applyFont(l, QStringLiteral("Tahoma"), 8, true);
    Edit1 = edit(this, QStringLiteral("Edit1"), QRect(178, 84, 220, 21));
    Edit2 = edit(this, QStringLiteral("Edit2"), QRect(178, 112, 220, 21));
    Edit2->setEchoMode(QLineEdit::Password);
    for (QLineEdit *e : {Edit1, Edit2}) {
        applyFont(e, QStringLiteral("Tahoma"), 8, true);
        QPalette pal = e->palette();
        pal.setColor(QPalette::Base, kSilver);
        e->setPalette(pal);
    }
    // "*" for every character, as the design shows it.
    Edit2->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    Label5->setBuddy(Edit1);
    Label6->setBuddy(Edit2);
    // What fits the account's fields whole, so what is stored is what was typed.
    Edit1->setMaxLength(accounts::nameWidth());
    Edit2->setMaxLength(accounts::kPasswordLength);

    SpeedButton1 = speedButton(this, QStringLiteral("SpeedButton1"), QStringLiteral("Konfirmasi"), QString(),
                               QRect(214, 152, 104, 32));
    SpeedButton1->setIcon(QIcon(pixmap(QStringLiteral(":/access/confirm.svg"), QSize(20, 20))));
    applyFont(SpeedButton1, QStringLiteral("Tahoma"), 8, true);
    setTextColour(SpeedButton1, kGreen);
    SpeedButton2 = speedButton(this, QStringLiteral("SpeedButton2"), QStringLiteral("Exit"), QString(),
                               QRect(322, 152, 80, 32));
    SpeedButton2->setIcon(QIcon(pixmap(QStringLiteral(":/access/exit.svg"), QSize(20, 20))));
    applyFont(SpeedButton2, QStringLiteral("Tahoma"), 8, true);
    setTextColour(SpeedButton2, kMaroon);
    for (QToolButton *b : {SpeedButton1, SpeedButton2}) {
        b->setIconSize(QSize(20, 20));
        // Reached by Tab (not taken by a click); Space or Enter presses them.
        b->setFocusPolicy(Qt::TabFocus);
    }
    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, SpeedButton1);
    setTabOrder(SpeedButton1, SpeedButton2);
    // Enter in either box confirms.
    dialogkeys::install(this, SpeedButton1, nullptr);

    onEvent(SpeedButton1, &QToolButton::clicked, this, &TFLogin::SpeedButton1Click);
    onEvent(SpeedButton2, &QToolButton::clicked, this, &TFLogin::SpeedButton2Click);
}

void TFLogin::FormShow() { Edit1->setFocus(); }

void TFLogin::SpeedButton1Click()
{
    const QString typedName = Edit1->text();
    const QString typedPassword = Edit2->text();
    if (typedName.isEmpty() && typedPassword.isEmpty())
        return;
    Session &session = currentSession();
    // Too soon after wrong tries: nothing is checked and the boxes keep what
    // was typed, to be tried again once the wait is over.
    if (const qint64 waitMs = session.waitBeforeNextTry(); waitMs > 0) {
        msg::exclamation(accountmsg::tooSoon(waitMs), msg::kErrorCaption);
        return;
    }
    Edit1->clear();
    Edit2->clear();
    if (session.logIn(typedName, typedPassword) == Session::Outcome::Done) {
        Hide();
        windows::form(FMain)->Show();
        return;
    }
    msg::exclamation(QStringLiteral("UserName atau Password Salah!"), msg::kErrorCaption);
    Edit1->setFocus();
}

void TFLogin::SpeedButton2Click()
{
    Hide();
    windows::form(Fexit)->Show();
}
