#pragma once

#include "presentation/text.h"

// Words that must be there without the module: the page's own when its module
// cannot load or a new version waits, and the browser extension's menu item and
// description, which the browser shows from the extension's _locales. They are
// marked here for the translation tools like every other fixed word, and
// sitetexts.py writes their translations into the page and the extension,
// under the names of these constants.
namespace wagecourt::sitetext {

inline constexpr Text kLoadFailed{"Web", QT_TRANSLATE_NOOP("Web",
        "The calculator could not be loaded. Reload the page, or open it in an up-to-date browser.")};
//: A button shown when the page has downloaded a newer version of itself.
inline constexpr Text kNewVersion{"Web", QT_TRANSLATE_NOOP("Web", "New version: reload")};
//: The browser extension's item in the menu of a selected text.
inline constexpr Text kMenuTitle{"Web", QT_TRANSLATE_NOOP("Web", "Weekly salary in Wagecourt")};
//: The browser extension's description in the browser's list of extensions and in its store.
inline constexpr Text kExtensionDescription{"Web", QT_TRANSLATE_NOOP("Web",
        "The weekly salary of a Courtlore player from a skill list selected on a page")};

} // namespace wagecourt::sitetext
