#include "cutting/BarPacking.h"

#include <QtTest>

#include <algorithm>
#include <functional>

using namespace BarPacking;

Q_DECLARE_METATYPE(std::vector<BarPacking::Length>)

namespace {

std::vector<TDemand> demandOf(const std::vector<Length>& pieces) {
    std::vector<TDemand> demand;
    for (Length piece : pieces)
        demand.push_back({piece, 1});
    return demand;
}

// Every piece planned exactly once, no bar over its usable length, offcuts as the kerf rule says.
void verifyPlan(const TPacking& packing, const std::vector<TDemand>& demand, const TBarStock& stock) {
    std::vector<Length> planned, wanted;
    for (const TDemand& d : demand)
        wanted.insert(wanted.end(), static_cast<std::size_t>(d.count), d.length);
    for (const TBar& bar : packing.bars) {
        Length used = 0;
        for (Length piece : bar.pieces)
            used += piece;
        used += stock.kerf * static_cast<Length>(bar.pieces.size() - 1);
        QVERIFY2(used <= stock.usable, "a bar holds more than its usable length");
        QCOMPARE(bar.offcut, std::max<Length>(0, stock.usable - used - stock.kerf));
        planned.insert(planned.end(), bar.pieces.begin(), bar.pieces.end());
    }
    std::sort(planned.begin(), planned.end());
    std::sort(wanted.begin(), wanted.end());
    QVERIFY(planned == wanted);
}

// The offcuts of a plan, longest first: of two plans with as many bars the one that is larger here
// leaves fewer and longer offcuts.
std::vector<Length> offcutsOf(const std::vector<TBar>& bars) {
    std::vector<Length> offcuts;
    for (const TBar& bar : bars)
        offcuts.push_back(bar.offcut);
    std::sort(offcuts.begin(), offcuts.end(), std::greater<Length>());
    return offcuts;
}

} // namespace

class TestBarPacking : public QObject {
    Q_OBJECT
private slots:
    void planUsesTheOptimumWhereFirstFitDecreasingNeedsOneBarMore();
    void kerfAndTrimsDecideWhatFits_data();
    void kerfAndTrimsDecideWhatFits();
    void boundCountsHowManyPiecesFitABar();
    void emptyDemandNeedsNoBar();
    void equalPiecesShareOnePattern();
    void offcutsAreFewestAndLongestAmongPlansWithAsManyBars_data();
    void offcutsAreFewestAndLongestAmongPlansWithAsManyBars();
    void l2BoundBeatsTheContinuousBound();
};

void TestBarPacking::planUsesTheOptimumWhereFirstFitDecreasingNeedsOneBarMore() {
    // 300+180+120 and 240+240+120 fill two bars exactly; first fit decreasing puts 240 beside 300.
    const auto demand = demandOf({30000, 24000, 24000, 18000, 12000, 12000});
    const TBarStock stock{60000, 0};
    QCOMPARE(FirstFitDecreasing(demand, stock).size(), std::size_t(3));
    const TPacking packing = Pack(demand, stock);
    QCOMPARE(packing.bars.size(), std::size_t(2));
    QVERIFY(packing.proven);
    QCOMPARE(packing.lowerBound, 2);
    verifyPlan(packing, demand, stock);
}

void TestBarPacking::kerfAndTrimsDecideWhatFits_data() {
    QTest::addColumn<std::vector<Length>>("pieces");
    QTest::addColumn<Length>("stock");
    QTest::addColumn<Length>("kerf");
    QTest::addColumn<Length>("trim");
    QTest::addColumn<int>("bars");
    QTest::addColumn<Length>("offcut"); // of the first bar
    // The last piece ends at the bar's end and needs no kerf after it.
    QTest::newRow("300 + 299,6 with kerf 0,4")
        << std::vector<Length>{30000, 29960} << Length(60000) << Length(40) << Length(0) << 1 << Length(0);
    QTest::newRow("300 + 299,7 with kerf 0,4")
        << std::vector<Length>{30000, 29970} << Length(60000) << Length(40) << Length(0) << 2 << Length(29960);
    QTest::newRow("three pieces, two kerfs")
        << std::vector<Length>{20000, 19960, 19960} << Length(60000) << Length(40) << Length(0) << 1 << Length(0);
    QTest::newRow("3 × 200 with kerf") << std::vector<Length>{20000, 20000, 20000} << Length(60000) << Length(40)
                                       << Length(0) << 2 << Length(19920);
    QTest::newRow("3 × 200 without kerf")
        << std::vector<Length>{20000, 20000, 20000} << Length(60000) << Length(0) << Length(0) << 1 << Length(0);
    QTest::newRow("offcut after the last kerf")
        << std::vector<Length>{30000, 20000} << Length(60000) << Length(40) << Length(0) << 1 << Length(9920);
    QTest::newRow("299 + 300 without trims")
        << std::vector<Length>{29900, 30000} << Length(60000) << Length(0) << Length(0) << 1 << Length(100);
    QTest::newRow("trims of 1 take the room")
        << std::vector<Length>{29900, 30000} << Length(60000) << Length(0) << Length(100) << 2 << Length(29800);
    QTest::newRow("trims and kerf exactly")
        << std::vector<Length>{29920, 29960} << Length(60000) << Length(40) << Length(40) << 1 << Length(0);
}

