#include "design/DoorDrawing.h"
#include "production/Fonts.h"
#include "production/PrintComputation.h"
#include "production/ProductionSheet.h"
#include "production/ReportPage.h"
#include "production/SheetRenderer.h"
#include "support/TestSupport.h"

#include <QGuiApplication>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

using namespace ProjectBuilder;

namespace {

struct TWord {
    QString text;
    QRectF box; // in pixels of the 96-dpi page
};

// The words of a PDF page with their boxes, read with pdftotext.
QList<TWord> pdfWords(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    process.waitForFinished(30000);
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QList<TWord> words;
    const double toPixels = 96.0 / 72.0;
    for (auto match = word.globalMatch(html); match.hasNext();) {
        const auto m = match.next();
        const QRectF box(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()) * toPixels,
                         QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()) * toPixels);
        QString text = m.captured(5);
        text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        words << TWord{text, box};
    }
    return words;
}

// A box of the layout in page pixels: band "header" starts at (19, 38), the body 53 below.
QRectF headerBox(double x, double y, double w, double h) {
    return QRectF(19 + x, 38 + y, w, h).adjusted(-1, -1, 1, 1);
}
QRectF bodyBox(double x, double y, double w, double h) {
    return QRectF(19 + x, 91 + y, w, h).adjusted(-1, -1, 1, 1);
}

// A three-door order: door 1 "Yatay" in three, door 2 "Dikey" in two with a split, door 3 one glass division.
TProject threeDoors() {
    TProject project = entered(QStringLiteral("300"), QStringLiteral("253,5"), QStringLiteral("250"),
                               {QStringLiteral("102,67"), QStringLiteral("102,67"), QStringLiteral("102,67")});
    project.orderName = QStringLiteral("Çelik Ailesi");
    project.dolapadet = QStringLiteral("2");
    project.deliveryDate = QDate(2026, 12, 24);
    project.profileColour = QStringLiteral("Şampanya");
    project.profileModel = QStringLiteral("Slim");
    setDoor(project, 1, QStringLiteral("Yatay"), QStringLiteral("3"));
    for (int d = 1; d <= 3; ++d)
        setDivision(project, 1, d, QStringLiteral("96,37"), QStringLiteral("80"), QStringLiteral("Panel"),
                    QStringLiteral("Ceviz"));
    setDoor(project, 2, QStringLiteral("Dikey"), QStringLiteral("2"));
    setDivision(project, 2, 1, QStringLiteral("47,69"), QStringLiteral("245"), QStringLiteral("Cam"),
                QStringLiteral("Ayna"));
    setDivision(project, 2, 2, QStringLiteral("47,69"), QStringLiteral("245"), QStringLiteral("Cam"),
                QStringLiteral("Füme"));
    setSplit(project, 2, 1, {"100", "Cam", "Ayna", "144", "Panel", "Krem", "0", "Panel", "Krem", "1"});
    setDoor(project, 3, QStringLiteral("Yatay"), QStringLiteral("1"));
    setDivision(project, 3, 1, QStringLiteral("96,37"), QStringLiteral("245"), QStringLiteral("Cam"),
                QStringLiteral("Bronz"));
    return project;
}

std::array<QImage, 7> pictures(const TProject& project, const TProfileGroup& group) {
    std::array<QImage, 7> images;
    DrawBlankDoors(images);
    for (int door = 1; door <= 6; ++door)
        if (!project.divisionCount(door).isEmpty()) RedrawDoorImage(project, group, door, images[door]);
    return images;
}

QImage render(const TReportPage& page) {
    QImage image(SheetRenderer::PageWidth, SheetRenderer::PageHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    SheetRenderer::paint(painter, QRectF(image.rect()), page);
    return image;
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Fonts::installSubstitutes(); }
    void filledTextsStandInTheirBoxes();
    void pagePixelsShowFramePicturesAndRules();
    void twoDoorProjectHidesPicturesThreeToSix();
    void onlyTwentyListLinesShow();
    void yatayLabelsSitAtTheirDivisionsLeftEdge();
    void labelsLeaveTheMainWindowsPicturesUnchanged();
    void fillRefusesAnUndesignedDoorOne();
    void longTextsStayInsideThePrintableArea();

private:
    QTemporaryDir m_dir;
};

