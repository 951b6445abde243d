#include "design/DivisionEditor.h"

#include "design/DoorDrawing.h"
#include "design/LockSet.h"
#include "model/Errors.h"
#include "model/Guard.h"
#include "model/NumberText.h"
#include "settings/ProfileGroup.h"

using NumberText::round2Text;
using NumberText::toFloat;

int TDivisionEditor::countNumber() const {
    return NumberText::countIn(count, 1, 6).value_or(0);
}

void FillDivisionSizes(TDivisionEditor& editor, const TProfileGroup& group, const QString& doorHeight) {
    TGuardScope guard(editor.editkontrol);
    const double width = toFloat(editor.kapakeni);
    const double height = toFloat(doorHeight);
    const double top = group.number(TProfileGroup::top);
    const double under = group.number(TProfileGroup::under);
    const double side = group.number(TProfileGroup::side);
    const double mhor = group.number(TProfileGroup::mhor);
    const double mver = group.number(TProfileGroup::mver);
    const double incover = group.number(TProfileGroup::incover);
    const int n = editor.countNumber();
    const double heightAllowance = top + under + incover;
    const double widthAllowance = 2 * side + incover;

    const TDimension running = editor.runningDimension();
    const TDimension common = running == TDimension::Height ? TDimension::Width : TDimension::Height;
    const double runningSize = running == TDimension::Height ? height - heightAllowance - (n - 1) * (mhor + incover)
                                                             : width - widthAllowance - (n - 1) * (mver + incover);
    const double commonSize = running == TDimension::Height ? width - widthAllowance : height - heightAllowance;

    const double fixed = LockSet::lockedSum(editor.lockedSet(running),
                                            [&](int division) { return editor.rows[division].size(running); });
    const QList<int>& unlocked = editor.unlockedSet(running);
    if (unlocked.isEmpty()) return;
    const QString share = LockSet::share(runningSize - fixed, unlocked.size());
    const QString commonText = round2Text(commonSize);
    for (int division : unlocked)
        editor.rows[division].size(running) = share;
    for (int division : editor.unlockedSet(common))
        editor.rows[division].size(common) = commonText;
}

bool ToggleDivisionLock(TDivisionEditor& editor, int division, TDimension dimension, bool set,
                        const TProfileGroup& group, const QString& doorHeight) {
    FillDivisionSizes(editor, group, doorHeight);
    TDivisionRow& row = editor.rows[division];
    if (set) {
        const auto isLocked = [&](int other) { return editor.rows[other].locked(dimension); };
        if (!LockSet::leavesOneFree(division, editor.countNumber(), isLocked)) {
            row.locked(dimension) = false;
            row.readOnly(dimension) = true;
            return false; // the last unlocked entry of the running dimension stays computed
        }
        row.locked(dimension) = true;
        row.readOnly(dimension) = false;
        editor.unlockedSet(dimension).removeAll(division);
        if (!editor.lockedSet(dimension).contains(division)) editor.lockedSet(dimension) << division;
        return true;
    }
    row.locked(dimension) = false;
    row.readOnly(dimension) = true;
    if (editor.lockedSet(dimension).removeAll(division) > 0) editor.unlockedSet(dimension) << division;
    return false;
}

namespace {

// Clears every lock box; each cleared entry returns to its unlocked set.
void clearLocks(TDivisionEditor& editor) {
    for (TDimension d : {TDimension::Width, TDimension::Height}) {
        for (int division = 1; division <= 6; ++division)
            editor.rows[division].locked(d) = false;
        editor.unlockedSet(d) << editor.lockedSet(d);
        editor.lockedSet(d).clear();
    }
}

// Step 1 of a count or direction change: the working values are discarded.
void clearWorkingValues(TDivisionEditor& editor) {
    clearSplitTable(editor.splits);
    TGuardScope guard(editor.editkontrol);
    for (int division = 1; division <= 6; ++division) {
        TDivisionRow& row = editor.rows[division];
        row.width.clear();
        row.height.clear();
        row.name.clear();
        row.kind = ProjectTexts::panel;
        row.splitButtonEnabled = false;
    }
}

} // namespace

