#include "design/DoorDrawing.h"

#include "model/Errors.h"
#include "model/NumberText.h"
#include "settings/ProfileGroup.h"

#include <cmath>
#include <cstring>

namespace DoorDrawing {

namespace {

QImage loadStock(const char* path) {
    QImage image(QString::fromLatin1(path));
    Q_ASSERT(!image.isNull());
    return image.convertToFormat(QImage::Format_RGB888);
}

// Copies the top-left w × h pixels of `source` to (x, y) of `target`, clipped to the target.
void copyClipped(QImage& target, const QImage& source, int x, int y, int w, int h) {
    const int x0 = std::max(x, 0), y0 = std::max(y, 0);
    const int x1 = std::min(x + w, target.width()), y1 = std::min(y + h, target.height());
    if (x0 >= x1 || y0 >= y1) return;
    const int bytes = (x1 - x0) * 3;
    for (int row = y0; row < y1; ++row)
        std::memcpy(target.scanLine(row) + x0 * 3, source.constScanLine(row - y) + (x0 - x) * 3, bytes);
}

double scale(double pixels, double size) {
    if (size == 0) throw DoravelError(QStringLiteral("Floating point division by zero"));
    return pixels / size;
}

bool isHorizontal(const QString& direction) {
    return direction == ProjectTexts::horizontal;
}

} // namespace

const QImage& stockLeaf() {
    static const QImage image = loadStock(":/door/leaf.png");
    return image;
}

const QImage& stockHorizontalBar() {
    static const QImage image = loadStock(":/door/hbar.png");
    return image;
}

const QImage& stockVerticalBar() {
    static const QImage image = loadStock(":/door/vbar.png");
    return image;
}

QImage newPicture() {
    return stockLeaf().copy();
}

void drawHorizontalBar(QImage& picture, int x, int y, int length) {
    const QImage& bar = stockHorizontalBar();
    // A bar cut to nothing (a division of no or negative size) is not drawn at all.
    if (length <= 0) return;
    const int w = std::min(length, bar.width());
    copyClipped(picture, bar, x, y, w, bar.height());
}

void drawVerticalBar(QImage& picture, int x, int y, int length) {
    const QImage& bar = stockVerticalBar();
    if (length <= 0) return;
    const int h = std::min(length, bar.height());
    copyClipped(picture, bar, x, y, bar.width(), h);
}

QImage blankDoor() {
    QImage picture = newPicture();
    for (int y : {66, 133, 200, 266, 333})
        drawHorizontalBar(picture, 0, y);
    return picture;
}

QImage sketch(int count, const QString& direction) {
    static const std::array<std::array<int, 5>, 7> columns = {
        {{}, {}, {60}, {40, 80}, {30, 60, 90}, {24, 48, 72, 96}, {20, 40, 60, 80, 100}}};
    static const std::array<std::array<int, 5>, 7> rows = {
        {{}, {}, {200}, {130, 260}, {100, 200, 300}, {80, 160, 240, 320}, {66, 132, 198, 264, 330}}};
    QImage picture = newPicture();
    if (count < 1 || count > 6) return picture;
    for (int k = 0; k < count - 1; ++k) {
        if (isHorizontal(direction))
            drawHorizontalBar(picture, 0, rows[count][k]);
        else
            drawVerticalBar(picture, columns[count][k], 0);
    }
    return picture;
}

void drawDoor(QImage& picture, const TDoorShape& shape, const TProfileGroup& group) {
    using NumberText::roundPixel;
    using NumberText::toFloat;
    const double width = toFloat(shape.doorWidth);
    const double height = toFloat(shape.doorHeight);
    const double xScale =
        scale(PictureWidth, width - (2 * group.number(TProfileGroup::side) + group.number(TProfileGroup::incover)));
    const double yScale =
        scale(PictureHeight, height - (group.number(TProfileGroup::top) + group.number(TProfileGroup::under) +
                                       group.number(TProfileGroup::incover)));
    const int count = NumberText::toInt(shape.count);
    const bool horizontal = isHorizontal(shape.direction);

    copyClipped(picture, stockLeaf(), 0, 0, PictureWidth, PictureHeight);
    // dividers[k] is the position of the divider after division k; dividers[0] = 0.
    std::array<int, 7> dividers{};
    // Compared as k < count: count - 1 would wrap for the lowest count a text can hold.
    for (int k = 1; k < count && k <= 6; ++k) {
        if (horizontal) {
            dividers[k] = roundPixel(toFloat(shape.heights[k]) * yScale + dividers[k - 1]);
            drawHorizontalBar(picture, 0, dividers[k]);
        } else {
            dividers[k] = roundPixel(toFloat(shape.widths[k]) * xScale + dividers[k - 1]);
            drawVerticalBar(picture, dividers[k], 0);
        }
    }

    for (int k = 1; k <= 6; ++k) {
        const TSplitRow* split = shape.splits[k];
        if (!split || !isSplit(*split)) continue;
        const int edge = horizontal ? PictureHeight : PictureWidth;
        const int start = k == 1 ? 0 : (k <= count ? dividers[k - 1] : edge);
        const int end = k < count ? dividers[k] : edge;
        const double s1 = toFloat((*split)[1]);
        const double s2 = toFloat((*split)[4]);
        const double partScale = horizontal ? xScale : yScale;
        const int first = roundPixel(s1 * partScale);
        const int second = roundPixel(s2 * partScale + first);
        const bool twoBars = (*split)[10] == QLatin1String("2");
        if (horizontal) {
            if (s1 != 0) drawVerticalBar(picture, first, start, end - start);
            if (twoBars && s2 != 0) drawVerticalBar(picture, second, start, end - start);
        } else {
            if (s1 != 0) drawHorizontalBar(picture, start, first, end - start);
            if (twoBars && s2 != 0) drawHorizontalBar(picture, start, second, end - start);
        }
    }
}

TDoorShape storedShape(const TProject& project, int door) {
    TDoorShape shape;
    shape.doorWidth = project.doorWidths[door];
    shape.doorHeight = project.doorHeight;
    shape.count = project.divisionCount(door);
    shape.direction = ProjectTexts::directionOf(project.direction(door));
    for (int d = 1; d <= 6; ++d) {
        shape.widths[d] = project.divisionWidth(door, d);
        shape.heights[d] = project.divisionHeight(door, d);
        shape.splits[d] = &project.splitTable(door)[d];
    }
    return shape;
}

} // namespace DoorDrawing

void RedrawDoorImage(const TProject& project, const TProfileGroup& group, int door, QImage& picture) {
    DoorDrawing::drawDoor(picture, DoorDrawing::storedShape(project, door), group);
}

void DrawBlankDoors(std::array<QImage, 7>& pictures) {
    for (int door = 1; door <= 6; ++door)
        pictures[door] = DoorDrawing::blankDoor();
}
