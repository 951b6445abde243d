#include "session/LabelOrder.h"

#include "model/NumberText.h"
#include "model/Project.h"
#include "records/CustomerStore.h"
#include "session/OrderSave.h"

TLabelOrder LabelOrderOf(const TProject& project, const TOrderSave& form) {
    TLabelOrder order;
    order.name = project.orderName;
    if (project.sno.isEmpty()) return order;
    order.number = project.sno;
    const int customerNo = NumberText::toInt(form.customerNo);
    if (const int index = CustomerIndex(form.customers, customerNo); index >= 0) {
        order.customer = form.customers[index].name;
    } else if (const std::optional<TCustomer> customer = CustomerStore::find(customerNo)) {
        order.customer = customer->name;
    }
    return order;
}
