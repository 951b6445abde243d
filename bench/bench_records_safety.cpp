// The cost of keeping a workshop's order book safe, on a local SQLite file of realistic orders
// (RealisticOrders): the daily copy (time, median of a few runs, and size) and "Yazdır" on the whole
// order list: the time and the peak memory of the preview of every page, as the list was always
// previewed before long lists were asked about, and of Yazdır when the operator keeps the default
// answer. The peak is the process's resident high-water mark, reset before each step.
//
//   bench_records_safety [ORDERS] [--db FILE]
//
// ORDERS defaults to 100000. --db FILE: the database of a previous run is copied in when FILE
// exists, otherwise the filled database is kept there. Needs QT_QPA_PLATFORM=offscreen without a
// display.

#include "Medians.h"
#include "RealisticOrders.h"
#include "model/Clock.h"
#include "model/Messages.h"
#include "production/Fonts.h"
#include "production/OrderListReport.h"
#include "records/Backup.h"
#include "records/OrderDatabase.h"
#include "records/OrderList.h"
#include "records/OrderListCount.h"
#include "session/OrderListing.h"
#include "session/Session.h"
#include "ui/Unit13.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

#include <sys/resource.h>

namespace {

// Every question answered with its default: No.
class TDefaultAnswers : public TMessageBackend {
public:
    void showMessage(const QString& text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    void showError(const QString& text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    bool askYesNo(const QString&, bool, TDefaultAnswer) override { return false; }
    bool askOkCancel(const QString&) override { return false; }
    QString inputQuery(const QString&, const QString&, const QString&) override { return {}; }
};

// Kilobytes of the process's resident high-water mark ("VmHWM") or current size ("VmRSS").
long statusKb(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field)) return line.mid(int(qstrlen(field)) + 1).trimmed().split(' ').first().toLong();
    return -1;
}

// Starts a new high-water mark at the current size.
void resetPeak() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly)) clear.write("5");
}

// Milliseconds of processor time this process has used: on a machine shared with other work the
// wall clock says more about the others than about this program.
double cpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

struct TStep {
    double ms = 0;
    double cpuMs = 0;
    double peakMiB = 0; // above the size before the step
};

template <typename F> TStep measure(F step) {
    QCoreApplication::processEvents();
    resetPeak();
    const long before = statusKb("VmRSS:");
    QElapsedTimer timer;
    timer.start();
    const double cpu = cpuMs();
    step();
    TStep result;
    result.ms = double(timer.nsecsElapsed()) / 1e6;
    result.cpuMs = cpuMs() - cpu;
    result.peakMiB = double(statusKb("VmHWM:") - before) / 1024.0;
    return result;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Fonts::installSubstitutes();
    QStringList arguments = app.arguments().mid(1);
    QString keep;
    const qsizetype db = arguments.indexOf(QStringLiteral("--db"));
    if (db >= 0 && db + 1 < arguments.size()) {
        keep = arguments[db + 1];
        arguments.remove(db, 2);
    }
    const int orders = arguments.isEmpty() ? 100000 : arguments[0].toInt();
    if (orders < 1) {
        std::fprintf(stderr, "usage: bench_records_safety [ORDERS] [--db FILE]\n");
        return 2;
    }
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("db"));
    TSession session(TProgramFolder(dir.path()), TProfileStore::openFile(dir.filePath(QStringLiteral("s.ini"))));
    const QString file = session.folder.dbFile(OrderDatabase::fileName);
    RegisterOrderDatabase(session.folder, TDatabaseSettings());
    if (!keep.isEmpty() && QFileInfo::exists(keep)) {
        QFile::copy(keep, file);
        std::printf("local SQLite file: %s\n", qPrintable(keep));
    } else {
        QRandomGenerator random(2026);
        const double filled = RealisticOrders::fill(random, orders);
        std::printf("local SQLite file: filled %d orders of %d customers in %.1f s\n", orders,
                    RealisticOrders::Customers, filled);
        if (!keep.isEmpty()) {
            OrderDatabase::close();
            QFile::copy(file, keep);
        }
    }
    const int listed = OrderList::count(TOrderListFilter());
    OrderDatabase::close();
    std::printf("database: %d orders, %.1f MB\n", listed, double(QFileInfo(file).size()) / 1e6);

    // The daily copy, made as the first start of each of a few days makes it; the program's own
    // connection is closed, as at start.
    int day = 0;
    QString copy;
    std::vector<double> copyCpu;
    const double backup = Medians::medianMs(
        [&](int) {
            Clock::setFixedToday(QDate(2026, 12, 1).addDays(day++));
            const double cpu = cpuMs();
            copy = Backup::makeDailyCopy(session.folder, TDatabaseSettings());
            copyCpu.push_back(cpuMs() - cpu);
        },
        5);
    std::printf("daily copy (VACUUM INTO), median of 5 runs: %.0f ms (%.0f ms processor time), copy %.1f MB\n", backup,
                Medians::median(copyCpu), double(QFileInfo(copy).size()) / 1e6);

    // Yazdır on the whole list.
    TDefaultAnswers answers;
    TMessages::setBackend(&answers);
    TOrderListing listing(&session.events);
    listing.run(TOrderListFilter());
    const TStep asked = measure([&] {
        if (OrderListReport::confirmLength(OrderList::count(listing.filter()))) listing.allRows();
    });
    std::printf("Yazdır on %d orders (%d pages), default answer: %.0f ms (%.0f ms processor time), peak +%.1f MiB\n",
                listed, OrderListReport::pageCount(listed), asked.ms, asked.cpuMs, asked.peakMiB);
    TForm13 preview;
    preview.setWaitForClose(false);
    const TStep whole = measure([&] { preview.preview(listing.allRows()); });
    std::printf("preview of every page (read, lay out, show): %.0f ms (%.0f ms processor time), peak +%.1f MiB\n",
                whole.ms, whole.cpuMs, whole.peakMiB);
    preview.previewDialog()->close();
    TMessages::setBackend(nullptr);
    OrderDatabase::close();
    return 0;
}
