#pragma once

#include <QFont>
#include <QStringList>

namespace wagecourt::ui {

// The two faces the layout names. Where the system lacks them, free faces with
// the same metrics are loaded from the system's font folders, and failing that
// a named free family stands in, so that font matching never has to search.
enum class Face { Tahoma, MsSansSerif };

// Loads the faces once, at start, before any window exists.
void loadLayoutFonts();

// Where the free faces are looked for; only takes effect before the first
// load. Tests point it at an empty list to see the window with the stand-in.
void setLayoutFontFolders(const QStringList &folders);

QFont layoutFont(Face face, qreal points, bool bold = false, bool underline = false);

} // namespace wagecourt::ui
