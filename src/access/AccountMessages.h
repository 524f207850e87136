#pragma once
// Messages about the logged-in account that several access windows show.
#include <QString>

namespace accountmsg {
// A try made while the wait after wrong passwords runs.
QString tooSoon(qint64 waitMs);
// The account `name` is no longer in the table under that name.
QString gone(const QString &name);
} // namespace accountmsg