void TestReport::filledTextsStandInTheirBoxes() {
    const TProject project = threeDoors();
    const TProfileGroup group = groupWith({{TProfileGroup::firma, "Usta Alüminyum"}});
    TProductionSheet sheet;
    QCOMPARE(refusalOf([&] { ComputeProductionSheet(project, group, sheet); }), QString());
    TReportPage page;
    QVERIFY(RunGuarded([&] { FillReport(project, group, sheet, pictures(project, group), page); }));
    const QString pdf = m_dir.filePath(QStringLiteral("three.pdf"));
    SheetRenderer::writePdf(pdf, page);
    const QList<TWord> words = pdfWords(pdf);
    QVERIFY(!words.isEmpty());

    // Every word of `text` must appear, in order, inside the box.
    auto standsIn = [&](const QString& text, const QRectF& box) {
        const QStringList parts = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (qsizetype i = 0; i + parts.size() <= words.size(); ++i) {
            bool all = true;
            for (qsizetype j = 0; j < parts.size() && all; ++j)
                all = words[i + j].text == parts[j] && box.contains(words[i + j].box);
            if (all) return true;
        }
        qWarning() << "not found in its box:" << text << box;
        return false;
    };
    QVERIFY(standsIn(QStringLiteral("Çelik Ailesi"), headerBox(0, 0, 625, 36)));
    QVERIFY(standsIn(QStringLiteral("2 Takım"), headerBox(624, 0, 131, 33)));
    QVERIFY(standsIn(QStringLiteral("300 cm"), headerBox(134, 32, 136, 21)));
    QVERIFY(standsIn(QStringLiteral("253,5 cm"), headerBox(392, 32, 124, 21)));
    QVERIFY(standsIn(QStringLiteral("24.12.2026"), headerBox(624, 32, 131, 21)));
    for (double x : {5, 97, 189})
        QVERIFY(standsIn(QStringLiteral("102,67"), bodyBox(x, 305, 90, 17)));
    QVERIFY(standsIn(QStringLiteral("0"), bodyBox(281, 305, 90, 17)));
    QVERIFY(standsIn(QStringLiteral("250"), bodyBox(665, 305, 90, 17)));
    QVERIFY(standsIn(QStringLiteral("Şampanya"), bodyBox(650, 1, 105, 17)));
    QVERIFY(standsIn(sheet.glassGasket, bodyBox(650, 69, 105, 17)));
    // Captions end clear of their value boxes' rule at 650.
    QVERIFY(standsIn(QStringLiteral("Çarpma Fitili (m)"), bodyBox(560, 102, 87, 17)));
    QVERIFY(standsIn(QStringLiteral("Tekerlek Mekanizma (Tkm)"), bodyBox(560, 119, 148, 17)));
    QVERIFY(standsIn(QStringLiteral("6"), bodyBox(711, 119, 42, 17))); // 3 doors × 2 cabinets
    QVERIFY(standsIn(QStringLiteral("Yan Profile Üstten"), bodyBox(0, 368, 136, 225)));
    QVERIFY(standsIn(sheet.holes[1].at(1), bodyBox(0, 368, 136, 225)));
    QVERIFY(standsIn(QStringLiteral("Üst Profile Soldan"), bodyBox(136, 368, 135, 225)));
    QVERIFY(standsIn(QStringLiteral("1. Ara Profile Üstten"), bodyBox(136, 368, 135, 225)));
    QVERIFY(standsIn(QStringLiteral("3 . Kapak"), bodyBox(269, 347, 124, 17)));
    QVERIFY(standsIn(sheet.panelLines.first(), bodyBox(24, 634, 196, 16)));
    QVERIFY(standsIn(sheet.panelCounts.first(), bodyBox(218, 634, 45, 16)));
    QVERIFY(standsIn(sheet.glassLines.at(1), bodyBox(262, 650, 196, 16)));
    QVERIFY(standsIn(sheet.profilname.at(2), bodyBox(502, 666, 196, 16)));
    QVERIFY(standsIn(sheet.profiladet.at(2), bodyBox(697, 666, 58, 16)));
    QVERIFY(standsIn(QStringLiteral("20"), bodyBox(0, 938, 25, 16)));
    QVERIFY(standsIn(QStringLiteral("Usta Alüminyum"), bodyBox(0, 955, 755, 38)));
    QVERIFY(standsIn(QStringLiteral("Doravel 3 - Raylı Kapak Tasarım ve Üretim Programı"), bodyBox(0, 991, 755, 20)));
}

