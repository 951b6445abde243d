#include "ui/DatabasePage.h"

#include "model/Messages.h"
#include "records/OrderDatabase.h"
#include "session/Session.h"
#include "settings/PgPassFile.h"
#include "ui/Widgets.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

TDatabasePage::TDatabasePage(TSession& session, QWidget* parent) : QWidget(parent), m_session(session) {
    using namespace Widgets;
    setObjectName(QStringLiteral("TabSheet3"));
    label(this, QStringLiteral("Siparişler ve müşteriler nerede saklansın?"), QRect(16, 12, 420, 24), true);
    m_local = new QRadioButton(QStringLiteral("Bu bilgisayarda (yerel dosya)"), this);
    m_local->setObjectName(QStringLiteral("RadioButton1"));
    m_local->setGeometry(24, 44, 400, 24);
    m_server = new QRadioButton(QStringLiteral("Sunucuda (PostgreSQL)"), this);
    m_server->setObjectName(QStringLiteral("RadioButton2"));
    m_server->setGeometry(24, 72, 400, 24);
    auto* choice = new QButtonGroup(this);
    choice->addButton(m_local);
    choice->addButton(m_server);

    const int labelX = 48, entryX = 190;
    label(this, QStringLiteral("Sunucu :"), QRect(labelX, 108, 136, 24));
    m_host = edit(this, QStringLiteral("DbHost"), QRect(entryX, 108, 300, 24));
    label(this, QStringLiteral("Port :"), QRect(labelX, 140, 136, 24));
    m_port = edit(this, QStringLiteral("DbPort"), QRect(entryX, 140, 80, 24));
    label(this, QStringLiteral("Veritabanı adı :"), QRect(labelX, 172, 136, 24));
    m_database = edit(this, QStringLiteral("DbName"), QRect(entryX, 172, 200, 24));
    label(this, QStringLiteral("Kullanıcı :"), QRect(labelX, 204, 136, 24));
    m_user = edit(this, QStringLiteral("DbUser"), QRect(entryX, 204, 200, 24));
    label(this, QStringLiteral("Parola :"), QRect(labelX, 236, 136, 24));
    m_password = edit(this, QStringLiteral("DbPassword"), QRect(entryX, 236, 200, 24));
    m_password->setEchoMode(QLineEdit::Password);
    auto* note = label(this,
                       QStringLiteral("Parola programın ayarlarına yazılmaz: PostgreSQL'in kendi parola dosyasında "
                                      "(%1) yalnız sizin okuyabileceğiniz biçimde saklanır.")
                           .arg(PgPassFile::shownName()),
                       QRect(labelX, 268, 620, 40));
    note->setWordWrap(true);
    m_test = button(this, QStringLiteral("DbTest"), QStringLiteral("Bağlantıyı Sına"), QRect(entryX, 320, 160, 30));
    QPushButton* save = button(this, QStringLiteral("DbSave"), QStringLiteral("Kaydet"), QRect(470, 482, 100, 30),
                               QStringLiteral(":/icons/save.png"));
    QPushButton* close = button(this, QStringLiteral("DbClose"), QStringLiteral("Kapat"), QRect(582, 482, 100, 30),
                                QStringLiteral(":/icons/exit.png"));

    connect(m_local, &QRadioButton::toggled, this, &TDatabasePage::enableServerEntries);
    connect(m_test, &QPushButton::clicked, this, [this] {
        RunGuarded(
            [this] { TMessages::showMessage(OrderDatabase::testServerConnection(entries(), m_password->text())); });
    });
    connect(save, &QPushButton::clicked, this, [this] {
        RunGuarded([this] {
            SaveDatabaseSettings(*m_session.store, entries(), m_password->text(), PgPassFile::defaultPath());
            m_password->clear();
            TMessages::showMessage(DatabaseSettingsTexts::restart);
        });
    });
    connect(close, &QPushButton::clicked, this, [this] { window()->hide(); });
    refresh();
}

void TDatabasePage::refresh() {
    const TDatabaseSettings stored = LoadDatabaseSettings(*m_session.store);
    (stored.onServer() ? m_server : m_local)->setChecked(true);
    m_host->setText(stored.host);
    m_port->setText(QString::number(stored.port));
    m_database->setText(stored.database);
    m_user->setText(stored.user);
    m_password->clear();
    enableServerEntries();
}

void TDatabasePage::showEvent(QShowEvent* event) {
    refresh();
    QWidget::showEvent(event);
}

TDatabaseSettings TDatabasePage::entries() const {
    TDatabaseSettings settings;
    settings.engine = m_server->isChecked() ? TDatabaseSettings::Engine::Server : TDatabaseSettings::Engine::LocalFile;
    settings.host = m_host->text().trimmed();
    settings.port = PortOf(m_port->text());
    settings.database = m_database->text().trimmed();
    settings.user = m_user->text().trimmed();
    return settings;
}

void TDatabasePage::enableServerEntries() {
    const bool server = m_server->isChecked();
    for (QLineEdit* entry : {m_host, m_port, m_database, m_user, m_password})
        entry->setEnabled(server);
    m_test->setEnabled(server);
}
