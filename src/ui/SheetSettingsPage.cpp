#include "ui/SheetSettingsPage.h"

#include "model/Messages.h"
#include "session/Session.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The choices of a material's turning, in the order of the texts "", "1", "0".
const QStringList k_rotateChoices = {QStringLiteral("Tür ayarı"), QStringLiteral("Döndürülebilir"),
                                     QStringLiteral("Döndürülmez")};
const QStringList k_rotateTexts = {QString(), QStringLiteral("1"), QStringLiteral("0")};

const int k_values[] = {TSheetSettings::stock,
                        TSheetSettings::kerf,
                        TSheetSettings::trim,
                        TSheetSettings::minRemnantWidth,
                        TSheetSettings::minRemnantHeight,
                        TSheetSettings::stages};

} // namespace

TSheetSettingsPage::TSheetSettingsPage(TSession& session, QWidget* parent) : QWidget(parent), m_session(session) {
    using namespace Widgets;
    setObjectName(QStringLiteral("TabSheetLevha"));
    for (int kind = 0; kind < TSheetSettings::KindCount; ++kind) {
        const int left = kind == TSheetSettings::Panel ? 16 : 362;
        label(this, kind == TSheetSettings::Panel ? QStringLiteral("Panel Levhaları") : QStringLiteral("Cam Levhaları"),
              QRect(left, 12, 300, 22), true);
        int row = 0;
        for (int value : k_values) {
            const int y = 40 + row++ * 30;
            label(this, TSheetSettings::caption(value), QRect(left, y, 200, 24));
            m_entries[kind][value] = edit(this, QStringLiteral("Levha_") + TSheetSettings::valueName(kind, value),
                                          QRect(left + 200, y, value == TSheetSettings::stock ? 130 : 70, 24));
            connect(m_entries[kind][value], &QLineEdit::textEdited, this,
                    [this, kind, value](const QString& text) { m_session.sheetCutting.setText(kind, value, text); });
        }
        m_rotate[kind] = check(this, QStringLiteral("Levha_") + TSheetSettings::valueName(kind, TSheetSettings::rotate),
                               TSheetSettings::caption(TSheetSettings::rotate), QRect(left, 40 + row * 30, 300, 24));
        connect(m_rotate[kind], &QCheckBox::clicked, this, [this, kind](bool checked) {
            m_session.sheetCutting.setText(kind, TSheetSettings::rotate,
                                           checked ? QStringLiteral("1") : QStringLiteral("0"));
        });
    }

    label(this, QStringLiteral("Malzemeye Göre"), QRect(16, 266, 300, 22), true);
    label(this, QStringLiteral("Malzeme"), QRect(16, 294, 120, 24));
    m_material = combo(this, QStringLiteral("LevhaMalzeme"), QRect(140, 294, 220, 24));
    connect(m_material, &QComboBox::activated, this, [this] { showMaterial(); });
    for (int kind = 0; kind < TSheetSettings::KindCount; ++kind) {
        const int y = 324 + kind * 30;
        label(this, TSheetSettings::kindText(kind) + QStringLiteral(" Levhaları"), QRect(16, y, 120, 24));
        m_materialStock[kind] =
            edit(this, QStringLiteral("LevhaMalzeme_") + TSheetSettings::valueName(kind, TSheetSettings::stock),
                 QRect(140, y, 220, 24));
        m_materialRotate[kind] =
            combo(this, QStringLiteral("LevhaMalzeme_") + TSheetSettings::valueName(kind, TSheetSettings::rotate),
                  QRect(370, y, 140, 24));
        m_materialRotate[kind]->addItems(k_rotateChoices);
        connect(m_materialStock[kind], &QLineEdit::textEdited, this, [this, kind](const QString& text) {
            if (m_material->currentText().isEmpty()) return;
            m_session.sheetCutting.materialRow(m_material->currentText()).stock[kind] = text;
        });
        connect(m_materialRotate[kind], &QComboBox::activated, this, [this, kind](int index) {
            if (m_material->currentText().isEmpty()) return;
            m_session.sheetCutting.materialRow(m_material->currentText()).rotate[kind] = k_rotateTexts.value(index);
        });
    }
    label(this,
          QStringLiteral("Levha ölçüsü BOY x EN yazılır (ör. 280 x 207); birden çok ölçü ';' ile ayrılır, isteğe bağlı "
                         "'/ adet / fiyat' eklenir (ör. 280 x 207; 366 x 183 / 4 / 1,3). Döndürülmeyen parçanın boyu "
                         "levhanın boyu (damar) yönünde kesilir. Malzemenin boş bırakılan ayarı türünün ayarını alır."),
          QRect(16, 390, 680, 70))
        ->setWordWrap(true);

    QPushButton* save = button(this, QStringLiteral("LevhaKaydet"), QStringLiteral("Kaydet"), QRect(470, 482, 100, 30),
                               QStringLiteral(":/icons/save.png"));
    QPushButton* close = button(this, QStringLiteral("LevhaKapat"), QStringLiteral("Kapat"), QRect(582, 482, 100, 30),
                                QStringLiteral(":/icons/exit.png"));
    connect(close, &QPushButton::clicked, this, [this] { window()->hide(); });
    connect(save, &QPushButton::clicked, this, [this] {
        if (RunGuarded([this] { SaveSheetSettings(*m_session.store, m_session.sheetCutting); }))
            TMessages::showMessage(QStringLiteral("Levha ayarları kaydedildi."));
    });
}

void TSheetSettingsPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refresh();
}

void TSheetSettingsPage::refresh() {
    const TSheetSettings& settings = m_session.sheetCutting;
    for (int kind = 0; kind < TSheetSettings::KindCount; ++kind) {
        for (int value : k_values)
            Widgets::setText(m_entries[kind][value], settings.text(kind, value));
        Widgets::setChecked(m_rotate[kind],
                            settings.text(kind, TSheetSettings::rotate).trimmed() == QLatin1String("1"));
    }
    // The inner material list's names, then those with settings of their own that the list no longer has.
    QStringList names;
    for (const QString& name : m_session.lists.lists[TMaterialLists::InnerMaterials])
        if (!name.isEmpty() && !names.contains(name)) names << name;
    for (const TSheetMaterialSettings& row : settings.materials)
        if (!row.name.isEmpty() && !names.contains(row.name)) names << row.name;
    const QString chosen = m_material->currentText();
    Widgets::setItems(m_material, names);
    const int index = m_material->findText(chosen);
    m_material->setCurrentIndex(index >= 0 ? index : (names.isEmpty() ? -1 : 0));
    showMaterial();
}

void TSheetSettingsPage::showMaterial() {
    const TSheetMaterialSettings* row = m_session.sheetCutting.material(m_material->currentText());
    for (int kind = 0; kind < TSheetSettings::KindCount; ++kind) {
        Widgets::setText(m_materialStock[kind], row ? row->stock[kind] : QString());
        m_materialStock[kind]->setPlaceholderText(m_session.sheetCutting.text(kind, TSheetSettings::stock) +
                                                  QStringLiteral(" (tür ayarı)"));
        const int choice = row ? static_cast<int>(k_rotateTexts.indexOf(row->rotate[kind].trimmed())) : 0;
        const QSignalBlocker blocker(m_materialRotate[kind]);
        m_materialRotate[kind]->setCurrentIndex(choice >= 0 ? choice : 0);
        m_materialStock[kind]->setEnabled(m_material->currentIndex() >= 0);
        m_materialRotate[kind]->setEnabled(m_material->currentIndex() >= 0);
    }
}
