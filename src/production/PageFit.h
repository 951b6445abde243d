#pragma once

#include <QFont>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// Fitting the printed pages' texts and tables to the paper, shared by every printed page: a text
// never runs past its box or the page's edge (it wraps, or is shortened with "…"), and a table's
// heading stays with its header and first rows, its header repeated on each page it goes on to.
// Widths and heights are in the page's own units, the fonts sized in pixels of those units.
namespace PageFit {

// The text shortened at its end with "…" so that it is at most `width` wide; unchanged when it fits.
QString elided(const QString& text, const QFont& font, double width);

// The text in lines at most `width` wide, broken at blanks (and inside a word only when the word
// alone is wider). With `maxLines` > 0, a text that needs more lines ends its last line with "…".
QStringList wrapped(const QString& text, const QFont& font, double width, int maxLines = 0);

// A text wrapped into a box: the font made smaller, down to `smallestPixelSize`, until its lines
// fit the box's height; at the smallest size the lines that do not fit are dropped and "…" ends
// the last one.
struct TFittedText {
    QFont font;
    QStringList lines;
    double lineHeight = 0;
};
TFittedText fitted(const QString& text, QFont font, const QSizeF& box, int smallestPixelSize);

// A row of a page that flows over several pages: its height, how many rows after it must stand on
// the same page (a heading with its header and first rows; the last bar with its figures), and
// the table or section it belongs to (-1 for none), whose heading repeats on a page it goes on to.
struct TFlowRow {
    double height = 0;
    int keepWithNext = 0;
    int group = -1;
};
// One entry of a laid-out page: a row, or the repeated heading of a group (row -1).
struct TPlaced {
    int row = -1;
    int repeatOf = -1;
};
using TFlowPages = std::vector<std::vector<TPlaced>>;

// Lays the rows on pages `pageHeight` high, in order. A row starts a new page when it and the rows
// kept with it do not fit below what stands there; when a group goes on over a break, its heading
// (`repeatHeight(group)` high) opens the next page.
TFlowPages flow(const std::vector<TFlowRow>& rows, double pageHeight, const std::function<double(int)>& repeatHeight);

} // namespace PageFit
