#include "ui/Unit9.h"

#include "model/Clock.h"
#include "model/Messages.h"
#include "production/Fonts.h"
#include "production/OrderListReport.h"
#include "records/CustomerStore.h"
#include "records/OrderListCount.h"
#include "session/Session.h"
#include "ui/DateEntry.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTableView>

namespace {
constexpr int GridTop = 100;
} // namespace

TForm9::TForm9(TSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window), m_session(session), m_listing(&session.events) {
    using namespace Widgets;
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral("Sipariş Listesi"));
    resize(1000, 600);

    m_group = new QGroupBox(this);
    m_group->setObjectName(QStringLiteral("GroupBox1"));
    m_group->setGeometry(15, 8, width() - 30, 84);
    m_allCustomers = check(m_group, QStringLiteral("CheckBox1"), QStringLiteral("Bütün Müşterileri Listele"),
                           QRect(12, 14, 200, 22));
    label(m_group, QStringLiteral("Müşteri Listesi"), QRect(12, 46, 90, 24));
    m_customer = combo(m_group, QStringLiteral("ComboBox1"), QRect(104, 46, 220, 24), true);
    m_allDates =
        check(m_group, QStringLiteral("CheckBox2"), QStringLiteral("Bütün Tarihleri Listele"), QRect(350, 14, 200, 22));
    auto dateEdit = [this](const QString& name, const QRect& geometry) {
        auto* edit = new TDateEntry(Clock::today(), m_group);
        edit->setObjectName(name);
        edit->setGeometry(geometry);
        return edit;
    };
    label(m_group, QStringLiteral("Başlangıç Tarihi"), QRect(350, 46, 100, 24));
    m_start = dateEdit(QStringLiteral("DateTimePicker1"), QRect(452, 46, 110, 24));
    label(m_group, QStringLiteral("Bitiş Tarihi"), QRect(576, 46, 76, 24));
    m_end = dateEdit(QStringLiteral("DateTimePicker2"), QRect(654, 46, 110, 24));
    m_allCustomers->setChecked(true);
    m_allDates->setChecked(true);
    m_customer->setEnabled(false);
    m_start->setEnabled(false);
    m_end->setEnabled(false);

    QPushButton* listButton = button(this, QStringLiteral("Button1"), QStringLiteral("Listele"), QRect(0, 0, 100, 30),
                                     QStringLiteral(":/icons/list.png"));
    QPushButton* editButton = button(this, QStringLiteral("Button2"), QStringLiteral("Düzenle"), QRect(0, 0, 100, 30));
    QPushButton* deleteButton = button(this, QStringLiteral("Button3"), QStringLiteral("Sil"), QRect(0, 0, 100, 30));
    QPalette red = deleteButton->palette();
    red.setColor(QPalette::ButtonText, Qt::red);
    deleteButton->setPalette(red);
    QPushButton* printButton = button(this, QStringLiteral("Button4"), QStringLiteral("Yazdır"), QRect(0, 0, 100, 30),
                                      QStringLiteral(":/icons/print.png"));
    int x = 790;
    for (QPushButton* b : {listButton, editButton, deleteButton, printButton}) {
        b->setParent(m_group);
        b->setGeometry(x, 30, 96, 34);
        x += 104;
    }

    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setModel(&m_listing);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    // The captions and figures fit the column widths in the grid's small type.
    const QFont small = Fonts::arial(11);
    m_grid->setFont(small);
    m_grid->horizontalHeader()->setFont(small);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(20);
    m_grid->horizontalHeader()->setDefaultSectionSize(64);
    m_grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    const int widths[TOrderListing::ColumnCount] = {39, 150, 100, 41, 43, 56, 64, 68, 64, 64, 64, 250};
    for (int column = 0; column < TOrderListing::ColumnCount; ++column)
        m_grid->setColumnWidth(column, widths[column]);
    // After every run of the query the first order is the selected one.
    connect(&m_listing, &QAbstractItemModel::modelReset, this, [this] {
        fitFigureColumns(0, m_listing.rowCount() - 1);
        if (m_listing.rowCount() > 0) m_grid->setCurrentIndex(m_listing.index(0, 0));
    });
    connect(&m_listing, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { fitFigureColumns(first, last); });

    connect(m_allCustomers, &QCheckBox::toggled, m_customer, [this](bool all) { m_customer->setEnabled(!all); });
    connect(m_allDates, &QCheckBox::toggled, this, [this](bool all) {
        m_start->setEnabled(!all);
        m_end->setEnabled(!all);
    });
    connect(listButton, &QPushButton::clicked, this, &TForm9::list);
    connect(editButton, &QPushButton::clicked, this, &TForm9::edit);
    connect(deleteButton, &QPushButton::clicked, this, &TForm9::remove);
    connect(printButton, &QPushButton::clicked, this, &TForm9::print);
    connect(&m_session.events, &TSessionEvents::customersChanged, this, [this] {
        if (isVisible()) RunGuarded([this] { fillCustomers(); });
    });
}

