#pragma once
// The navigator bar of the master data windows: all ten buttons on one data
// source, the bar named for a screen reader.
#include <QRect>
#include <QString>

class DBNavigator;
class DataSource;
class QWidget;

namespace masterui {
DBNavigator *recordNavigator(QWidget *parent, DataSource *source, const QRect &geometry, const QString &accessibleName);
} // namespace masterui
