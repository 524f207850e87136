#include "invoice/ItemLine.h"

#include "access/Widgets.h"
#include "controls/MessageBoxes.h"
#include "invoice/WrittenInvoice.h"
#include "shop/InvoiceDraft.h"

#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QValidator>

namespace itemline {
namespace {

// QLineEdit takes the changed text back from validate(); one character for
// one, so the cursor stays where it was.
class CapitalsValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        for (QChar &c : input)
            c = c.toUpper();
        return Acceptable;
    }
};

QPushButton *pictureButton(QWidget *parent, const QString &name, const QString &caption, const QIcon &icon,
                           const QSize &iconSize, const QRect &geometry)
{
    QPushButton *b = accessui::bitButton(parent, name, caption, icon, geometry);
    b->setIconSize(iconSize);
    return b;
}

} // namespace

bool storeLine(const InvoiceLine &line)
{
    const QString refusal = InvoiceDraft::lineRefusal(line);
    if (!refusal.isEmpty()) {
        msg::exclamation(refusal, msg::kErrorCaption);
        return false;
    }
    writtenInvoice().addLine(line);
    return true;
}

void setCapitals(QLineEdit *edit) { edit->setValidator(new CapitalsValidator(edit)); }

QPushButton *saveButton(QWidget *parent, const QRect &geometry)
{
    const QIcon picture(accessui::pixmap(QStringLiteral(":/invoice/save.svg"), QSize(21, 22)));
    QPushButton *b = pictureButton(parent, QStringLiteral("BitBtn2"), QStringLiteral("Simpan"), picture, QSize(21, 22),
                               geometry);
    b->setEnabled(false);
    return b;
}

QPushButton *cancelButton(QWidget *parent, const QRect &geometry)
{
    QIcon picture;
    picture.addPixmap(accessui::pixmap(QStringLiteral(":/invoice/cancel.svg"), QSize(18, 18)), QIcon::Normal);
    picture.addPixmap(accessui::pixmap(QStringLiteral(":/invoice/cancel-disabled.svg"), QSize(18, 18)),
                      QIcon::Disabled);
    return pictureButton(parent, QStringLiteral("BitBtn1"), QStringLiteral("Batal"), picture, QSize(18, 18), geometry);
}

QToolButton *lookupButton(QWidget *parent, const QString &name, const QString &action, const QRect &geometry)
{
    QToolButton *b = accessui::speedButton(parent, name, QString(), QString(), geometry);
    b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    b->setIcon(QIcon(accessui::pixmap(QStringLiteral(":/invoice/lookup.svg"), QSize(30, 34))));
    b->setIconSize(QSize(30, 34));
    b->setAccessibleName(action);
    b->setToolTip(action);
    return b;
}

} // namespace itemline
