#pragma once

#include <memory>

struct TSession;
class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm7;
class TForm8;
class TForm9;
class TForm13;
class TForm10;
class TForm11;
class THelpCommands;
class TCuttingPlanWindow;
class TLabelsWindow;
class TSheetPlanWindow;

// The program's windows, each created once in the start-up order and owned here. No window knows
// another: a window asks for another by a signal, and this is the one place that answers.
class TProgramWindows {
public:
    explicit TProgramWindows(TSession& session);
    ~TProgramWindows();

    TForm1* mainWindow() const { return m_form1.get(); }
    TForm2* divisionEditor() const { return m_form2.get(); }
    TForm3* sheetPreview() const { return m_form3.get(); }
    TForm4* newOrderWindow() const { return m_form4.get(); }
    TForm5* costTable() const { return m_form5.get(); }
    TForm7* settingsWindow() const { return m_form7.get(); }
    TForm8* saveDialog() const { return m_form8.get(); }
    TForm9* orderList() const { return m_form9.get(); }
    TForm13* orderListReport() const { return m_form13.get(); }
    TForm10* subDivisionEditor() const { return m_form10.get(); }
    TForm11* customerList() const { return m_form11.get(); }
    THelpCommands* help() const { return m_help.get(); }
    TCuttingPlanWindow* cuttingPlan() const { return m_cuttingPlan.get(); }
    TLabelsWindow* labels() const { return m_labels.get(); }
    TSheetPlanWindow* sheetPlan() const { return m_sheetPlan.get(); }

private:
    std::unique_ptr<TForm1> m_form1;
    std::unique_ptr<TForm2> m_form2;
    std::unique_ptr<TForm3> m_form3;
    std::unique_ptr<TForm4> m_form4;
    std::unique_ptr<TForm5> m_form5;
    std::unique_ptr<TForm7> m_form7;
    std::unique_ptr<TForm10> m_form10;
    std::unique_ptr<TForm8> m_form8;
    std::unique_ptr<TForm11> m_form11;
    std::unique_ptr<TForm9> m_form9;
    std::unique_ptr<TForm13> m_form13;
    std::unique_ptr<THelpCommands> m_help;
    std::unique_ptr<TCuttingPlanWindow> m_cuttingPlan;
    std::unique_ptr<TLabelsWindow> m_labels;
    std::unique_ptr<TSheetPlanWindow> m_sheetPlan;
};
