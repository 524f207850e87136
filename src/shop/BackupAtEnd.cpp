#include "shop/BackupAtEnd.h"

#include "shop/BackupRules.h"

#include <QDate>

#include <optional>
#include <thread>

namespace backupatend {
namespace {
// A lock another program holds is waited for this long before the backup gives up.
constexpr int kWaitMs = 5000;

bool enabled = false;
std::optional<std::thread> running;
} // namespace

void enable() { enabled = true; }

bool isEnabled() { return enabled; }

void begin()
{
    if (!enabled || running)
        return;
    // The alias and the settings are read here, on the program's own thread.
    BackupRules rules = BackupRules::forAlias();
    running.emplace([rules = std::move(rules)] {
        try {
            rules.runAtEnd(QDate::currentDate(), kWaitMs);
        } catch (...) {
            // Nothing may stop the end; the next end tries again.
        }
    });
}

void finish()
{
    begin();
    if (running && running->joinable())
        running->join();
}

} // namespace backupatend
