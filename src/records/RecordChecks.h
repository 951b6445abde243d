#pragma once

#include <QString>

struct TCustomer;
struct TOrderRecord;

// What a record must satisfy before anything of it is written: amounts a workshop can mean, texts that
// both engines store and read back unchanged, names and notes of the sizes a workshop writes. Each
// check throws TRefusal naming the first field that fails, so the operator can correct it and save
// again; the database is not touched.
namespace RecordChecks {

// The largest amount, either way, an order may carry: far above any workshop's order, far below where
// sums of amounts would leave the whole numbers the table stores.
constexpr int AmountLimit = 1'000'000'000;

void checkOrder(const TOrderRecord& record);
void checkCustomer(const TCustomer& customer);

} // namespace RecordChecks

namespace RecordCheckTexts {
inline const QString amountOutOfRange =
    QStringLiteral("\"%1\" %2 olamaz: bir tutar -1000000000 ile 1000000000 arasında olmalıdır. Sipariş kaydedilmedi.");
} // namespace RecordCheckTexts
