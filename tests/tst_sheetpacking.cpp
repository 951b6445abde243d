#include "cutting/SheetPacking.h"
#include "support/GuillotineCheck.h"

#include <QtTest>

#include <random>

using namespace SheetPacking;

Q_DECLARE_METATYPE(SheetPacking::TSheetJob)

namespace {

TSheetJob jobOf(Length width, Length height, std::vector<TPieceDemand> pieces, Length kerf = 0) {
    TSheetJob job;
    job.stock = {{1, width, height, -1, 1, false}};
    job.pieces = std::move(pieces);
    job.kerf = kerf;
    job.limit = std::chrono::milliseconds(100);
    return job;
}

// A plan that the independent checker accepts, with its figures consistent.
TSheetPlan packChecked(const TSheetJob& job) {
    const TSheetPlan plan = Pack(job);
    const QString fault = GuillotineCheck::check(job, plan);
    if (!fault.isEmpty()) qWarning("%s", qPrintable(fault));
    [&] { QVERIFY2(fault.isEmpty(), qPrintable(fault)); }();
    [&] { QVERIFY(plan.lowerBound <= static_cast<int>(plan.sheets.size()) || !plan.unplaced.empty()); }();
    return plan;
}

// Pieces cut from one sheet by random guillotine cuts: one sheet, no waste, is the optimum.
std::vector<TPieceDemand> perfectPieces(Length width, Length height, int cuts, unsigned seed) {
    std::mt19937 rng(seed);
    struct TRect {
        Length w, h;
    };
    std::vector<TRect> parts{{width, height}};
    for (int c = 0; c < cuts; ++c) {
        std::size_t largest = 0;
        for (std::size_t i = 1; i < parts.size(); ++i)
            if (parts[i].w * parts[i].h > parts[largest].w * parts[largest].h) largest = i;
        TRect r = parts[largest];
        const bool vertical = r.w >= r.h;
        const Length side = vertical ? r.w : r.h;
        if (side < 2) break;
        const Length at = std::uniform_int_distribution<Length>(1, side - 1)(rng);
        parts.erase(parts.begin() + static_cast<long>(largest));
        if (vertical)
            parts.insert(parts.end(), {{at, r.h}, {r.w - at, r.h}});
        else
            parts.insert(parts.end(), {{r.w, at}, {r.w, r.h - at}});
    }
    std::vector<TPieceDemand> pieces;
    for (const TRect& r : parts)
        pieces.push_back({static_cast<int>(pieces.size()) + 1, r.w, r.h, 1, false});
    return pieces;
}

} // namespace

class TestSheetPacking : public QObject {
    Q_OBJECT
private slots:
    void everyPlanIsCuttable_data();
    void everyPlanIsCuttable();
    void turningSavesASheetUnlessTheGrainForbidsIt();
    void kerfDecidesWhetherTwoPiecesShareASheet_data();
    void kerfDecidesWhetherTwoPiecesShareASheet();
    void theCheaperMixOfSizesWins();
    void aPieceLargerThanEverySheetIsListedUnplaced();
    void anEmptyMaterialNeedsNoSheet();
    void keptRemnantsAreUsedBeforeNewStock();
    void runningOutOfStockListsThePiecesLeft();
    void remnantsAreAtLeastTheSmallestWorthKeeping();
    void cutsComeStageByStage();
    void aPerfectPackingFillsOneSheet();
    void checkerRejectsAPinwheelAndAFourthStage();
};

void TestSheetPacking::everyPlanIsCuttable_data() {
    QTest::addColumn<TSheetJob>("job");
    std::mt19937 rng(7);
    const int stageLimits[] = {2, 3, 0};
    for (int n = 0; n < 12; ++n) {
        TSheetJob job = jobOf(2800, 2070, {}, n % 3 == 0 ? 0 : 4);
        job.stages = stageLimits[n % 3];
        job.trim = {n % 2 ? 10 : 0, 5, n % 2 ? 10 : 0, 0};
        std::uniform_int_distribution<Length> side(50, 1400);
        for (int p = 0; p < 8 + n * 3; ++p)
            job.pieces.push_back(
                {p + 1, side(rng), side(rng), 1 + static_cast<int>(rng() % 3), static_cast<bool>(rng() % 2)});
        if (n % 4 == 3) job.stock.push_back({2, 1830, 1220, 2, 0.5, false});
        QTest::newRow(qPrintable(QStringLiteral("mixed %1, %2 stages").arg(n).arg(job.stages))) << job;
    }
    for (int n = 0; n < 4; ++n) {
        TSheetJob job = jobOf(2000, 2000, perfectPieces(2000, 2000, 10 + n * 10, 100 + static_cast<unsigned>(n)));
        job.stages = 0;
        QTest::newRow(qPrintable(QStringLiteral("perfect %1").arg(n))) << job;
    }
}

