#include "model/Messages.h"
#include "model/ProgramFolder.h"
#include "production/Fonts.h"
#include "session/Resources.h"
#include "session/Session.h"
#include "ui/Application.h"
#include "ui/MessageBoxBackend.h"
#include "ui/ProgramWindows.h"
#include "ui/Unit1.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    SetUpApplication(app);
    RegisterResources();
    // The menu entry's icon on the windows and in the task bar, the logo where it is not installed.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.merkona.doravel3"));
    QApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral("doravel3"), QIcon(QStringLiteral(":/pictures/logo.jpg"))));
    Fonts::installSubstitutes();
    TMessageBoxBackend messages;
    TMessages::setBackend(&messages);

    // Beside the program file when it stands in a folder with its db folder; the user's own data
    // folder, filled from the installed lists and prices on the first start, when installed.
    const TProgramFolder folder =
        TProgramFolder::locate(QCoreApplication::applicationDirPath(), TProgramFolder::userDataFolder());
    RunGuarded([&] { folder.prepareUserData(); });
    TSession session(folder, TProfileStore::openSystemStore());
    TProgramWindows windows(session);
    windows.mainWindow()->showMaximized();
    return app.exec();
}
