#include "ui/Unit4.h"

#include "model/Clock.h"
#include "model/Messages.h"
#include "model/StoredText.h"
#include "session/Session.h"
#include "ui/DateEntry.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

TForm4::TForm4(TSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window), m_session(session), m_run(session.events, [this] { refresh(); }) {
    using namespace Widgets;
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Yeni Sipariş Gir"));
    setFixedSize(470, 420);

    label(this, QStringLiteral("Sipariş İsmi  :"), QRect(16, 16, 110, 24), true);
    m_orderName = edit(this, QStringLiteral("Edit1"), QRect(130, 16, 320, 24));
    m_orderName->setMaxLength(StoredText::NameLength);
    label(this, QStringLiteral("Genişlik (cm)"), QRect(16, 52, 110, 24));
    m_width = edit(this, QStringLiteral("Edit2"), QRect(130, 52, 90, 24));
    label(this, QStringLiteral("Yükseklik (cm)"), QRect(240, 52, 110, 24));
    m_height = edit(this, QStringLiteral("Edit3"), QRect(360, 52, 90, 24));
    label(this, QStringLiteral("Kapak Sayısı :"), QRect(16, 88, 110, 24));
    m_doorCount = combo(this, QStringLiteral("ComboBox1"), QRect(130, 88, 90, 24));
    m_doorCount->addItems(ProjectTexts::doorCounts());
    label(this, QStringLiteral("Teslim Tarihi"), QRect(240, 88, 96, 24));
    m_date = new TDateEntry(Clock::today(), this);
    m_date->setObjectName(QStringLiteral("DateTimePicker1"));
    m_date->setGeometry(340, 88, 110, 24); // room for the whole date beside the arrow
    label(this, QStringLiteral("Profil  Cinsi"), QRect(16, 124, 110, 24));
    m_group = combo(this, QStringLiteral("ComboBox2"), QRect(130, 124, 150, 24));
    m_group->addItems(ProfileGroupNames::choices());
    m_equal =
        check(this, QStringLiteral("CheckBox22"), QStringLiteral("Kapakların Hepsi Eşit"), QRect(300, 124, 160, 24));

    m_widthGroup = new QGroupBox(this);
    m_widthGroup->setObjectName(QStringLiteral("GroupBox1"));
    m_widthGroup->setGeometry(16, 160, 434, 200);
    static const int lockNumbers[] = {0, 1, 3, 5, 7, 9, 11};
    for (int door = 1; door <= 6; ++door) {
        const int y = 12 + (door - 1) * 30;
        label(m_widthGroup, QStringLiteral("Kapak %1 En (cm) :").arg(door), QRect(16, y, 130, 24));
        m_widths[door] = edit(m_widthGroup, QStringLiteral("k%1").arg(door), QRect(150, y, 100, 24));
        m_locks[door] =
            check(m_widthGroup, QStringLiteral("CheckBox%1").arg(lockNumbers[door]), QString(), QRect(260, y, 24, 24));
    }
    m_free = new QListWidget(this);
    m_free->setObjectName(QStringLiteral("ListBox3"));
    m_free->hide();
    m_locked = new QListWidget(this);
    m_locked->setObjectName(QStringLiteral("ListBox4"));
    m_locked->hide();

    QPushButton* cancelButton = button(this, QStringLiteral("SpeedButton2"), QStringLiteral("İptal"),
                                       QRect(250, 372, 95, 32), QStringLiteral(":/icons/exit.png"));
    QPushButton* okButton = button(this, QStringLiteral("SpeedButton1"), QStringLiteral("Tamam"),
                                   QRect(355, 372, 95, 32), QStringLiteral(":/icons/new.png"));

    TNewOrder& order = m_session.newOrder;
    TProject& project = m_session.project;
    TProfileGroup& group = m_session.activeGroup;
    connect(m_orderName, &QLineEdit::textEdited, this, [&order](const QString& text) { order.orderName = text; });
    auto openingEdited = [this, &order, &group, &project] {
        const QString width = m_width->text(), height = m_height->text();
        m_run([&] { EditNewOrderOpening(order, width, height, group, project); });
    };
    connect(m_width, &QLineEdit::textEdited, this, openingEdited);
    connect(m_height, &QLineEdit::textEdited, this, openingEdited);
    connect(m_doorCount, &QComboBox::activated, this, [this, &order, &group, &project] {
        order.doorCount = m_doorCount->currentText();
        m_run([&] { ChangeNewOrderDoorCount(order, group, project); });
    });
    connect(m_date, &QDateEdit::dateChanged, this, [&order](const QDate& date) { order.date = date; });
    connect(m_group, &QComboBox::activated, this, [this, &order, &group, &project] {
        const QString name = m_group->currentText();
        m_run([&] { ChangeNewOrderProfileGroup(order, name, *m_session.store, group, project); },
              &TSessionEvents::profileGroupChanged);
    });
    connect(m_equal, &QCheckBox::clicked, this, [this, &project](bool checked) {
        m_run([&] { project.doorsEqual = checked; }, &TSessionEvents::projectChanged);
    });
    for (int door = 1; door <= 6; ++door) {
        connect(m_widths[door], &QLineEdit::textEdited, this,
                [this, door, &order, &group, &project](const QString& text) {
                    m_run([&] { EditNewOrderDoorWidth(order, door, text, group, project); });
                });
        connect(m_locks[door], &QCheckBox::clicked, this, [this, door, &order, &group, &project](bool checked) {
            m_run([&] { SetNewOrderDoorLock(order, door, checked, group, project); });
        });
    }
    connect(okButton, &QPushButton::clicked, this, &TForm4::ok);
    connect(cancelButton, &QPushButton::clicked, this, &TForm4::cancel);
    for (QLineEdit* e : {m_orderName, m_width, m_height, m_widths[1]}) {
        connect(e, &QLineEdit::returnPressed, this, &TForm4::ok);
        e->installEventFilter(this);
    }
    for (auto changed : {&TSessionEvents::projectReplaced, &TSessionEvents::profileGroupChanged})
        connect(&m_session.events, changed, this, &TForm4::refresh);
}