void TestSheetPacking::everyPlanIsCuttable() {
    QFETCH(TSheetJob, job);
    const TSheetPlan plan = packChecked(job);
    QVERIFY(!plan.sheets.empty());
    QCOMPARE(plan.unplaced.size(), std::size_t(0));
}

void TestSheetPacking::turningSavesASheetUnlessTheGrainForbidsIt() {
    // Five 500 × 200 pieces fill a 1000 × 500 sheet exactly when turned, side by side.
    TSheetJob job = jobOf(1000, 500, {{1, 500, 200, 5, true}});
    TSheetPlan plan = packChecked(job);
    QCOMPARE(plan.sheets.size(), std::size_t(1));
    QVERIFY(plan.proven);
    job.pieces.front().rotate = false;
    plan = packChecked(job);
    QCOMPARE(plan.sheets.size(), std::size_t(2));
    QCOMPARE(plan.lowerBound, 2); // the area bound says one; the dual-feasible bound proves two
    QVERIFY(plan.proven);
    for (const TSheet& sheet : plan.sheets)
        for (const TPlacement& p : sheet.pieces)
            QVERIFY(!p.rotated);
}

void TestSheetPacking::kerfDecidesWhetherTwoPiecesShareASheet_data() {
    QTest::addColumn<Length>("kerf");
    QTest::addColumn<int>("sheets");
    QTest::newRow("no kerf") << Length(0) << 1;
    QTest::newRow("kerf 4") << Length(4) << 2;
}

void TestSheetPacking::kerfDecidesWhetherTwoPiecesShareASheet() {
    QFETCH(Length, kerf);
    QFETCH(int, sheets);
    const TSheetPlan plan = packChecked(jobOf(1000, 500, {{1, 500, 500, 1, false}, {2, 500, 500, 1, false}}, kerf));
    QCOMPARE(static_cast<int>(plan.sheets.size()), sheets);
    QCOMPARE(plan.lowerBound, sheets);
    QVERIFY(plan.proven);
}

void TestSheetPacking::theCheaperMixOfSizesWins() {
    // Three 1000 × 1000 pieces: a large sheet and a small one (11) beat three small (12) and two large (14).
    TSheetJob job = jobOf(2000, 1000, {{1, 1000, 1000, 3, false}});
    job.stock.front().cost = 7;
    job.stock.push_back({2, 1000, 1000, -1, 4, false});
    const TSheetPlan plan = packChecked(job);
    QCOMPARE(plan.cost, 11.0);
    QCOMPARE(plan.sheets.size(), std::size_t(2));
}

void TestSheetPacking::aPieceLargerThanEverySheetIsListedUnplaced() {
    const TSheetPlan plan = packChecked(jobOf(1000, 500, {{1, 400, 400, 2, false}, {2, 1200, 300, 1, true}}));
    QCOMPARE(plan.sheets.size(), std::size_t(1));
    QCOMPARE(plan.unplaced.size(), std::size_t(1));
    QCOMPARE(plan.unplaced.front().piece, 2);
    QCOMPARE(plan.unplaced.front().count, 1);
    QVERIFY(plan.unplaced.front().reason == TUnplacedReason::LargerThanEveryStock);
    QCOMPARE(plan.lowerBound, 1);
}

void TestSheetPacking::anEmptyMaterialNeedsNoSheet() {
    const TSheetPlan plan = packChecked(jobOf(1000, 500, {}));
    QVERIFY(plan.sheets.empty());
    QVERIFY(plan.unplaced.empty());
    QCOMPARE(plan.lowerBound, 0);
    QVERIFY(plan.proven);
    QCOMPARE(LowerBound(jobOf(1000, 500, {})), 0);
}

void TestSheetPacking::keptRemnantsAreUsedBeforeNewStock() {
    TSheetJob job = jobOf(1000, 500, {{1, 500, 400, 1, false}, {2, 100, 300, 1, false}});
    job.stock.push_back({2, 600, 450, 1, 1, true});
    const TSheetPlan plan = packChecked(job);
    QCOMPARE(plan.sheets.size(), std::size_t(1));
    QCOMPARE(plan.sheets.front().stock, 2);
    QCOMPARE(plan.cost, 0.0);
}

