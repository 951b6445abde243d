#pragma once

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QProcess>
#include <QStringList>

#include <csignal>
#include <sys/types.h>
#include <unistd.h>

// Stopping, starting and freezing the test server that scripts/pg-test-server.sh started
// (DORAVEL_TEST_PG_BIN, DORAVEL_TEST_PG_DATA, DORAVEL_TEST_PG_HOST, DORAVEL_TEST_PG_PORT).
namespace TestServerControl {

inline bool available() {
    return !qEnvironmentVariableIsEmpty("DORAVEL_TEST_PG_BIN") && !qEnvironmentVariableIsEmpty("DORAVEL_TEST_PG_DATA");
}

// pg_ctl on the test server's cluster, as the cluster's owner.
inline bool pgCtl(const QStringList& arguments) {
    QStringList command = {qEnvironmentVariable("DORAVEL_TEST_PG_BIN") + QStringLiteral("/pg_ctl"),
                           QStringLiteral("-D"), qEnvironmentVariable("DORAVEL_TEST_PG_DATA"), QStringLiteral("-w")};
    command << arguments;
    QProcess process;
    if (geteuid() == 0) {
        process.start(QStringLiteral("runuser"),
                      QStringList{QStringLiteral("-u"), QStringLiteral("nobody"), QStringLiteral("--")} + command);
    } else {
        process.start(command.takeFirst(), command);
    }
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// The server's main process: the first line of postmaster.pid.
inline pid_t postmasterPid() {
    QFile file(QDir(qEnvironmentVariable("DORAVEL_TEST_PG_DATA")).filePath(QStringLiteral("postmaster.pid")));
    if (!file.open(QIODevice::ReadOnly)) return 0;
    return pid_t(file.readLine().trimmed().toLong());
}

// The server's main process and then every process it started (each of them a session of its own).
inline QList<pid_t> serverProcesses() {
    const pid_t main = postmasterPid();
    if (main <= 0) return {};
    QList<pid_t> processes = {main};
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool isNumber = false;
        const pid_t pid = pid_t(entry.toLong(&isNumber));
        if (!isNumber) continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!stat.open(QIODevice::ReadOnly)) continue;
        // "pid (name) state ppid ...": the name may hold blanks, so count from its closing bracket.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1 && pid_t(fields[1].toLong()) == main) processes << pid;
    }
    return processes;
}

} // namespace TestServerControl

// Stops the test server; it runs again at the latest when this goes out of scope.
class TServerStop {
public:
    TServerStop() {
        m_stopped = TestServerControl::pgCtl({QStringLiteral("-m"), QStringLiteral("fast"), QStringLiteral("stop")});
    }
    ~TServerStop() { start(); }
    TServerStop(const TServerStop&) = delete;
    TServerStop& operator=(const TServerStop&) = delete;
    bool stopped() const { return m_stopped; }
    bool start() {
        if (!m_stopped) return true;
        const QString host = qEnvironmentVariable("DORAVEL_TEST_PG_HOST");
        const QString options = QStringLiteral("-k %1 -c listen_addresses= -p %2 -F")
                                    .arg(host, qEnvironmentVariable("DORAVEL_TEST_PG_PORT"));
        m_stopped = !TestServerControl::pgCtl({QStringLiteral("-l"), host + QStringLiteral("/server.log"),
                                               QStringLiteral("-o"), options, QStringLiteral("start")});
        return !m_stopped;
    }

private:
    bool m_stopped = false;
};

// Freezes the whole test server, as a hung machine or a lost network leaves it: the main process
// (first, so that it starts no other) and every process it started stopped with SIGSTOP. It answers
// again at the latest when this goes out of scope.
class TServerFreeze {
public:
    TServerFreeze() : m_processes(TestServerControl::serverProcesses()) {
        m_frozen = !m_processes.isEmpty();
        for (const pid_t pid : m_processes)
            m_frozen = ::kill(pid, SIGSTOP) == 0 && m_frozen;
    }
    ~TServerFreeze() { thaw(); }
    TServerFreeze(const TServerFreeze&) = delete;
    TServerFreeze& operator=(const TServerFreeze&) = delete;
    bool frozen() const { return m_frozen; }
    void thaw() {
        for (const pid_t pid : m_processes)
            ::kill(pid, SIGCONT);
        m_processes.clear();
        m_frozen = false;
    }

private:
    QList<pid_t> m_processes;
    bool m_frozen = false;
};
