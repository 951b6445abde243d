#pragma once

#include "model/Project.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

class TProfileGroup;
struct TDivisionEditor;

struct TSubPart {
    bool locked = false;
    QString size;
    bool readOnly = true;
    QString kind = ProjectTexts::panel;
    QString name;
};

// Working state of the sub-division editor: the split of one division into two or three parts.
struct TSubDivisionEditor {
    int bolmeadi = 0;
    QString bolmeolcu;
    QString count = QStringLiteral("3");     // arabolmesayi: "2" or "3"
    QString bolmeadet = QStringLiteral("2"); // separators: "1" for two parts, "2" for three
    std::array<TSubPart, 4> parts;           // parts 1..3
    QList<int> unlockedParts, lockedParts;
    QString degisiklik = QStringLiteral("0");
    QString title;
    QStringList nameChoices; // the inner material colour list

    int partCount() const { return count == QLatin1String("2") ? 2 : 3; }
    bool partThreeEnabled() const { return partCount() == 3; }
};

// Opens the editor for division k of the division editor and initialises it.
void OpenSubDivisionEditor(TSubDivisionEditor& sub, const TDivisionEditor& editor, int division,
                           const TProfileGroup& group);
// Divides bolmeolcu, less the separators, over the unlocked parts (nothing while degisiklik is "1").
void FillSubDivisionSizes(TSubDivisionEditor& sub, const TProfileGroup& group, const QString& direction);
// Returns the lock box's state after the rule.
bool ToggleSubDivisionLock(TSubDivisionEditor& sub, int part, bool set, const TProfileGroup& group,
                           const QString& direction);
void ChangeSubDivisionCount(TSubDivisionEditor& sub, const QString& count, const TProfileGroup& group,
                            const QString& direction);
void ResetSubDivision(TSubDivisionEditor& sub);
void EditSubDivisionSize(TSubDivisionEditor& sub, int part, const QString& text, const TProfileGroup& group,
                         const QString& direction);
// OK: writes the split into the division editor's working table and redraws its preview.
void ConfirmSubDivisionEditor(TSubDivisionEditor& sub, TDivisionEditor& editor, const TProfileGroup& group,
                              const QString& doorHeight);

namespace SubDivisionTexts {
inline QString title(int division) {
    return QStringLiteral("%1. Bölme Ara Bölmesini Düzenle.").arg(division);
}
} // namespace SubDivisionTexts
