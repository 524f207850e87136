#pragma once
// Where the tests of the master data windows start: a fresh database, the
// administrator logged in at the main window, the Indonesian desktop; and
// the steps a user takes in those windows.
#include "AccessFixture.h"
#include "TestSupport.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

class QWidget;

class MasterDataFixture {
public:
    void start();
    void stop();
    TempDatabase &db() { return m_access.db(); }

    // Seeding, straight into the tables.
    void addGoods(const QString &kodeKervano, const QString &nama = QString(), const QString &group = QString(),
                  const QString &part = QString(), double harga = 0);
    void addGroup(const QString &group);
    void addPart(const QString &part);
    void addCustomer(const QString &nama, const QString &kota = QString());

    // One stored goods field by shop code; an invalid value when there is no such record.
    QVariant goods(const QString &kodeKervano, const QString &field);
    // A column of a table in the table's own order, read straight from it.
    QStringList column(const QString &table, const QString &field, const QString &order);

    // Types as a user does: the window is made active and the control takes
    // the keyboard, then every character is a key press on what has the focus.
    static void typeInto(QWidget *control, const QString &text, bool replace = true);
    // Each character a key press on whatever has the focus then (a grid's
    // cell editor opened by the first key takes the rest).
    static void typeKeys(const QString &text);
    static void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    static void activate(QWidget *control);
    // A picture file written into the database's folder.
    QString pictureFile(const QString &name, const char *format, QSize size, QColor colour);

private:
    std::unique_ptr<PinnedLocale> m_locale;
    AccessFixture m_access;
};
