#include "design/SubDivisionEditor.h"

#include "design/DivisionEditor.h"
#include "design/LockSet.h"
#include "model/Guard.h"
#include "model/NumberText.h"
#include "model/Project.h"
#include "settings/ProfileGroup.h"

using NumberText::toFloat;

void OpenSubDivisionEditor(TSubDivisionEditor& sub, const TDivisionEditor& editor, int division,
                           const TProfileGroup& group) {
    const TDivisionRow& row = editor.rows[division];
    sub.bolmeolcu = editor.isHorizontal() ? row.width : row.height;
    sub.bolmeadi = division;
    const TSplitRow& stored = editor.splits[division];
    const bool storedSplit = isSplit(stored);
    sub.degisiklik = storedSplit ? QStringLiteral("1") : QStringLiteral("0");
    if (storedSplit) {
        for (int part = 1; part <= 3; ++part) {
            sub.parts[part].size = stored[3 * part - 2];
            sub.parts[part].kind = ProjectTexts::kindOf(stored[3 * part - 1]);
            sub.parts[part].name = stored[3 * part];
        }
        sub.bolmeadet = stored[10];
    }

    ResetSubDivision(sub);
    for (int part = 1; part <= 3; ++part) {
        sub.parts[part].locked = false;
        sub.parts[part].readOnly = true;
    }
    sub.title = SubDivisionTexts::title(division);
    // The part count change rebuilds the lock sets; for a new split it also resets and fills.
    const QString count =
        !storedSplit || sub.bolmeadet == QLatin1String("2") ? QStringLiteral("3") : QStringLiteral("2");
    ChangeSubDivisionCount(sub, count, group, editor.direction);
    sub.degisiklik = QStringLiteral("0");
}

void FillSubDivisionSizes(TSubDivisionEditor& sub, const TProfileGroup& group, const QString& direction) {
    if (isRaised(sub.degisiklik) || sub.unlockedParts.isEmpty()) return;
    const double middle =
        group.number(direction == ProjectTexts::horizontal ? TProfileGroup::mhor : TProfileGroup::mver);
    const double gap = NumberText::toInt(sub.bolmeadet) * (middle + group.number(TProfileGroup::incover));
    const double lockedSum = LockSet::lockedSum(sub.lockedParts, [&sub](int part) { return sub.parts[part].size; });
    const QString share = LockSet::share(toFloat(sub.bolmeolcu) - gap - lockedSum, sub.unlockedParts.size());
    for (int part : sub.unlockedParts)
        sub.parts[part].size = share;
}

bool ToggleSubDivisionLock(TSubDivisionEditor& sub, int part, bool set, const TProfileGroup& group,
                           const QString& direction) {
    TSubPart& entry = sub.parts[part];
    if (set) {
        if (!LockSet::leavesOneFree(part, sub.partCount(), [&sub](int other) { return sub.parts[other].locked; })) {
            entry.locked = false;
            entry.readOnly = true;
            return false;
        }
        entry.locked = true;
        entry.readOnly = false;
        sub.unlockedParts.removeAll(part);
        if (!sub.lockedParts.contains(part)) sub.lockedParts << part;
        // Locking part 1 leaves the other sizes as they are until the next fill.
        if (part != 1) FillSubDivisionSizes(sub, group, direction);
        return true;
    }
    entry.locked = false;
    entry.readOnly = true;
    sub.lockedParts.removeAll(part);
    if (!sub.unlockedParts.contains(part)) sub.unlockedParts << part;
    FillSubDivisionSizes(sub, group, direction);
    return false;
}

void ChangeSubDivisionCount(TSubDivisionEditor& sub, const QString& count, const TProfileGroup& group,
                            const QString& direction) {
    sub.count = count == QLatin1String("2") ? QStringLiteral("2") : QStringLiteral("3");
    sub.unlockedParts.clear();
    sub.lockedParts.clear();
    if (sub.partCount() == 3) {
        sub.bolmeadet = QStringLiteral("2");
        sub.unlockedParts = {1, 2, 3};
    } else {
        sub.bolmeadet = QStringLiteral("1");
        sub.unlockedParts = {1, 2};
    }
    for (int part = 1; part <= 3; ++part)
        sub.parts[part].locked = false;
    ResetSubDivision(sub);
    FillSubDivisionSizes(sub, group, direction);
}

void ResetSubDivision(TSubDivisionEditor& sub) {
    if (isRaised(sub.degisiklik)) return;
    for (int part = 1; part <= 3; ++part) {
        TSubPart& entry = sub.parts[part];
        entry.size.clear();
        entry.readOnly = true;
        entry.locked = false;
        entry.name = sub.nameChoices.value(0);
        entry.kind = ProjectTexts::panel;
    }
}

void EditSubDivisionSize(TSubDivisionEditor& sub, int part, const QString& text, const TProfileGroup& group,
                         const QString& direction) {
    sub.parts[part].size = text;
    if (!text.isEmpty()) FillSubDivisionSizes(sub, group, direction);
}

void ConfirmSubDivisionEditor(TSubDivisionEditor& sub, TDivisionEditor& editor, const TProfileGroup& group,
                              const QString& doorHeight) {
    TSplitRow& row = editor.splits[sub.bolmeadi];
    for (int part = 1; part <= 3; ++part) {
        const TSubPart& entry = sub.parts[part];
        row[3 * part - 2] = entry.size.isEmpty() ? QStringLiteral("0") : entry.size;
        row[3 * part - 1] = entry.kind;
        row[3 * part] = entry.name;
    }
    row[10] = sub.bolmeadet;
    DrawDoorPreview(editor, group, doorHeight);
}
