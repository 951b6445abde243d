#pragma once

#include <QString>

struct TSession;

// Loads stored order `sno` into the project, the active profile group, the save dialog and the door
// pictures, and tells the windows. An order that is gone, or one of whose split records is missing, is
// refused (TRefusal) and nothing changes.
bool ReopenOrder(TSession& session, int sno);

namespace ReopenOrderTexts {
inline const QString gone =
    QStringLiteral("%1 numaralı sipariş artık kayıtlı değil; başka bir bilgisayarda silinmiş olabilir.");
inline const QString incomplete =
    QStringLiteral("%1 numaralı siparişin bölme kayıtları eksik; sipariş açılamadı. Kayıtlı hâline dokunulmadı.");
} // namespace ReopenOrderTexts
