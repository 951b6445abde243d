#include "cutting/BarPacking.h"
#include "production/CuttingPlan.h"
#include "production/PrintComputation.h"
#include "production/ProductionSheet.h"
#include "support/TestSupport.h"

#include <QtTest>

#include <algorithm>
#include <functional>
#include <random>

using namespace BarPacking;
using namespace ProjectBuilder;

Q_DECLARE_METATYPE(std::vector<BarPacking::Length>)
Q_DECLARE_METATYPE(BarPacking::TBarStock)

namespace {

// The fewest bars for the pieces by trying every assignment (pieces longest first, each into a bar
// already begun or a new one): the known optimum the bounds are checked against.
int fewestBarsByTryingAll(std::vector<Length> pieces, const TBarStock& stock) {
    std::sort(pieces.begin(), pieces.end(), std::greater<Length>());
    const Length capacity = stock.usable + stock.kerf;
    int best = static_cast<int>(pieces.size());
    std::vector<Length> load;
    std::function<void(std::size_t)> place = [&](std::size_t i) {
        if (static_cast<int>(load.size()) >= best) return;
        if (i == pieces.size()) {
            best = static_cast<int>(load.size());
            return;
        }
        const Length size = pieces[i] + stock.kerf;
        for (std::size_t b = 0; b < load.size(); ++b) {
            if (load[b] + size > capacity) continue;
            load[b] += size;
            place(i + 1);
            load[b] -= size;
        }
        load.push_back(size);
        place(i + 1);
        load.pop_back();
    };
    place(0);
    return best;
}

std::vector<TDemand> demandOf(const std::vector<Length>& pieces) {
    std::vector<TDemand> demand;
    for (Length piece : pieces)
        demand.push_back({piece, 1});
    return demand;
}

QString cm(double value) {
    return QString::number(value, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(','));
}

// A hotel job: ten cabinets of 615 × 280 with six doors, each of six divisions split by two
// separators; four doors are divided across ("Yatay"), two along ("Dikey").
TProject hotelProject() {
    const double width = 615, height = 280;
    const double doorHeight = height - 3.5;
    const double doorWidth = (width + 5 * 4) / 6;
    QStringList widths;
    for (int door = 0; door < 6; ++door)
        widths << cm(doorWidth);
    TProject project = entered(cm(width), cm(height), cm(doorHeight), widths);
    project.dolapadet = QStringLiteral("10");
    for (int door = 1; door <= 6; ++door) {
        const bool across = door <= 4;
        setDoor(project, door, across ? QStringLiteral("Yatay") : QStringLiteral("Dikey"), QStringLiteral("6"));
        // Equal divisions after the profile allowances of the default profile group.
        const double divisionHeight = across ? (doorHeight - (1.2 + 3.5 + 0.3) - 5 * (0.7 + 0.3)) / 6 : doorHeight - 5;
        const double divisionWidth = across ? doorWidth - 6.3 : (doorWidth - 6.3 - 5 * (0.7 + 0.3)) / 6;
        for (int division = 1; division <= 6; ++division) {
            setDivision(project, door, division, cm(divisionWidth), cm(divisionHeight));
            setSplit(project, door, division, {"10", "Panel", "a", "10", "Cam", "b", "10", "Panel", "b", "2"});
        }
    }
    return project;
}

// Bars of `capacity` each cut into three pieces as Falkenauer's triplets are made: the first of
// 380 to 490 thousandths, the second from 250 to half the rest, the third the rest.
std::vector<Length> triplets(std::mt19937& random, int bars) {
    std::vector<Length> pieces;
    for (int b = 0; b < bars; ++b) {
        const Length first = std::uniform_int_distribution<Length>(380, 490)(random);
        const Length second = std::uniform_int_distribution<Length>(250, (1000 - first) / 2)(random);
        pieces.insert(pieces.end(), {first, second, 1000 - first - second});
    }
    return pieces;
}

// Workshop bars cut whole into random pieces of 40 to 250 cm, a kerf between each two.
std::vector<Length> perfectCuts(std::mt19937& random, int bars, const TBarStock& stock) {
    std::vector<Length> pieces;
    for (int b = 0; b < bars; ++b) {
        Length room = stock.usable;
        while (room > 25000) {
            const Length piece =
                std::uniform_int_distribution<Length>(4000, std::min<Length>(25000, room - stock.kerf - 4000))(random);
            pieces.push_back(piece);
            room -= piece + stock.kerf;
        }
        pieces.push_back(room);
    }
    return pieces;
}

std::vector<TDemand> merged(std::vector<Length> pieces) {
    std::sort(pieces.begin(), pieces.end());
    std::vector<TDemand> demand;
    for (Length piece : pieces) {
        if (!demand.empty() && demand.back().length == piece)
            ++demand.back().count;
        else
            demand.push_back({piece, 1});
    }
    return demand;
}

} // namespace

class TestBarBound : public QObject {
    Q_OBJECT
private slots:
    void patternBoundProvesWhereTheQuickBoundsCannot();
    void hotelOrderIsProvenAtFortyAndEightyFourBars();
    void boundNeverExceedsTheOptimum_data();
    void boundNeverExceedsTheOptimum();
    void piecesThatFillTheirBarsExactlyAreProvenAtTheirBars_data();
    void piecesThatFillTheirBarsExactlyAreProvenAtTheirBars();
};

