#pragma once

#include <QDate>
#include <QString>

// Today's date for everything the program stamps with "today"; a test can fix it.
class Clock {
public:
    static QDate today();
    static void setFixedToday(const QDate& date); // an invalid date returns to the system clock
};

// Dates as the workshop reads them, the same in every picker, label and printed text: the Turkish
// short form with two-digit day and month, 05.01.2027.
namespace DisplayDate {
inline const QString format = QStringLiteral("dd.MM.yyyy");
QString text(const QDate& date);
} // namespace DisplayDate
