#pragma once

#include "model/Project.h"

#include <QImage>

#include <array>
#include <limits>

class TProfileGroup;

// Door pictures: 120 × 400, 24-bit, made only by copying the three stock pictures unscaled at
// integer positions; whatever falls outside the picture is clipped.
namespace DoorDrawing {

constexpr int PictureWidth = 120;
constexpr int PictureHeight = 400;

const QImage& stockLeaf();
const QImage& stockHorizontalBar();
const QImage& stockVerticalBar();

// A fresh copy of the door leaf.
QImage newPicture();
// Copies `length` pixels of a bar (the horizontal bar's leftmost or the vertical bar's topmost;
// WholeBar for the whole bar; zero or less draws nothing) with its top-left corner at (x, y).
constexpr int WholeBar = std::numeric_limits<int>::max();
void drawHorizontalBar(QImage& picture, int x, int y, int length = WholeBar);
void drawVerticalBar(QImage& picture, int x, int y, int length = WholeBar);

// The blank picture of the main window: the leaf with bars at y = 66, 133, 200, 266, 333.
QImage blankDoor();
// The evenly spaced sketch of n divisions in a direction.
QImage sketch(int count, const QString& direction);

// What one drawing needs of a door: its width, the division count, direction and sizes, and for
// each division the split row to draw (nullptr: no split bars).
struct TDoorShape {
    QString doorWidth;
    QString doorHeight;
    QString count;
    QString direction; // "Yatay"; anything else draws as "Dikey"
    std::array<QString, 7> widths;
    std::array<QString, 7> heights;
    std::array<const TSplitRow*, 7> splits{};
};

// Repaints the picture from the shape: leaf, dividers, then split bars. Throws EConvertError for a
// size that is not a number and DoravelError "Floating point division by zero" for a door that cannot
// be scaled; what was drawn before stays on the picture.
void drawDoor(QImage& picture, const TDoorShape& shape, const TProfileGroup& group);

// The shape of door N as stored in the project (splits from the door's own split-data table).
TDoorShape storedShape(const TProject& project, int door);

} // namespace DoorDrawing

// Repaints picture N from door N's stored data.
void RedrawDoorImage(const TProject& project, const TProfileGroup& group, int door, QImage& picture);
// Repaints all six main-window pictures blank.
void DrawBlankDoors(std::array<QImage, 7>& pictures);
