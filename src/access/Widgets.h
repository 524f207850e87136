#pragma once
// Small builders shared by the access windows: flat "speed" buttons, labels
// placed at design positions, pictures from the compiled-in SVGs, colours.
#include <QColor>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QStyle>

class QFrame;
class QIcon;
class QObject;
class QPushButton;
class Table;
class QLabel;
class QLineEdit;
class QToolButton;
class QWidget;

namespace accessui {

// A flat button with a hand cursor that never takes the focus. Its hint goes
// only to the hint line (statusTip), never to a tooltip.
QToolButton *speedButton(QWidget *parent, const QString &name, const QString &caption, const QString &hint,
                         const QRect &geometry);

// A label at `pos` sized to its text (or to `geometry` when given).
QLabel *label(QWidget *parent, const QString &name, const QString &text, const QPoint &pos);
QLabel *label(QWidget *parent, const QString &name, const QString &text, const QRect &geometry);

// A picture box showing `resource` rendered at `size`.
QLabel *picture(QWidget *parent, const QString &name, const QString &resource, const QRect &geometry);
QPixmap pixmap(const QString &resource, const QSize &size);

QLineEdit *edit(QWidget *parent, const QString &name, const QRect &geometry);

// One of the desktop style's standard pictures.
QIcon standardIcon(QStyle::StandardPixmap which);

// A push button with a picture beside its caption.
QPushButton *bitButton(QWidget *parent, const QString &name, const QString &caption, const QIcon &icon,
                       const QRect &geometry);
// The same with the hand-shaped mouse pointer of the work windows.
QPushButton *handButton(QWidget *parent, const QString &name, const QString &caption, const QIcon &icon,
                        const QRect &geometry);

// A window's table on `tableName`, in the order of `index` (its key when empty).
Table *table(QObject *parent, const QString &name, const QString &tableName, const QString &index = QString());

// A panel (QFrame) filled with `colour`.
QFrame *panel(QWidget *parent, const QString &name, const QRect &geometry, const QColor &colour);

void setTextColour(QWidget *widget, const QColor &colour);
void setBackground(QWidget *widget, const QColor &colour);
void applyFont(QWidget *widget, const QString &family, int pointSize, bool bold = false);

// The sixteen classic named colours the window designs use (those needed here).
inline const QColor kTeal{0x00, 0x80, 0x80};
inline const QColor kGreen{0x00, 0x80, 0x00};
inline const QColor kMaroon{0x80, 0x00, 0x00};
inline const QColor kNavy{0x00, 0x00, 0x80};
inline const QColor kBlue{0x00, 0x00, 0xFF};
inline const QColor kSilver{0xC0, 0xC0, 0xC0};
inline const QColor kGrey{0x80, 0x80, 0x80};
inline const QColor kLightGreen{0xC0, 0xF0, 0xC0};

} // namespace accessui
