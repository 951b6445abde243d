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
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm7;
class TForm8;
class TForm10;
class TForm11;
class TForm9;

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
    ~TForm1() override;

    TForm2* form2() const { return m_form2; }
    TForm3* form3() const { return m_form3; }
    TForm4* form4() const { return m_form4; }
    TForm5* form5() const { return m_form5; }
    TForm7* form7() const { return m_form7; }
    TForm10* form10() const { return m_form10; }
    TForm8* form8() const { return m_form8; }
    TForm11* form11() const { return m_form11; }
    TForm9* form9() const { return m_form9; }

    // Shows the door pictures and widths of doors 1..N, hides the others; any other count changes nothing.
    void ShowDoorCount(const QString& count);
    // Shows the project as it stands.
    void refresh();

    void newProject();
    void openDivisionEditor(int door);
    void printPreview();
    void showCostTable();
    void showSettings();
    void saveOrder();
    void showCustomers();
    void showOrders();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildActions();
    void buildDoorArea();
    void buildStatusBar();
    void applyDoorsEqual();

    TSession& m_session;
    bool m_started = false;
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

    TForm2* m_form2 = nullptr;
    TForm3* m_form3 = nullptr;
    TForm4* m_form4 = nullptr;
    TForm5* m_form5 = nullptr;
    TForm7* m_form7 = nullptr;
    TForm10* m_form10 = nullptr;
    TForm8* m_form8 = nullptr;
    TForm11* m_form11 = nullptr;
    TForm9* m_form9 = nullptr;
};
