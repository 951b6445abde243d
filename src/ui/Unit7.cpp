#include "ui/Unit7.h"

#include "model/Messages.h"
#include "session/Session.h"
#include "settings/ProfileGroupChoice.h"
#include "ui/CuttingSettingsPage.h"
#include "ui/DatabasePage.h"
#include "ui/SheetSettingsPage.h"
#include "ui/Widgets.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

namespace {

QString withLeaders(const QString& caption, int width) {
    QString text = caption;
    while (text.size() < width)
        text += QLatin1Char('.');
    return text;
}

} // namespace

TForm7::TForm7(TSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window), m_session(session), m_run(session.events, [this] { refresh(); }) {
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Ayarlar"));
    setFixedSize(720, 600);
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("PageControl1"));
    tabs->setGeometry(8, 8, 704, 544);
    tabs->addTab(buildProfilePage(), QStringLiteral("Profil Ölçüleri "));
    tabs->addTab(buildListPage(), QStringLiteral("Malzeme Çeşitleri"));
    tabs->addTab(new TCuttingSettingsPage(m_session), QStringLiteral("Kesim"));
    tabs->addTab(new TSheetSettingsPage(m_session), QStringLiteral("Levha"));
    tabs->addTab(new TDatabasePage(m_session), QStringLiteral("Veritabanı"));
    // The firm name is the workshop's, not a profile measurement: it stands below both pages.
    Widgets::label(this, TProfileGroup::caption(TProfileGroup::firma) + QStringLiteral(" :"), QRect(16, 562, 100, 26),
                   true);
    m_entries[TProfileGroup::firma] = Widgets::edit(this, QStringLiteral("Edit17"), QRect(120, 562, 360, 26));
    for (int value = 0; value < TProfileGroup::ValueCount; ++value)
        connect(m_entries[value], &QLineEdit::textEdited, this,
                [this, value](const QString& text) { m_session.activeGroup.setText(value, text); });
    for (auto changed : {&TSessionEvents::profileGroupChanged, &TSessionEvents::listsChanged})
        connect(&m_session.events, changed, this, &TForm7::refresh);
}

QWidget* TForm7::buildProfilePage() {
    using namespace Widgets;
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet1"));
    label(page, QStringLiteral("Profil Grubu :"), QRect(16, 12, 100, 24), true);
    m_group = combo(page, QStringLiteral("ComboBox1"), QRect(120, 12, 160, 24));
    m_group->addItems(ProfileGroupNames::choices());

    label(page, QStringLiteral("Kalınlık (cm)"), QRect(16, 44, 300, 20), true);
    label(page, QStringLiteral("Ağırlık (100cm/kg)"), QRect(470, 44, 200, 20), true);
    // Left: the sizes (with a picture beside each frame profile); right: the weights.
    const int left[] = {TProfileGroup::top,  TProfileGroup::under, TProfileGroup::side,    TProfileGroup::mhor,
                        TProfileGroup::mver, TProfileGroup::work,  TProfileGroup::outside, TProfileGroup::incover};
    const char* pictures[] = {"top", "under", "side", "mhor", "mver"};
    for (int i = 0; i < 8; ++i) {
        const int value = left[i];
        const int rowTop = i < 5 ? 68 + i * 70 : 418 + (i - 5) * 30;
        const int entryTop = i < 5 ? rowTop + 20 : rowTop;
        label(page, withLeaders(TProfileGroup::caption(value), 34), QRect(16, entryTop, 220, 24));
        m_entries[value] = edit(page, QStringLiteral("Edit%1").arg(value + 1), QRect(240, entryTop, 70, 24));
        if (i < 5) {
            auto* picture = new QLabel(page);
            picture->setObjectName(QStringLiteral("Image%1").arg(i + 1));
            picture->setPixmap(QPixmap(QStringLiteral(":/pictures/profile_%1.jpg").arg(QLatin1String(pictures[i]))));
            picture->setGeometry(325, rowTop, 105, 65);
        }
    }
    for (int value = TProfileGroup::topw; value <= TProfileGroup::underslidew; ++value) {
        const int y = 88 + (value - TProfileGroup::topw) * 40;
        label(page, withLeaders(TProfileGroup::caption(value), 28), QRect(470, y, 140, 24));
        m_entries[value] = edit(page, QStringLiteral("Edit%1").arg(value + 1), QRect(612, y, 70, 24));
    }
    label(page, TProfileGroup::caption(TProfileGroup::name) + QStringLiteral(" :"), QRect(470, 400, 212, 22));
    m_entries[TProfileGroup::name] = edit(page, QStringLiteral("Edit16"), QRect(470, 422, 212, 24));

    QPushButton* save = button(page, QStringLiteral("SpeedButton2"), QStringLiteral("Kaydet"), QRect(470, 482, 100, 30),
                               QStringLiteral(":/icons/save.png"));
    QPushButton* close = button(page, QStringLiteral("SpeedButton1"), QStringLiteral("Kapat"), QRect(582, 482, 100, 30),
                                QStringLiteral(":/icons/exit.png"));
    connect(save, &QPushButton::clicked, this, &TForm7::save);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    connect(m_group, &QComboBox::activated, this, [this] {
        const QString name = m_group->currentText();
        TSession& s = m_session;
        m_run([&] { ChooseProfileGroup(*s.store, name, s.activeGroup, s.project); },
              &TSessionEvents::profileGroupChanged);
    });
    return page;
}

QWidget* TForm7::buildListPage() {
    using namespace Widgets;
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet2"));
    for (int list = 0; list < TMaterialLists::ListCount; ++list) {
        const int x = 16 + list * 226;
        label(page, TMaterialLists::caption(list), QRect(x, 12, 210, 24), true);
        m_lists[list] = new QListWidget(page);
        m_lists[list]->setObjectName(QStringLiteral("ListBox%1").arg(list + 1));
        m_lists[list]->setGeometry(x, 40, 210, 400);
        QPushButton* add =
            button(page, QStringLiteral("Ekle%1").arg(list + 1), QStringLiteral("Ekle"), QRect(x, 448, 100, 30));
        QPushButton* remove =
            button(page, QStringLiteral("Sil%1").arg(list + 1), QStringLiteral("Sil"), QRect(x + 110, 448, 100, 30));
        connect(add, &QPushButton::clicked, this, [this, list] {
            m_run([this, list] { m_session.lists.addAsked(list); }, &TSessionEvents::listsChanged);
        });
        connect(remove, &QPushButton::clicked, this, [this, list] {
            const int row = m_lists[list]->currentRow();
            m_run([this, list, row] { m_session.lists.remove(list, row); }, &TSessionEvents::listsChanged);
        });
    }
    return page;
}

void TForm7::save() {
    if (RunGuarded([this] { SaveSettings(m_session); })) hide();
}

void TForm7::refresh() {
    for (int value = 0; value < TProfileGroup::ValueCount; ++value)
        Widgets::setText(m_entries[value], m_session.activeGroup.text(value));
    Widgets::setComboText(m_group, m_session.project.profileGroupName);
    for (int list = 0; list < TMaterialLists::ListCount; ++list) {
        const int row = m_lists[list]->currentRow();
        m_lists[list]->clear();
        m_lists[list]->addItems(m_session.lists.lists[list]);
        m_lists[list]->setCurrentRow(qMin(row, m_lists[list]->count() - 1));
    }
}
