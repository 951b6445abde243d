#pragma once

#include <QSqlDatabase>

// A server that stops answering (frozen, or the network lost without a word) never ends a statement
// by itself: the client library would wait on the window's thread for as long as it stays so. While
// a TServerWatch lives, a watchdog thread cuts the connection's socket once the wait passes
// SqlDialect::answerMilliseconds, so the statement fails at once as a lost connection. On the local
// file, or with the connection not open, it does nothing. Scopes may nest; each starts the bound anew.
class TServerWatch {
public:
    explicit TServerWatch(const QSqlDatabase& db);
    ~TServerWatch();
    TServerWatch(const TServerWatch&) = delete;
    TServerWatch& operator=(const TServerWatch&) = delete;

    // True when the watchdog cut the connection during the last watched wait: the server is not
    // answering, so connecting again at once would only wait once more.
    static bool cut();

private:
    bool m_armed = false;
};
