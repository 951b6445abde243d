#include "ui/Unit11.h"

#include "model/Messages.h"
#include "model/NumberText.h"
#include "model/StoredText.h"
#include "session/Session.h"
#include "ui/Widgets.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

TForm11::TForm11(TSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      m_session(session) {
    using namespace Widgets;
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(QStringLiteral("Müşteri Listesi"));
    setFixedSize(640, 380);

    m_grid = new QTableWidget(0, 1, this);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setGeometry(8, 8, 300, 320);
    m_grid->setHorizontalHeaderLabels({QStringLiteral("Müşteri Adı")});
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->verticalHeader()->hide();
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);

    QFont bold = font();
    bold.setBold(true);
    label(this, QStringLiteral("Müşteri Adı"), QRect(320, 12, 90, 24));
    m_name = edit(this, QStringLiteral("DBEdit1"), QRect(414, 12, 218, 24));
    m_name->setMaxLength(StoredText::NameLength);
    label(this, QStringLiteral("Müşteri No"), QRect(320, 44, 90, 24));
    m_number = edit(this, QStringLiteral("DBEdit2"), QRect(414, 44, 100, 24), true);
    m_number->setFont(bold);
    label(this, QStringLiteral("Bakiye"), QRect(320, 76, 90, 24));
    m_balance = edit(this, QStringLiteral("DBEdit3"), QRect(414, 76, 140, 24), true);
    m_balance->setFont(bold);
    label(this, QStringLiteral("Tel"), QRect(320, 108, 90, 24));
    m_tel = edit(this, QStringLiteral("DBEdit4"), QRect(414, 108, 140, 24));
    m_tel->setMaxLength(StoredText::TelLength);
    label(this, QStringLiteral("Adres"), QRect(320, 140, 90, 24));
    m_adres = new QPlainTextEdit(this);
    m_adres->setObjectName(QStringLiteral("DBMemo1"));
    m_adres->setGeometry(414, 140, 218, 120);

    QPushButton* newButton = button(this, QStringLiteral("Button1"), QStringLiteral("Yeni Müşteri"),
                                    QRect(8, 338, 130, 34), QStringLiteral(":/icons/new.png"));
    QPushButton* saveButton = button(this, QStringLiteral("Button2"), QStringLiteral("Kaydet"),
                                     QRect(146, 338, 130, 34), QStringLiteral(":/icons/save.png"));
    QPushButton* closeButton = button(this, QStringLiteral("Button3"), QStringLiteral("Kapat"),
                                      QRect(502, 338, 130, 34), QStringLiteral(":/icons/exit.png"));

    connect(newButton, &QPushButton::clicked, this, [this] {
        run([this] { NewCustomer(m_list); });
        m_name->setFocus();
    });
    connect(saveButton, &QPushButton::clicked, this, &TForm11::save);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(m_name, &QLineEdit::textEdited, this,
            [this](const QString& text) { run([&] { EditCustomer(m_list, TCustomerList::Name, text); }); });
    connect(m_tel, &QLineEdit::textEdited, this,
            [this](const QString& text) { run([&] { EditCustomer(m_list, TCustomerList::Tel, text); }); });
    connect(m_adres, &QPlainTextEdit::textChanged, this, [this] {
        const QString text = m_adres->toPlainText();
        run([&] { EditCustomer(m_list, TCustomerList::Adres, text); });
    });
    // Another seat's customer, or a balance an order changed, shows at once in an open list.
    connect(&m_session.events, &TSessionEvents::customersChanged, this, [this] {
        if (isVisible()) run([this] { ReloadCustomerList(m_list); });
    });
    connect(m_grid, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row == m_list.current) return;
        run([&] { MoveToCustomer(m_list, row); });
    });
    connect(m_grid, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        const int row = item->row();
        const QString text = item->text();
        run([&] {
            MoveToCustomer(m_list, row);
            EditCustomer(m_list, TCustomerList::Name, text);
        });
    });
}

void TForm11::open() {
    // A table that cannot be read gives its message and no empty list.
    if (!RunGuarded([this] { OpenCustomerList(m_list); })) return;
    refresh();
    Widgets::bringToFront(this);
}

void TForm11::run(const std::function<void()>& operation) {
    RunGuarded(operation);
    refresh();
}

void TForm11::save() {
    run([this] { PostCustomer(m_list); });
}

void TForm11::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    CloseCustomerList(m_list);
}

void TForm11::refresh() {
    using namespace Widgets;
    {
        const QSignalBlocker blocker(m_grid);
        m_grid->setRowCount(int(m_list.rows.size()));
        for (int row = 0; row < m_list.rows.size(); ++row) {
            QTableWidgetItem* item = m_grid->item(row, 0);
            if (!item) {
                item = new QTableWidgetItem;
                m_grid->setItem(row, 0, item);
            }
            item->setText(m_list.rows[row].name);
        }
        if (m_list.current >= 0) m_grid->setCurrentCell(m_list.current, 0);
    }
    const bool any = m_list.current >= 0;
    const TCustomer customer = any ? m_list.rows[m_list.current] : TCustomer();
    setText(m_name, customer.name);
    setText(m_number, any ? QString::number(customer.mno) : QString());
    setText(m_balance, any ? NumberText::fromFloat(customer.bakiye) : QString());
    setText(m_tel, customer.tel);
    if (m_adres->toPlainText() != customer.adres) {
        const QSignalBlocker blocker(m_adres);
        m_adres->setPlainText(customer.adres);
    }
}
