#pragma once
// What screen readers are told of a window: a window, or a dialog while it is
// modal, named by its caption. A plain widget window would otherwise be
// reported as a client area ("filler").
#include <QAccessibleWidget>

class TForm;

class FormAccessible : public QAccessibleWidget {
public:
    explicit FormAccessible(TForm *form);
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

    // Makes every window created afterwards report itself this way.
    static void install();

private:
    bool modal() const;
};