bool TForm4::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        cancel();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TForm4::openForNew() {
    m_run([this] { OpenNewOrder(m_session.newOrder, m_session.activeGroup, m_session.project); });
    Widgets::bringToFront(this);
    m_orderName->setFocus();
    // Typing replaces the proposed name.
    m_orderName->selectAll();
}

void TForm4::refresh() {
    using namespace Widgets;
    const TNewOrder& order = m_session.newOrder;
    setText(m_orderName, order.orderName);
    setText(m_width, order.width);
    setText(m_height, order.height);
    setComboText(m_doorCount, order.doorCount);
    {
        const QSignalBlocker blocker(m_date);
        m_date->setDate(order.date);
    }
    setComboText(m_group, m_session.project.profileGroupName);
    setChecked(m_equal, m_session.project.doorsEqual);
    m_widthGroup->setEnabled(!m_session.project.doorsEqual);
    for (int door = 1; door <= 6; ++door) {
        setText(m_widths[door], order.widths[door]);
        setChecked(m_locks[door], order.locked[door]);
        m_locks[door]->setEnabled(order.lockEnabled[door]);
        m_widths[door]->setEnabled(order.locked[door]);
    }
    m_free->clear();
    m_free->addItems(order.freeDoors);
    m_locked->clear();
    m_locked->addItems(order.lockedDoors);
}

void TForm4::ok() {
    TSession& s = m_session;
    // The window closes and the main window shows the new order before the hint to pick a door.
    const TMessageHold hold;
    const bool done = m_run(
        [&] { ConfirmNewOrder(s.newOrder, s.activeGroup, s.project, s.profileColourChoices, s.profileModelChoices); });
    if (!done) return;
    hide();
    emit s.events.projectChanged();
    emit closed();
}

void TForm4::cancel() {
    hide();
    emit m_session.events.projectChanged();
    emit closed();
}
