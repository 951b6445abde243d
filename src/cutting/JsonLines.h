#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

// The line each value of a JSON text starts on, by its path ("pieces[2].width"), so that a message
// about a value can name its line. The text must already be valid JSON.
class TJsonLines {
public:
    explicit TJsonLines(const QByteArray& text);
    // The line of the value at `path`, or of its nearest enclosing value that has one; 1 at worst.
    int lineOf(const QString& path) const;
    // The line of a byte offset into the text (for the parser's own errors).
    static int lineAt(const QByteArray& text, qsizetype offset);

private:
    void value(const QString& path);
    void skipSpace();
    void string();

    const QByteArray& m_text;
    qsizetype m_at = 0;
    int m_line = 1;
    QHash<QString, int> m_lines;
};
