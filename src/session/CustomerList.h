#pragma once

#include "records/CustomerStore.h"

#include <QList>

// The customer list window's working state: every customer in table order and the current one,
// which the operator may be changing or entering anew.
struct TCustomerList {
    enum class State { Browse, Edit, Insert };
    enum Field { Name, Tel, Adres };
    QList<TCustomer> rows;
    int current = -1;
    State state = State::Browse;
};

// Showing the window: reads the customer table; the first customer becomes current.
void OpenCustomerList(TCustomerList& list);
// "Yeni Müşteri": stores a pending change first, then puts a new customer in front of the first one
// with the next number and balance 0.
void NewCustomer(TCustomerList& list);
// The operator's typing in a field of the current customer.
void EditCustomer(TCustomerList& list, TCustomerList::Field field, const QString& text);
// "Kaydet": stores the current customer and reads the table again. With nothing entered or changed
// it throws DoravelError "Dataset not in edit or insert mode"; a customer without a name is refused.
void PostCustomer(TCustomerList& list);
// Moving to another customer stores the change made to the one that is left.
void MoveToCustomer(TCustomerList& list, int index);
// Customers or balances changed elsewhere (an order saved, another seat): an open list reads the
// table again and keeps its current customer. A customer being entered or changed is left alone.
void ReloadCustomerList(TCustomerList& list);
// Closing the window drops a new or changed customer that was not stored.
void CloseCustomerList(TCustomerList& list);
