#include "cutting/CuttingJob.h"
#include "support/GuillotineCheck.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

namespace {

struct TRun {
    int exitCode = -1;
    QJsonObject plan;
    QString err;
};

TRun runTool(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(DORAVEL_CUT_TOOL), arguments);
    process.waitForFinished(30000);
    return {process.exitCode(), QJsonDocument::fromJson(process.readAllStandardOutput()).object(),
            QString::fromUtf8(process.readAllStandardError())};
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& text) {
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text);
    return path;
}

const QByteArray k_sheetsJob = R"({
  "kind": "sheets",
  "stock": [{"id": "MDF 18", "width": 2800, "height": 2070},
            {"id": "left over", "width": 1000, "height": 700, "count": 1, "remnant": true}],
  "pieces": [
    {"id": "Kapak", "width": 900, "height": 600, "count": 4},
    {"id": "Raf 1", "width": 400.5, "height": 300, "count": 5, "rotate": true},
    {"id": "7", "width": 1200, "height": 250, "count": 2}
  ],
  "kerf": 4,
  "trim": {"left": 10, "right": 10, "bottom": 5, "top": 5},
  "minRemnant": {"width": 300, "height": 200},
  "timeLimit": 0.1
})";

// The tool's sheets read back in the optimiser's own terms, for the independent checker.
SheetPacking::TSheetPlan planFromJson(const QJsonObject& root, const CuttingJob::TJob& job) {
    const auto units = [](const QJsonValue& v) {
        return static_cast<SheetPacking::Length>(std::llround(v.toDouble() * 10));
    };
    SheetPacking::TSheetPlan plan;
    for (const QJsonValue& s : root.value(QStringLiteral("stockUsed")).toArray()) {
        SheetPacking::TSheet sheet;
        sheet.stock = static_cast<int>(job.stockIds.indexOf(s[QStringLiteral("stock")].toString()));
        for (const QJsonValue& p : s[QStringLiteral("pieces")].toArray())
            sheet.pieces.push_back({static_cast<int>(job.pieceIds.indexOf(p[QStringLiteral("id")].toString())),
                                    units(p[QStringLiteral("x")]), units(p[QStringLiteral("y")]),
                                    units(p[QStringLiteral("width")]), units(p[QStringLiteral("height")]),
                                    p[QStringLiteral("rotated")].toBool()});
        for (const QJsonValue& c : s[QStringLiteral("cuts")].toArray())
            sheet.cuts.push_back({c[QStringLiteral("stage")].toInt(), units(c[QStringLiteral("x1")]),
                                  units(c[QStringLiteral("y1")]), units(c[QStringLiteral("x2")]),
                                  units(c[QStringLiteral("y2")])});
        plan.sheets.push_back(sheet);
    }
    for (const QJsonValue& u : root.value(QStringLiteral("unplaced")).toArray())
        plan.unplaced.push_back({static_cast<int>(job.pieceIds.indexOf(u[QStringLiteral("id")].toString())),
                                 u[QStringLiteral("count")].toInt(),
                                 SheetPacking::TUnplacedReason::LargerThanEveryStock});
    return plan;
}

} // namespace

class TestCutTool : public QObject {
    Q_OBJECT
private slots:
    void sheetsPlanIsCuttableAndKeepsTheIds();
    void piecesFromCsvWithEitherDecimalSeparator();
    void barsAreCutByTheBarOptimiser();
    void pieceLargerThanEveryStockExitsThree();
    void badInputNamesTheLineAndTheMember_data();
    void badInputNamesTheLineAndTheMember();
    void writesThePlanPages();
};

