#pragma once

#include "model/ProgramFolder.h"

#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;
class TForm12;
class THelpWindow;

// The help and about commands of the main window. Owns the about window and the help windows still
// open, so none outlives the main window.
class THelpCommands : public QObject {
    Q_OBJECT
public:
    THelpCommands(TProgramFolder folder, QObject* parent = nullptr);
    ~THelpCommands() override;

    TForm12* aboutWindow() const { return m_about; }
    // The help windows still open, oldest first.
    QList<THelpWindow*> helpWindows() const;

    // Help: the message when the page is missing, otherwise a further help window.
    void showHelp();
    void showAbout();
    // Help windows open centred over this window.
    void setOpenOver(QWidget* window) { m_openOver = window; }

private:
    TProgramFolder m_folder;
    TForm12* m_about = nullptr;
    QList<QPointer<THelpWindow>> m_helpWindows;
    QPointer<QWidget> m_openOver;
};