void SetupDivisionLayout(TDivisionEditor& editor) {
    const int n = editor.countNumber();
    for (int division = 1; division <= 6; ++division) {
        TDivisionRow& row = editor.rows[division];
        row.widthReadOnly = row.heightReadOnly = true;
        row.enabled = division <= n;
    }
    editor.preview = DoorDrawing::sketch(n, editor.direction);
    {
        TGuardScope guard(editor.aracheckontrol);
        clearLocks(editor);
        for (int division = 1; division <= 6; ++division)
            editor.rows[division].araBolme = false;
    }
    const TDimension running = editor.runningDimension();
    for (int division = 1; division <= 6; ++division) {
        TDivisionRow& row = editor.rows[division];
        const bool lockable = n >= 2 && division <= n;
        row.widthLockEnabled = lockable && running == TDimension::Width;
        row.heightLockEnabled = lockable && running == TDimension::Height;
        row.araBolmeEnabled = n >= 2 && division <= n;
        if (n == 1 && division == 1) row.splitButtonEnabled = false;
    }
}

void ChangeDivisionCount(TDivisionEditor& editor, const QString& count, const TProfileGroup& group,
                         const QString& doorHeight) {
    editor.count = count;
    clearWorkingValues(editor);
    clearLocks(editor);
    for (TDimension d : {TDimension::Width, TDimension::Height}) {
        editor.unlockedSet(d).clear();
        for (int division = 1; division <= editor.countNumber(); ++division)
            editor.unlockedSet(d) << division;
    }
    FillDivisionSizes(editor, group, doorHeight);
    SetupDivisionLayout(editor);
}

void ChangeDivisionDirection(TDivisionEditor& editor, const QString& direction, const TProfileGroup& group,
                             const QString& doorHeight) {
    editor.direction = ProjectTexts::directionOf(direction);
    clearWorkingValues(editor);
    clearLocks(editor); // the fill below sees every entry unlocked; the boxes clear in the layout step
    FillDivisionSizes(editor, group, doorHeight);
    SetupDivisionLayout(editor);
}

void EditDivisionSize(TDivisionEditor& editor, int division, TDimension dimension, const QString& text,
                      const TProfileGroup& group, const QString& doorHeight) {
    editor.rows[division].size(dimension) = text;
    if (text.isEmpty() || isRaised(editor.editkontrol)) return;
    FillDivisionSizes(editor, group, doorHeight);
    DrawDoorPreview(editor, group, doorHeight);
}

void SetAraBolme(TDivisionEditor& editor, int division, bool set, const TProfileGroup& group,
                 const QString& doorHeight) {
    TDivisionRow& row = editor.rows[division];
    row.araBolme = set;
    if (set) {
        row.splitButtonEnabled = true;
        return;
    }
    if (isRaised(editor.aracheckontrol)) return;
    row.splitButtonEnabled = false;
    for (QString& value : editor.splits[division])
        value.clear();
    DrawDoorPreview(editor, group, doorHeight);
}

void DrawDoorPreview(TDivisionEditor& editor, const TProfileGroup& group, const QString& doorHeight) {
    DoorDrawing::TDoorShape shape;
    shape.doorWidth = editor.kapakeni;
    shape.doorHeight = doorHeight;
    shape.count = editor.count;
    shape.direction = editor.direction;
    for (int division = 1; division <= 6; ++division) {
        shape.widths[division] = editor.rows[division].width;
        shape.heights[division] = editor.rows[division].height;
        if (editor.rows[division].araBolme && isSplit(editor.splits[division]))
            shape.splits[division] = &editor.splits[division];
    }
    if (editor.preview.isNull()) editor.preview = DoorDrawing::newPicture();
    DoorDrawing::drawDoor(editor.preview, shape, group);
}

