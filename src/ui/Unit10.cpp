#include "ui/Unit10.h"

#include "model/Messages.h"
#include "session/Session.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TForm10::TForm10(TSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_session(session),
      m_run(session.events, [this] { refresh(); }) {
    using namespace Widgets;
    setObjectName(QStringLiteral("Form10"));
    setFixedSize(470, 250);
    QLabel* sizeCaption = label(this, QStringLiteral("Ara Bölme Ölçüsü  :"), QRect(16, 16, 200, 24), true);
    QLabel* countCaption =
        label(this, QStringLiteral("Ara Bölme Sayısı ..........................:"), QRect(16, 48, 200, 24), true);
    // The entries stand right of the longer caption, dot leader included, at its bold font.
    const QFontMetrics metrics(countCaption->font());
    const int captions =
        qMax(metrics.horizontalAdvance(sizeCaption->text()), metrics.horizontalAdvance(countCaption->text()));
    sizeCaption->resize(captions, 24);
    countCaption->resize(captions, 24);
    m_size = edit(this, QStringLiteral("bolmeolcu"), QRect(22 + captions, 16, 90, 24), true);
    m_count = combo(this, QStringLiteral("arabolmesayi"), QRect(22 + captions, 48, 90, 24));
    m_count->addItems({QStringLiteral("2"), QStringLiteral("3")});
    label(this, QStringLiteral("Bölme Ölçüsü"), QRect(44, 84, 100, 20), true);
    label(this, QStringLiteral("Malzeme Cinsi"), QRect(150, 84, 110, 20), true);
    label(this, QStringLiteral("Malzeme Adı"), QRect(266, 84, 180, 20), true);
    TSubDivisionEditor& sub = m_session.subDivisionEditor;
    for (int part = 1; part <= 3; ++part) {
        const int y = 106 + (part - 1) * 30;
        m_locks[part] = check(this, QStringLiteral("kilit%1").arg(part), QString(), QRect(16, y, 24, 24));
        m_sizes[part] = edit(this, QStringLiteral("olcu%1").arg(part), QRect(44, y, 100, 24));
        m_kinds[part] = combo(this, QStringLiteral("cins%1").arg(part), QRect(150, y, 110, 24));
        m_kinds[part]->addItems({ProjectTexts::panel, ProjectTexts::glass});
        m_names[part] = combo(this, QStringLiteral("ad%1").arg(part), QRect(266, y, 188, 24), true);
        connect(m_locks[part], &QCheckBox::clicked, this, [this, part, &sub](bool set) {
            m_run([&] {
                ToggleSubDivisionLock(sub, part, set, m_session.activeGroup, m_session.divisionEditor.direction);
            });
        });
        connect(m_sizes[part], &QLineEdit::textEdited, this, [this, part, &sub](const QString& text) {
            m_run([&] {
                EditSubDivisionSize(sub, part, text, m_session.activeGroup, m_session.divisionEditor.direction);
            });
        });
        connect(m_kinds[part], &QComboBox::currentTextChanged, this,
                [&sub, part](const QString& text) { sub.parts[part].kind = text; });
        connect(m_names[part], &QComboBox::currentTextChanged, this,
                [&sub, part](const QString& text) { sub.parts[part].name = text; });
    }
    connect(m_count, &QComboBox::activated, this, [this, &sub] {
        const QString count = m_count->currentText();
        m_run([&] { ChangeSubDivisionCount(sub, count, m_session.activeGroup, m_session.divisionEditor.direction); });
    });
    QPushButton* cancelButton = button(this, QStringLiteral("SpeedButton2"), QStringLiteral("İptal"),
                                       QRect(258, 204, 95, 32), QStringLiteral(":/icons/exit.png"));
    QPushButton* okButton = button(this, QStringLiteral("SpeedButton1"), QStringLiteral("Tamam"),
                                   QRect(359, 204, 95, 32), QStringLiteral(":/icons/measure.png"));
    connect(okButton, &QPushButton::clicked, this, &TForm10::ok);
    connect(cancelButton, &QPushButton::clicked, this, &QWidget::hide);
    connect(&m_session.events, &TSessionEvents::listsChanged, this, &TForm10::refresh);
}

void TForm10::open(int division) {
    TSession& s = m_session;
    // The window initialises only when it becomes visible; while open it keeps its division.
    if (!isVisible())
        m_run([&] { OpenSubDivisionEditor(s.subDivisionEditor, s.divisionEditor, division, s.activeGroup); });
    Widgets::bringToFront(this);
}

void TForm10::refresh() {
    using namespace Widgets;
    const TSubDivisionEditor& sub = m_session.subDivisionEditor;
    setWindowTitle(sub.title);
    setText(m_size, sub.bolmeolcu);
    setComboText(m_count, sub.count);
    for (int part = 1; part <= 3; ++part) {
        const TSubPart& entry = sub.parts[part];
        setChecked(m_locks[part], entry.locked);
        setText(m_sizes[part], entry.size);
        setReadOnly(m_sizes[part], entry.readOnly);
        setComboText(m_kinds[part], entry.kind);
        setItems(m_names[part], sub.nameChoices);
        setComboText(m_names[part], entry.name);
        const bool enabled = part < 3 || sub.partThreeEnabled();
        m_locks[part]->setEnabled(enabled);
        m_kinds[part]->setEnabled(enabled);
        m_names[part]->setEnabled(enabled);
    }
}

void TForm10::ok() {
    TSession& s = m_session;
    RunGuarded(
        [&] { ConfirmSubDivisionEditor(s.subDivisionEditor, s.divisionEditor, s.activeGroup, s.project.doorHeight); });
    hide();
    emit confirmed();
}