void TestBarBound::patternBoundProvesWhereTheQuickBoundsCannot() {
    // Two long pieces leave room for one short piece only; the rest of the short ones fill bars of 13.
    const std::vector<TDemand> demand{{26920, 100}, {4342, 480}};
    const TBarStock stock{60000, 40};
    QCOMPARE(LowerBound(demand, stock), 80);
    QCOMPARE(PatternLowerBound(demand, stock), 84);
    const TPacking packing = Pack(demand, stock, std::chrono::milliseconds(100));
    QCOMPARE(packing.bars.size(), std::size_t(84));
    QCOMPARE(packing.simpleBound, 80);
    QCOMPARE(packing.lowerBound, 84);
    QVERIFY(packing.proven);
}

void TestBarBound::hotelOrderIsProvenAtFortyAndEightyFourBars() {
    TProductionSheet sheet;
    QCOMPARE(refusalOf([&] { ComputeProductionSheet(hotelProject(), defaultGroup(), sheet); }), QString());
    const TCuttingPlan plan = MakeCuttingPlan(sheet, TCuttingSettings());
    const TCuttingKind& across = plan.kinds[TCuttingSettings::horizontalMiddle];
    QCOMPARE(across.pieces, 440);
    QCOMPARE(across.bars, 40);
    QCOMPARE(across.lowerBound, 40);
    QVERIFY(across.proven);
    const TCuttingKind& along = plan.kinds[TCuttingSettings::verticalMiddle];
    QCOMPARE(along.pieces, 580);
    QCOMPARE(along.bars, 84);
    QCOMPARE(along.lowerBound, 84);
    QVERIFY(along.proven);
}

void TestBarBound::boundNeverExceedsTheOptimum_data() {
    QTest::addColumn<std::vector<Length>>("pieces");
    QTest::addColumn<Length>("kerf");
    // Cases where the relaxation's value is a whole number or lies above the quick bounds.
    QTest::newRow("five pieces just over a third") << std::vector<Length>{35, 35, 35, 35, 35} << Length(0);
    QTest::newRow("perfect triplets") << std::vector<Length>{50, 30, 20, 45, 35, 20, 40, 40, 20} << Length(0);
    QTest::newRow("halves and a bit") << std::vector<Length>{51, 51, 51, 49, 49, 49} << Length(0);
    QTest::newRow("exactly full with kerf") << std::vector<Length>{30000, 29960, 20000, 19960, 19960} << Length(40);
    // Random small cases, the same every run.
    std::mt19937 random(7);
    for (int row = 0; row < 40; ++row) {
        const bool kerf = row % 2 == 1;
        const int count = std::uniform_int_distribution<int>(5, 10)(random);
        std::vector<Length> pieces;
        for (int i = 0; i < count; ++i)
            pieces.push_back(kerf ? std::uniform_int_distribution<Length>(8000, 40000)(random)
                                  : std::uniform_int_distribution<Length>(15, 70)(random));
        QTest::newRow(qPrintable(QStringLiteral("random %1").arg(row))) << pieces << Length(kerf ? 40 : 0);
    }
}

void TestBarBound::boundNeverExceedsTheOptimum() {
    QFETCH(std::vector<Length>, pieces);
    QFETCH(Length, kerf);
    const bool small = pieces.front() < 100;
    const TBarStock stock{small ? Length(100 - kerf) : Length(60000), kerf};
    const int optimum = fewestBarsByTryingAll(pieces, stock);
    const auto demand = demandOf(pieces);
    QVERIFY(PatternLowerBound(demand, stock) <= optimum);
    const TPacking packing = Pack(demand, stock, std::chrono::milliseconds(200));
    QVERIFY(packing.lowerBound <= optimum);
    QCOMPARE(static_cast<int>(packing.bars.size()), optimum);
    QVERIFY(packing.proven);
}

void TestBarBound::piecesThatFillTheirBarsExactlyAreProvenAtTheirBars_data() {
    QTest::addColumn<std::vector<Length>>("pieces");
    QTest::addColumn<TBarStock>("stock");
    QTest::addColumn<int>("bars");
    std::mt19937 random(2026);
    QTest::newRow("60 triplets' pieces") << triplets(random, 20) << TBarStock{1000, 0} << 20;
    QTest::newRow("120 triplets' pieces") << triplets(random, 40) << TBarStock{1000, 0} << 40;
    const TBarStock workshop{60000 - 2 * 50, 40};
    QTest::newRow("50 workshop bars cut whole") << perfectCuts(random, 50, workshop) << workshop << 50;
}

void TestBarBound::piecesThatFillTheirBarsExactlyAreProvenAtTheirBars() {
    QFETCH(std::vector<Length>, pieces);
    QFETCH(TBarStock, stock);
    QFETCH(int, bars);
    // A generous limit: the plan is found long before it on any machine.
    const TPacking packing = Pack(merged(pieces), stock, std::chrono::seconds(30));
    QCOMPARE(static_cast<int>(packing.bars.size()), bars);
    QCOMPARE(packing.lowerBound, bars);
    QVERIFY(packing.proven);
}

QTEST_GUILESS_MAIN(TestBarBound)
#include "tst_barbound.moc"
