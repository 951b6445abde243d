// doravel3-cut: a cutting plan for any list of pieces (sheets or bars), without a window.
#include "cutting/CuttingJob.h"
#include "model/Errors.h"
#include "production/CuttingJobPages.h"
#include "production/Fonts.h"
#include "session/Resources.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonDocument>

#include <cstdio>

namespace {

const char* const k_help = R"(Usage: doravel3-cut JOB.json [--csv PIECES.csv] [--pdf FILE]

Plans the cutting of rectangular pieces from stock sheets (guillotine cuts, as a panel saw makes
them) or of pieces from stock bars, as the job file asks (docs/CUTTING_TOOL.md), and writes the
plan as JSON on standard output. Lengths are millimetres.

  --csv FILE   read the pieces from a CSV file instead of the job's member pieces:
               id;width;height;count;rotate (sheets) or id;length;count (bars), a header line
               first, comma or point as decimal separator
  --pdf FILE   also write the plan's pages (each sheet drawn to scale, the cuts numbered)

Exit status: 0 every piece placed; 3 some pieces could not be placed (they are listed in
"unplaced" and named on standard error); 2 bad input or arguments (the message names the file,
the line and the member); 1 a file could not be written.
)";

void printError(const QString& message) {
    std::fprintf(stderr, "%s\n", message.toUtf8().constData());
}

void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg || qEnvironmentVariableIsSet("DORAVEL_DEBUG"))
        std::fprintf(stderr, "%s\n", message.toUtf8().constData());
}

// The value after `option`, removed from the arguments with it; false when it has none.
bool takeOption(QStringList& args, const QString& option, QString& value) {
    const qsizetype at = args.indexOf(option);
    if (at < 0) return true;
    if (at + 1 >= args.size()) return false;
    value = args.at(at + 1);
    args.remove(at, 2);
    return true;
}

QByteArray readInput(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw CuttingJob::TJobError(QStringLiteral("%1: cannot be read: %2").arg(path, file.errorString()));
    // A job file is small; anything past 64 MB is not one.
    const QByteArray text = file.read(64 * 1024 * 1024 + 1);
    if (text.size() > 64 * 1024 * 1024) throw CuttingJob::TJobError(QStringLiteral("%1: larger than 64 MB").arg(path));
    return text;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietQtMessages);
    QGuiApplication app(argc, argv);
    RegisterResources();
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
        std::fputs(k_help, stdout);
        return 0;
    }
    QString pdfPath, csvPath;
    if (!takeOption(args, QStringLiteral("--pdf"), pdfPath)) {
        printError(QStringLiteral("--pdf needs a file name"));
        return 2;
    }
    if (!takeOption(args, QStringLiteral("--csv"), csvPath)) {
        printError(QStringLiteral("--csv needs a file name"));
        return 2;
    }
    if (args.size() != 1 || args.first().startsWith(QLatin1String("--"))) {
        std::fputs(k_help, stderr);
        return 2;
    }
    CuttingJob::TJob job;
    try {
        job = CuttingJob::ReadJob(readInput(args.first()), args.first());
        if (!csvPath.isEmpty()) CuttingJob::ReadCsvPieces(job, readInput(csvPath), csvPath);
    } catch (const DoravelError& error) {
        printError(error.message());
        return 2;
    }
    const CuttingJob::TResult result = CuttingJob::Run(job);
    try {
        if (!pdfPath.isEmpty()) {
            Fonts::installSubstitutes();
            CuttingJobPages::writePdf(
                pdfPath, QStringLiteral("Kesim Planı — ") + QFileInfo(args.first()).completeBaseName(), job, result);
        }
    } catch (const DoravelError& error) {
        printError(error.message());
        return 1;
    }
    const QByteArray json = QJsonDocument(CuttingJob::ResultToJson(job, result)).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, static_cast<std::size_t>(json.size()), stdout);
    const QStringList notes = CuttingJob::UnplacedNotes(job, result);
    for (const QString& note : notes)
        printError(note);
    return notes.isEmpty() ? 0 : 3;
}
