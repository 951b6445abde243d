#include "session/CustomerList.h"

#include "model/Errors.h"
#include "records/CustomerStore.h"
#include "records/OrderStore.h"

#include <algorithm>

void OpenCustomerList(TCustomerList& list) {
    list.state = TCustomerList::State::Browse;
    list.rows = CustomerStore::all();
    list.current = list.rows.isEmpty() ? -1 : 0;
}

void NewCustomer(TCustomerList& list) {
    if (list.state != TCustomerList::State::Browse) PostCustomer(list);
    TCustomer customer;
    customer.mno = CustomerStore::nextNumber();
    list.rows.prepend(customer);
    list.current = 0;
    list.state = TCustomerList::State::Insert;
}

void EditCustomer(TCustomerList& list, TCustomerList::Field field, const QString& text) {
    if (list.current < 0) return;
    TCustomer& customer = list.rows[list.current];
    QString& value = field == TCustomerList::Name  ? customer.name
                     : field == TCustomerList::Tel ? customer.tel
                                                   : customer.adres;
    if (value == text) return;
    value = text;
    if (list.state == TCustomerList::State::Browse) list.state = TCustomerList::State::Edit;
}

void PostCustomer(TCustomerList& list) {
    if (list.state == TCustomerList::State::Browse || list.current < 0) throw DoravelError(OrderTexts::notEditing);
    TCustomer customer = list.rows[list.current];
    // A blank customer would show as an empty line in every customer choice.
    if (customer.name.trimmed().isEmpty()) throw TRefusal(QStringLiteral("Lütfen Müşteri Adını Giriniz !"));
    if (list.state == TCustomerList::State::Insert)
        CustomerStore::insert(customer);
    else
        CustomerStore::update(customer);
    list.state = TCustomerList::State::Browse;
    list.rows = CustomerStore::all();
    list.current = std::max(0, CustomerIndex(list.rows, customer.mno));
}

void MoveToCustomer(TCustomerList& list, int index) {
    if (index == list.current || index < 0 || index >= list.rows.size()) return;
    if (list.state == TCustomerList::State::Browse) {
        list.current = index;
        return;
    }
    const int target = list.rows[index].mno;
    PostCustomer(list);
    const int moved = CustomerIndex(list.rows, target);
    if (moved >= 0) list.current = moved;
}

void ReloadCustomerList(TCustomerList& list) {
    if (list.state != TCustomerList::State::Browse) return;
    const int currentMno = list.current >= 0 ? list.rows[list.current].mno : 0;
    list.rows = CustomerStore::all();
    const int kept = CustomerIndex(list.rows, currentMno);
    list.current = kept >= 0 ? kept : (list.rows.isEmpty() ? -1 : 0);
}

void CloseCustomerList(TCustomerList& list) {
    list.rows.clear();
    list.current = -1;
    list.state = TCustomerList::State::Browse;
}