void TestSheetPacking::runningOutOfStockListsThePiecesLeft() {
    TSheetJob job = jobOf(1000, 500, {{1, 1000, 500, 3, false}});
    job.stock.front().count = 2;
    const TSheetPlan plan = packChecked(job);
    QCOMPARE(plan.sheets.size(), std::size_t(2));
    QCOMPARE(plan.unplaced.size(), std::size_t(1));
    QCOMPARE(plan.unplaced.front().count, 1);
    QVERIFY(plan.unplaced.front().reason == TUnplacedReason::StockExhausted);
    // A size listed with none to be had is run out from the start.
    job.stock.front().count = 0;
    const TSheetPlan none = packChecked(job);
    QVERIFY(none.sheets.empty());
    QCOMPARE(none.unplaced.size(), std::size_t(1));
    QVERIFY(none.unplaced.front().reason == TUnplacedReason::StockExhausted);
}

void TestSheetPacking::remnantsAreAtLeastTheSmallestWorthKeeping() {
    TSheetJob job = jobOf(2800, 2070, {{1, 700, 500, 3, false}, {2, 300, 200, 2, true}}, 4);
    job.minRemnantWidth = 300;
    job.minRemnantHeight = 200;
    const TSheetPlan plan = packChecked(job);
    QCOMPARE(plan.sheets.size(), std::size_t(1));
    QVERIFY(!plan.sheets.front().remnants.empty());
    Length largest = 0;
    for (const TRemnant& r : plan.sheets.front().remnants) {
        QVERIFY((r.width >= 300 && r.height >= 200) || (r.width >= 200 && r.height >= 300));
        largest = std::max(largest, r.width * r.height);
    }
    // The pieces fill less than a third of the sheet; the strip above them is kept whole.
    QVERIFY(largest >= Length(2800) * (2070 - 1000));
}

void TestSheetPacking::cutsComeStageByStage() {
    TSheetJob job = jobOf(2800, 2070, {{1, 900, 600, 4, false}, {2, 400, 300, 5, false}, {3, 1200, 250, 2, false}}, 4);
    const TSheetPlan plan = packChecked(job);
    for (const TSheet& sheet : plan.sheets) {
        QVERIFY(!sheet.cuts.empty());
        QCOMPARE(sheet.cuts.front().stage, 1);
        for (const TCut& cut : sheet.cuts) {
            QVERIFY(cut.x1 == cut.x2 || cut.y1 == cut.y2);
            QVERIFY(cut.stage <= job.stages + 1);
        }
        // The first stage's cuts run across the whole trimmed sheet.
        const TCut& first = sheet.cuts.front();
        QVERIFY((first.x2 - first.x1 == 2800) || (first.y2 - first.y1 == 2070));
    }
}

void TestSheetPacking::aPerfectPackingFillsOneSheet() {
    // Seventeen pieces cut from one sheet by random guillotine cuts go back onto one sheet.
    TSheetJob job = jobOf(2000, 2000, perfectPieces(2000, 2000, 16, 5));
    job.stages = 0;
    job.limit = std::chrono::milliseconds(500);
    const TSheetPlan plan = packChecked(job);
    QCOMPARE(plan.sheets.size(), std::size_t(1));
    QVERIFY(plan.proven);
    QCOMPARE(plan.sheets.front().pieces.size(), std::size_t(17));
}

void TestSheetPacking::checkerRejectsAPinwheelAndAFourthStage() {
    // Four pieces around a hole: no edge-to-edge cut divides them.
    const std::vector<TPlacement> pinwheel = {{1, 0, 0, 600, 400, false},
                                              {2, 600, 0, 400, 600, false},
                                              {3, 400, 600, 600, 400, false},
                                              {4, 0, 400, 400, 600, false}};
    QVERIFY(!GuillotineCheck::cuttable(pinwheel, 0, 0, 1000, 1000, 0, 0));
    // Nested alternating strips need four stages; three (and a trim) are too few.
    const std::vector<TPlacement> nested = {{1, 0, 0, 500, 1000, false},    {2, 500, 0, 500, 500, false},
                                            {3, 500, 500, 250, 500, false}, {4, 750, 500, 250, 250, false},
                                            {5, 750, 750, 100, 250, false}, {6, 850, 750, 150, 250, false}};
    QVERIFY(GuillotineCheck::cuttable(nested, 0, 0, 1000, 1000, 0, 5));
    QVERIFY(!GuillotineCheck::cuttable(nested, 0, 0, 1000, 1000, 0, 3));
    // Two pieces touching need a kerf between them where one is asked for.
    const std::vector<TPlacement> touching = {{1, 0, 0, 500, 500, false}, {2, 500, 0, 500, 500, false}};
    QVERIFY(GuillotineCheck::cuttable(touching, 0, 0, 1000, 500, 0, 2));
    QVERIFY(!GuillotineCheck::cuttable(touching, 0, 0, 1000, 500, 4, 2));
}

QTEST_GUILESS_MAIN(TestSheetPacking)
#include "tst_sheetpacking.moc"
