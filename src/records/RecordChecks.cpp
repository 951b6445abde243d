#include "records/RecordChecks.h"

#include "model/Errors.h"
#include "model/StoredText.h"
#include "records/CustomerStore.h"
#include "records/OrderRecord.h"

#include <cstdlib>

namespace {

using StoredText::check;

void checkAmount(const QString& label, int amount) {
    if (std::llabs(static_cast<long long>(amount)) > RecordChecks::AmountLimit)
        throw TRefusal(RecordCheckTexts::amountOutOfRange.arg(label).arg(amount));
}

} // namespace

namespace RecordChecks {

void checkOrder(const TOrderRecord& r) {
    checkAmount(QStringLiteral("Sipariş Tutarı"), r.stutar);
    for (int i = 0; i < 3; ++i)
        checkAmount(QStringLiteral("İlave %1 Tutarı").arg(i + 1), r.ilaveTutar[i]);
    checkAmount(QStringLiteral("Genel Toplam"), r.geneltoplam);
    checkAmount(QStringLiteral("Alınan"), r.alinan);
    checkAmount(QStringLiteral("Kalan"), r.kalan);

    check(QStringLiteral("Müşteri Adı"), r.musteriadi, StoredText::NameLength);
    check(QStringLiteral("Sipariş İsmi"), r.siparisadi, StoredText::NameLength);
    check(QStringLiteral("NOT"), r.note, StoredText::NoteLength);
    for (int i = 0; i < 3; ++i)
        check(QStringLiteral("İlave %1").arg(i + 1), r.ilave[i], StoredText::ExtraNameLength);
    const std::pair<const char*, const QString*> others[] = {
        {"Dolap Adet", &r.dolapadet}, {"Profil Grubu", &r.profil},     {"Profil Rengi", &r.prenk},
        {"Profil Modeli", &r.pmodel}, {"Teslimat Şekli", &r.teslimat}, {"Montaj Tipi", &r.montaj}};
    for (const auto& [label, text] : others)
        check(QString::fromUtf8(label), *text, StoredText::OtherLength);
    for (int door = 1; door <= 6; ++door) {
        const QString label = QStringLiteral("Kapak %1").arg(door);
        for (const QString& cell : r.doors[door])
            check(label, cell, StoredText::OtherLength);
        for (const auto& row : r.splits[door])
            for (const QString& cell : row)
                check(label, cell, StoredText::OtherLength);
    }
}

void checkCustomer(const TCustomer& customer) {
    check(QStringLiteral("Müşteri Adı"), customer.name, StoredText::NameLength);
    check(QStringLiteral("Tel"), customer.tel, StoredText::TelLength);
    check(QStringLiteral("Adres"), customer.adres, StoredText::NameLength, StoredText::Lines::Many);
}

} // namespace RecordChecks
