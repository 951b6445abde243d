#include "cutting/JsonLines.h"

TJsonLines::TJsonLines(const QByteArray& text) : m_text(text) {
    skipSpace();
    if (m_at < m_text.size()) value(QString());
}

int TJsonLines::lineOf(const QString& path) const {
    QString p = path;
    while (!p.isEmpty()) {
        const auto found = m_lines.constFind(p);
        if (found != m_lines.constEnd()) return *found;
        const qsizetype cut = std::max(p.lastIndexOf(QLatin1Char('.')), p.lastIndexOf(QLatin1Char('[')));
        p = cut > 0 ? p.left(cut) : QString();
    }
    return m_lines.value(QString(), 1);
}

int TJsonLines::lineAt(const QByteArray& text, qsizetype offset) {
    return 1 + static_cast<int>(text.left(offset).count('\n'));
}

void TJsonLines::skipSpace() {
    while (m_at < m_text.size()) {
        const char c = m_text.at(m_at);
        if (c == '\n')
            ++m_line;
        else if (c != ' ' && c != '\t' && c != '\r')
            return;
        ++m_at;
    }
}

void TJsonLines::string() {
    ++m_at; // the opening quote
    while (m_at < m_text.size() && m_text.at(m_at) != '"')
        m_at += m_text.at(m_at) == '\\' ? 2 : 1;
    ++m_at;
}

void TJsonLines::value(const QString& path) {
    m_lines.insert(path, m_line);
    if (m_at >= m_text.size()) return;
    const char c = m_text.at(m_at);
    if (c == '{') {
        ++m_at;
        skipSpace();
        while (m_at < m_text.size() && m_text.at(m_at) != '}') {
            const qsizetype keyStart = m_at + 1;
            string();
            const QString key = QString::fromUtf8(m_text.mid(keyStart, m_at - keyStart - 1));
            skipSpace();
            ++m_at; // ':'
            skipSpace();
            value(path.isEmpty() ? key : path + QLatin1Char('.') + key);
            skipSpace();
            if (m_at < m_text.size() && m_text.at(m_at) == ',') ++m_at;
            skipSpace();
        }
        ++m_at;
    } else if (c == '[') {
        ++m_at;
        skipSpace();
        int index = 0;
        while (m_at < m_text.size() && m_text.at(m_at) != ']') {
            value(path + QStringLiteral("[%1]").arg(index++));
            skipSpace();
            if (m_at < m_text.size() && m_text.at(m_at) == ',') ++m_at;
            skipSpace();
        }
        ++m_at;
    } else if (c == '"') {
        string();
    } else {
        while (m_at < m_text.size() && !QByteArrayView(",]} \t\r\n").contains(m_text.at(m_at)))
            ++m_at;
    }
}
