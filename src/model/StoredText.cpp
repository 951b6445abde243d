#include "model/StoredText.h"

#include "model/Errors.h"

namespace {

constexpr char16_t ByteOrderMark = 0xFEFF;

bool isControl(char16_t c, StoredText::Lines lines) {
    if (c == u'\t') return false;
    if (c == u'\n' && lines == StoredText::Lines::Many) return false;
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// The length in UTF-16 units of the unstorable character at `i`, 0 when it can be stored.
int unstorableAt(const QString& text, qsizetype i, StoredText::Lines lines) {
    const char16_t c = text.at(i).unicode();
    if (isControl(c, lines)) return 1;
    if (c == ByteOrderMark && i == 0) return 1;
    if (QChar::isHighSurrogate(c)) {
        const bool paired = i + 1 < text.size() && QChar::isLowSurrogate(text.at(i + 1).unicode());
        return paired ? 0 : 1;
    }
    if (QChar::isLowSurrogate(c)) {
        const bool paired = i > 0 && QChar::isHighSurrogate(text.at(i - 1).unicode());
        return paired ? 0 : 1;
    }
    return 0;
}

} // namespace

namespace StoredText {

qsizetype firstUnstorable(const QString& text, Lines lines) {
    for (qsizetype i = 0; i < text.size(); ++i)
        if (unstorableAt(text, i, lines) > 0) return i;
    return -1;
}

QString cleaned(const QString& text, Lines lines) {
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i)
        if (unstorableAt(text, i, lines) == 0) result += text.at(i);
    // Taking characters out may bring a U+FEFF to the front.
    while (!result.isEmpty() && result.front().unicode() == ByteOrderMark)
        result.remove(0, 1);
    return result;
}

void check(const QString& label, const QString& text, int maxLength, Lines lines) {
    const qsizetype bad = firstUnstorable(text, lines);
    if (bad >= 0) {
        const QString code = QStringLiteral("U+") +
                             QString::number(text.at(bad).unicode(), 16).toUpper().rightJustified(4, QLatin1Char('0'));
        throw TRefusal(StoredTextTexts::unstorable.arg(label).arg(bad + 1).arg(code));
    }
    if (text.size() > maxLength) throw TRefusal(StoredTextTexts::tooLong.arg(label).arg(maxLength).arg(text.size()));
}

} // namespace StoredText