void TestReport::pagePixelsShowFramePicturesAndRules() {
    const TProject project = threeDoors();
    const TProfileGroup group = defaultGroup();
    TProductionSheet sheet;
    ComputeProductionSheet(project, group, sheet);
    TReportPage page;
    FillReport(project, group, sheet, pictures(project, group), page);
    const QImage image = render(page);
    QCOMPARE(image.size(), QSize(794, 1123));
    QCOMPARE(QColor(image.pixel(19, 500)), QColor(Qt::black));            // frame, left
    QCOMPARE(QColor(image.pixel(400, 38)), QColor(Qt::black));            // frame, top
    QCOMPARE(QColor(image.pixel(10, 500)), QColor(Qt::white));            // margin
    QCOMPARE(QColor(image.pixel(19 + 556, 91 + 200)), QColor(Qt::black)); // rule between pictures and data
    // inside door 1's picture, on the leaf's fill; beside the pictures the page is white
    const QColor fill(image.pixel(19 + 5 + 60, 91 + 5 + 30));
    QVERIFY2(qAbs(fill.blue() - 233) < 12 && qAbs(fill.red() - 211) < 12, qPrintable(fill.name()));
    QCOMPARE(QColor(image.pixel(19 + 300, 91 + 150)), QColor(Qt::white));
}

void TestReport::twoDoorProjectHidesPicturesThreeToSix() {
    TProject project = entered(QStringLiteral("200"), QStringLiteral("203,5"), QStringLiteral("200"),
                               {QStringLiteral("102"), QStringLiteral("102")});
    for (int door = 1; door <= 2; ++door) {
        setDoor(project, door, QStringLiteral("Yatay"), QStringLiteral("2"));
        setDivision(project, door, 1, QStringLiteral("95,7"), QStringLiteral("97,5"));
        setDivision(project, door, 2, QStringLiteral("95,7"), QStringLiteral("97,5"));
    }
    const TProfileGroup group = defaultGroup();
    TProductionSheet sheet;
    sheet.holes[4] = QStringList{QStringLiteral("old")};
    QCOMPARE(refusalOf([&] { ComputeProductionSheet(project, group, sheet); }), QString());
    TReportPage page;
    QVERIFY(RunGuarded([&] { FillReport(project, group, sheet, pictures(project, group), page); }));
    QCOMPARE(page.pictureHeights[2], 300);
    for (int door = 3; door <= 6; ++door) {
        QCOMPARE(page.pictureHeights[door], 0);
        QCOMPARE(page.doorWidths[door], QStringLiteral("0"));
        QVERIFY(page.holes[door].isEmpty());
    }
    const QImage image = render(page);
    QCOMPARE(QColor(image.pixel(19 + 189 + 45, 91 + 150)), QColor(Qt::white)); // picture 3 not drawn
    const QString pdf = m_dir.filePath(QStringLiteral("two.pdf"));
    SheetRenderer::writePdf(pdf, page);
    int titles = 0;
    for (const TWord& word : pdfWords(pdf))
        titles += word.text == QLatin1String("Kapak") && word.box.top() > 91 + 346 && word.box.bottom() < 91 + 366;
    QCOMPARE(titles, 6);
}

void TestReport::onlyTwentyListLinesShow() {
    TReportPage page;
    for (int i = 1; i <= 25; ++i) {
        page.panelLines << QStringLiteral("10  X  %1  -  Beyaz").arg(i + 100);
        page.panelCounts << QStringLiteral("1");
    }
    const QString pdf = m_dir.filePath(QStringLiteral("lines.pdf"));
    SheetRenderer::writePdf(pdf, page);
    QStringList texts;
    for (const TWord& word : pdfWords(pdf))
        texts << word.text;
    QVERIFY(texts.contains(QStringLiteral("120")));
    QVERIFY(!texts.contains(QStringLiteral("121")));
    QVERIFY(texts.contains(QStringLiteral("20")));
    QVERIFY(!texts.contains(QStringLiteral("21")));
}

