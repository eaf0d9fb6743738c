#pragma once

#include "presentation/text.h"

namespace wagecourt {

// The Windows installer's own words. No program shows them: the installer's
// build (tools/windows/installer.py) reads their translations from the .ts
// files into the MSI, which picks the one of the user's language.
namespace installertext {

//: Shown by the Windows installer, which then stops, when a later version of Wagecourt is installed already.
inline constexpr Text kNewerInstalled{"Installer", QT_TRANSLATE_NOOP("Installer", "A newer version of Wagecourt is already installed.")};

} // namespace installertext

} // namespace wagecourt
