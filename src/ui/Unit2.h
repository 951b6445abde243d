#pragma once

#include "ui/WindowOperation.h"

#include <QWidget>

#include <array>

struct TSession;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The division editor: divisions, their sizes, kinds, names and splits, with a live preview.
class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(TSession& session, QWidget* parent = nullptr);

    // The main window asks for door 0..6. While the editor is open it keeps its door and width: a
    // second request only brings it forward, so the design in progress is neither lost nor refilled
    // with another door's width.
    void request(int door);
    // Initialises from the project (the opener has set hangikapak and the door width) and shows.
    void open();
    void refresh();

signals:
    void confirmed();
    void subDivisionEditorRequested(int division);

private:
    struct TRowWidgets {
        QGroupBox* box = nullptr;
        QLineEdit* width = nullptr;
        QLineEdit* height = nullptr;
        QCheckBox* widthLock = nullptr;
        QCheckBox* heightLock = nullptr;
        QComboBox* kind = nullptr;
        QComboBox* name = nullptr;
        QCheckBox* araBolme = nullptr;
        QPushButton* split = nullptr;
    };
    void buildRow(int division, int y);
    void ok();
    void cancel();

    TSession& m_session;
    TWindowOperation m_run;
    QLabel* m_preview = nullptr;
    QComboBox* m_count = nullptr;
    QComboBox* m_direction = nullptr;
    std::array<TRowWidgets, 7> m_rows{};
};
