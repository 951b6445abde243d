#include "session/OrderSave.h"

#include "model/Clock.h"
#include "model/Errors.h"
#include "model/Messages.h"
#include "model/NumberText.h"
#include "model/Project.h"
#include "records/CustomerStore.h"
#include "records/OrderStore.h"

namespace {

void computeRemaining(TOrderSave& form) {
    form.remaining = NumberText::fromFloat(NumberText::toFloat(form.grandTotal) - NumberText::toFloat(form.received));
}

} // namespace

void CheckSaveCommand(const TProject& project) {
    if (!project.isDimensioned(1) || !project.isDimensioned(2)) throw TRefusal(OrderSaveTexts::notDimensioned);
}

void ShowSaveDialog(TOrderSave& form, const TProject& project) {
    const bool reopened = project.kayitkontrol == ProjectTexts::recordOld;
    form.customers = CustomerStore::all();
    if (!reopened) {
        form.grandTotal = form.received = form.remaining = QStringLiteral("0");
        form.orderAmount = QStringLiteral("0");
        form.note.clear();
        form.extraNames = {};
        form.extraAmounts = {QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")};
    }
    int index = form.customers.isEmpty() ? -1 : 0;
    if (reopened) {
        const int stored =
            form.customerNo.isEmpty() ? -1 : CustomerIndex(form.customers, NumberText::toInt(form.customerNo));
        if (stored >= 0) index = stored;
    }
    ChooseCustomer(form, index);
}

void ChooseCustomer(TOrderSave& form, int index) {
    form.customerIndex = index >= 0 && index < form.customers.size() ? index : -1;
    if (form.customerIndex >= 0) form.customerNo = QString::number(form.customers[form.customerIndex].mno);
}

void OrderAmountChanged(TOrderSave& form) {
    if (!form.orderAmount.isEmpty()) {
        form.grandTotal = form.orderAmount;
        GrandTotalChanged(form);
    }
    computeRemaining(form);
}

void OrderAmountLeft(TOrderSave& form) {
    if (form.orderAmount.isEmpty()) return;
    double total = NumberText::toFloat(form.orderAmount);
    for (const QString& amount : form.extraAmounts)
        total += NumberText::toFloat(amount);
    form.grandTotal = NumberText::fromFloat(total);
    GrandTotalChanged(form);
}

void GrandTotalChanged(TOrderSave& form) {
    if (!form.grandTotal.isEmpty()) computeRemaining(form);
}

void ReceivedChanged(TOrderSave& form) {
    if (!form.received.isEmpty()) computeRemaining(form);
}

TOrderRecord OrderRecordOf(const TProject& project, const TOrderSave& form) {
    using NumberText::toInt;
    TOrderRecord r;
    r.stutar = toInt(form.orderAmount);
    for (int i = 0; i < 3; ++i)
        r.ilaveTutar[i] = toInt(form.extraAmounts[i]);
    r.geneltoplam = toInt(form.grandTotal);
    r.alinan = toInt(form.received);
    r.kalan = toInt(form.remaining);
    r.ilave = form.extraNames;
    r.note = form.note;
    if (project.kayitkontrol == ProjectTexts::recordOld) r.sno = toInt(project.sno);
    if (form.customerIndex >= 0) r.musteriadi = form.customers[form.customerIndex].name;
    r.siparisadi = project.orderName;
    r.musterino = toInt(form.customerNo);
    r.starih = Clock::today();
    r.kapaksayi = toInt(project.doorCount);
    r.teslimtarihi = project.deliveryDate;
    r.dolapen = toInt(project.openingWidth);
    r.dolapboy = toInt(project.openingHeight);
    r.profil = project.profileGroupName;
    r.prenk = project.profileColour;
    r.pmodel = project.profileModel;
    r.teslimat = project.deliveryKind;
    r.montaj = project.assemblyKind;
    r.dolapadet = project.dolapadet;
    r.kapakesit = project.doorsEqual ? 1 : 0;
    for (int door = 1; door <= 6; ++door) {
        for (int column = 1; column < TProject::DoorColumns; ++column)
            r.doors[door][column] = project.cell(door, column);
        r.doorWidths[door] = NumberText::toFloat(project.doorWidths[door]);
        for (int division = 1; division <= 6; ++division)
            for (int column = 1; column <= 10; ++column)
                r.splits[door][division][column] = project.splitTable(door)[division][column];
    }
    return r;
}

namespace {

void saveAsNewOrder(TProject& project, TOrderRecord& record) {
    record.sno = 0;
    project.sno = QString::number(OrderStore::insertOrder(record));
    project.kayitkontrol = ProjectTexts::recordNew;
    project.surum = 0;
}

// The reopened order is no longer stored as it was reopened: says so, and does what the operator
// chooses; nothing stored is overwritten.
void resolveStaleResave(TProject& project, TOrderRecord& record, OrderStore::TResave outcome,
                        const std::function<void(int)>& reopenStored) {
    const bool deleted = outcome == OrderStore::TResave::Deleted;
    const QString what = deleted ? OrderSaveTexts::deletedElsewhere : OrderSaveTexts::changedElsewhere;
    const QString question = deleted ? OrderSaveTexts::saveAsNew : OrderSaveTexts::saveAsNewOrReopen;
    if (TMessages::askYesNo(what + QStringLiteral("\n\n") + question, true))
        saveAsNewOrder(project, record);
    else if (!deleted && reopenStored)
        reopenStored(record.sno);
}

} // namespace

bool SaveOrder(TProject& project, TOrderSave& form, const std::function<void(int)>& reopenStored) {
    if (form.customerIndex < 0) throw TRefusal(OrderSaveTexts::noCustomers);
    const bool reopened = project.kayitkontrol == ProjectTexts::recordOld;
    if (!reopened && project.kayitkontrol != ProjectTexts::recordNew) throw DoravelError(OrderTexts::notEditing);
    TOrderRecord record = OrderRecordOf(project, form);
    if (reopened) {
        const OrderStore::TResave outcome = OrderStore::replaceOrder(record, project.surum);
        if (outcome == OrderStore::TResave::Saved)
            project.surum = record.surum;
        else
            resolveStaleResave(project, record, outcome, reopenStored);
    } else {
        project.sno = QString::number(OrderStore::insertOrder(record));
    }
    form.orderNo = project.sno;
    return true;
}
