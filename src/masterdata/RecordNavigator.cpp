#include "masterdata/RecordNavigator.h"

#include "controls/DBNavigator.h"

#include <QToolButton>

namespace masterui {
DBNavigator *recordNavigator(QWidget *parent, DataSource *source, const QRect &geometry, const QString &accessibleName)
{
    auto *nav = new DBNavigator(parent);
    nav->setObjectName(QStringLiteral("DBNavigator1"));
    nav->setGeometry(geometry);
    nav->setDataSource(source);
    nav->setAccessibleName(accessibleName);
    // The buttons show only pictures: each is named by what it does.
    for (DBNavigator::Button which : DBNavigator::allButtons()) {
        QToolButton *b = nav->button(which);
        if (b->accessibleName().isEmpty())
            b->setAccessibleName(DBNavigator::hint(which));
    }
    return nav;
}
} // namespace masterui