void TestReport::yatayLabelsSitAtTheirDivisionsLeftEdge() {
    TProject project = entered(QStringLiteral("100"), QStringLiteral("203,5"), QStringLiteral("200"),
                               {QStringLiteral("52"), QStringLiteral("52")});
    setDoor(project, 1, QStringLiteral("Yatay"), QStringLiteral("2"));
    setDivision(project, 1, 1, QStringLiteral("45,7"), QStringLiteral("60"), QStringLiteral("Panel"),
                QStringLiteral("Aaa"));
    setDivision(project, 1, 2, QStringLiteral("45,7"), QStringLiteral("140"), QStringLiteral("Panel"),
                QStringLiteral("Bbb"));
    std::array<QImage, 7> images;
    images[1] = DoorDrawing::newPicture();
    const QImage before = images[1];
    LabelDoorPictures(project, images);
    // The changed pixels form two labels: one from y = 60, one from y = 260, both at the left edge.
    QList<int> rows;
    int right = 0;
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 120; ++x)
            if (images[1].pixel(x, y) != before.pixel(x, y)) {
                if (rows.isEmpty() || rows.last() != y) rows << y;
                right = qMax(right, x);
            }
    QVERIFY(!rows.isEmpty());
    QVERIFY2(rows.first() >= 60 && rows.first() < 66, qPrintable(QString::number(rows.first())));
    const auto second = std::find_if(rows.begin(), rows.end(), [](int y) { return y >= 200; });
    QVERIFY(second != rows.end());
    QVERIFY2(*second >= 260 && *second < 266, qPrintable(QString::number(*second)));
    QVERIFY(std::all_of(rows.begin(), rows.end(), [](int y) { return y < 80 || (y >= 260 && y < 280); }));
    QVERIFY(right < 40);
}

void TestReport::labelsLeaveTheMainWindowsPicturesUnchanged() {
    const TProject project = threeDoors();
    const TProfileGroup group = defaultGroup();
    const std::array<QImage, 7> images = pictures(project, group);
    const QImage door2 = images[2].copy();
    TProductionSheet sheet;
    ComputeProductionSheet(project, group, sheet);
    TReportPage page;
    FillReport(project, group, sheet, images, page);
    QCOMPARE(images[2], door2);
    QVERIFY(page.pictures[2] != door2);
}

void TestReport::fillRefusesAnUndesignedDoorOne() {
    TProject project = entered(QStringLiteral("200"), QStringLiteral("203,5"), QStringLiteral("200"),
                               {QStringLiteral("102"), QStringLiteral("102")});
    TReportPage page;
    TScriptedMessages messages;
    QVERIFY(!RunGuarded([&] { FillReport(project, defaultGroup(), TProductionSheet(), {}, page); }));
    QCOMPARE(messages.shown, QStringList{QStringLiteral("Lütfen Ölçülendirme Yapınız !")});
    QCOMPARE(page.orderName, QString());
}

QTEST_MAIN(TestReport)
void TestReport::longTextsStayInsideThePrintableArea() {
    TProject project = threeDoors();
    project.orderName = QStringLiteral("Yatak Odası Dolabı ile Koridor Vestiyeri ve Çocuk Odası Gardırobu, Ahşap "
                                       "Görünümlü Kapaklarla, Üst Kat Daire 12 İçin Hazırlanacak Sipariş");
    project.profileColour = QString(60, QLatin1Char('S'));
    const TProfileGroup group = groupWith({{TProfileGroup::firma, "Usta Alüminyum Doğrama Cam ve Raylı Dolap Kapak "
                                                                  "Sistemleri Sanayi ve Ticaret Limited Şirketi"}});
    TProductionSheet sheet;
    QCOMPARE(refusalOf([&] { ComputeProductionSheet(project, group, sheet); }), QString());
    TReportPage page;
    QVERIFY(RunGuarded([&] { FillReport(project, group, sheet, pictures(project, group), page); }));
    const QString pdf = m_dir.filePath(QStringLiteral("long.pdf"));
    SheetRenderer::writePdf(pdf, page);
    const QList<TWord> words = pdfWords(pdf);
    // The bands: 5 mm from the sides, 10 mm from the top, down to the body's bottom rule.
    const QRectF printable = QRectF(19, 38, 756, 53 + 1014).adjusted(-1, -1, 1, 1);
    for (const TWord& word : words)
        QVERIFY2(printable.contains(word.box), qPrintable(word.text));
    // The order name stands in its box, in smaller letters, and what does not fit ends in "…".
    const QRectF nameBox = headerBox(0, 0, 625, 36);
    QStringList name;
    for (const TWord& word : words)
        if (nameBox.contains(word.box)) name << word.text;
    QCOMPARE(name.first(), QStringLiteral("Yatak"));
    QVERIFY(name.size() > 6);
    for (const TWord& word : words)
        if (word.text.startsWith(QStringLiteral("SSSS")))
            QVERIFY2(bodyBox(650, 1, 105, 17).contains(word.box), qPrintable(word.text));
}

#include "tst_report.moc"
