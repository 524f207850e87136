#pragma once
// What a screen reader is told of a widget: its name and the widgets that
// label it (the "labelled by" relation).
#include <QAccessible>
#include <QList>
#include <QWidget>

inline QString accessibleNameOf(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

inline QList<QObject *> labelsOf(QWidget *widget)
{
    QList<QObject *> labels;
    const auto relations = QAccessible::queryAccessibleInterface(widget)->relations(QAccessible::Label);
    for (const auto &relation : relations)
        labels << relation.first->object();
    return labels;
}