void TestCutTool::sheetsPlanIsCuttableAndKeepsTheIds() {
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("job.json"), k_sheetsJob);
    const TRun run = runTool({path});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.err.isEmpty());
    QCOMPARE(run.plan.value(QStringLiteral("kind")).toString(), QStringLiteral("sheets"));
    const CuttingJob::TJob job = CuttingJob::ReadJob(k_sheetsJob, path);
    const SheetPacking::TSheetPlan plan = planFromJson(run.plan, job);
    const QString fault = GuillotineCheck::check(job.sheets, plan);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    QCOMPARE(run.plan.value(QStringLiteral("used")).toInt(), static_cast<int>(plan.sheets.size()));
    QVERIFY(run.plan.value(QStringLiteral("lowerBound")).toInt() >= 1);
    QVERIFY(run.plan.value(QStringLiteral("proven")).isBool());
    QVERIFY(run.plan.value(QStringLiteral("seconds")).isDouble());
    // The kept remnant is used first; ids come back as the texts they were.
    const QJsonArray used = run.plan.value(QStringLiteral("stockUsed")).toArray();
    QStringList stocks, pieces;
    for (const QJsonValue& s : used) {
        stocks << s[QStringLiteral("stock")].toString();
        for (const QJsonValue& p : s[QStringLiteral("pieces")].toArray())
            pieces << p[QStringLiteral("id")].toString();
        for (const QJsonValue& r : s[QStringLiteral("remnants")].toArray())
            QVERIFY(r[QStringLiteral("width")].toDouble() >= 200 && r[QStringLiteral("height")].toDouble() >= 200);
    }
    QVERIFY(stocks.contains(QStringLiteral("left over")));
    QCOMPARE(pieces.count(QStringLiteral("Raf 1")), 5);
    QCOMPARE(pieces.count(QStringLiteral("7")), 2);
    bool halfMillimetre = false;
    for (const QJsonValue& s : used)
        for (const QJsonValue& p : s[QStringLiteral("pieces")].toArray())
            halfMillimetre = halfMillimetre || p[QStringLiteral("width")].toDouble() == 400.5 ||
                             p[QStringLiteral("height")].toDouble() == 400.5;
    QVERIFY(halfMillimetre);
}

void TestCutTool::piecesFromCsvWithEitherDecimalSeparator() {
    QTemporaryDir dir;
    const QString job = writeFile(dir, QStringLiteral("job.json"),
                                  R"({"kind": "sheets", "stock": [{"id": "cam", "width": 3210, "height": 2250}],
                                      "timeLimit": 0.05})");
    const QString csv = writeFile(dir, QStringLiteral("pieces.csv"),
                                  "id;width;height;count;rotate\nA;1000,5;500;2;1\nB;700.25;400;3;0\n\nC;300;300\n");
    const TRun run = runTool({job, QStringLiteral("--csv"), csv});
    QCOMPARE(run.exitCode, 0);
    int count = 0;
    double widthOfB = 0;
    for (const QJsonValue& s : run.plan.value(QStringLiteral("stockUsed")).toArray())
        for (const QJsonValue& p : s[QStringLiteral("pieces")].toArray()) {
            ++count;
            if (p[QStringLiteral("id")].toString() == QLatin1String("B"))
                widthOfB = p[QStringLiteral("width")].toDouble();
        }
    QCOMPARE(count, 6);
    QCOMPARE(widthOfB, 700.3); // tenths of a millimetre
}

void TestCutTool::barsAreCutByTheBarOptimiser() {
    QTemporaryDir dir;
    const QString job = writeFile(dir, QStringLiteral("bars.json"), R"({
      "kind": "bars", "stock": [{"id": "6 m", "length": 6000}],
      "pieces": [{"id": "dikme", "length": 2450, "count": 4}, {"id": "ray", "length": 1100.5, "count": 3}],
      "kerf": 4, "trim": 5, "minOffcut": 300, "timeLimit": 0.1})");
    const TRun run = runTool({job});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.plan.value(QStringLiteral("kind")).toString(), QStringLiteral("bars"));
    int pieces = 0;
    for (const QJsonValue& bar : run.plan.value(QStringLiteral("stockUsed")).toArray()) {
        double end = 5;
        for (const QJsonValue& p : bar[QStringLiteral("pieces")].toArray()) {
            QVERIFY(p[QStringLiteral("offset")].toDouble() >= end);
            end = p[QStringLiteral("offset")].toDouble() + p[QStringLiteral("length")].toDouble() + 4;
            ++pieces;
        }
        QVERIFY(end - 4 <= 5995);
        for (const QJsonValue& r : bar[QStringLiteral("remnants")].toArray())
            QVERIFY(r[QStringLiteral("length")].toDouble() >= 300);
    }
    QCOMPARE(pieces, 7);
    QCOMPARE(run.plan.value(QStringLiteral("used")).toInt(), run.plan.value(QStringLiteral("lowerBound")).toInt());
}

