#include "masterdata/RecordNavigator.h"

#include "controls/DBNavigator.h"


namespace masterui {
DBNavigator *recordNavigator(QWidget *parent, DataSource *source, const QRect &geometry, const QString &accessibleName)
{
    auto *nav = new DBNavigator(parent);
    nav->setObjectName(QStringLiteral("DBNavigator1"));
    nav->setGeometry(geometry);
    nav->setDataSource(source);
    nav->setAccessibleName(accessibleName);
    return nav;
}
} // namespace masterui
