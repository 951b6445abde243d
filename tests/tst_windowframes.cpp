#include "support/TestSupport.h"
#include "support/WindowTestSupport.h"
#include "ui/Application.h"
#include "ui/CuttingPlanWindow.h"
#include "ui/HelpCommands.h"
#include "ui/Unit1.h"
#include "ui/Unit10.h"
#include "ui/Unit11.h"
#include "ui/Unit12.h"
#include "ui/Unit13.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/Unit4.h"
#include "ui/Unit5.h"
#include "ui/Unit7.h"
#include "ui/Unit8.h"
#include "ui/Unit9.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QScreen>
#include <QValidator>
#include <QWindow>
#include <QtTest>

using Operator::find;

// What every window shares: its title, its frame, where it opens, its entries, the toolkit's texts.
class TestWindowFrames : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void titlesAreTheWindowsOwnCaptions();
    void framesCarryOnlyTheirOwnBoxes();
    void secondaryWindowsOpenCentredOverTheMainWindow();
    void printPreviewsFitTheScreen();
    void everyEntryKeepsOneLine();
    void toolkitButtonsSpeakTurkish();

private:
    QList<QWidget*> windows() const;
    void designTwoDoors();
    std::unique_ptr<TRunningProgram> program;
};

void TestWindowFrames::init() {
    program = std::make_unique<TRunningProgram>();
    program->start();
}

void TestWindowFrames::cleanup() {
    program.reset();
}

QList<QWidget*> TestWindowFrames::windows() const {
    const TProgramWindows& w = *program->windows;
    return {w.mainWindow(), w.divisionEditor(), w.newOrderWindow(), w.costTable(), w.settingsWindow(), w.subDivisionEditor(), w.help()->aboutWindow()};
}

void TestWindowFrames::titlesAreTheWindowsOwnCaptions() {
    QApplication* app = qApp;
    SetUpApplication(*app);
    // Nothing pins a display name, which the toolkit would append to every title.
    QApplication::setApplicationName(QStringLiteral("Başka"));
    QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("Başka"));
    SetUpApplication(*app);
    QCOMPARE(QGuiApplication::applicationName(), QStringLiteral("Doravel 3"));
    QCOMPARE(program->windows->newOrderWindow()->windowTitle(), QStringLiteral("Yeni Sipariş Gir"));
    QCOMPARE(program->windows->costTable()->windowTitle(), QStringLiteral("Maliyet Tablosu"));
}

void TestWindowFrames::framesCarryOnlyTheirOwnBoxes() {
    const Qt::WindowFlags boxes =
        Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
    const Qt::WindowFlags subDivision = program->windows->subDivisionEditor()->windowFlags();
    QVERIFY(subDivision.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(subDivision.testFlag(Qt::WindowTitleHint));
    QCOMPARE(subDivision & boxes, Qt::WindowFlags());
    const Qt::WindowFlags costs = program->windows->costTable()->windowFlags();
    QVERIFY(costs.testFlag(Qt::CustomizeWindowHint));
    QCOMPARE(costs & boxes, Qt::WindowFlags(Qt::WindowCloseButtonHint));
}

void TestWindowFrames::designTwoDoors() {
    TProject designed = ProjectBuilder::entered(QStringLiteral("200"), QStringLiteral("203,5"), QStringLiteral("200"),
                                                {QStringLiteral("102"), QStringLiteral("102")});
    for (int door = 1; door <= 2; ++door) {
        ProjectBuilder::setDoor(designed, door, QStringLiteral("Yatay"), QStringLiteral("1"));
        ProjectBuilder::setDivision(designed, door, 1, QStringLiteral("95,7"), QStringLiteral("195"));
    }
    program->session->project = designed;
    program->form->refresh();
}

void TestWindowFrames::secondaryWindowsOpenCentredOverTheMainWindow() {
    designTwoDoors();
    TForm1* main = program->form;
    // Placed so that the windows centred over it lie wholly on the test screen (800 × 800).
    main->setGeometry(-200, 40, 1200, 700);
    find<QAction>(main, "actionSave")->trigger();
    find<QAction>(main, "actionCustomers")->trigger();
    find<QAction>(main, "actionSettings")->trigger();
    find<QAction>(main, "actionNew")->trigger();
    QVERIFY2(program->messages.shown.isEmpty(), qPrintable(program->messages.shown.join(QLatin1Char('\n'))));
    const TProgramWindows& w = *program->windows;
    for (QWidget* window : std::initializer_list<QWidget*>{w.newOrderWindow(), w.settingsWindow(), w.saveDialog(), w.customerList()}) {
        QVERIFY(window->isVisible());
        const QPoint offset = window->frameGeometry().center() - main->frameGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 2,
                 qPrintable(QStringLiteral("%1 %2,%3").arg(window->objectName()).arg(offset.x()).arg(offset.y())));
    }
}

