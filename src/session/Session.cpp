#include "session/Session.h"

#include "design/DoorDrawing.h"
#include "model/Clock.h"
#include "model/Messages.h"
#include "records/Backup.h"
#include "session/BackupCommands.h"
#include "records/OrderDatabase.h"

TSession::TSession(TProgramFolder folder_, std::unique_ptr<TProfileStore> store_)
    : folder(std::move(folder_)), store(std::move(store_)) {}

void OnMainWindowCreated(TSession& session) {
    RegisterOrderDatabase(session.folder, LoadDatabaseSettings(*session.store));
    OrderDatabase::announceChangesTo(session.events);
    DrawBlankDoors(session.doorImages);
    session.project.deliveryDate = Clock::today();
}

void OnMainWindowShown(TSession& session) {
    DrawBlankDoors(session.doorImages);
    session.project.deliveryDate = Clock::today();
    EnsureDefaultProfileGroup(*session.store);
    LoadStartupProfileGroup(*session.store, session.activeGroup);
    LoadCuttingSettings(*session.store, session.cutting);
    LoadSheetSettings(*session.store, session.sheetCutting);
    LoadMaterialListsAndPrices(session);
    session.statusDate = DisplayDate::text(Clock::today()) + QStringLiteral("   ");
    session.doorAreaEnabled = true;
    OrderDatabase::reportUnreachableServer();
    MakeDailyBackup(session.folder, OrderDatabase::settings());
}

void LoadMaterialListsAndPrices(TSession& session) {
    session.lists.load(session.folder);
    session.profileColourChoices = session.lists.lists[TMaterialLists::ProfileColours];
    session.profileModelChoices = session.lists.lists[TMaterialLists::ProfileModels];
    session.project.profileColour = session.profileColourChoices.value(0);
    session.project.profileModel = session.profileModelChoices.value(0);
    session.innerMaterialChoices = session.lists.lists[TMaterialLists::InnerMaterials];
    TCostPrices::load(session.folder, session.costTable.unitPrices);
}

bool NewProject(TSession& session) {
    TProject& project = session.project;
    if (!project.orderName.isEmpty() && !TMessages::askYesNo(SessionTexts::confirmNew)) return false;
    project.doorCount = QStringLiteral("2");
    DrawBlankDoors(session.doorImages);
    project.doorHeight.clear();
    project.openingWidth.clear();
    project.openingHeight.clear();
    project.orderName.clear();
    project.kayitkontrol = ProjectTexts::recordNew;
    // A new order has no number until it is saved; the labels print the number it has.
    project.sno.clear();
    project.clearDoorTable();
    clearSplitTable(session.divisionEditor.splits);
    return true;
}

void SaveSettings(TSession& session) {
    SaveProfileGroup(*session.store, session.project.profileGroupName, session.activeGroup);
    session.lists.save(session.folder);
    TMessages::askOkCancel(SessionTexts::restart);
}
