#pragma once

#include "model/Project.h"

#include <QString>

// The whole-number counts of a project as the production lists multiply them. The cabinet count is
// any whole number its entry takes and is multiplied in 64 bits, so no product of it ever wraps;
// the door, division and separator counts can only mean 2 to 6, 1 to 6 and 1 or 2, and any other
// stops the lists with a message before anything is computed from it.
namespace Counts {
qint64 cabinets(const TProject& project);
int doors(const TProject& project);                        // throws TRefusal outside 2 to 6
int divisions(const TProject& project, int door);          // throws TRefusal outside 1 to 6
int separators(const TSplitRow& split, int door, int row); // throws TRefusal outside 1 and 2
} // namespace Counts

namespace CountTexts {
// "Kapak sayısı 2 ile 6 arasında olmalıdır: '9'" and the like; %1 is the count as stored.
QString doorCount(const QString& count);
QString divisionCount(int door, const QString& count);
QString separatorCount(int door, int division, const QString& count);
} // namespace CountTexts
