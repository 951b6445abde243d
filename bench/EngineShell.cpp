#include "EngineShell.h"

#include "Medians.h"

#include <QElapsedTimer>
#include <QProcess>

#include <vector>

TEngineShell::TEngineShell(const TDatabaseSettings& settings, const QString& file)
    : m_settings(settings), m_file(file) {}

QString TEngineShell::name() const {
    return m_settings.onServer() ? QStringLiteral("psql") : QStringLiteral("sqlite3");
}

double TEngineShell::runScript(const QString& script) const {
    QProcess shell;
    // A statement the shell refuses would make the floor meaninglessly small: its complaint shows.
    shell.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    if (m_settings.onServer())
        shell.start(QStringLiteral("psql"),
                    {QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-h"), m_settings.host,
                     QStringLiteral("-p"), QString::number(m_settings.port), QStringLiteral("-U"), m_settings.user,
                     QStringLiteral("-d"), m_settings.database});
    else
        shell.start(QStringLiteral("sqlite3"), {m_file});
    shell.write(script.toUtf8());
    shell.closeWriteChannel();
    shell.waitForFinished(-1);
    return double(timer.nsecsElapsed()) / 1e6;
}

double TEngineShell::perStatementMs(const std::function<QString(int)>& statement) {
    constexpr int Repeats = 20;
    // The program's own settings of the file: write-ahead log, a sync at checkpoints only.
    const QString start = m_settings.onServer() ? QStringLiteral("\\o /dev/null\n")
                                                : QStringLiteral(".output /dev/null\nPRAGMA synchronous=NORMAL;\n");
    std::vector<double> times;
    for (int run = 0; run < 7; ++run) {
        QString script = start;
        const QString empty = start + QStringLiteral("SELECT 1;\n").repeated(Repeats);
        for (int i = 0; i < Repeats; ++i)
            script += statement(m_next++);
        times.push_back((runScript(script) - runScript(empty)) / Repeats);
    }
    return Medians::median(times);
}

QString shellText(const QString& value) {
    return QLatin1Char('\'') + QString(value).replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
}
