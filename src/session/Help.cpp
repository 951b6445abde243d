#include "session/Help.h"

#include "model/Errors.h"
#include "model/ProgramFolder.h"

#include <QFileInfo>

QString RequireHelpPage(const TProgramFolder& folder) {
    const QFileInfo page(folder.helpPage());
    if (!page.isFile()) throw TRefusal(HelpTexts::missing);
    return page.absoluteFilePath();
}
