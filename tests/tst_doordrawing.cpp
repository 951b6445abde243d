#include "design/DivisionEditor.h"
#include "design/DoorDrawing.h"
#include "support/TestSupport.h"

#include <QPainter>
#include <QtTest>

namespace {

struct TBar {
    bool vertical;
    int x, y, length; // length -1: the whole bar
};

// What the rules give, painted independently: the leaf, then each bar at its hand-computed place.
QImage expected(const QList<TBar>& bars) {
    QImage picture = DoorDrawing::stockLeaf().copy();
    QPainter painter(&picture);
    for (const TBar& bar : bars) {
        const QImage& stock = bar.vertical ? DoorDrawing::stockVerticalBar() : DoorDrawing::stockHorizontalBar();
        QRect source = stock.rect();
        if (bar.length >= 0) {
            if (bar.vertical)
                source.setHeight(qMin(bar.length, stock.height()));
            else
                source.setWidth(qMin(bar.length, stock.width()));
        }
        painter.drawImage(QPoint(bar.x, bar.y), stock, source);
    }
    return picture;
}

TSplitRow split(const char* s1, const char* s2, const char* bs) {
    TSplitRow row;
    row[1] = QString::fromLatin1(s1);
    row[4] = QString::fromLatin1(s2);
    row[7] = QStringLiteral("0");
    row[10] = QString::fromLatin1(bs);
    return row;
}

} // namespace

Q_DECLARE_METATYPE(QList<TBar>)

class TestDoorDrawing : public QObject {
    Q_OBJECT
private slots:
    void stockPicturesHaveTheirColours();
    void blankDoorHasFiveBars();
    void sketchSpacesDividersEvenly_data();
    void sketchSpacesDividersEvenly();
    void designsDrawDividersAndSplitBars_data();
    void designsDrawDividersAndSplitBars();
    void doorThatCannotBeScaledStops();
    void sizeThatIsNotANumberKeepsWhatWasDrawn();
    void previewFollowsTheEditorAndRedrawMatchesIt();
    void lowestDivisionCountDrawsNoDivider();
};

void TestDoorDrawing::stockPicturesHaveTheirColours() {
    const QImage& leaf = DoorDrawing::stockLeaf();
    QCOMPARE(leaf.size(), QSize(120, 400));
    QCOMPARE(leaf.format(), QImage::Format_RGB888);
    QCOMPARE(DoorDrawing::stockHorizontalBar().size(), QSize(120, 3));
    QCOMPARE(DoorDrawing::stockVerticalBar().size(), QSize(3, 400));
    QCOMPARE(DoorDrawing::stockHorizontalBar().pixelColor(60, 1), QColor(7, 15, 39));
    const QColor outer = DoorDrawing::stockVerticalBar().pixelColor(0, 100);
    const QColor middle = DoorDrawing::stockVerticalBar().pixelColor(1, 100);
    QVERIFY(middle.red() < outer.red() && outer.red() <= 41 && middle.red() >= 33);
}

void TestDoorDrawing::blankDoorHasFiveBars() {
    const QImage door = DoorDrawing::blankDoor();
    QCOMPARE(door.size(), QSize(120, 400));
    QCOMPARE(door.pixelColor(0, 0), QColor(0, 0, 0)); // frame
    QCOMPARE(door.pixelColor(1, 199), QColor(0, 0, 0));
    QCOMPARE(door.pixelColor(119, 399), QColor(0, 0, 0));
    QCOMPARE(door.pixelColor(2, 30), QColor(170, 166, 155));  // grey line
    QCOMPARE(door.pixelColor(60, 30), QColor(211, 220, 233)); // fill
    for (int y : {66, 133, 200, 266, 333}) {
        QCOMPARE(door.pixelColor(0, y), QColor(7, 15, 39));
        QCOMPARE(door.pixelColor(119, y + 2), QColor(7, 15, 39));
        QCOMPARE(door.pixelColor(60, y + 3), QColor(211, 220, 233));
    }
    QCOMPARE(door.pixelColor(60, 65), QColor(211, 220, 233));
    QCOMPARE(
        door,
        expected(
            {{false, 0, 66, -1}, {false, 0, 133, -1}, {false, 0, 200, -1}, {false, 0, 266, -1}, {false, 0, 333, -1}}));
}

void TestDoorDrawing::sketchSpacesDividersEvenly_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("direction");
    QTest::addColumn<QList<int>>("positions");
    const QList<QList<int>> columns = {{}, {60}, {40, 80}, {30, 60, 90}, {24, 48, 72, 96}, {20, 40, 60, 80, 100}};
    const QList<QList<int>> rows = {
        {}, {200}, {130, 260}, {100, 200, 300}, {80, 160, 240, 320}, {66, 132, 198, 264, 330}};
    for (int n = 1; n <= 6; ++n) {
        QTest::addRow("%d Dikey", n) << n << "Dikey" << columns[n - 1];
        QTest::addRow("%d Yatay", n) << n << "Yatay" << rows[n - 1];
    }
}

