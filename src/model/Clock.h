#pragma once

#include <QDate>
#include <QLocale>

// Today's date for everything the program stamps with "today"; a test can fix it.
class Clock {
public:
    static QDate today();
    static void setFixedToday(const QDate& date); // an invalid date returns to the system clock
};

// Dates as the workshop reads them: the Turkish short date format, 10.12.2026.
namespace DisplayDate {
QString text(const QDate& date, QLocale::FormatType format = QLocale::ShortFormat);
}
