#include "design/NewOrder.h"

#include "design/LockSet.h"
#include "model/Clock.h"
#include "model/Errors.h"
#include "model/Guard.h"
#include "model/Messages.h"
#include "model/NumberText.h"
#include "model/Project.h"
#include "settings/ProfileGroup.h"
#include "settings/ProfileGroupChoice.h"
#include "settings/ProfileStore.h"

using NumberText::toFloat;

int TNewOrder::doorCountNumber() const {
    return NumberText::countIn(doorCount, 2, 6).value_or(0);
}

int TNewOrder::doorOf(const QString& name) {
    return NumberText::toCount(name.mid(1), 1, 6);
}

int OverlapFactor(int doorCount) {
    switch (doorCount) {
    case 2:
        return 1;
    case 3:
        return 2;
    case 4:
        return 2;
    case 5:
        return 4;
    case 6:
        return 5;
    default:
        return 0;
    }
}

void DistributeDoorWidths(TNewOrder& order, const TProfileGroup& group, TProject& project) {
    const double overlap = group.number(TProfileGroup::outside) * OverlapFactor(order.doorCountNumber());
    project.doorHeight = NumberText::round2Text(toFloat(order.height) - group.number(TProfileGroup::work));
    const double total = NumberText::round2(toFloat(order.width) + overlap);
    TGuardScope guard(order.editkontrol);
    const auto widthOf = [&order](const QString& name) { return order.widths[TNewOrder::doorOf(name)]; };
    const QString share =
        LockSet::share(total - LockSet::lockedSum(order.lockedDoors, widthOf), order.freeDoors.size());
    for (const QString& name : order.freeDoors)
        order.widths[TNewOrder::doorOf(name)] = share;
}

void OpenNewOrder(TNewOrder& order, const TProfileGroup& group, TProject& project) {
    order.width = QStringLiteral("200");
    order.height = QStringLiteral("200");
    order.doorCount = QStringLiteral("6");
    order.date = Clock::today();
    ChangeNewOrderDoorCount(order, group, project);
}

void ChangeNewOrderDoorCount(TNewOrder& order, const TProfileGroup& group, TProject& project) {
    // The locks are cleared here without running the single-box rule for each of them: its
    // redistribution would read the locked widths just emptied. The lists are rebuilt below anyway.
    for (int door = 1; door <= 6; ++door) {
        order.widths[door].clear();
        order.locked[door] = false;
    }
    order.freeDoors.clear();
    order.lockedDoors.clear();
    const int count = order.doorCountNumber();
    for (int door = 1; door <= count; ++door)
        order.freeDoors << TNewOrder::doorName(door);
    for (int door = 1; door <= 6; ++door) {
        order.lockEnabled[door] = door <= count;
        if (door > count) order.widths[door] = QStringLiteral("0");
    }
    DistributeDoorWidths(order, group, project);
}

bool SetNewOrderDoorLock(TNewOrder& order, int door, bool ticked, const TProfileGroup& group, TProject& project) {
    const QString name = TNewOrder::doorName(door);
    if (ticked) {
        if (order.locked[door]) return true;
        if (!LockSet::leavesOneFree(door, order.doorCountNumber(), [&order](int d) { return order.locked[d]; }))
            return false;
        order.locked[door] = true;
        order.freeDoors.removeAll(name);
        order.lockedDoors << name;
        return true;
    }
    if (!order.locked[door]) return false;
    order.locked[door] = false;
    order.lockedDoors.removeAll(name);
    order.freeDoors << name;
    DistributeDoorWidths(order, group, project);
    return false;
}

void EditNewOrderDoorWidth(TNewOrder& order, int door, const QString& text, const TProfileGroup& group,
                           TProject& project) {
    order.widths[door] = text;
    if (!text.isEmpty() && !isRaised(order.editkontrol)) DistributeDoorWidths(order, group, project);
}

void EditNewOrderOpening(TNewOrder& order, const QString& width, const QString& height, const TProfileGroup& group,
                         TProject& project) {
    order.width = width;
    order.height = height;
    // An emptied entry waits for the next keystroke instead of reporting a conversion error.
    if (!width.isEmpty() && !height.isEmpty()) DistributeDoorWidths(order, group, project);
}

namespace {

void changeGroup(TNewOrder& order, const QString& groupName, const TProfileStore& store, TProfileGroup& group,
                 TProject& project, bool mayFallBack) {
    ChooseProfileGroup(store, groupName, group, project);
    if (!group.text(TProfileGroup::top).isEmpty()) {
        DistributeDoorWidths(order, group, project);
        return;
    }
    if (!mayFallBack) {
        // Group 1 itself was never stored: stop here instead of falling back again and again.
        TMessages::showMessage(NewOrderTexts::groupOneEmpty);
        return;
    }
    changeGroup(order, ProfileGroupNames::choices().first(), store, group, project, false);
    TMessages::showMessage(NewOrderTexts::checkGroup);
}

} // namespace

void ChangeNewOrderProfileGroup(TNewOrder& order, const QString& groupName, const TProfileStore& store,
                                TProfileGroup& group, TProject& project) {
    const bool isGroupOne = groupName == ProfileGroupNames::choices().first();
    changeGroup(order, groupName, store, group, project, !isGroupOne);
}

void ConfirmNewOrder(TNewOrder& order, const TProfileGroup& group, TProject& project, const QStringList& profileColours,
                     const QStringList& profileModels) {
    if (order.orderName.isEmpty() || order.width == QLatin1String("0") || order.height == QLatin1String("0"))
        throw TRefusal(NewOrderTexts::missingData);
    DistributeDoorWidths(order, group, project);
    project.orderName = order.orderName;
    project.openingWidth = order.width;
    project.openingHeight = order.height;
    project.doorCount = order.doorCount;
    project.deliveryDate = order.date;
    project.statusText = ProjectTexts::statusEntered;
    for (int door = 1; door <= 6; ++door)
        project.doorWidths[door] = order.widths[door];
    project.profileColour = profileColours.value(0);
    project.profileModel = profileModels.value(0);
    project.deliveryKind = ProjectTexts::deliveryKinds().first();
    project.assemblyKind = ProjectTexts::assemblyKinds().first();
    project.dolapadet = QStringLiteral("1");
    if (!project.doorsEqual) TMessages::showMessage(NewOrderTexts::pickDoor);
}