void TestBarPacking::kerfAndTrimsDecideWhatFits() {
    QFETCH(std::vector<Length>, pieces);
    QFETCH(Length, stock);
    QFETCH(Length, kerf);
    QFETCH(Length, trim);
    QFETCH(int, bars);
    QFETCH(Length, offcut);
    const TBarStock bar{stock - 2 * trim, kerf};
    const auto demand = demandOf(pieces);
    const TPacking packing = Pack(demand, bar);
    QCOMPARE(static_cast<int>(packing.bars.size()), bars);
    QVERIFY(packing.proven);
    QCOMPARE(packing.bars.front().offcut, offcut);
    verifyPlan(packing, demand, bar);
}

void TestBarPacking::boundCountsHowManyPiecesFitABar() {
    // Five pieces of 240 in 600: their length would fill two bars, but only two go in a bar.
    const std::vector<TDemand> demand{{24000, 5}};
    const TPacking packing = Pack(demand, {60000, 0});
    QCOMPARE(packing.lowerBound, 3);
    QCOMPARE(packing.bars.size(), std::size_t(3));
    QVERIFY(packing.proven);
}

void TestBarPacking::emptyDemandNeedsNoBar() {
    const TPacking packing = Pack({{25000, 0}}, {60000, 40});
    QVERIFY(packing.bars.empty());
    QCOMPARE(packing.lowerBound, 0);
    QVERIFY(packing.proven);
}

void TestBarPacking::equalPiecesShareOnePattern() {
    const std::vector<TDemand> demand{{25000, 8}};
    const TPacking packing = Pack(demand, {60000, 40});
    QCOMPARE(packing.bars.size(), std::size_t(4));
    for (const TBar& bar : packing.bars) {
        QCOMPARE(bar.pieces, (std::vector<Length>{25000, 25000}));
        QCOMPARE(bar.offcut, Length(60000 - 50000 - 80));
    }
}

void TestBarPacking::offcutsAreFewestAndLongestAmongPlansWithAsManyBars_data() {
    QTest::addColumn<std::vector<Length>>("pieces");
    QTest::addColumn<Length>("kerf");
    QTest::newRow("one full bar and one long offcut")
        << std::vector<Length>{30000, 20000, 20000, 10000, 10000, 10000} << Length(0);
    QTest::newRow("with kerf") << std::vector<Length>{25000, 21000, 19000, 17000, 12000, 9000, 8000} << Length(40);
    QTest::newRow("three bars") << std::vector<Length>{41000, 33000, 26000, 18000, 15000, 14000, 11000, 7000}
                                << Length(40);
    QTest::newRow("middle profiles") << std::vector<Length>{11930, 11930, 11930, 11930, 9370, 9370, 5470, 5470}
                                     << Length(40);
}

void TestBarPacking::offcutsAreFewestAndLongestAmongPlansWithAsManyBars() {
    QFETCH(std::vector<Length>, pieces);
    QFETCH(Length, kerf);
    const TBarStock stock{60000, kerf};
    const TPacking packing = Pack(demandOf(pieces), stock);
    verifyPlan(packing, demandOf(pieces), stock);
    const std::size_t barCount = packing.bars.size();

    // Every way of putting the pieces into that many bars: the best offcuts any of them leaves.
    std::vector<Length> best;
    std::vector<std::size_t> assign(pieces.size(), 0);
    std::function<void(std::size_t)> tryAll = [&](std::size_t i) {
        if (i == pieces.size()) {
            std::vector<TBar> bars(barCount);
            for (std::size_t p = 0; p < pieces.size(); ++p)
                bars[assign[p]].pieces.push_back(pieces[p]);
            for (TBar& bar : bars) {
                if (bar.pieces.empty()) return;
                Length used = 0;
                for (Length piece : bar.pieces)
                    used += piece + kerf;
                if (used - kerf > stock.usable) return;
                bar.offcut = std::max<Length>(0, stock.usable - used);
            }
            best = std::max(best, offcutsOf(bars));
            return;
        }
        for (std::size_t b = 0; b < barCount; ++b) {
            assign[i] = b;
            tryAll(i + 1);
        }
    };
    tryAll(0);
    QCOMPARE(offcutsOf(packing.bars), best);
}

void TestBarPacking::l2BoundBeatsTheContinuousBound() {
    // Six pieces longer than half a bar need six bars though their length would fill four.
    const std::vector<TDemand> demand{{31000, 6}, {5000, 6}};
    QCOMPARE(LowerBound(demand, {60000, 0}), 6);
    const TPacking packing = Pack(demand, {60000, 0});
    QCOMPARE(packing.bars.size(), std::size_t(6));
    QVERIFY(packing.proven);
}

QTEST_GUILESS_MAIN(TestBarPacking)
#include "tst_barpacking.moc"