// A print preview opens as large as a page needs but never larger than the screen, its frame and
// title bar on the screen, whichever window it opens over (the test screen is smaller than a preview).
void TestWindowFrames::printPreviewsFitTheScreen() {
    designTwoDoors();
    program->form->setGeometry(300, 300, 1200, 700);
    TForm9* orderList = program->windows->orderList();
    orderList->setGeometry(-300, -100, 400, 500);
    orderList->show();
    program->windows->sheetPreview()->setWaitForClose(false);
    program->windows->orderListReport()->setWaitForClose(false);
    find<QAction>(program->form, "actionPrint")->trigger();
    find<QAction>(program->form, "actionCuttingPlan")->trigger();
    program->windows->orderListReport()->preview({});
    QVERIFY(program->messages.shown.isEmpty());

    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (QPrintPreviewDialog* preview :
         {program->windows->sheetPreview()->previewDialog(), program->windows->cuttingPlan()->previewDialog(),
          program->windows->orderListReport()->previewDialog()}) {
        QVERIFY(preview->isVisible());
        // The window with its frame, scroll bars and their arrows, inside the screen.
        const QMargins frame = preview->windowHandle()->frameMargins();
        QCOMPARE(preview->size(), QSize(900, 1000).boundedTo(screen.size().shrunkBy(frame)));
        QVERIFY2(screen.contains(preview->frameGeometry()), qPrintable(preview->objectName()));
        preview->close();
    }
}

void TestWindowFrames::everyEntryKeepsOneLine() {
    int entries = 0;
    for (QWidget* window : windows())
        for (QLineEdit* entry : window->findChildren<QLineEdit*>()) {
            if (qobject_cast<QAbstractSpinBox*>(entry->parentWidget())) continue; // the date pickers
            const QValidator* validator = entry->validator();
            QVERIFY2(validator, qPrintable(window->objectName() + QLatin1Char('/') + entry->objectName()));
            QString text = QStringLiteral("Satir1\nSatir2\r\nSatir3\r");
            int position = static_cast<int>(text.size());
            QVERIFY(validator->validate(text, position) == QValidator::Acceptable);
            QCOMPARE(text, QStringLiteral("Satir1 Satir2 Satir3 "));
            QCOMPARE(position, text.size());
            ++entries;
        }
    QVERIFY(entries > 50);
}

void TestWindowFrames::toolkitButtonsSpeakTurkish() {
    SetUpApplication(*qApp);
    QMessageBox box(QMessageBox::Information, QStringLiteral("Doravel 3"), QStringLiteral("?"),
                    QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Ok)->text().remove(QLatin1Char('&')), QStringLiteral("Tamam"));
    QCOMPARE(box.button(QMessageBox::Cancel)->text().remove(QLatin1Char('&')), QStringLiteral("İptal"));
    QMessageBox question(QMessageBox::Question, QStringLiteral("Doravel 3"), QStringLiteral("?"),
                         QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(question.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Evet"));
    QCOMPARE(question.button(QMessageBox::No)->text().remove(QLatin1Char('&')), QStringLiteral("Hayır"));
    // The print preview's hints and the file dialog come from the same catalogue.
    QVERIFY(QCoreApplication::translate("QPrintPreviewDialog", "Next page") != QLatin1String("Next page"));
    QVERIFY(QCoreApplication::translate("QFileDialog", "Save As") != QLatin1String("Save As"));
}

QTEST_MAIN(TestWindowFrames)
#include "tst_windowframes.moc"
