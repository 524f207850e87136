#pragma once
#include <QString>

namespace textcut {
// The first `width` characters of `text` (characters, not UTF-16 units: a
// character outside the basic plane is never split).
QString cutToWidth(const QString &text, int width);
} // namespace textcut
