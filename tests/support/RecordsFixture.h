#pragma once

#include "model/Clock.h"
#include "records/OrderDatabase.h"
#include "session/Session.h"
#include "support/EngineSupport.h"
#include "support/RecordsSupport.h"
#include "support/TestSupport.h"

#include <memory>

// What the records tests start from: today fixed at 10.12.2026, a program folder with the default
// profile group, and the order database on the engine of this run (the local file or a new database
// on the test server). A test class derives from it and calls these from init() and cleanup().
class TRecordsFixture {
protected:
    void openRecords() {
        m_database = std::make_unique<TTestDatabase>();
        Clock::setFixedToday(QDate(2026, 12, 10));
        m_folder = std::make_unique<TTestFolder>();
        m_session = m_folder->makeSession();
        EnsureDefaultProfileGroup(*m_session->store);
        LoadStartupProfileGroup(*m_session->store, m_session->activeGroup);
        RegisterOrderDatabase(m_session->folder, m_database->settings);
    }
    void closeRecords() {
        OrderDatabase::close();
        m_database.reset();
        m_session.reset();
        m_folder.reset();
        Clock::setFixedToday(QDate());
    }

    std::unique_ptr<TTestDatabase> m_database;
    std::unique_ptr<TTestFolder> m_folder;
    std::unique_ptr<TSession> m_session;
};

namespace RecordsSupport {

struct TMonthEndCustomers {
    int ornek = 0;
    int obrien = 0;
};

// Two customers, Örnek and O'Brien (the newest), and seven orders saved around a month's end,
// numbers 1..7: 29.11 Örnek, 30.11 O'Brien, 30.11 Örnek, 01.12 Örnek (kalan −250), 02.12 O'Brien,
// 02.12 Örnek, 03.12 Örnek; kalan 100, 200, … by number.
inline TMonthEndCustomers storeOrdersAroundMonthEnd() {
    TMonthEndCustomers customers;
    customers.ornek = addCustomer(QStringLiteral("Örnek"));
    customers.obrien = addCustomer(QStringLiteral("O'Brien"));
    storeOrder(customers.ornek, QStringLiteral("Örnek"), QDate(2026, 11, 29), 100);
    storeOrder(customers.obrien, QStringLiteral("O'Brien"), QDate(2026, 11, 30), 200);
    storeOrder(customers.ornek, QStringLiteral("Örnek"), QDate(2026, 11, 30), 300);
    storeOrder(customers.ornek, QStringLiteral("Örnek"), QDate(2026, 12, 1), -250);
    storeOrder(customers.obrien, QStringLiteral("O'Brien"), QDate(2026, 12, 2), 400);
    storeOrder(customers.ornek, QStringLiteral("Örnek"), QDate(2026, 12, 2), 500);
    storeOrder(customers.ornek, QStringLiteral("Örnek"), QDate(2026, 12, 3), 600);
    return customers;
}

} // namespace RecordsSupport
