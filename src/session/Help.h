#pragma once

#include <QString>

class TProgramFolder;

// The help command's check: the full path of the help page, or a refusal when the page is missing.
QString RequireHelpPage(const TProgramFolder& folder);

namespace HelpTexts {
inline const QString missing = QStringLiteral("Yardım Dosyası Bulunamıyor !");
} // namespace HelpTexts
