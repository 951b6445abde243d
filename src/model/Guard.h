#pragma once

#include <QString>

// The recomputation guards (editkontrol, aracheckontrol, degisiklik) are texts: "1" while the program
// itself writes entries, "0" otherwise. A change handler does nothing while its guard is "1".
inline bool isRaised(const QString& guard) {
    return guard == QLatin1String("1");
}

// Raises a guard for one scope and puts back what it held, also when the scope ends by an error,
// so a failed fill never leaves the guard up.
class TGuardScope {
public:
    explicit TGuardScope(QString& guard) : m_guard(guard), m_previous(guard) { m_guard = QStringLiteral("1"); }
    ~TGuardScope() { m_guard = m_previous.isEmpty() ? QStringLiteral("0") : m_previous; }
    TGuardScope(const TGuardScope&) = delete;
    TGuardScope& operator=(const TGuardScope&) = delete;

private:
    QString& m_guard;
    QString m_previous;
};
