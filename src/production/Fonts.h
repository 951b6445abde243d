#pragma once

#include <QFont>

// The sheet's fonts by the names the workshop knows. Where Trebuchet MS, Arial or Comic Sans MS is
// not installed, a free font of similar shape stands in (Open Sans, Liberation Sans, Comic Neue).
namespace Fonts {
void installSubstitutes();
QFont trebuchet(int pixelSize, bool bold = false, bool italic = false);
QFont arial(int pixelSize, bool bold = false);
QFont comicSans(int pixelSize, bool bold = false);
} // namespace Fonts
