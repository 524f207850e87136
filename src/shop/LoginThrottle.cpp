#include "shop/LoginThrottle.h"

#include <algorithm>
#include <chrono>

namespace {
qint64 steadyMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
} // namespace

LoginThrottle::LoginThrottle(Clock clock) : m_clock(clock ? std::move(clock) : Clock(steadyMs)) {}

qint64 LoginThrottle::waitBeforeNextTry() const { return std::max<qint64>(0, m_acceptedFrom - m_clock()); }

void LoginThrottle::failed()
{
    ++m_failures;
    if (m_failures < kFreeTries)
        return;
    const int doublings = std::min(m_failures - kFreeTries, 16);
    const qint64 delay = std::min(kFirstDelayMs << doublings, kLongestDelayMs);
    m_acceptedFrom = m_clock() + delay;
}

void LoginThrottle::succeeded()
{
    m_failures = 0;
    m_acceptedFrom = 0;
}
