// doravel3-sheet: the production figures (or the printed page) of a project file, without a window.
#include "design/DoorDrawing.h"
#include "labels/LabelRenderer.h"
#include "labels/LabelSheet.h"
#include "labels/PieceLabels.h"
#include "model/Errors.h"
#include "model/Messages.h"
#include "production/CostTable.h"
#include "production/CuttingPlan.h"
#include "production/CuttingPlanRenderer.h"
#include "production/Fonts.h"
#include "production/PrintComputation.h"
#include "production/ProductionSheet.h"
#include "production/ReportPage.h"
#include "production/SheetJson.h"
#include "production/SheetPlan.h"
#include "production/SheetPlanRenderer.h"
#include "production/SheetRenderer.h"
#include "records/CuttingFile.h"
#include "records/ProjectFile.h"
#include "session/Resources.h"

#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <utility>

namespace {

const char* const k_help = R"(Usage: doravel3-sheet PROJECT.json [--pdf FILE] [--plan-pdf FILE] [--sheet-plan-pdf FILE]
                      [--labels-pdf FILE]

Runs the print preview's computations on a Doravel 3 project file (docs/PROJECT_FILE.md):
the opening-size check, the profile cut list with the profile weights, the design check, the hole
positions, the panel and glass lists, the gaskets and the wheel mechanisms.

Without --pdf, writes the whole production sheet as JSON on standard output; every figure is the
number text the sheet shows (comma as decimal separator), the hole lists are six arrays of lines.
The member cuttingPlan holds the cutting plan of the profile bars, made with the project file's
optional member cutting (defaults when absent); the member sheetPlan the plan of the panel boards
and glass plates (about 200 ms per material, less when the fewest sheets are proven sooner).
With --pdf FILE, writes the printed A4 production sheet as a PDF file instead; with --plan-pdf FILE,
the cutting plan's pages; with --sheet-plan-pdf FILE, the sheet plan's pages; with --labels-pdf FILE,
a label for every cut piece on A4 sheets of 3 × 8 labels of 70 × 37 mm, the profile pieces in the
order of the cutting plan (any of them may be given together). A piece longer than its bar, or
larger than its sheet, is named on standard error; the rest of the plan is still made.

A project whose figures cannot be computed (a size that is not a number, an opening without width
or height, a door without a design) gets the program's own message on standard error, nothing on
standard output, and exit status 1. Wrong arguments give exit status 2.
)";

void printError(const QString& message) {
    std::fprintf(stderr, "%s\n", message.toUtf8().constData());
}

// Standard error carries the program's own messages only; Qt's notes are kept for DORAVEL_DEBUG.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg || qEnvironmentVariableIsSet("DORAVEL_DEBUG"))
        std::fprintf(stderr, "%s\n", message.toUtf8().constData());
}

} // namespace

int main(int argc, char* argv[]) {
    // The sheet tool never opens a window.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietQtMessages);
    QGuiApplication app(argc, argv);
    RegisterResources();
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
        std::fputs(k_help, stdout);
        return 0;
    }
    QString pdfPath;
    const qsizetype pdfIndex = args.indexOf(QStringLiteral("--pdf"));
    if (pdfIndex >= 0) {
        if (pdfIndex + 1 >= args.size()) {
            printError(QStringLiteral("--pdf needs a file name"));
            return 2;
        }
        pdfPath = args.at(pdfIndex + 1);
        args.remove(pdfIndex, 2);
    }
    QString planPath;
    QString sheetPlanPath;
    QString labelsPath;
    for (auto [option, path] : {std::pair{QStringLiteral("--plan-pdf"), &planPath},
                                std::pair{QStringLiteral("--sheet-plan-pdf"), &sheetPlanPath},
                                std::pair{QStringLiteral("--labels-pdf"), &labelsPath}}) {
        const qsizetype index = args.indexOf(option);
        if (index < 0) continue;
        if (index + 1 >= args.size()) {
            printError(option + QStringLiteral(" needs a file name"));
            return 2;
        }
        *path = args.at(index + 1);
        args.remove(index, 2);
    }
    if (args.size() != 1) {
        std::fputs(k_help, stderr);
        return 2;
    }
    Fonts::installSubstitutes();

    try {
        TProjectFileContent content = ProjectFile::read(args.first());
        TProductionSheet sheet;
        TCostTable costTable;
        ComputeProductionSheet(content.project, content.group, sheet, &costTable);
        TCuttingPlan plan = MakeCuttingPlan(sheet, CuttingFile::read(args.first()));
        plan.orderName = content.project.orderName;
        plan.cabinets = content.project.dolapadet;
        for (const QString& problem : plan.problems())
            printError(problem);
        if (!planPath.isEmpty()) CuttingPlanRenderer::writePdf(planPath, plan);
        if (!labelsPath.isEmpty()) {
            const TPieceLabels labels =
                BuildPieceLabels(content.project, sheet, &plan, TLabelOrder{QString(), content.project.orderName, {}});
            LabelRenderer::writePdf(labelsPath, labels, TLabelSheetSettings().geometry());
        }
        const bool wantsJson =
            pdfPath.isEmpty() && planPath.isEmpty() && sheetPlanPath.isEmpty() && labelsPath.isEmpty();
        if (wantsJson || !sheetPlanPath.isEmpty()) {
            TSheetCuttingPlan sheetPlan = MakeSheetPlan(content.project, CuttingFile::readSheetSettings(args.first()));
            sheetPlan.orderName = content.project.orderName;
            sheetPlan.cabinets = content.project.dolapadet;
            for (const QString& problem : sheetPlan.problems())
                printError(problem);
            if (!sheetPlanPath.isEmpty()) SheetPlanRenderer::writePdf(sheetPlanPath, sheetPlan);
            if (wantsJson) {
                QJsonObject root = QJsonDocument::fromJson(SheetToJson(sheet)).object();
                root.insert(QStringLiteral("cuttingPlan"), CuttingPlanToJson(plan));
                root.insert(QStringLiteral("sheetPlan"), SheetPlanToJson(sheetPlan));
                const QByteArray json = QJsonDocument(root).toJson(QJsonDocument::Indented);
                std::fwrite(json.constData(), 1, json.size(), stdout);
                return 0;
            }
        }
        if (pdfPath.isEmpty()) return 0;
        // The door pictures as the main window would show them after reopening the order.
        std::array<QImage, 7> pictures;
        DrawBlankDoors(pictures);
        for (int door = 1; door <= 6; ++door)
            if (!content.project.divisionCount(door).isEmpty())
                RedrawDoorImage(content.project, content.group, door, pictures[door]);
        TReportPage page;
        FillReport(content.project, content.group, sheet, pictures, page);
        SheetRenderer::writePdf(pdfPath, page);
        return 0;
    } catch (const DoravelError& error) {
        printError(error.message());
        return 1;
    }
}
