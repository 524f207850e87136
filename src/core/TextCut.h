#pragma once
#include <QString>

namespace textcut {
// The first `width` characters of `text` (characters, not UTF-16 units: a
// character outside the basic plane is never split, so the cut text always
// converts to valid UTF-8 when the whole did).
QString cutToWidth(const QString &text, int width);
} // namespace textcut
