#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The seventeen measurements of one profile system. The active group is the one object the settings
// window edits and every computation reads at the moment it runs.
class TProfileGroup {
public:
    enum Value {
        top,
        under,
        side,
        mhor,
        mver,
        work,
        topw,
        underw,
        sidew,
        mhorw,
        mverw,
        topslidew,
        underslidew,
        outside,
        incover,
        name,
        firma,
        ValueCount
    };

    static const char* valueName(int value); // "top" … "firma", the store's value names
    static QString defaultText(int value);   // first-start default; empty for firma
    static QString caption(int value);       // caption of the settings entry

    const QString& text(int value) const { return m_values[value]; }
    void setText(int value, const QString& text) { m_values[value] = text; }
    // The value read as a number; throws EConvertError.
    double number(int value) const;

private:
    std::array<QString, ValueCount> m_values;
};

namespace ProfileGroupNames {
QStringList choices(); // "Profil Grubu 1" … "Profil Grubu 5"
// Store key number for a group name: 1..5 ("Profil Grubu 6" … "10" select 5), 0 for any other name.
int keyNumber(const QString& name);
} // namespace ProfileGroupNames
