#include "ui/Unit8.h"

#include "model/Messages.h"
#include "model/StoredText.h"
#include "session/OrderSave.h"
#include "session/ReopenOrder.h"
#include "session/Session.h"
#include "ui/Widgets.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

TForm8::TForm8(TSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      m_session(session) {
    using namespace Widgets;
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Kaydet"));
    setFixedSize(372, 318);
    TOrderSave& form = m_session.orderSave;

    auto* customerGroup = new QGroupBox(QStringLiteral(" Müşteri Bilgileri "), this);
    customerGroup->setObjectName(QStringLiteral("GroupBox1"));
    customerGroup->setGeometry(8, 8, 356, 122);
    label(customerGroup, QStringLiteral("Müşteri Adı"), QRect(12, 26, 100, 24));
    m_customer = combo(customerGroup, QStringLiteral("ComboBox1"), QRect(116, 26, 228, 24));
    label(customerGroup, QStringLiteral("Sipariş Tutarı"), QRect(12, 56, 100, 24));
    m_amount = edit(customerGroup, QStringLiteral("Edit1"), QRect(116, 56, 228, 24));
    label(customerGroup, QStringLiteral("NOT"), QRect(12, 86, 100, 24));
    m_note = edit(customerGroup, QStringLiteral("Edit2"), QRect(116, 86, 228, 24));
    m_note->setMaxLength(StoredText::NoteLength);

    auto* balanceGroup = new QGroupBox(QStringLiteral(" Bakiye "), this);
    balanceGroup->setObjectName(QStringLiteral("GroupBox2"));
    balanceGroup->setGeometry(8, 138, 356, 122);
    label(balanceGroup, QStringLiteral("Genel Toplam"), QRect(12, 26, 100, 24));
    m_total = edit(balanceGroup, QStringLiteral("Edit3"), QRect(116, 26, 228, 24));
    label(balanceGroup, QStringLiteral("Alınan"), QRect(12, 56, 100, 24));
    m_received = edit(balanceGroup, QStringLiteral("Edit4"), QRect(116, 56, 228, 24));
    label(balanceGroup, QStringLiteral("Kalan"), QRect(12, 86, 100, 24), true);
    m_remaining = edit(balanceGroup, QStringLiteral("Edit5"), QRect(116, 86, 228, 24));
    QFont bold = m_remaining->font();
    bold.setBold(true);
    m_remaining->setFont(bold);

    // The extra items are kept with the order but their group is never shown.
    auto* extraGroup = new QGroupBox(QStringLiteral("Siparişe İleve Edilenler"), this);
    extraGroup->setObjectName(QStringLiteral("GroupBox3"));
    extraGroup->setGeometry(8, 8, 356, 200);
    extraGroup->hide();
    const QString nameCaptions[] = {QStringLiteral("ilave 1 "), QStringLiteral("ilave 2"), QStringLiteral("ilave 3")};
    const QString amountCaptions[] = {QStringLiteral("ilave 1 tutar"), QStringLiteral("ilave2 tutar"),
                                      QStringLiteral("ilave 3 tutar")};
    for (int i = 0; i < 3; ++i) {
        label(extraGroup, nameCaptions[i], QRect(12, 26 + i * 60, 100, 24));
        m_extraNames[i] = edit(extraGroup, QStringLiteral("Edit%1").arg(6 + 2 * i), QRect(116, 26 + i * 60, 228, 24));
        m_extraNames[i]->setMaxLength(StoredText::ExtraNameLength);
        label(extraGroup, amountCaptions[i], QRect(12, 52 + i * 60, 100, 24));
        m_extraAmounts[i] = edit(extraGroup, QStringLiteral("Edit%1").arg(7 + 2 * i), QRect(116, 52 + i * 60, 228, 24));
        connect(m_extraNames[i], &QLineEdit::textEdited, this,
                [&form, i](const QString& text) { form.extraNames[i] = text; });
        connect(m_extraAmounts[i], &QLineEdit::textEdited, this,
                [&form, i](const QString& text) { form.extraAmounts[i] = text; });
        connect(m_extraAmounts[i], &QLineEdit::editingFinished, this, [this] { runRule(&OrderAmountLeft); });
    }
    m_customerNo = edit(this, QStringLiteral("Edit12"), QRect(0, 0, 10, 10));
    m_customerNo->hide();
    m_orderNo = edit(this, QStringLiteral("Edit13"), QRect(0, 0, 10, 10));
    m_orderNo->hide();

    QPushButton* saveButton = button(this, QStringLiteral("Button1"), QStringLiteral("Kaydet"),
                                     QRect(112, 272, 120, 34), QStringLiteral(":/icons/save.png"));
    QPushButton* cancelButton =
        button(this, QStringLiteral("Button2"), QStringLiteral("İptal"), QRect(244, 272, 120, 34));

    connect(m_customer, &QComboBox::activated, this, [this](int index) {
        ChooseCustomer(m_session.orderSave, index);
        refresh();
    });
    connect(m_amount, &QLineEdit::textEdited, this, [this, &form](const QString& text) {
        form.orderAmount = text;
        runRule(&OrderAmountChanged);
    });
    connect(m_amount, &QLineEdit::editingFinished, this, [this] { runRule(&OrderAmountLeft); });
    connect(m_note, &QLineEdit::textEdited, this, [&form](const QString& text) { form.note = text; });
    connect(m_total, &QLineEdit::textEdited, this, [this, &form](const QString& text) {
        form.grandTotal = text;
        runRule(&GrandTotalChanged);
    });
    connect(m_received, &QLineEdit::textEdited, this, [this, &form](const QString& text) {
        form.received = text;
        runRule(&ReceivedChanged);
    });
    connect(m_received, &QLineEdit::returnPressed, this, [this] { runRule(&ReceivedChanged); });
    connect(m_remaining, &QLineEdit::textEdited, this, [&form](const QString& text) { form.remaining = text; });
    connect(saveButton, &QPushButton::clicked, this, &TForm8::save);
    connect(cancelButton, &QPushButton::clicked, this, &QWidget::close);
    connect(&m_session.events, &TSessionEvents::customersChanged, this, &TForm8::reloadCustomers);
    connect(&m_session.events, &TSessionEvents::projectReplaced, this, &TForm8::refresh);
}

void TForm8::open() {
    if (!RunGuarded([this] { ShowSaveDialog(m_session.orderSave, m_session.project); })) return;
    refresh();
    Widgets::bringToFront(this);
}

void TForm8::runRule(void (*rule)(TOrderSave&)) {
    RunGuarded([this, rule] { rule(m_session.orderSave); });
    refresh();
}

void TForm8::reloadCustomers() {
    TOrderSave& form = m_session.orderSave;
    const int chosen = form.customerIndex >= 0 ? form.customers[form.customerIndex].mno : 0;
    RunGuarded([&] {
        form.customers = CustomerStore::all();
        const int kept = CustomerIndex(form.customers, chosen);
        ChooseCustomer(form, kept >= 0 ? kept : (form.customers.isEmpty() ? -1 : 0));
    });
    refresh();
}

void TForm8::save() {
    TSession& s = m_session;
    const auto reopenStored = [&s](int sno) { ReopenOrder(s, sno); };
    if (RunGuarded([&] { SaveOrder(s.project, s.orderSave, reopenStored); })) {
        hide();
    } else if (!HasCustomer(s.orderSave)) {
        // Refused for want of a customer: the customer list opens to enter one.
        hide();
        emit customerListRequested();
    }
}

void TForm8::refresh() {
    using namespace Widgets;
    const TOrderSave& form = m_session.orderSave;
    {
        const QSignalBlocker blocker(m_customer);
        QStringList names;
        for (const TCustomer& customer : form.customers)
            names << customer.name;
        m_customer->clear();
        m_customer->addItems(names);
        m_customer->setCurrentIndex(form.customerIndex);
    }
    setText(m_amount, form.orderAmount);
    setText(m_note, form.note);
    setText(m_total, form.grandTotal);
    setText(m_received, form.received);
    setText(m_remaining, form.remaining);
    for (int i = 0; i < 3; ++i) {
        setText(m_extraNames[i], form.extraNames[i]);
        setText(m_extraAmounts[i], form.extraAmounts[i]);
    }
    setText(m_customerNo, form.customerNo);
    setText(m_orderNo, form.orderNo);
}
