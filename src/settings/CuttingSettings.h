#pragma once

#include <QString>

#include <array>

class TProfileStore;

// How the workshop cuts its profile bars: the stock length of each of the seven profile kinds of
// the cut list, the saw kerf, the trim cut from each bar end and the shortest offcut worth keeping.
// Texts as typed, read as numbers (cm) when the plan is made.
class TCuttingSettings {
public:
    // The seven stock lengths follow the cut list's kinds in their order.
    enum Value {
        topRail,
        bottomRail,
        side,
        top,
        bottom,
        horizontalMiddle,
        verticalMiddle,
        kerf,
        trim,
        minOffcut,
        ValueCount
    };
    static constexpr int KindCount = 7;

    static const char* valueName(int value); // store and project-file names: "topRail" … "minOffcut"
    static QString defaultText(int value);   // 600 for every bar, kerf 0,4, trim 0, kept offcut 50
    static QString caption(int value);       // the settings page's caption
    static QString kindName(int kind);       // "Üst Ray" … "Dikey Orta Profil", as in the cut list

    TCuttingSettings();
    const QString& text(int value) const { return m_values[value]; }
    void setText(int value, const QString& text) { m_values[value] = text; }
    // The value read as a number; throws EConvertError.
    double number(int value) const;
    // Throws DoravelError when a value is not a number or out of range (a bar that leaves nothing
    // after its trims, a negative kerf).
    void check() const;

private:
    std::array<QString, ValueCount> m_values;
};

// The settings live in the profile store beside the groups, in the group "Kesim"; a value that is
// not stored reads as its default.
void LoadCuttingSettings(const TProfileStore& store, TCuttingSettings& settings);
// Checks the values first and writes nothing when one is wrong.
void SaveCuttingSettings(TProfileStore& store, const TCuttingSettings& settings);
