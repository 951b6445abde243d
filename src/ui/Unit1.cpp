#include "ui/Unit1.h"

#include "design/DoorDrawing.h"
#include "model/Clock.h"
#include "model/Messages.h"
#include "model/NumberText.h"
#include "records/Backup.h"
#include "records/OrderDatabase.h"
#include "session/BackupCommands.h"
#include "session/OrderSave.h"
#include "session/Session.h"
#include "ui/Widgets.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QWindow>

namespace {
const QUrl k_makerPage(QStringLiteral("https://www.merkona.com.tr"));
constexpr int DoorLeft = 250;
constexpr int DoorTop = 16;
} // namespace

void TClickableImage::mouseDoubleClickEvent(QMouseEvent* event) {
    QLabel::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

TForm1::TForm1(TSession& session, QWidget* parent) : QMainWindow(parent), m_session(session) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Doravel 3"));
    buildActions();
    buildDoorArea();
    buildStatusBar();
    OnMainWindowCreated(m_session);
    TSessionEvents& events = m_session.events;
    for (auto changed :
         {&TSessionEvents::projectReplaced, &TSessionEvents::projectChanged, &TSessionEvents::listsChanged})
        connect(&events, changed, this, &TForm1::refresh);
    refresh();
}

void TForm1::buildActions() {
    auto action = [this](const QString& name, const QString& text, const char* icon) {
        auto* a = new QAction(QIcon(QStringLiteral(":/icons/%1.png").arg(QLatin1String(icon))), text, this);
        a->setObjectName(name);
        return a;
    };
    QAction* newAction = action(QStringLiteral("actionNew"), QStringLiteral("&Yeni"), "new");
    newAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    QAction* openAction = action(QStringLiteral("actionOpen"), QStringLiteral("&Aç"), "list");
    openAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    QAction* saveAction = action(QStringLiteral("actionSave"), QStringLiteral("&Kaydet"), "save");
    saveAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    QAction* printAction = action(QStringLiteral("actionPrint"), QStringLiteral("&Yazdır"), "print");
    printAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    QAction* restoreAction =
        action(QStringLiteral("actionRestoreBackup"), QStringLiteral("Yedekten Geri Yükle"), "save");
    QAction* exitAction = action(QStringLiteral("actionExit"), QStringLiteral("&Çıkış"), "exit");
    m_measureMenu = action(QStringLiteral("actionMeasureMenu"), QStringLiteral("&Ölçülendir"), "measure");
    // Virtual-key code 191 is the slash key.
    m_measureMenu->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Slash));
    QAction* costAction = action(QStringLiteral("actionCost"), QStringLiteral("Ma&liyet"), "cost");
    costAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    QAction* cuttingAction = action(QStringLiteral("actionCuttingPlan"), QStringLiteral("Kesim Planı"), "cut");
    cuttingAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    QAction* sheetAction = action(QStringLiteral("actionSheetPlan"), QStringLiteral("Levha Planı"), "sheet");
    sheetAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K));
    QAction* labelsAction = action(QStringLiteral("actionLabels"), QStringLiteral("Etiketler"), "print");
    labelsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    QAction* labelSettingsAction =
        action(QStringLiteral("actionLabelSettings"), QStringLiteral("Etiket Ayarları"), "settings");
    QAction* customersAction =
        action(QStringLiteral("actionCustomers"), QStringLiteral("Müşteri Listesi"), "customers");
    QAction* settingsAction = action(QStringLiteral("actionSettings"), QStringLiteral("Ayarlar"), "settings");
    QAction* helpAction = action(QStringLiteral("actionHelp"), QStringLiteral("&Yardım"), "help");
    helpAction->setShortcut(QKeySequence(Qt::Key_F1));
    QAction* aboutAction = action(QStringLiteral("actionAbout"), QStringLiteral("Hakkında"), "about");

    QMenu* file = menuBar()->addMenu(QStringLiteral("&Dosya"));
    file->addActions({newAction, openAction, saveAction, printAction});
    file->addSeparator();
    file->addAction(restoreAction);
    file->addSeparator();
    file->addAction(exitAction);
    QMenu* project = menuBar()->addMenu(QStringLiteral("P&roje"));
    project->addActions({m_measureMenu, costAction, cuttingAction, sheetAction});
    project->addActions({labelsAction, labelSettingsAction});
    menuBar()->addMenu(QStringLiteral("&Müşteri"))->addAction(customersAction);
    menuBar()->addMenu(QStringLiteral("&Ayarlar"))->addAction(settingsAction);
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Yardım"));
    help->addActions({helpAction, aboutAction});

    // Tool buttons: their own actions (hints), running the same commands.
    QToolBar* bar = addToolBar(QStringLiteral("Araçlar"));
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setIconSize(QSize(32, 32));
    auto tool = [&](const QString& name, const QString& hint, const char* icon, QAction* command) {
        QAction* a = action(name, hint, icon);
        a->setToolTip(hint);
        connect(a, &QAction::triggered, command, &QAction::trigger);
        bar->addAction(a);
        if (QWidget* w = bar->widgetForAction(a)) w->setFixedSize(40, 40);
        return a;
    };
    tool(QStringLiteral("toolNew"), QStringLiteral("Yeni Proje Oluştur"), "new", newAction);
    bar->addSeparator();
    tool(QStringLiteral("toolOrders"), QStringLiteral("Sipariş Listesi"), "list", openAction);
    bar->addSeparator();
    tool(QStringLiteral("toolSave"), QStringLiteral("Kaydet"), "save", saveAction);
    bar->addSeparator();
    tool(QStringLiteral("toolPrint"), QStringLiteral("Yazıcı Önizleme"), "print", printAction);
    bar->addSeparator();
    m_measureAction = action(QStringLiteral("toolMeasure"), QStringLiteral("Ölçülendir"), "measure");
    m_measureAction->setToolTip(QStringLiteral("Ölçülendir"));
    connect(m_measureAction, &QAction::triggered, this, [this] { emit divisionEditorRequested(0); });
    bar->addAction(m_measureAction);
    bar->widgetForAction(m_measureAction)->setFixedSize(40, 40);
    bar->addSeparator();
    tool(QStringLiteral("toolCost"), QStringLiteral("Maliyet"), "cost", costAction);
    bar->addSeparator();
    tool(QStringLiteral("toolCuttingPlan"), QStringLiteral("Kesim Planı"), "cut", cuttingAction);
    tool(QStringLiteral("toolSheetPlan"), QStringLiteral("Levha Planı"), "sheet", sheetAction);
    bar->addSeparator();
    tool(QStringLiteral("toolSettings"), QStringLiteral("Ayarlar"), "settings", settingsAction);
    bar->addSeparator();
    tool(QStringLiteral("toolHelp"), QStringLiteral("Yardım"), "help", helpAction);
    bar->addSeparator();
    bar->addSeparator();
    tool(QStringLiteral("toolCustomers"), QStringLiteral("Müşteri Listesi"), "customers", customersAction);
    bar->addSeparator();
    // The about button keeps to the right end of the bar, 50 pixels from the window's edge (resizeEvent).
    QAction* aboutTool = action(QStringLiteral("toolAbout"), QString(), "about");
    aboutTool->setToolTip(QString());
    connect(aboutTool, &QAction::triggered, aboutAction, &QAction::trigger);
    m_aboutButton = new QToolButton(bar);
    m_aboutButton->setObjectName(QStringLiteral("aboutButton"));
    m_aboutButton->setDefaultAction(aboutTool);
    m_aboutButton->setAutoRaise(true);
    m_aboutButton->setIconSize(QSize(32, 32));
    m_aboutButton->setFixedSize(40, 40);
    m_toolBar = bar;

    // No command runs before the start-up steps have loaded the profile group and the lists.
    for (QAction* command : bar->actions() + QList<QAction*>{newAction, openAction, saveAction, printAction,
                                                             m_measureMenu, costAction, cuttingAction, customersAction,
                                                             settingsAction, helpAction, aboutAction, aboutTool})
        if (!command->isSeparator()) m_commands << command;
    for (QAction* command : m_commands)
        command->setEnabled(false);

    connect(newAction, &QAction::triggered, this, &TForm1::newProject);
    connect(printAction, &QAction::triggered, this, &TForm1::printRequested);
    connect(exitAction, &QAction::triggered, this, &QWidget::close);
    connect(restoreAction, &QAction::triggered, this, &TForm1::restoreBackup);
    connect(m_measureMenu, &QAction::triggered, this, [this] { emit divisionEditorRequested(0); });
    connect(costAction, &QAction::triggered, this, &TForm1::costTableRequested);
    connect(cuttingAction, &QAction::triggered, this, &TForm1::cuttingPlanRequested);
    connect(sheetAction, &QAction::triggered, this, &TForm1::sheetPlanRequested);
    connect(labelsAction, &QAction::triggered, this, &TForm1::labelsRequested);
    connect(labelSettingsAction, &QAction::triggered, this, &TForm1::labelSettingsRequested);
    connect(settingsAction, &QAction::triggered, this, &TForm1::settingsRequested);
    connect(helpAction, &QAction::triggered, this, &TForm1::helpRequested);
    connect(aboutAction, &QAction::triggered, this, &TForm1::aboutRequested);
    connect(saveAction, &QAction::triggered, this, &TForm1::saveOrder);
    connect(customersAction, &QAction::triggered, this, &TForm1::customerListRequested);
    connect(openAction, &QAction::triggered, this, &TForm1::orderListRequested);
}

