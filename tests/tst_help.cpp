#include "support/TestSupport.h"
#include "support/WindowTestSupport.h"
#include "ui/HelpCommands.h"
#include "ui/HelpWindow.h"
#include "ui/Unit1.h"
#include "ui/Unit12.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextEdit>
#include <QToolButton>
#include <QWindow>
#include <QtTest>

using Operator::find;

namespace {
const QString shippedHelp = QStringLiteral(DORAVEL_HELP_SOURCE);

void writeFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QByteArray();
    return file.readAll();
}
} // namespace

class TestHelp : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void missingPageShowsTheMessageAndOpensNothing();
    void everyHelpCommandOpensAFurtherWindow();
    void helpWindowShowsTheShippedPageWithItsPictures();
    void shippedPageLinksAndPicturesResolve();
    void aboutWindowShowsTheProductAndItsMaker();
    void aboutCommandsShowOneWindowThatClosingHides();

private:
    THelpCommands* commands() const { return program->windows->help(); }
    void pressF1() {
        program->form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(program->form));
        QTest::keyClick(program->form, Qt::Key_F1);
    }
    std::unique_ptr<TRunningProgram> program;
};

void TestHelp::init() {
    program = std::make_unique<TRunningProgram>();
    program->start();
}

void TestHelp::cleanup() {
    program.reset();
}

void TestHelp::missingPageShowsTheMessageAndOpensNothing() {
    pressF1();
    find<QAction>(program->form, "toolHelp")->trigger();
    QCOMPARE(program->messages.shown, (QStringList{QStringLiteral("Yardım Dosyası Bulunamıyor !"),
                                                   QStringLiteral("Yardım Dosyası Bulunamıyor !")}));
    QVERIFY(commands()->helpWindows().isEmpty());
    QVERIFY(!program->form->findChild<THelpWindow*>());
}

void TestHelp::everyHelpCommandOpensAFurtherWindow() {
    writeFile(program->folder.path() + QStringLiteral("/dv3_help/help.htm"),
              QByteArrayLiteral("<html><head><meta charset=\"utf-8\"><title>Doravel 3 Yardım</title></head>"
                                "<body><h1>Yardım</h1></body></html>"));
    pressF1();
    QCOMPARE(commands()->helpWindows().size(), 1);
    THelpWindow* first = commands()->helpWindows().first();
    QVERIFY(first->isVisible());
    // 900 × 730, made smaller where the screen is (the test screen is 800 wide), its frame on the screen.
    const QRect screen = first->screen()->availableGeometry();
    QCOMPARE(first->size(), QSize(900, 730).boundedTo(screen.size().shrunkBy(first->windowHandle()->frameMargins())));
    QVERIFY(screen.contains(first->frameGeometry()));
    QCOMPARE(first->windowTitle(), QStringLiteral("Doravel 3 Yardım"));
    QVERIFY(find<QTextBrowser>(first, "HelpBrowser")->toPlainText().contains(QStringLiteral("Yardım")));

    pressF1();
    QCOMPARE(commands()->helpWindows().size(), 2);
    find<QAction>(program->form, "actionHelp")->trigger();
    find<QAction>(program->form, "toolHelp")->trigger();
    const QList<THelpWindow*> windows = commands()->helpWindows();
    QCOMPARE(windows.size(), 4);
    for (THelpWindow* window : windows) {
        QVERIFY(window->isVisible());
        QCOMPARE(window->size(), first->size());
    }
    QVERIFY(program->messages.shown.isEmpty());

    // A closed help window is gone; the others stay.
    QPointer<THelpWindow> closed = windows.first();
    closed->close();
    QTRY_VERIFY(closed.isNull());
    QCOMPARE(commands()->helpWindows().size(), 3);
}

void TestHelp::helpWindowShowsTheShippedPageWithItsPictures() {
    THelpWindow window(shippedHelp + QStringLiteral("/help.htm"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral("Doravel 3 Yardım"));
    QTextDocument* page = window.browser()->document();
    int pictures = 0;
    for (QTextBlock block = page->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat()) continue;
            const QString name = format.toImageFormat().name();
            const QVariant image = page->resource(QTextDocument::ImageResource, QUrl(name));
            QVERIFY2(image.isValid() && !image.value<QImage>().isNull(), qPrintable(name));
            ++pictures;
        }
    }
    QVERIFY(pictures > 0);

    // A link inside the page moves there; Alt+Left goes back to where the reader was.
    window.browser()->setSource(QUrl(QStringLiteral("#ayarlar")));
    QCOMPARE(window.browser()->source().fragment(), QStringLiteral("ayarlar"));
    QVERIFY(window.browser()->verticalScrollBar()->value() > 0);
    QTest::keyClick(window.browser(), Qt::Key_Left, Qt::AltModifier);
    QVERIFY(window.browser()->source().fragment().isEmpty());
    QCOMPARE(window.windowTitle(), QStringLiteral("Doravel 3 Yardım"));
}

