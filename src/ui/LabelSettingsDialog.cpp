#include "ui/LabelSettingsDialog.h"

#include "model/Messages.h"
#include "session/Session.h"
#include "ui/Widgets.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const char* const k_entryNames[] = {"editLabelColumns", "editLabelRows", "editLabelWidth",
                                    "editLabelHeight",  "editLabelLeft", "editLabelTop",
                                    "editLabelGapX",    "editLabelGapY", "editLabelStart"};

} // namespace

TLabelSettingsDialog::TLabelSettingsDialog(TSession& session, QWidget* parent) : QDialog(parent), m_session(session) {
    using namespace Widgets;
    setObjectName(QStringLiteral("FormEtiketAyarlari"));
    setWindowTitle(QStringLiteral("Etiket Ayarları"));
    setFixedSize(440, 440);
    label(this, QStringLiteral("Etiket Kağıdı"), QRect(16, 14, 140, 24), true);
    m_format = combo(this, QStringLiteral("comboLabelFormat"), QRect(160, 14, 264, 24));
    for (int format = 0; format < TLabelSheetSettings::FormatCount; ++format)
        m_format->addItem(TLabelSheetSettings::formatName(format));
    for (int value = 0; value < TLabelSheetSettings::ValueCount; ++value) {
        const int y = 54 + value * 32;
        label(this, TLabelSheetSettings::caption(value), QRect(16, y, 200, 24));
        m_entries[value] = edit(this, QLatin1String(k_entryNames[value]), QRect(220, y, 80, 24));
        connect(m_entries[value], &QLineEdit::textEdited, this,
                [this, value](const QString& text) { m_settings.setText(value, text); });
    }
    label(this,
          QStringLiteral("Başlangıç yeri: yarısı kullanılmış bir sayfada ilk boş etiket, soldan sağa, yukarıdan "
                         "aşağı sayılır."),
          QRect(16, 346, 408, 40))
        ->setWordWrap(true);
    connect(m_format, &QComboBox::activated, this, [this](int format) {
        m_settings.showFormat(format);
        refresh();
    });
    QPushButton* save = button(this, QStringLiteral("buttonSave"), QStringLiteral("Kaydet"), QRect(212, 396, 100, 30),
                               QStringLiteral(":/icons/save.png"));
    QPushButton* cancel = button(this, QStringLiteral("buttonCancel"), QStringLiteral("Vazgeç"),
                                 QRect(324, 396, 100, 30), QStringLiteral(":/icons/exit.png"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(save, &QPushButton::clicked, this, [this] {
        if (!RunGuarded([this] { SaveLabelSheetSettings(*m_session.store, m_settings); })) return;
        accept();
        emit saved();
    });
}

void TLabelSettingsDialog::load() {
    RunGuarded([this] { LoadLabelSheetSettings(*m_session.store, m_settings); });
    refresh();
}

void TLabelSettingsDialog::refresh() {
    m_format->setCurrentIndex(m_settings.format);
    for (int value = 0; value < TLabelSheetSettings::ValueCount; ++value) {
        Widgets::setText(m_entries[value], m_settings.text(value));
        Widgets::setReadOnly(m_entries[value], TLabelSheetSettings::fixedBy(m_settings.format, value));
    }
}
