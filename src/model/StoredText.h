#pragma once

#include <QString>

// What a text may hold to be stored and read back unchanged on the local file and on the server
// alike. Control characters other than the tab (NUL among them) cannot travel through the server's
// driver, a UTF-16 surrogate without its partner has no UTF-8 form, and a leading U+FEFF is taken for
// a byte order mark and dropped when the text is read back. Names and notes are held to the sizes a
// workshop writes, so no record grows past what an index or a printed column can take.
namespace StoredText {

constexpr int NameLength = 100;     // customer name, order name, address
constexpr int TelLength = 15;       // telephone
constexpr int ExtraNameLength = 40; // the names of the extra items
constexpr int NoteLength = 2000;    // the note, and any other text of a record
constexpr int OtherLength = NoteLength;

enum class Lines { One, Many };

// The index of the first character that cannot be stored, -1 when every character can. With
// Lines::Many a line break (LF) is a character like any other.
qsizetype firstUnstorable(const QString& text, Lines lines = Lines::One);

// The text with every character that cannot be stored taken out (a line break stays with Lines::Many).
QString cleaned(const QString& text, Lines lines = Lines::One);

// Refuses (TRefusal naming the field `label`) a text holding a character that cannot be stored, or
// longer than `maxLength` characters.
void check(const QString& label, const QString& text, int maxLength, Lines lines = Lines::One);

} // namespace StoredText

namespace StoredTextTexts {
inline const QString tooLong =
    QStringLiteral("\"%1\" en çok %2 karakter olabilir; girilen %3 karakter. Lütfen kısaltınız; kayıt yapılmadı.");
inline const QString unstorable =
    QStringLiteral("\"%1\" kaydedilemeyen bir karakter içeriyor (%2. karakter, %3). Lütfen bu karakteri siliniz; "
                   "kayıt yapılmadı.");
} // namespace StoredTextTexts
