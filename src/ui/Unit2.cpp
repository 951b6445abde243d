#include "ui/Unit2.h"

#include "design/DoorDrawing.h"
#include "model/Messages.h"
#include "session/Session.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TForm2::TForm2(TSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window), m_session(session), m_run(session.events, [this] { refresh(); }) {
    using namespace Widgets;
    setObjectName(QStringLiteral("Form2"));
    setFixedSize(754, 553);
    m_preview = new QLabel(this);
    m_preview->setObjectName(QStringLiteral("Image1"));
    m_preview->setGeometry(16, 67, DoorDrawing::PictureWidth, DoorDrawing::PictureHeight);
    label(this, QStringLiteral("Bölme Sayısı"), QRect(16, 4, 120, 18), true);
    m_count = combo(this, QStringLiteral("ComboBox1"), QRect(16, 24, 120, 24));
    m_count->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                       QStringLiteral("5"), QStringLiteral("6")});
    label(this, QStringLiteral("Bölme Yönü"), QRect(368, 4, 121, 18), true);
    m_direction = combo(this, QStringLiteral("yataydikey"), QRect(368, 24, 121, 24));
    m_direction->addItems({ProjectTexts::horizontal, ProjectTexts::vertical});
    const int ys[] = {69, 135, 201, 269, 336, 405};
    for (int division = 1; division <= 6; ++division)
        buildRow(division, ys[division - 1]);
    QPushButton* cancelButton = button(this, QStringLiteral("SpeedButton2"), QStringLiteral("İPTAL"),
                                       QRect(572, 480, 80, 36), QStringLiteral(":/icons/exit.png"));
    QPushButton* okButton = button(this, QStringLiteral("SpeedButton1"), QStringLiteral("TAMAM"),
                                   QRect(658, 480, 80, 36), QStringLiteral(":/icons/measure.png"));
    connect(okButton, &QPushButton::clicked, this, &TForm2::ok);
    connect(cancelButton, &QPushButton::clicked, this, &TForm2::cancel);

    TDivisionEditor& editor = m_session.divisionEditor;
    connect(m_count, &QComboBox::activated, this, [this, &editor] {
        const QString count = m_count->currentText();
        m_run([&] { ChangeDivisionCount(editor, count, m_session.activeGroup, m_session.project.doorHeight); });
    });
    connect(m_direction, &QComboBox::activated, this, [this, &editor] {
        const QString direction = m_direction->currentText();
        m_run([&] { ChangeDivisionDirection(editor, direction, m_session.activeGroup, m_session.project.doorHeight); });
    });
    for (auto changed : {&TSessionEvents::projectReplaced, &TSessionEvents::listsChanged})
        connect(&m_session.events, changed, this, &TForm2::refresh);
}

