#include "ui/CuttingSettingsPage.h"

#include "model/Messages.h"
#include "session/Session.h"
#include "ui/Widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TCuttingSettingsPage::TCuttingSettingsPage(TSession& session, QWidget* parent) : QWidget(parent), m_session(session) {
    using namespace Widgets;
    setObjectName(QStringLiteral("TabSheetKesim"));
    label(this, QStringLiteral("Stok Çubuk Boyları"), QRect(16, 12, 300, 22), true);
    for (int kind = 0; kind < TCuttingSettings::KindCount; ++kind) {
        const int y = 40 + kind * 32;
        label(this, TCuttingSettings::caption(kind), QRect(16, y, 220, 24));
        m_entries[kind] = edit(this, QStringLiteral("KesimEdit%1").arg(kind + 1), QRect(240, y, 80, 24));
    }
    label(this, QStringLiteral("Kesim"), QRect(370, 12, 300, 22), true);
    for (int value = TCuttingSettings::kerf; value < TCuttingSettings::ValueCount; ++value) {
        const int y = 40 + (value - TCuttingSettings::kerf) * 32;
        label(this, TCuttingSettings::caption(value), QRect(370, y, 210, 24));
        m_entries[value] = edit(this, QStringLiteral("KesimEdit%1").arg(value + 1), QRect(584, y, 80, 24));
    }
    label(this,
          QStringLiteral("Testere payı her parçadan sonra bir kez düşülür; çubuğun ucunda biten parçadan sonra "
                         "düşülmez. Uç kesme payı çubuğun iki ucundan kesilir."),
          QRect(370, 140, 300, 80))
        ->setWordWrap(true);
    for (int value = 0; value < TCuttingSettings::ValueCount; ++value)
        connect(m_entries[value], &QLineEdit::textEdited, this,
                [this, value](const QString& text) { m_session.cutting.setText(value, text); });
    QPushButton* save = button(this, QStringLiteral("KesimKaydet"), QStringLiteral("Kaydet"), QRect(470, 482, 100, 30),
                               QStringLiteral(":/icons/save.png"));
    QPushButton* close = button(this, QStringLiteral("KesimKapat"), QStringLiteral("Kapat"), QRect(582, 482, 100, 30),
                                QStringLiteral(":/icons/exit.png"));
    connect(close, &QPushButton::clicked, this, [this] { window()->hide(); });
    connect(save, &QPushButton::clicked, this, [this] {
        if (RunGuarded([this] { SaveCuttingSettings(*m_session.store, m_session.cutting); }))
            TMessages::showMessage(QStringLiteral("Kesim ayarları kaydedildi."));
    });
}

void TCuttingSettingsPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refresh();
}

void TCuttingSettingsPage::refresh() {
    for (int value = 0; value < TCuttingSettings::ValueCount; ++value)
        Widgets::setText(m_entries[value], m_session.cutting.text(value));
}
