#pragma once

#include <QLabel>
#include <QMainWindow>

#include <array>

struct TSession;
class QAction;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLineEdit;
class QToolBar;
class QToolButton;

// A picture that reports double-clicks (door pictures, the logo).
class TClickableImage : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// The main window "Doravel 3": a view of the project with the program's commands.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(TSession& session, QWidget* parent = nullptr);

    // Shows the door pictures and widths of doors 1..N, hides the others; any other count changes nothing.
    void ShowDoorCount(const QString& count);
    // Shows the project as it stands.
    void refresh();

    void newProject();
    // Kaydet: the save command's check, then the save dialog.
    void saveOrder();
    // "Yedekten Geri Yükle": a copy chosen in the backup folder replaces the local order database.
    void restoreBackup();
    // The start-up steps have run (after the window was first drawn).
    bool startedUp() const { return m_startedUp; }

signals:
    // The commands answered by the other windows.
    void newOrderRequested();
    void divisionEditorRequested(int door); // 0: all doors
    void printRequested();
    void costTableRequested();
    void settingsRequested();
    void cuttingPlanRequested();
    void sheetPlanRequested();
    void labelsRequested();
    void labelSettingsRequested();
    void helpRequested();
    void aboutRequested();
    void saveDialogRequested();
    void customerListRequested();
    void orderListRequested();
    // The main window closed: the program ends, and every other window closes with it.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildActions();
    void buildDoorArea();
    void buildStatusBar();
    void applyDoorsEqual();
    void waitForScreenThenStart();
    void startUp();

    TSession& m_session;
    bool m_started = false;
    bool m_startedUp = false;
    QGroupBox* m_doorArea = nullptr;
    QLineEdit* m_orderName = nullptr; // Edit5
    QDateEdit* m_deliveryDate = nullptr;
    QLineEdit* m_openingWidth = nullptr;  // Edit3
    QLineEdit* m_openingHeight = nullptr; // Edit4
    QLineEdit* m_doorHeight = nullptr;    // Edit2, hidden
    QLineEdit* m_dolapadet = nullptr;
    QComboBox* m_doorCount = nullptr;      // ComboBox1, hidden
    std::array<QComboBox*, 4> m_choices{}; // ComboBox2 … ComboBox5
    std::array<TClickableImage*, 7> m_images{};
    std::array<QLineEdit*, 7> m_widths{};
    QLabel* m_status1 = nullptr;
    QLabel* m_status2 = nullptr;
    QLabel* m_status3 = nullptr;
    QAction* m_measureAction = nullptr; // the tool button "Ölçülendir"
    QAction* m_measureMenu = nullptr;
    QToolButton* m_aboutButton = nullptr;
    QToolBar* m_toolBar = nullptr;
    QList<QAction*> m_commands; // enabled once the start-up steps have run
};
