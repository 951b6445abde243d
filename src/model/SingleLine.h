#pragma once

#include <QString>

// A one-line value (an entry, a list item, a price) never holds a line break: each break a paste
// brings in, CR LF counted once, becomes one blank. Lists stored one entry per line depend on it.
namespace SingleLine {

inline bool isBreak(QChar c) {
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\v') || c == QLatin1Char('\f') ||
           c == QChar(0x85) || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

inline QString of(const QString& text) {
    QString line;
    line.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!isBreak(c)) {
            line += c;
            continue;
        }
        line += QLatin1Char(' ');
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n')) ++i;
    }
    return line;
}

} // namespace SingleLine
