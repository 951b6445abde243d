#include "ui/HelpWindow.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

THelpWindow::THelpWindow(const QString& page, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Like a browser window, an open help window does not keep the program running.
    setAttribute(Qt::WA_QuitOnClose, false);
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this] { setWindowTitle(m_browser->documentTitle()); });
    m_browser->setSource(QUrl::fromLocalFile(page));
    resize(900, 730);
}
