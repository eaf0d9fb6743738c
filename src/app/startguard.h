#pragma once

#include <QString>

namespace wagecourt::app {

// While it lives, the toolkit's fatal "no platform plugin could be
// initialized" ends the program with `failure` on standard error and exit
// status 1 instead of an abort. The toolkit's other messages meanwhile are
// held back, and passed on when the guard ends, so that a failed start
// prints one clear line.
class PlatformStartGuard
{
public:
    explicit PlatformStartGuard(const QString &failure);
    ~PlatformStartGuard();
    PlatformStartGuard(const PlatformStartGuard &) = delete;
    PlatformStartGuard &operator=(const PlatformStartGuard &) = delete;
};

} // namespace wagecourt::app
