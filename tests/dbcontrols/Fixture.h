#pragma once
// Shared by the data-aware control tests: a fresh database, a window to put
// controls in, and typing as a user types (into whatever has the focus).
#include "TempDatabase.h"
#include "TestSupport.h"
#include "data/DataSource.h"
#include "data/Query.h"
#include "data/Table.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <memory>

struct ControlsFixture {
    TempDatabase db;
    QWidget window;
    Table table;
    DataSource source;

    explicit ControlsFixture(const QString &tableName)
    {
        table.setTableName(tableName);
        source.setDataSet(&table);
        window.resize(640, 400);
    }

    void show(QWidget *focus = nullptr)
    {
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        if (focus) {
            focus->setFocus();
            QTRY_VERIFY(focus->hasFocus());
        }
    }
};

// Key presses go to the widget with the focus, as they do for a user; an
// in-place editor opened by the first key receives the rest.
inline void typeText(const QString &text)
{
    for (const QChar c : text) {
        QWidget *target = QApplication::focusWidget();
        QVERIFY(target);
        QTest::keyClick(target, c.toLatin1());
    }
}

inline void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *target = QApplication::focusWidget();
    QVERIFY(target);
    QTest::keyClick(target, key, modifiers);
}

inline void fillParts(const TempDatabase &db, const QStringList &parts)
{
    for (const QString &p : parts)
        db.exec(QStringLiteral("INSERT INTO \"Part\" (\"Part\") VALUES (?)"), {p});
}
