#include "model/Clock.h"

namespace {
QDate g_fixed;
}

QDate Clock::today() {
    return g_fixed.isValid() ? g_fixed : QDate::currentDate();
}

void Clock::setFixedToday(const QDate& date) {
    g_fixed = date;
}

QString DisplayDate::text(const QDate& date, QLocale::FormatType format) {
    return QLocale(QLocale::Turkish, QLocale::Turkey).toString(date, format);
}