void TestDoorDrawing::sketchSpacesDividersEvenly() {
    QFETCH(int, count);
    QFETCH(QString, direction);
    QFETCH(QList<int>, positions);
    QList<TBar> bars;
    for (int p : positions)
        bars << (direction == QLatin1String("Dikey") ? TBar{true, p, 0, -1} : TBar{false, 0, p, -1});
    QCOMPARE(DoorDrawing::sketch(count, direction), expected(bars));
}

void TestDoorDrawing::designsDrawDividersAndSplitBars_data() {
    // Door 100 wide and 250 high: x scale 120 / 94,5, y scale 400 / 243,5.
    QTest::addColumn<QString>("direction");
    QTest::addColumn<QStringList>("sizes"); // running sizes of divisions 1..n
    QTest::addColumn<QList<TSplitRow>>("splits");
    QTest::addColumn<QList<TBar>>("bars");
    QTest::newRow("two equal Dikey divisions: divider at 58, not 60")
        << "Dikey" << QStringList{"46", "46"} << QList<TSplitRow>{} << QList<TBar>{{true, 58, 0, -1}};
    QTest::newRow("Dikey with splits of two and three parts")
        << "Dikey" << QStringList{"46", "46"} << QList<TSplitRow>{split("100", "0", "1"), split("60", "80", "2")}
        << QList<TBar>{{true, 58, 0, -1}, {false, 0, 164, 58}, {false, 58, 99, 62}, {false, 58, 230, 62}};
    QTest::newRow("Yatay with splits of three and two parts")
        << "Yatay" << QStringList{"79,5", "79,5", "79,5"}
        << QList<TSplitRow>{TSplitRow{}, split("30", "30", "2"), split("50", "44", "1")}
        << QList<TBar>{{false, 0, 131, -1},
                       {false, 0, 262, -1},
                       {true, 38, 131, 131},
                       {true, 76, 131, 131},
                       {true, 63, 262, 138}};
    QTest::newRow("second size 0 draws only the first bar")
        << "Yatay" << QStringList{"120", "120"} << QList<TSplitRow>{split("40", "0", "2")}
        << QList<TBar>{{false, 0, 197, -1}, {true, 51, 0, 197}};
    QTest::newRow("one division: the split runs over the whole picture")
        << "Yatay" << QStringList{"243,5"} << QList<TSplitRow>{split("47,25", "0", "1")}
        << QList<TBar>{{true, 60, 0, 400}};
    QTest::newRow("sizes beyond the door are clipped")
        << "Dikey" << QStringList{"200", "10"} << QList<TSplitRow>{split("-20", "0", "1")} << QList<TBar>{};
    // A division of negative size: its divider lies left of or above the picture and its split bar
    // has no length, so nothing of the split is drawn.
    QTest::newRow("Dikey division of negative width: no split bar")
        << "Dikey" << QStringList{"-5", "100"} << QList<TSplitRow>{split("100", "0", "1")}
        << QList<TBar>{{true, -6, 0, -1}};
    QTest::newRow("Yatay division of negative height: no split bar")
        << "Yatay" << QStringList{"-5", "250"} << QList<TSplitRow>{split("40", "0", "1")}
        << QList<TBar>{{false, 0, -8, -1}};
    QTest::newRow("Yatay division of no height: no split bar")
        << "Yatay" << QStringList{"0", "250"} << QList<TSplitRow>{split("40", "0", "1")}
        << QList<TBar>{{false, 0, 0, -1}};
}

void TestDoorDrawing::designsDrawDividersAndSplitBars() {
    QFETCH(QString, direction);
    QFETCH(QStringList, sizes);
    QFETCH(QList<TSplitRow>, splits);
    QFETCH(QList<TBar>, bars);
    DoorDrawing::TDoorShape shape;
    shape.doorWidth = QStringLiteral("100");
    shape.doorHeight = QStringLiteral("250");
    shape.count = QString::number(sizes.size());
    shape.direction = direction;
    for (int d = 1; d <= sizes.size(); ++d) {
        (direction == QLatin1String("Dikey") ? shape.widths : shape.heights)[d] = sizes.at(d - 1);
        (direction == QLatin1String("Dikey") ? shape.heights : shape.widths)[d] = QStringLiteral("1");
    }
    for (int d = 1; d <= splits.size(); ++d)
        shape.splits[d] = &splits[d - 1];
    QImage picture = DoorDrawing::blankDoor();
    DoorDrawing::drawDoor(picture, shape, exampleGroup());
    QCOMPARE(picture, expected(bars));
}

