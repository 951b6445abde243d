#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>

class TProfileGroup;
class TProfileStore;
class TProject;

// Working state of the new order window: what its entries hold, the lock boxes and the two hidden
// door lists. The window shows this state and turns each event into one call below.
struct TNewOrder {
    QString orderName = QStringLiteral("sipariş");
    QString width;
    QString height;
    QString doorCount = QStringLiteral("6");
    QDate date;
    std::array<QString, 7> widths; // k1 … k6
    std::array<bool, 7> locked{};  // CheckBox1, 3, 5, 7, 9, 11
    std::array<bool, 7> lockEnabled{};
    QStringList freeDoors;   // ListBox3: "k1" …, unlocked doors 1..count
    QStringList lockedDoors; // ListBox4: in the order they were locked
    QString editkontrol = QStringLiteral("0");

    int doorCountNumber() const; // 0 for a text that is not 2..6

    static QString doorName(int door) { return QStringLiteral("k%1").arg(door); }
    static int doorOf(const QString& name); // "k3" → 3
};

// Door height and the widths of the free doors from the opening and the active group.
void DistributeDoorWidths(TNewOrder& order, const TProfileGroup& group, TProject& project);

// Overlap factor of a door count: 2→1, 3→2, 4→2, 5→4, 6→5, anything else 0.
int OverlapFactor(int doorCount);

// Opening by New: width and height "200", count "6" with its change, date today.
void OpenNewOrder(TNewOrder& order, const TProfileGroup& group, TProject& project);
void ChangeNewOrderDoorCount(TNewOrder& order, const TProfileGroup& group, TProject& project);
// A lock box ticked or cleared by the operator. Returns the box's state after the rule (a tick that
// would lock the last free door is taken back).
bool SetNewOrderDoorLock(TNewOrder& order, int door, bool ticked, const TProfileGroup& group, TProject& project);
// The operator changed a width entry; a non-empty text redistributes.
void EditNewOrderDoorWidth(TNewOrder& order, int door, const QString& text, const TProfileGroup& group,
                           TProject& project);
// The operator typed an opening size: redistributes unless one of the two entries is empty.
void EditNewOrderOpening(TNewOrder& order, const QString& width, const QString& height, const TProfileGroup& group,
                         TProject& project);

// Makes the chosen group active and redistributes; a group never stored falls back to group 1 once.
// The active group's name is the project's profile group name (the settings window's choice).
void ChangeNewOrderProfileGroup(TNewOrder& order, const QString& groupName, const TProfileStore& store,
                                TProfileGroup& group, TProject& project);

// OK: checks, distributes and writes the order into the project; refuses (the window stays open)
// without an order name or with a zero size. The header choices go back to their first entries.
void ConfirmNewOrder(TNewOrder& order, const TProfileGroup& group, TProject& project, const QStringList& profileColours,
                     const QStringList& profileModels);

namespace NewOrderTexts {
inline const QString missingData = QStringLiteral("Sipariş İsmi , Genişlik ve Yükseklik Bilgilerini Giriniz ! ");
inline const QString pickDoor = QStringLiteral("Ölçülendirmek istediğiniz kapağın üzerine çifttıklayınız !");
inline const QString checkGroup = QStringLiteral("Seçtiğiniz Profil Grubunun Ölçülerini Kontrol Ediniz!");
inline const QString groupOneEmpty = QStringLiteral(
    "Profil Grubu 1 için kayıtlı ölçü bulunamadı. Lütfen Ayarlar penceresinde ölçüleri girip kaydediniz.");
} // namespace NewOrderTexts
