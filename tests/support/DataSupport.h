#pragma once
// Fixtures shared by the test programs of the core and data layers; they
// need no widgets.
#include "core/FormatSettings.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <functional>

class DataSet;

namespace password {
// Defined with the password hashing, named only here: test programs hash with
// the weakest limits libsodium allows (both main() macros switch them on), so
// that each account a fixture makes costs microseconds.
void useWeakestLimitsForTests(bool on);
} // namespace password

// The program's own hash limits for its lifetime, for a test that checks them.
class RealPasswordHashes {
public:
    RealPasswordHashes() { password::useWeakestLimitsForTests(false); }
    ~RealPasswordHashes() { password::useWeakestLimitsForTests(true); }
    RealPasswordHashes(const RealPasswordHashes &) = delete;
    RealPasswordHashes &operator=(const RealPasswordHashes &) = delete;
};

// Pins the regional settings for its lifetime.
class PinnedLocale {
public:
    explicit PinnedLocale(const QLocale &locale);
    ~PinnedLocale();
    PinnedLocale(const PinnedLocale &) = delete;
    PinnedLocale &operator=(const PinnedLocale &) = delete;

private:
    FormatSettings m_previous;
};

inline QLocale indonesian() { return QLocale(QLocale::Indonesian, QLocale::Indonesia); }
inline QLocale english() { return QLocale(QLocale::English, QLocale::UnitedStates); }

// The text of `field` in every visible record, walking from the first.
QStringList columnOf(DataSet &dataSet, const QString &field);

// The message of the error that `action` raises; empty when it raises none.
QString errorOf(const std::function<void()> &action);
