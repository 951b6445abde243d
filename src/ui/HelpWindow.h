#pragma once

#include <QWidget>

class QTextBrowser;

// A window of its own showing the help page, 900 × 730 pixels, titled after the page. Its links to
// other parts of the page and to pictures beside it work without a web browser; addresses on the
// web go to the desktop's browser. Closing it deletes it.
class THelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit THelpWindow(const QString& page, QWidget* parent = nullptr);
    QTextBrowser* browser() const { return m_browser; }

private:
    QTextBrowser* m_browser = nullptr;
};
