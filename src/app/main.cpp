#include "production/Fonts.h"
#include "session/Resources.h"
#include "session/Session.h"
#include "ui/Application.h"
#include "ui/MessageBoxBackend.h"
#include "ui/ProgramWindows.h"
#include "ui/Unit1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    SetUpApplication(app);
    RegisterResources();
    Fonts::installSubstitutes();
    TMessageBoxBackend messages;
    TMessages::setBackend(&messages);

    TSession session(TProgramFolder(QCoreApplication::applicationDirPath()), TProfileStore::openSystemStore());
    TProgramWindows windows(session);
    windows.form1()->showMaximized();
    return app.exec();
}