void TForm2::buildRow(int division, int y) {
    using namespace Widgets;
    TRowWidgets& w = m_rows[division];
    w.box = new QGroupBox(QStringLiteral("%1. Bölme").arg(division), this);
    w.box->setObjectName(QStringLiteral("GroupBox%1").arg(division));
    w.box->setGeometry(168, y, 569, 64);
    QFont small = w.box->font();
    small.setPointSize(8);
    w.box->setFont(small);
    QWidget* b = w.box;
    // Each caption column is as wide as its longest caption at the box's font, so none is cut.
    const QFontMetrics metrics(small);
    auto columnWidth = [&metrics](const QString& a, const QString& c) {
        return qMax(metrics.horizontalAdvance(a), metrics.horizontalAdvance(c)) + 4;
    };
    const QString widthCaption = QStringLiteral("Bölme Eni (cm)      :");
    const QString heightCaption = QStringLiteral("Bölme Boyu (cm)   :");
    const QString kindCaption = QStringLiteral("Malzeme Cinsi       :");
    const QString nameCaption = QStringLiteral("Malzeme Adı         :");
    const int sizeCaptions = columnWidth(widthCaption, heightCaption);
    const int materialCaptions = columnWidth(kindCaption, nameCaption);
    int x = 6;
    label(b, widthCaption, QRect(x, 16, sizeCaptions, 20));
    label(b, heightCaption, QRect(x, 40, sizeCaptions, 20));
    x += sizeCaptions + 2;
    w.width = edit(b, QStringLiteral("en%1").arg(division), QRect(x, 16, 70, 20));
    w.height = edit(b, QStringLiteral("boy%1").arg(division), QRect(x, 40, 70, 20));
    x += 72;
    w.widthLock = check(b, QStringLiteral("enkilit%1").arg(division), QString(), QRect(x, 16, 20, 20));
    w.heightLock = check(b, QStringLiteral("boykilit%1").arg(division), QString(), QRect(x, 40, 20, 20));
    x += 24;
    label(b, kindCaption, QRect(x, 16, materialCaptions, 20));
    label(b, nameCaption, QRect(x, 40, materialCaptions, 20));
    x += materialCaptions + 2;
    w.kind = combo(b, QStringLiteral("cins%1").arg(division), QRect(x, 16, 100, 20));
    w.kind->addItems({ProjectTexts::panel, ProjectTexts::glass});
    w.name = combo(b, QStringLiteral("ad%1").arg(division), QRect(x, 40, 100, 20), true);
    x += 104;
    w.split = button(b, QStringLiteral("arabuton%1").arg(division), QStringLiteral("..."), QRect(522, 26, 40, 24));
    w.araBolme =
        check(b, QStringLiteral("ara%1").arg(division), QStringLiteral("Ara Bölme"), QRect(x, 28, 520 - x, 20));

    TDivisionEditor& editor = m_session.divisionEditor;
    auto sizeEdited = [this, division, &editor](TDimension dimension, const QString& text) {
        m_run([&] {
            EditDivisionSize(editor, division, dimension, text, m_session.activeGroup, m_session.project.doorHeight);
        });
    };
    connect(w.width, &QLineEdit::textEdited, this,
            [sizeEdited](const QString& t) { sizeEdited(TDimension::Width, t); });
    connect(w.height, &QLineEdit::textEdited, this,
            [sizeEdited](const QString& t) { sizeEdited(TDimension::Height, t); });
    auto lockClicked = [this, division, &editor](TDimension dimension, bool set) {
        m_run([&] {
            ToggleDivisionLock(editor, division, dimension, set, m_session.activeGroup, m_session.project.doorHeight);
        });
    };
    connect(w.widthLock, &QCheckBox::clicked, this, [lockClicked](bool set) { lockClicked(TDimension::Width, set); });
    connect(w.heightLock, &QCheckBox::clicked, this, [lockClicked](bool set) { lockClicked(TDimension::Height, set); });
    connect(w.kind, &QComboBox::currentTextChanged, this,
            [&editor, division](const QString& text) { editor.rows[division].kind = text; });
    connect(w.name, &QComboBox::currentTextChanged, this,
            [&editor, division](const QString& text) { editor.rows[division].name = text; });
    connect(w.araBolme, &QCheckBox::clicked, this, [this, division, &editor](bool set) {
        m_run([&] { SetAraBolme(editor, division, set, m_session.activeGroup, m_session.project.doorHeight); });
    });
    connect(w.split, &QPushButton::clicked, this, [this, division] { emit subDivisionEditorRequested(division); });
}

void TForm2::request(int door) {
    if (isVisible()) {
        Widgets::bringToFront(this);
        return;
    }
    if (RunGuarded([&] { RequestDivisionEditor(m_session.divisionEditor, m_session.project, door); })) open();
}

void TForm2::open() {
    TSession& s = m_session;
    m_run([&] { OpenDivisionEditor(s.divisionEditor, s.project, s.activeGroup); });
    Widgets::bringToFront(this);
}

void TForm2::refresh() {
    using namespace Widgets;
    const TDivisionEditor& editor = m_session.divisionEditor;
    setWindowTitle(editor.title);
    m_preview->setPixmap(QPixmap::fromImage(editor.preview));
    setComboText(m_count, editor.count);
    setComboText(m_direction, editor.direction);
    for (int division = 1; division <= 6; ++division) {
        const TDivisionRow& row = editor.rows[division];
        TRowWidgets& w = m_rows[division];
        w.box->setEnabled(row.enabled);
        setText(w.width, row.width);
        setText(w.height, row.height);
        setReadOnly(w.width, row.widthReadOnly);
        setReadOnly(w.height, row.heightReadOnly);
        setChecked(w.widthLock, row.widthLocked);
        setChecked(w.heightLock, row.heightLocked);
        w.widthLock->setEnabled(row.widthLockEnabled);
        w.heightLock->setEnabled(row.heightLockEnabled);
        setComboText(w.kind, row.kind);
        setItems(w.name, m_session.innerMaterialChoices);
        setComboText(w.name, row.name);
        setChecked(w.araBolme, row.araBolme);
        w.araBolme->setEnabled(row.araBolmeEnabled);
        w.split->setEnabled(row.splitButtonEnabled);
    }
}

void TForm2::ok() {
    TSession& s = m_session;
    m_run([&] { ConfirmDivisionEditor(s.divisionEditor, s.project, s.doorImages); }, &TSessionEvents::projectChanged);
    hide();
    emit confirmed();
}

void TForm2::cancel() {
    hide();
}
