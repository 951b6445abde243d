#pragma once

#include "model/Project.h"

#include <QImage>
#include <QList>
#include <QString>

#include <array>

class TProfileGroup;

enum class TDimension { Width, Height };

// One of the six division rows of the division editor.
struct TDivisionRow {
    QString width;
    QString height;
    bool widthLocked = false;
    bool heightLocked = false;
    bool widthLockEnabled = false;
    bool heightLockEnabled = false;
    bool widthReadOnly = true;
    bool heightReadOnly = true;
    QString kind = ProjectTexts::panel;
    QString name;
    bool enabled = false;
    bool araBolme = false;
    bool araBolmeEnabled = false;
    bool splitButtonEnabled = false;

    QString& size(TDimension d) { return d == TDimension::Width ? width : height; }
    bool& locked(TDimension d) { return d == TDimension::Width ? widthLocked : heightLocked; }
    bool& readOnly(TDimension d) { return d == TDimension::Width ? widthReadOnly : heightReadOnly; }
};

// Working state of the division editor: a copy of one door (or of all doors) until OK.
struct TDivisionEditor {
    int door = 0; // the copy of hangikapak: 0 = all doors
    QString kapakeni;
    QString title;
    QString count = QStringLiteral("2");
    QString direction = ProjectTexts::horizontal;
    std::array<TDivisionRow, 7> rows;
    TSplitTable splits{};
    // The four lock sets: division numbers whose entry is computed (unlocked) or typed (locked).
    QList<int> unlockedHeights, lockedHeights, unlockedWidths, lockedWidths;
    QString editkontrol = QStringLiteral("0");
    QString aracheckontrol = QStringLiteral("0");
    QImage preview;

    int countNumber() const; // 1..6, 0 for any other text
    bool isHorizontal() const { return direction == ProjectTexts::horizontal; }
    TDimension runningDimension() const { return isHorizontal() ? TDimension::Height : TDimension::Width; }
    QList<int>& unlockedSet(TDimension d) { return d == TDimension::Width ? unlockedWidths : unlockedHeights; }
    QList<int>& lockedSet(TDimension d) { return d == TDimension::Width ? lockedWidths : lockedHeights; }
};

// Computes every unlocked size entry of divisions 1..n from the door size, the allowances and the
// locked entries. Nothing is written when an input does not convert.
void FillDivisionSizes(TDivisionEditor& editor, const TProfileGroup& group, const QString& doorHeight);
// One lock box of the running dimension ticked or cleared; returns the box's state afterwards.
bool ToggleDivisionLock(TDivisionEditor& editor, int division, TDimension dimension, bool set,
                        const TProfileGroup& group, const QString& doorHeight);

void SetupDivisionLayout(TDivisionEditor& editor);
void ChangeDivisionCount(TDivisionEditor& editor, const QString& count, const TProfileGroup& group,
                         const QString& doorHeight);
void ChangeDivisionDirection(TDivisionEditor& editor, const QString& direction, const TProfileGroup& group,
                             const QString& doorHeight);
// The operator typed into a size entry: a non-empty text refills and redraws.
void EditDivisionSize(TDivisionEditor& editor, int division, TDimension dimension, const QString& text,
                      const TProfileGroup& group, const QString& doorHeight);
// The operator ticked or cleared an "Ara Bölme" box.
void SetAraBolme(TDivisionEditor& editor, int division, bool set, const TProfileGroup& group,
                 const QString& doorHeight);
void DrawDoorPreview(TDivisionEditor& editor, const TProfileGroup& group, const QString& doorHeight);

// Opening for door 0..6: the opener has set project.hangikapak and the door width (kapakeni).
void OpenDivisionEditor(TDivisionEditor& editor, const TProject& project, const TProfileGroup& group);
// Asks for the editor from the main window; refuses when the opening size is missing.
void RequestDivisionEditor(TDivisionEditor& editor, TProject& project, int door);
// OK: writes the working values into the project and the main window's pictures.
void ConfirmDivisionEditor(TDivisionEditor& editor, TProject& project, std::array<QImage, 7>& doorImages);

namespace DivisionEditorTexts {
inline const QString allDoorsTitle = QStringLiteral("Bütün Kapakların Ölçülerini Düzenle");
inline const QString allDoorsNewTitle = QStringLiteral("Bütün Kapakların Bölme Ölçülerini Düzenle");
inline QString doorTitle(int door) {
    return QStringLiteral("%1. Kapağın Bölme Ölçülerini Düzenle").arg(door);
}
} // namespace DivisionEditorTexts
