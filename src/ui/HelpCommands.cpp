#include "ui/HelpCommands.h"

#include "model/Messages.h"
#include "session/Help.h"
#include "ui/HelpWindow.h"
#include "ui/Unit12.h"
#include "ui/Widgets.h"

THelpCommands::THelpCommands(TProgramFolder folder, QObject* parent)
    : QObject(parent), m_folder(std::move(folder)), m_about(new TForm12) {}

THelpCommands::~THelpCommands() {
    for (const QPointer<THelpWindow>& window : std::as_const(m_helpWindows))
        delete window.data();
    delete m_about;
}

QList<THelpWindow*> THelpCommands::helpWindows() const {
    QList<THelpWindow*> open;
    for (const QPointer<THelpWindow>& window : m_helpWindows)
        if (window) open << window.data();
    return open;
}

void THelpCommands::showHelp() {
    QString page;
    if (!RunGuarded([&] { page = RequireHelpPage(m_folder); })) return;
    m_helpWindows.removeAll(nullptr);
    auto* window = new THelpWindow(page);
    m_helpWindows << window;
    Widgets::openCentredOver(window, m_openOver);
    Widgets::bringToFront(window);
}

void THelpCommands::showAbout() {
    m_about->showAbout();
}