void TForm1::buildDoorArea() {
    using namespace Widgets;
    auto* central = new QWidget(this);
    setCentralWidget(central);
    central->setMinimumSize(DoorLeft + 6 * 128 + 32, 500);
    m_doorArea = new QGroupBox(central);
    m_doorArea->setObjectName(QStringLiteral("GroupBox1"));
    m_doorArea->setGeometry(8, 8, DoorLeft + 6 * 128 + 16, 480);
    m_doorArea->setEnabled(false);

    QWidget* area = m_doorArea;
    int y = 16;
    auto row = [&](const QString& caption, bool bold = false, int height = 24) {
        label(area, caption, QRect(12, y, 90, height), bold);
        const QRect field(104, y, 130, height);
        y += height + 10;
        return field;
    };
    m_orderName = edit(area, QStringLiteral("Edit5"), row(QStringLiteral("Sipariş İsmi"), true), true);
    QFont bold = m_orderName->font();
    bold.setBold(true);
    m_orderName->setFont(bold);
    m_deliveryDate = new QDateEdit(area);
    m_deliveryDate->setObjectName(QStringLiteral("DateTimePicker1"));
    m_deliveryDate->setDisplayFormat(DisplayDate::format);
    m_deliveryDate->setGeometry(row(QStringLiteral("Teslim Tarihi")));
    m_deliveryDate->setReadOnly(true);
    readOnlyLook(m_deliveryDate, true);
    m_deliveryDate->setButtonSymbols(QAbstractSpinBox::NoButtons);
    QRect widthRect = row(QStringLiteral("Dolap En"));
    m_openingWidth = edit(area, QStringLiteral("Edit3"), widthRect.adjusted(0, 0, -30, 0), true);
    label(area, QStringLiteral("cm"), QRect(widthRect.right() - 24, widthRect.top(), 24, 24));
    QRect heightRect = row(QStringLiteral("Dolap Boy"));
    m_openingHeight = edit(area, QStringLiteral("Edit4"), heightRect.adjusted(0, 0, -30, 0), true);
    label(area, QStringLiteral("cm"), QRect(heightRect.right() - 24, heightRect.top(), 24, 24));
    m_dolapadet = edit(area, QStringLiteral("dolapadet"), row(QStringLiteral("Dolap Adet")));
    const QString captions[] = {QStringLiteral("Profil Rengi"), QStringLiteral("Profil Modeli"),
                                QStringLiteral("Teslimat Şekli"), QStringLiteral("Montaj Tipi")};
    for (int i = 0; i < 4; ++i)
        m_choices[i] = combo(area, QStringLiteral("ComboBox%1").arg(i + 2), row(captions[i]), true);
    setItems(m_choices[2], ProjectTexts::deliveryKinds());
    setItems(m_choices[3], ProjectTexts::assemblyKinds());

    m_doorHeight = edit(area, QStringLiteral("Edit2"), QRect(0, 0, 10, 10), true);
    m_doorHeight->hide();
    m_doorCount = combo(area, QStringLiteral("ComboBox1"), QRect(0, 0, 10, 10));
    m_doorCount->addItems(ProjectTexts::doorCounts());
    m_doorCount->hide();

    for (int door = 1; door <= 6; ++door) {
        auto* image = new TClickableImage(area);
        image->setObjectName(QStringLiteral("Image%1").arg(door));
        image->setGeometry(DoorLeft + (door - 1) * 128, DoorTop, DoorDrawing::PictureWidth, DoorDrawing::PictureHeight);
        connect(image, &TClickableImage::doubleClicked, this, [this, door] {
            // The door pictures answer only while the doors are designed one by one.
            if (m_doorArea->isEnabled() && !m_session.project.doorsEqual) emit divisionEditorRequested(door);
        });
        m_images[door] = image;
        m_widths[door] = edit(
            area, QStringLiteral("k%1").arg(door),
            QRect(DoorLeft + (door - 1) * 128, DoorTop + DoorDrawing::PictureHeight + 8, DoorDrawing::PictureWidth, 24),
            true);
        m_widths[door]->setFont(bold);
        m_widths[door]->setAlignment(Qt::AlignCenter);
    }

    // The hidden button "Yazdır" runs the print preview as the menu item does.
    auto* printButton = new QPushButton(QStringLiteral("Yazdır"), area);
    printButton->setObjectName(QStringLiteral("Button1"));
    printButton->hide();
    connect(printButton, &QPushButton::clicked, this, &TForm1::printRequested);

    auto* logo = new TClickableImage(area);
    logo->setObjectName(QStringLiteral("Image7"));
    logo->setPixmap(QPixmap(QStringLiteral(":/pictures/logo.jpg")));
    logo->setGeometry(64, 340, 105, 105);
    auto* caption = new TClickableImage(QStringLiteral("Doravel 3"), area);
    caption->setObjectName(QStringLiteral("Label1"));
    QFont captionFont = caption->font();
    captionFont.setPointSize(16);
    captionFont.setBold(true);
    caption->setFont(captionFont);
    caption->setAlignment(Qt::AlignCenter);
    caption->setGeometry(20, 446, 190, 28);
    for (TClickableImage* link : {logo, caption})
        connect(link, &TClickableImage::doubleClicked, this, [] { QDesktopServices::openUrl(k_makerPage); });

    connect(m_dolapadet, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_session.project.dolapadet = text; });
    QString TProject::*fields[] = {&TProject::profileColour, &TProject::profileModel, &TProject::deliveryKind,
                                   &TProject::assemblyKind};
    for (int i = 0; i < 4; ++i) {
        QString TProject::*field = fields[i];
        connect(m_choices[i], &QComboBox::currentTextChanged, this,
                [this, field](const QString& text) { m_session.project.*field = text; });
    }
}

