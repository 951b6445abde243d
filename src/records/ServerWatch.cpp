#include "records/ServerWatch.h"

#include "records/SqlDialect.h"

#include "model/LongWait.h"

#include <QElapsedTimer>
#include <QSqlDriver>
#include <QVariant>

#include <libpq-fe.h>

#include <sys/socket.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// One thread for the whole program; it sleeps until a deadline is armed and cuts the socket only
// when that deadline passes while still armed.
class TWatchdog {
public:
    static TWatchdog& instance() {
        static TWatchdog watchdog;
        return watchdog;
    }

    void arm(int socket) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_socket = socket;
        m_deadline = Clock::now() + std::chrono::milliseconds(SqlDialect::answerMilliseconds);
        m_cut = false;
        ++m_generation;
        m_changed.notify_one();
    }
    void disarm() {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_socket = -1;
        ++m_generation;
        m_changed.notify_one();
    }
    bool cut() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_cut;
    }

private:
    TWatchdog() : m_thread([this] { watch(); }) {}
    ~TWatchdog() {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_stop = true;
            m_changed.notify_one();
        }
        m_thread.join();
    }

    void watch() {
        std::unique_lock<std::mutex> lock(m_mutex);
        while (!m_stop) {
            if (m_socket < 0) {
                m_changed.wait(lock);
                continue;
            }
            const unsigned generation = m_generation;
            if (m_changed.wait_until(lock, m_deadline, [&] { return m_stop || m_generation != generation; })) continue;
            // Shutting the socket down (not closing it: the client library still owns it) wakes the
            // waiting statement with a lost connection.
            ::shutdown(m_socket, SHUT_RDWR);
            m_cut = true;
            m_socket = -1;
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_socket = -1;
    Clock::time_point m_deadline;
    unsigned m_generation = 0;
    bool m_cut = false;
    bool m_stop = false;
    std::thread m_thread;
};

int g_depth = 0;
QElapsedTimer g_outermost; // since the outermost watched wait began

// The socket of an open server connection, or -1.
int serverSocket(const QSqlDatabase& db) {
    // Only a server connection has a socket to watch; a local file never waits on the network.
    if (!db.isOpen() || !db.driver() || db.driverName() != QLatin1String("QPSQL")) return -1;
    const QVariant handle = db.driver()->handle();
    // The driver's handle is the client library's connection (named by its typedef or its struct).
    const char* type = handle.typeName();
    if (!handle.isValid() || !type || (qstrcmp(type, "PGconn*") != 0 && qstrcmp(type, "pg_conn*") != 0)) {
        qWarning("server watch: unexpected handle %s", type ? type : "(none)");
        return -1;
    }
    PGconn* connection = *static_cast<PGconn* const*>(handle.constData());
    return connection ? PQsocket(connection) : -1;
}

} // namespace

TServerWatch::TServerWatch(const QSqlDatabase& db) {
    const int socket = serverSocket(db);
    if (socket < 0) return;
    TWatchdog::instance().arm(socket);
    m_armed = true;
    if (g_depth++ == 0) g_outermost.start();
}

TServerWatch::~TServerWatch() {
    if (!m_armed) return;
    if (--g_depth > 0) return;
    TWatchdog::instance().disarm();
    LongWait::note(g_outermost.elapsed());
}

bool TServerWatch::cut() {
    return TWatchdog::instance().cut();
}
