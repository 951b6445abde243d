#pragma once

#include "design/DivisionEditor.h"

#include <QWidget>

#include <array>
#include <functional>

struct TSession;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TForm10;

// The division editor: divisions, their sizes, kinds, names and splits, with a live preview.
class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(TSession& session, QWidget* parent = nullptr);
    void setSubDivisionEditor(TForm10* form) { m_form10 = form; }

    // Initialises from the project (the opener has set hangikapak and the door width) and shows.
    void open();
    void refresh();

signals:
    void confirmed();

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
    void run(const std::function<void()>& operation);
    void ok();
    void cancel();

    TSession& m_session;
    TForm10* m_form10 = nullptr;
    QLabel* m_preview = nullptr;
    QComboBox* m_count = nullptr;
    QComboBox* m_direction = nullptr;
    std::array<TRowWidgets, 7> m_rows{};
};
