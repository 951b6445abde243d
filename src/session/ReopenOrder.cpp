#include "session/ReopenOrder.h"

#include "design/DoorDrawing.h"
#include "model/Errors.h"
#include "model/NumberText.h"
#include "records/OrderStore.h"
#include "session/Session.h"
#include "settings/ProfileGroupChoice.h"

bool ReopenOrder(TSession& session, int sno) {
    const std::optional<TOrderRecord> stored = OrderStore::readOrder(sno);
    if (!stored) throw TRefusal(ReopenOrderTexts::gone.arg(sno));
    if (!stored->splitsComplete) throw TRefusal(ReopenOrderTexts::incomplete.arg(sno));
    const TOrderRecord& r = *stored;
    TProject& project = session.project;
    TOrderSave& form = session.orderSave;

    project.kayitkontrol = ProjectTexts::recordOld;
    project.sno = QString::number(r.sno);
    project.surum = r.surum;
    for (int door = 1; door <= 6; ++door) {
        for (int column = 1; column < TProject::DoorColumns; ++column)
            project.cell(door, column) = r.doors[door][column];
        project.doorWidths[door] = NumberText::fromFloat(r.doorWidths[door]);
        for (int division = 1; division <= 6; ++division)
            for (int column = 1; column <= 10; ++column)
                project.splitTable(door)[division][column] = r.splits[door][division][column];
    }

    project.orderName = r.siparisadi;
    project.doorCount = QString::number(r.kapaksayi);
    project.deliveryDate = r.teslimtarihi;
    project.openingWidth = QString::number(r.dolapen);
    project.openingHeight = QString::number(r.dolapboy);
    ChooseProfileGroup(*session.store, r.profil, session.activeGroup, project);
    project.profileColour = r.prenk;
    project.profileModel = r.pmodel;
    project.deliveryKind = r.teslimat;
    project.assemblyKind = r.montaj;
    project.dolapadet = r.dolapadet;
    // The dialog gets back everything a re-save writes, so saving again without retyping keeps it.
    form.grandTotal = QString::number(r.geneltoplam);
    form.received = QString::number(r.alinan);
    form.remaining = QString::number(r.kalan);
    form.orderAmount = QString::number(r.stutar);
    form.note = r.note;
    form.extraNames = r.ilave;
    for (int i = 0; i < 3; ++i)
        form.extraAmounts[i] = QString::number(r.ilaveTutar[i]);
    form.customerNo = QString::number(r.musterino);
    // An open dialog shows the order's customer at once; a closed one finds it when shown.
    const int customer = CustomerIndex(form.customers, r.musterino);
    if (customer >= 0) ChooseCustomer(form, customer);
    form.orderNo = project.sno;
    project.doorsEqual = r.kapakesit == 1;

    project.doorHeight = NumberText::round2Text(NumberText::toFloat(project.openingHeight) -
                                                session.activeGroup.number(TProfileGroup::work));
    for (int door = 1; door <= r.kapaksayi && door <= 6; ++door) {
        // A door without a design shows blank, never the picture of the order shown before.
        if (project.divisionCount(door).isEmpty())
            session.doorImages[door] = DoorDrawing::blankDoor();
        else
            RedrawDoorImage(project, session.activeGroup, door, session.doorImages[door]);
    }
    project.statusText = ProjectTexts::statusDesigned;
    emit session.events.projectReplaced();
    emit session.events.profileGroupChanged();
    return true;
}
