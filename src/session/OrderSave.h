#pragma once

#include <functional>

#include "model/Project.h"
#include "records/CustomerStore.h"
#include "records/OrderRecord.h"

#include <QList>
#include <QString>

#include <array>

// The save dialog's working state: the customer choice and the money figures of the order.
struct TOrderSave {
    QList<TCustomer> customers; // the customer choice, in table order
    int customerIndex = -1;
    QString customerNo = QStringLiteral("1");  // hidden: Mno of the chosen customer
    QString orderNo = QStringLiteral("1");     // hidden: the project's sno during a save
    QString orderAmount = QStringLiteral("0"); // "Sipariş Tutarı"
    QString note;                              // "NOT"
    QString grandTotal = QStringLiteral("0");  // "Genel Toplam"
    QString received = QStringLiteral("0");    // "Alınan"
    QString remaining = QStringLiteral("0");   // "Kalan"
    std::array<QString, 3> extraNames;
    std::array<QString, 3> extraAmounts{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")};
};

namespace OrderSaveTexts {
inline const QString notDimensioned = QStringLiteral("Lütfen  Ölçülendirme Yapınız !");
inline const QString noCustomers =
    QStringLiteral("Programa kayıtlı müşteri yok ! Lütfen Müşteri bilgilerini giriniz .");
inline const QString changedElsewhere =
    QStringLiteral("Bu sipariş siz açtıktan sonra başka bir bilgisayarda değiştirildi. Kayıtlı siparişe dokunulmadı.");
inline const QString deletedElsewhere =
    QStringLiteral("Bu sipariş siz açtıktan sonra başka bir bilgisayarda silindi. Kayıtlı siparişlere dokunulmadı.");
inline const QString saveAsNewOrReopen =
    QStringLiteral("Bu tasarım yeni bir sipariş olarak kaydedilsin mi?\n\nEvet: yeni sipariş olarak kaydeder.\n"
                   "Hayır: kayıtlı siparişi yeniden açar (bu tasarımdaki değişiklikler bırakılır).");
inline const QString saveAsNew = QStringLiteral("Bu tasarım yeni bir sipariş olarak kaydedilsin mi?");
} // namespace OrderSaveTexts

// The save command's check: throws TRefusal unless doors 1 and 2 are dimensioned.
void CheckSaveCommand(const TProject& project);

// Showing the dialog: reads the customers. A new project starts with the first customer and zero
// amounts; a reopened order keeps its customer, amounts, note and extra items.
void ShowSaveDialog(TOrderSave& form, const TProject& project);
// Chooses customer `index` of the choice; its number becomes the customer number.
void ChooseCustomer(TOrderSave& form, int index);

// The money rules, each run by its own event; a rule that changes another entry runs that entry's
// rule. A text that is not a number throws EConvertError and leaves the computed entry as it was.
void OrderAmountChanged(TOrderSave& form);
void OrderAmountLeft(TOrderSave& form); // also leaving an extra amount
void GrandTotalChanged(TOrderSave& form);
void ReceivedChanged(TOrderSave& form);

// The stored form of the project with the dialog's figures; throws EConvertError at the first
// field that is not a number, in the order a save writes the fields.
TOrderRecord OrderRecordOf(const TProject& project, const TOrderSave& form);

// A customer is chosen: without one a save is refused.
inline bool HasCustomer(const TOrderSave& form) {
    return form.customerIndex >= 0;
}

// "Kaydet": stores the project as a new order (state "yeni") or over the reopened order (state
// "eski") in one transaction with the balance change. Refused (TRefusal) when there is no customer
// to save for: the caller then opens the customer list.
// A re-save writes only over the order as it was reopened (same number, same save count). When
// another seat changed or deleted it since, nothing is overwritten: the operator is told which and
// chooses to save the design as a new order or (changed) to reopen the stored order with
// `reopenStored` (deleted: to save nothing).
bool SaveOrder(TProject& project, TOrderSave& form, const std::function<void(int sno)>& reopenStored = {});