void TForm1::buildStatusBar() {
    m_status1 = new QLabel(QStringLiteral("Merkona Yazılım"), this);
    m_status1->setObjectName(QStringLiteral("StatusPanel1"));
    m_status1->setFixedWidth(150);
    m_status1->setAlignment(Qt::AlignCenter);
    m_status2 = new QLabel(this);
    m_status2->setObjectName(QStringLiteral("StatusPanel2"));
    m_status2->setAlignment(Qt::AlignCenter);
    m_status3 = new QLabel(this);
    m_status3->setObjectName(QStringLiteral("StatusPanel3"));
    m_status3->setFixedWidth(100);
    m_status3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->addWidget(m_status1);
    statusBar()->addWidget(m_status2, 1);
    statusBar()->addPermanentWidget(m_status3);
}

void TForm1::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (event->isAccepted()) emit closed();
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_started) return;
    m_started = true;
    setWindowState(windowState() | Qt::WindowMaximized);
    // Without a window manager a maximised state is not applied: take the screen ourselves.
    if (QScreen* current = screen()) setGeometry(current->availableGeometry());
    QTimer::singleShot(0, this, &TForm1::waitForScreenThenStart);
}

void TForm1::waitForScreenThenStart() {
    // The start-up steps run once the window is on screen and drawn, so that their messages show over it.
    if (!windowHandle() || !windowHandle()->isExposed()) {
        QTimer::singleShot(10, this, &TForm1::waitForScreenThenStart);
        return;
    }
    repaint();
    startUp();
}

