#pragma once

#include "app/commandline.h"
#include "app/platformchoice.h"

namespace wagecourt::app {

// The environment of this process, with probes that really connect.
DisplayEnvironment currentDisplayEnvironment(const CommandLine &commandLine);

} // namespace wagecourt::app
