#pragma once

#include "records/OrderRecord.h"

#include <QList>

#include <functional>
#include <optional>

// Orders in the order database. Each call that changes records is one transaction: the order
// record, its six split records and the customer's balance change together or not at all.
// A customer's Bakiye always equals the sum of kalan of that customer's orders.
namespace OrderStore {

// Stores a new order: its number (the newest number plus one, 1 on an empty table) is decided inside
// the transaction and written into record.sno, its save count starts at a value no order of that number
// had before; the customer's balance gains kalan.
int insertOrder(TOrderRecord& record);

// What became of a re-save: written, or refused untouched because the stored order is no longer the
// one that was reopened (another seat saved it since, or deleted it, perhaps saving a new order under
// its number: taken as deleted).
enum class TResave { Saved, Changed, Deleted };

// Re-saves the order reopened as number record.sno at save count `reopenedSurum`: only when the stored
// order still has that number and that count. Then its record is overwritten with the count raised
// (written into record.surum), the balance of its stored customer loses the stored kalan, the balance
// of record.musterino gains the new kalan, and missing split records are written whole. Otherwise
// nothing is written.
TResave replaceOrder(TOrderRecord& record, int reopenedSurum);

// Removes an order, its split records and its share of the balance; false when it did not exist.
bool deleteOrder(int sno);

// The stored order, or nothing when there is no order of that number.
std::optional<TOrderRecord> readOrder(int sno);

// Order numbers, newest first.
QList<int> orderNumbers();

// Imports many orders in one transaction (benchmarks and tests): `fill` is called for each new order.
void insertOrders(int count, const std::function<void(TOrderRecord&)>& fill);

} // namespace OrderStore

namespace OrderTexts {
inline const QString notEditing = QStringLiteral("Dataset not in edit or insert mode");
inline const QString noCustomer = QStringLiteral("Müşteri bulunamadı: %1");
} // namespace OrderTexts
