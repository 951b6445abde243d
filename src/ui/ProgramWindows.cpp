#include "ui/ProgramWindows.h"

#include "session/Session.h"
#include "ui/CuttingPlanWindow.h"
#include "ui/HelpCommands.h"
#include "ui/LabelsWindow.h"
#include "ui/SheetPlanWindow.h"
#include "ui/Unit1.h"
#include "ui/Unit10.h"
#include "ui/Unit11.h"
#include "ui/Unit13.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/Unit4.h"
#include "ui/Unit5.h"
#include "ui/Unit7.h"
#include "ui/Unit8.h"
#include "ui/Unit9.h"
#include "ui/Widgets.h"

#include <QApplication>

TProgramWindows::TProgramWindows(TSession& session)
    : m_form1(std::make_unique<TForm1>(session)), m_form2(std::make_unique<TForm2>(session)),
      m_form3(std::make_unique<TForm3>(session)), m_form4(std::make_unique<TForm4>(session)),
      m_form5(std::make_unique<TForm5>(session)), m_form7(std::make_unique<TForm7>(session)),
      m_form10(std::make_unique<TForm10>(session)), m_form8(std::make_unique<TForm8>(session)),
      m_form11(std::make_unique<TForm11>(session)), m_form9(std::make_unique<TForm9>(session)),
      m_form13(std::make_unique<TForm13>()), m_help(std::make_unique<THelpCommands>(session.folder)),
      m_cuttingPlan(std::make_unique<TCuttingPlanWindow>(session)), m_labels(std::make_unique<TLabelsWindow>(session)),
      m_sheetPlan(std::make_unique<TSheetPlanWindow>(session)) {
    TForm1* main = m_form1.get();
    TForm2* division = m_form2.get();
    TForm10* subDivision = m_form10.get();
    QObject::connect(main, &TForm1::newOrderRequested, m_form4.get(), &TForm4::openForNew);
    QObject::connect(main, &TForm1::divisionEditorRequested, division, &TForm2::request);
    QObject::connect(main, &TForm1::printRequested, m_form3.get(), &TForm3::printPreview);
    QObject::connect(main, &TForm1::costTableRequested, m_form5.get(), &TForm5::showCostTable);
    QObject::connect(main, &TForm1::settingsRequested, m_form7.get(),
                     [settings = m_form7.get()] { Widgets::bringToFront(settings); });
    QObject::connect(main, &TForm1::cuttingPlanRequested, m_cuttingPlan.get(), &TCuttingPlanWindow::show);
    QObject::connect(main, &TForm1::labelsRequested, m_labels.get(), &TLabelsWindow::show);
    QObject::connect(main, &TForm1::labelSettingsRequested, m_labels.get(), &TLabelsWindow::editSettings);
    QObject::connect(main, &TForm1::sheetPlanRequested, m_sheetPlan.get(), &TSheetPlanWindow::show);
    QObject::connect(main, &TForm1::saveDialogRequested, m_form8.get(), &TForm8::open);
    QObject::connect(main, &TForm1::orderListRequested, m_form9.get(), &TForm9::open);
    QObject::connect(m_form9.get(), &TForm9::reportRequested, m_form13.get(), &TForm13::preview);
    QObject::connect(main, &TForm1::customerListRequested, m_form11.get(), &TForm11::open);
    QObject::connect(m_form8.get(), &TForm8::customerListRequested, m_form11.get(), &TForm11::open);
    QObject::connect(main, &TForm1::helpRequested, m_help.get(), &THelpCommands::showHelp);
    QObject::connect(main, &TForm1::aboutRequested, m_help.get(), &THelpCommands::showAbout);
    QObject::connect(division, &TForm2::subDivisionEditorRequested, subDivision, &TForm10::open);
    QObject::connect(subDivision, &TForm10::confirmed, division, [division] {
        division->refresh();
        Widgets::bringToFront(division);
    });
    auto backToMain = [main] { Widgets::bringToFront(main); };
    QObject::connect(division, &TForm2::confirmed, main, backToMain);
    QObject::connect(m_form4.get(), &TForm4::closed, main, backToMain);
    for (QWidget* window : std::initializer_list<QWidget*>{division, m_form4.get(), m_form5.get(), m_form7.get(),
                                                           subDivision, m_form8.get(), m_form11.get()})
        Widgets::openCentredOver(window, main);
    // The program ends with its main window: no other window stays behind without it.
    QObject::connect(main, &TForm1::closed, main, [main] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window != main && window->isVisible()) window->close();
    });
    m_form3->setOpenOver(main);
    m_cuttingPlan->setOpenOver(main);
    m_labels->setOpenOver(main);
    m_sheetPlan->setOpenOver(main);
    m_form13->setOpenOver(m_form9.get());
    m_help->setOpenOver(main);
}

TProgramWindows::~TProgramWindows() = default;
