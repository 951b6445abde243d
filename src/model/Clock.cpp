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

QString DisplayDate::text(const QDate& date) {
    return date.toString(format);
}