TForm9::~TForm9() = default;

void TForm9::open() {
    // Orders and customers are read as one: a database that cannot be read gives its message once
    // and no window that looks as if the orders were gone.
    if (!RunGuarded([this] {
            m_listing.run(TOrderListFilter());
            fillCustomers();
        }))
        return;
    setWindowState(windowState() | Qt::WindowMaximized);
    Widgets::bringToFront(this);
}

void TForm9::fillCustomers() {
    m_customersRead = false;
    QStringList names;
    for (const TCustomer& customer : CustomerStore::all())
        names << customer.name;
    m_customersRead = true;
    Widgets::setItems(m_customer, names);
    // The first showing chooses the first customer; later ones keep the chosen or typed name.
    if ((!m_shownBefore || m_customer->currentText().isEmpty()) && !names.isEmpty())
        Widgets::setComboText(m_customer, names.first());
    m_shownBefore = true;
}

TOrderListFilter TForm9::filterOfControls() const {
    TOrderListFilter filter;
    filter.allCustomers = m_allCustomers->isChecked();
    filter.customer = m_customer->currentText();
    filter.allDates = m_allDates->isChecked();
    filter.start = m_start->date();
    filter.end = m_end->date();
    return filter;
}

int TForm9::currentRow() const {
    return m_grid->currentIndex().isValid() ? m_grid->currentIndex().row() : -1;
}

void TForm9::list() {
    RunGuarded([this] {
        m_listing.run(filterOfControls());
        // A customer choice that could not be read before is read with the orders.
        if (!m_customersRead) fillCustomers();
    });
}

void TForm9::edit() {
    bool reopened = false;
    RunGuarded([&] { reopened = EditListedOrder(m_session, m_listing, currentRow()); });
    if (reopened) close();
}

void TForm9::remove() {
    RunGuarded([this] { DeleteListedOrder(m_listing, currentRow()); });
}

void TForm9::print() {
    QList<TOrderListRow> rows;
    bool wanted = false;
    RunGuarded([&] {
        // Counted first: a list too long to preview in a moment is not read before the operator says so.
        wanted = OrderListReport::confirmLength(OrderList::count(m_listing.filter()));
        if (wanted) rows = m_listing.allRows();
    });
    if (wanted) emit reportRequested(rows);
}

void TForm9::fitFigureColumns(int first, int last) {
    // Order numbers and amounts are shown whole: a column too narrow for a listed figure grows.
    const QFontMetrics metrics(m_grid->font());
    const int margins = 2 * (m_grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_grid) + 1) + 4;
    for (int column : {TOrderListing::No, TOrderListing::En, TOrderListing::Boy, TOrderListing::Kapak,
                       TOrderListing::Tutar, TOrderListing::Alinan, TOrderListing::Kalan}) {
        int widest = m_grid->columnWidth(column);
        for (int row = first; row <= last; ++row)
            widest =
                std::max(widest, metrics.horizontalAdvance(m_listing.index(row, column).data().toString()) + margins);
        if (widest > m_grid->columnWidth(column)) m_grid->setColumnWidth(column, widest);
    }
}

void TForm9::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_group->setGeometry(15, 8, width() - 30, 84);
    m_grid->setGeometry(15, GridTop, width() - 30, height() - 140);
}
