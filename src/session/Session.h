#pragma once

#include "design/DivisionEditor.h"
#include "design/NewOrder.h"
#include "design/SubDivisionEditor.h"
#include "model/ProgramFolder.h"
#include "model/Project.h"
#include "model/SessionEvents.h"
#include "production/CostTable.h"
#include "production/ProductionSheet.h"
#include "session/OrderSave.h"
#include "settings/CuttingSettings.h"
#include "settings/MaterialLists.h"
#include "settings/ProfileGroup.h"
#include "settings/ProfileStore.h"
#include "settings/SheetSettings.h"

#include <QImage>

#include <array>
#include <memory>

// Everything one run of the program holds: the project, the active settings and the working state of
// every window. Windows show it; operations take the parts they need.
struct TSession {
    TSession(TProgramFolder folder, std::unique_ptr<TProfileStore> store);

    TProgramFolder folder;
    std::unique_ptr<TProfileStore> store;
    TProject project;
    TProfileGroup activeGroup;        // the settings window's entries
    TCuttingSettings cutting;         // the settings page "Kesim"
    TSheetSettings sheetCutting;      // the settings page "Levha"
    TMaterialLists lists;             // the settings page's working copies
    QStringList profileColourChoices; // the main window's choices, filled once at start-up
    QStringList profileModelChoices;
    std::array<QImage, 7> doorImages; // the main window's door pictures 1..6
    TNewOrder newOrder;
    TDivisionEditor divisionEditor;
    TSubDivisionEditor subDivisionEditor;
    QStringList& innerMaterialChoices = subDivisionEditor.nameChoices; // the editors' name choices, kept once
    TProductionSheet sheet;
    TCostTable costTable;
    TOrderSave orderSave; // the save dialog
    QString statusDate;
    bool doorAreaEnabled = false;
    TSessionEvents events;
};

// While the main window is created: the order database, the blank doors and today's delivery date.
void OnMainWindowCreated(TSession& session);
// When the main window is first shown, in order; a failing step ends the sequence there and the
// door area stays disabled.
void OnMainWindowShown(TSession& session);
// Lists into the settings page, the main window's and the editors' choices; the prices into the cost table.
void LoadMaterialListsAndPrices(TSession& session);
// New: returns false when the operator answered No. The caller then shows the new order window.
bool NewProject(TSession& session);
// Saves the chosen profile group and the three lists, then shows the restart message.
void SaveSettings(TSession& session);

namespace SessionTexts {
inline const QString confirmNew = QStringLiteral("Bu İşlemi İptal Etmek İstiyormusunuz?");
inline const QString restart = QStringLiteral("Ayarların Aktif Olabilmesi İçin Programı Kapatıp Açmanız Gereklidir !");
} // namespace SessionTexts