void TestCutTool::pieceLargerThanEveryStockExitsThree() {
    QTemporaryDir dir;
    const QString job = writeFile(dir, QStringLiteral("job.json"), R"({"kind": "sheets",
      "stock": [{"id": "S", "width": 1000, "height": 500}],
      "pieces": [{"id": "dev", "width": 1200, "height": 300, "count": 2}, {"id": "küçük", "width": 200, "height": 200}],
      "timeLimit": 0.05})");
    const TRun run = runTool({job});
    QCOMPARE(run.exitCode, 3);
    QVERIFY(run.err.contains(QStringLiteral("dev")));
    const QJsonArray unplaced = run.plan.value(QStringLiteral("unplaced")).toArray();
    QCOMPARE(unplaced.size(), 1);
    QCOMPARE(unplaced.at(0)[QStringLiteral("id")].toString(), QStringLiteral("dev"));
    QCOMPARE(unplaced.at(0)[QStringLiteral("count")].toInt(), 2);
    QCOMPARE(unplaced.at(0)[QStringLiteral("reason")].toString(), QStringLiteral("largerThanEveryStock"));
    QCOMPARE(run.plan.value(QStringLiteral("used")).toInt(), 1);
}

void TestCutTool::badInputNamesTheLineAndTheMember_data() {
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("message");
    const QByteArray stock = R"("stock": [{"id": "S", "width": 1000, "height": 500}])";
    QTest::newRow("not json") << QByteArray("{\n\"kind\": \"sheets\",\n  ]") << QByteArray()
                              << "job.json:3: not a JSON text";
    QTest::newRow("no kind") << QByteArray("{\n" + stock + "\n}") << QByteArray()
                             << "job.json:1: the member \"kind\" is missing";
    QTest::newRow("unknown kind") << QByteArray("{\n\"kind\": \"logs\"}") << QByteArray()
                                  << "job.json:2: kind: expected";
    QTest::newRow("negative width") << QByteArray("{\"kind\": \"sheets\", " + stock +
                                                  ",\n\"pieces\": [\n{\"id\": \"a\",\n \"width\": -5, \"height\": 3}]}")
                                    << QByteArray() << "job.json:4: pieces[0].width: expected a length";
    QTest::newRow("width as text")
        << QByteArray("{\"kind\": \"sheets\",\n\"stock\": [{\"id\": \"S\", \"width\": \"1000\", \"height\": 500}]}")
        << QByteArray() << "job.json:2: stock[0].width";
    QTest::newRow("four stages") << QByteArray("{\"kind\": \"sheets\", " + stock + ",\n\n\"stages\": 4}")
                                 << QByteArray() << "job.json:3: stages: expected 2, 3 or 0";
    QTest::newRow("piece without id") << QByteArray("{\"kind\": \"sheets\", " + stock +
                                                    ",\n\"pieces\": [{\"width\": 5, \"height\": 3}]}")
                                      << QByteArray() << "job.json:2: pieces[0]: the member \"id\" is missing";
    QTest::newRow("count not whole")
        << QByteArray(
               "{\"kind\": \"bars\", \"stock\": [{\"id\": \"6m\", \"length\": 6000}],\n\"pieces\": [{\"id\": \"p\", "
               "\"length\": 500, \"count\": 1.5}]}")
        << QByteArray() << "job.json:2: pieces[0].count: expected a whole number";
    QTest::newRow("csv length") << QByteArray("{\"kind\": \"sheets\", " + stock + "}")
                                << QByteArray("id;width;height\na;100;200\nb;1OO;200\n")
                                << "pieces.csv:3: width: expected";
}

void TestCutTool::badInputNamesTheLineAndTheMember() {
    QFETCH(QByteArray, json);
    QFETCH(QByteArray, csv);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QStringList arguments{writeFile(dir, QStringLiteral("job.json"), json)};
    if (!csv.isEmpty()) arguments << QStringLiteral("--csv") << writeFile(dir, QStringLiteral("pieces.csv"), csv);
    const TRun run = runTool(arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.plan.isEmpty());
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
}

void TestCutTool::writesThePlanPages() {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("plan.pdf"));
    const TRun run = runTool({writeFile(dir, QStringLiteral("job.json"), k_sheetsJob), QStringLiteral("--pdf"), pdf});
    QCOMPARE(run.exitCode, 0);
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5).startsWith("%PDF"));
    QVERIFY(!run.plan.isEmpty());
    const TRun missing = runTool({dir.filePath(QStringLiteral("job.json")), QStringLiteral("--pdf")});
    QCOMPARE(missing.exitCode, 2);
}

QTEST_GUILESS_MAIN(TestCutTool)
#include "tst_cuttool.moc"