void TestDoorDrawing::doorThatCannotBeScaledStops() {
    DoorDrawing::TDoorShape shape;
    shape.doorWidth = QStringLiteral("5,5"); // 2 × side + incover
    shape.doorHeight = QStringLiteral("250");
    shape.count = QStringLiteral("1");
    QImage picture = DoorDrawing::blankDoor();
    TScriptedMessages messages;
    QVERIFY(!RunGuarded([&] { DoorDrawing::drawDoor(picture, shape, exampleGroup()); }));
    QCOMPARE(messages.shown, QStringList{QStringLiteral("Floating point division by zero")});
    QCOMPARE(picture, DoorDrawing::blankDoor());
}

void TestDoorDrawing::sizeThatIsNotANumberKeepsWhatWasDrawn() {
    DoorDrawing::TDoorShape shape;
    shape.doorWidth = QStringLiteral("100");
    shape.doorHeight = QStringLiteral("250");
    shape.count = QStringLiteral("3");
    shape.direction = QStringLiteral("Dikey");
    shape.widths[1] = QStringLiteral("46");
    shape.widths[2] = QStringLiteral("4x");
    QImage picture = DoorDrawing::blankDoor();
    TScriptedMessages messages;
    QVERIFY(!RunGuarded([&] { DoorDrawing::drawDoor(picture, shape, exampleGroup()); }));
    QCOMPARE(messages.shown, QStringList{QStringLiteral("'4x' is not a valid floating point value")});
    QCOMPARE(picture, expected({{true, 58, 0, -1}}));
}

void TestDoorDrawing::previewFollowsTheEditorAndRedrawMatchesIt() {
    TProfileGroup group = exampleGroup();
    TDivisionEditor editor;
    editor.kapakeni = QStringLiteral("100");
    ChangeDivisionDirection(editor, QStringLiteral("Dikey"), group, QStringLiteral("250"));
    ChangeDivisionCount(editor, QStringLiteral("2"), group, QStringLiteral("250"));
    QCOMPARE(editor.preview, DoorDrawing::sketch(2, QStringLiteral("Dikey")));
    DrawDoorPreview(editor, group, QStringLiteral("250"));
    QCOMPARE(editor.preview, expected({{true, 58, 0, -1}}));
    // A split shows only while its "Ara Bölme" box is set.
    editor.splits[2] = split("60", "80", "2");
    DrawDoorPreview(editor, group, QStringLiteral("250"));
    QCOMPARE(editor.preview, expected({{true, 58, 0, -1}}));
    SetAraBolme(editor, 2, true, group, QStringLiteral("250"));
    DrawDoorPreview(editor, group, QStringLiteral("250"));
    QCOMPARE(editor.preview, expected({{true, 58, 0, -1}, {false, 58, 99, 62}, {false, 58, 230, 62}}));

    TProject project;
    project.doorHeight = QStringLiteral("250");
    project.doorCount = QStringLiteral("2");
    project.doorWidths[1] = QStringLiteral("100");
    project.hangikapak = QStringLiteral("1");
    editor.door = 1;
    std::array<QImage, 7> images;
    DrawBlankDoors(images);
    ConfirmDivisionEditor(editor, project, images);
    QImage redrawn = DoorDrawing::blankDoor();
    RedrawDoorImage(project, group, 1, redrawn);
    QCOMPARE(redrawn, images[1]);
}

// The count less one would wrap to the largest count: the door must be drawn as one with no
// divisions, not read the sizes of six.
void TestDoorDrawing::lowestDivisionCountDrawsNoDivider() {
    const TProfileGroup group = defaultGroup();
    TProject project;
    project.doorHeight = QStringLiteral("250");
    project.doorWidths[1] = QStringLiteral("100");
    project.cell(1, TProject::DirectionColumn) = QStringLiteral("Yatay");
    project.cell(1, TProject::CountColumn) = QStringLiteral("1");
    QImage one = DoorDrawing::blankDoor();
    RedrawDoorImage(project, group, 1, one);
    project.cell(1, TProject::CountColumn) = QStringLiteral("-2147483648");
    QImage lowest = DoorDrawing::blankDoor();
    TScriptedMessages messages;
    QVERIFY(RunGuarded([&] { RedrawDoorImage(project, group, 1, lowest); }));
    QCOMPARE(lowest, one);
}

QTEST_GUILESS_MAIN(TestDoorDrawing)
#include "tst_doordrawing.moc"