void TForm1::startUp() {
    RunGuarded([this] { OnMainWindowShown(m_session); });
    m_startedUp = true;
    for (QAction* command : m_commands)
        command->setEnabled(true);
    // A failing step leaves what the steps before it loaded: every window shows that.
    emit m_session.events.listsChanged();
    emit m_session.events.profileGroupChanged();
    emit m_session.events.projectReplaced();
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    m_status2->setFixedWidth(qMax(0, width() - 200));
    m_aboutButton->move(width() - 50 - m_toolBar->x(), qMax(0, (m_toolBar->height() - m_aboutButton->height()) / 2));
}

void TForm1::ShowDoorCount(const QString& count) {
    const std::optional<int> n = NumberText::countIn(count, 2, 6);
    if (!n) return;
    for (int door = 1; door <= 6; ++door) {
        m_images[door]->setVisible(door <= *n);
        m_widths[door]->setVisible(door <= *n);
    }
}

void TForm1::refresh() {
    using namespace Widgets;
    const TProject& project = m_session.project;
    m_doorArea->setEnabled(m_session.doorAreaEnabled);
    setText(m_orderName, project.orderName);
    // A name longer than its entry is read whole from the hint.
    m_orderName->setToolTip(project.orderName);
    {
        const QSignalBlocker blocker(m_deliveryDate);
        m_deliveryDate->setDate(project.deliveryDate);
    }
    setText(m_openingWidth, project.openingWidth);
    setText(m_openingHeight, project.openingHeight);
    setText(m_doorHeight, project.doorHeight);
    setText(m_dolapadet, project.dolapadet);
    setItems(m_choices[0], m_session.profileColourChoices);
    setItems(m_choices[1], m_session.profileModelChoices);
    setComboText(m_choices[0], project.profileColour);
    setComboText(m_choices[1], project.profileModel);
    setComboText(m_choices[2], project.deliveryKind);
    setComboText(m_choices[3], project.assemblyKind);
    setComboText(m_doorCount, project.doorCount);
    for (int door = 1; door <= 6; ++door) {
        m_images[door]->setPixmap(QPixmap::fromImage(m_session.doorImages[door]));
        setText(m_widths[door], project.doorWidths[door]);
    }
    ShowDoorCount(project.doorCount);
    m_status2->setText(project.statusText);
    m_status3->setText(m_session.statusDate);
    applyDoorsEqual();
}

void TForm1::applyDoorsEqual() {
    m_measureAction->setEnabled(m_startedUp && m_session.project.doorsEqual);
}

void TForm1::newProject() {
    bool confirmed = false;
    RunGuarded([&] { confirmed = NewProject(m_session); });
    if (!confirmed) return;
    emit m_session.events.projectReplaced();
    emit newOrderRequested();
}

void TForm1::saveOrder() {
    if (RunGuarded([this] { CheckSaveCommand(m_session.project); })) emit saveDialogRequested();
}

void TForm1::restoreBackup() {
    const QString copy =
        QFileDialog::getOpenFileName(this, QStringLiteral("Yedekten Geri Yükle"), Backup::folder(m_session.folder),
                                     QStringLiteral("Sipariş veritabanı yedeği (*.sqlite)"));
    if (copy.isEmpty()) return;
    RunGuarded([&] { RestoreBackup(m_session.folder, OrderDatabase::settings(), copy); });
}
