#pragma once

#include "model/Clock.h"
#include "records/OrderDatabase.h"
#include "support/EngineSupport.h"
#include "support/WindowTestSupport.h"

#include <memory>

// The whole program started on a temporary folder whose settings choose the order database of this
// run (the local file or a new database on the test server), today fixed at 10.12.2026. A window
// test class derives from it and calls these from init() and cleanup().
class TRecordsProgramFixture {
protected:
    void startProgram() {
        Clock::setFixedToday(QDate(2026, 12, 10));
        database = std::make_unique<TTestDatabase>();
        program = std::make_unique<TRunningProgram>();
        database->storeIn(program->folder.settingsFile());
        program->start();
    }
    void stopProgram() {
        program.reset();
        OrderDatabase::close();
        database.reset();
        Clock::setFixedToday(QDate());
    }

    std::unique_ptr<TTestDatabase> database;
    std::unique_ptr<TRunningProgram> program;
};