void TestHelp::shippedPageLinksAndPicturesResolve() {
    const QString html = QString::fromUtf8(readFile(shippedHelp + QStringLiteral("/help.htm")));
    QVERIFY(!html.isEmpty());
    QSet<QString> anchors;
    const QRegularExpression anchor(QStringLiteral(R"re((?:id|name)\s*=\s*"([^"]+)")re"));
    for (const QRegularExpressionMatch& m : anchor.globalMatch(html))
        anchors << m.captured(1);
    const QRegularExpression reference(QStringLiteral(R"re((href|src)\s*=\s*"([^"]*)")re"));
    int links = 0;
    for (const QRegularExpressionMatch& m : reference.globalMatch(html)) {
        const QString target = m.captured(2);
        ++links;
        if (target.startsWith(QLatin1String("https://")) || target.startsWith(QLatin1String("mailto:"))) continue;
        if (target.startsWith(QLatin1Char('#'))) {
            QVERIFY2(anchors.contains(target.mid(1)), qPrintable(target));
            continue;
        }
        QVERIFY2(!target.isEmpty() && !target.contains(QLatin1Char(':')), qPrintable(target));
        QVERIFY2(QFileInfo(shippedHelp + QLatin1Char('/') + target).isFile(), qPrintable(target));
        if (m.captured(1) == QLatin1String("src"))
            QVERIFY2(!QImage(shippedHelp + QLatin1Char('/') + target).isNull(), qPrintable(target));
    }
    QVERIFY(links > 10);
    // Every picture kept beside the page is shown on it.
    for (const QString& file : QDir(shippedHelp).entryList({QStringLiteral("*.png")}, QDir::Files))
        QVERIFY2(html.contains(QStringLiteral("src=\"%1\"").arg(file)), qPrintable(file));
}

void TestHelp::aboutWindowShowsTheProductAndItsMaker() {
    TForm12* about = commands()->aboutWindow();
    QCOMPARE(about->windowTitle(), QStringLiteral("Doravel3 Hakkında"));
    QCOMPARE(about->size(), QSize(456, 290));
    auto* product = find<QTextEdit>(about, "Memo1");
    QVERIFY(product->isReadOnly());
    QCOMPARE(product->frameShape(), QFrame::NoFrame);
    const QStringList lines = product->toPlainText().split(QLatin1Char('\n'));
    QVERIFY(lines.size() > 2);
    QCOMPARE(lines[0], QStringLiteral("Doravel 3 "));
    QCOMPARE(lines[1], QStringLiteral("Raylı Kapak Tasarım ve Üretim Programı"));
    QVERIFY(lines.mid(2).join(QString()).contains(QStringLiteral("hakları saklıdır")));
    auto* contact = find<QTextEdit>(about, "Memo2");
    QVERIFY(contact->isReadOnly());
    QVERIFY(contact->toPlainText().contains(QStringLiteral("www.merkona.com.tr")));
    for (QTextEdit* box : {product, contact})
        for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next())
            QCOMPARE(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    auto* logo = find<QLabel>(about, "Image1");
    QCOMPARE(logo->geometry().topLeft().x() < product->x(), true);
    QCOMPARE(logo->size(), QSize(105, 105));
    QCOMPARE(logo->pixmap().size(), QSize(105, 105));
    auto* picture = find<QLabel>(about, "Image2");
    QCOMPARE(picture->size(), QSize(104, 120));
    QCOMPARE(picture->pixmap().size(), QSize(104, 120));
    QVERIFY(picture->x() > contact->geometry().right());
}

void TestHelp::aboutCommandsShowOneWindowThatClosingHides() {
    TForm12* about = commands()->aboutWindow();
    QVERIFY(!about->isVisible());
    find<QAction>(program->form, "actionAbout")->trigger();
    QVERIFY(about->isVisible());
    QCOMPARE(about->windowModality(), Qt::NonModal);
    const QPoint desktopCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
    QVERIFY((about->frameGeometry().center() - desktopCentre).manhattanLength() <= 1);
    QVERIFY(about->close());
    QVERIFY(!about->isVisible());
    QCOMPARE(commands()->aboutWindow(), about);
    find<QToolButton>(program->form, "aboutButton")->click();
    QVERIFY(about->isVisible());
    const QWidgetList topLevel = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(topLevel.begin(), topLevel.end(), [](QWidget* w) { return qobject_cast<TForm12*>(w); }), 1);
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
