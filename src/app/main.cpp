#include "production/Fonts.h"
#include "session/Resources.h"
#include "session/Session.h"
#include "ui/MessageBoxBackend.h"
#include "ui/ProgramWindows.h"
#include "ui/Unit1.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Doravel 3"));
    QApplication::setApplicationDisplayName(QStringLiteral("Doravel 3"));
    RegisterResources();
    Fonts::installSubstitutes();
    // Dates and the date pickers read as on a Turkish desktop; numbers have their own module.
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    TMessageBoxBackend messages;
    TMessages::setBackend(&messages);

    TSession session(TProgramFolder(QCoreApplication::applicationDirPath()), TProfileStore::openSystemStore());
    TProgramWindows windows(session);
    windows.form1()->showMaximized();
    return app.exec();
}