void OpenDivisionEditor(TDivisionEditor& editor, const TProject& project, const TProfileGroup& group) {
    editor.door = NumberText::countIn(project.hangikapak, 0, 6).value_or(0); // empty: all doors
    if (editor.door != 0) editor.title = DivisionEditorTexts::doorTitle(editor.door);
    const int storedDoor = editor.door == 0 ? 1 : editor.door;
    const QString& doorHeight = project.doorHeight;

    if (!project.isDimensioned(storedDoor)) {
        if (editor.door == 0) editor.title = DivisionEditorTexts::allDoorsNewTitle;
        ChangeDivisionCount(editor, editor.door == 0 ? QStringLiteral("2") : QStringLiteral("6"), group, doorHeight);
        ChangeDivisionDirection(editor, ProjectTexts::horizontal, group, doorHeight);
        FillDivisionSizes(editor, group, doorHeight);
        DrawDoorPreview(editor, group, doorHeight);
        return;
    }

    ChangeDivisionCount(editor, project.divisionCount(storedDoor), group, doorHeight);
    ChangeDivisionDirection(editor, project.direction(storedDoor), group, doorHeight);
    {
        TGuardScope guard(editor.editkontrol);
        for (int division = 1; division <= 6; ++division) {
            TDivisionRow& row = editor.rows[division];
            row.width = project.divisionWidth(storedDoor, division);
            row.height = project.divisionHeight(storedDoor, division);
            row.name = project.divisionName(storedDoor, division);
            row.kind = ProjectTexts::kindOf(project.divisionKind(storedDoor, division));
        }
    }
    for (int division = 1; division <= 6; ++division)
        editor.rows[division].enabled = division <= editor.countNumber();
    {
        TGuardScope guard(editor.aracheckontrol);
        editor.splits = project.splitTable(storedDoor);
        for (int division = 1; division <= 6; ++division) {
            const bool split = isSplit(editor.splits[division]);
            editor.rows[division].araBolme = split;
            if (split) editor.rows[division].splitButtonEnabled = true;
        }
    }
    DrawDoorPreview(editor, group, doorHeight);
}

void RequestDivisionEditor(TDivisionEditor& editor, TProject& project, int door) {
    if (project.openingWidth.isEmpty() || project.openingHeight.isEmpty()) throw TRefusal(ProjectTexts::missingOpening);
    if (door == 0) editor.title = DivisionEditorTexts::allDoorsTitle;
    editor.kapakeni = project.doorWidths[door == 0 ? 1 : door];
    project.hangikapak = QString::number(door);
}

namespace {

void writeDoor(const TDivisionEditor& editor, TProject& project, int door) {
    for (int division = 1; division <= 6; ++division) {
        const TDivisionRow& row = editor.rows[division];
        project.cell(door, TProject::widthColumn(division)) = row.width;
        project.cell(door, TProject::heightColumn(division)) = row.height;
        project.cell(door, TProject::kindColumn(division)) = ProjectTexts::kindOf(row.kind);
        project.cell(door, TProject::nameColumn(division)) = row.name;
    }
    project.cell(door, TProject::CountColumn) = editor.count;
    project.cell(door, TProject::DirectionColumn) = editor.direction;
}

} // namespace

void ConfirmDivisionEditor(TDivisionEditor& editor, TProject& project, std::array<QImage, 7>& doorImages) {
    project.statusText = ProjectTexts::statusDesigned;
    if (editor.door == 0) {
        for (int door = 1; door <= 6; ++door)
            for (int column = 1; column < TProject::DoorColumns; ++column)
                project.cell(door, column).clear();
        const int doorCount = NumberText::countIn(project.doorCount, 2, 6).value_or(0);
        for (int door = 1; door <= doorCount && door <= 6; ++door)
            writeDoor(editor, project, door);
        for (int door = 1; door <= 6; ++door) {
            doorImages[door] = editor.preview.copy();
            project.splitTable(door) = editor.splits;
        }
    } else {
        doorImages[editor.door] = editor.preview.copy();
        writeDoor(editor, project, editor.door);
        project.splitTable(editor.door) = editor.splits;
    }
}
