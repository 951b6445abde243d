#include "ui/Unit12.h"

#include "ui/Widgets.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace {

QTextEdit* textBox(QWidget* parent, const QString& name, const QStringList& lines, const QRect& geometry) {
    auto* box = new QTextEdit(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setReadOnly(true);
    box->setPlainText(lines.join(QLatin1Char('\n')));
    QTextCursor all(box->document());
    all.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    all.mergeBlockFormat(centred);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return box;
}

QLabel* picture(QWidget* parent, const QString& name, const QString& file, const QRect& geometry) {
    auto* image = new QLabel(parent);
    image->setObjectName(name);
    image->setPixmap(QPixmap(file));
    image->setGeometry(geometry);
    return image;
}

} // namespace

TForm12::TForm12(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint) {
    setObjectName(QStringLiteral("Form12"));
    setWindowTitle(QStringLiteral("Doravel3 Hakkında"));
    setFixedSize(456, 290);

    picture(this, QStringLiteral("Image1"), QStringLiteral(":/pictures/logo.jpg"), QRect(12, 12, 105, 105));
    QTextEdit* product =
        textBox(this, QStringLiteral("Memo1"),
                {QStringLiteral("Doravel 3 "), QStringLiteral("Raylı Kapak Tasarım ve Üretim Programı"), QString(),
                 QStringLiteral("© 2026 Merkona Yazılım"), QStringLiteral("Bu programın bütün hakları saklıdır.")},
                QRect(128, 12, 316, 105));
    product->setFrameShape(QFrame::NoFrame);
    // Borderless on the window's own colour, as a caption rather than an entry.
    product->viewport()->setAutoFillBackground(false);
    QFont heading = product->font();
    heading.setBold(true);
    QTextCursor first(product->document()->firstBlock());
    first.select(QTextCursor::BlockUnderCursor);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    bold.setFontPointSize(heading.pointSizeF() * 1.4);
    first.mergeCharFormat(bold);

    textBox(this, QStringLiteral("Memo2"),
            {QStringLiteral("Merkona Yazılım"), QStringLiteral("Teknik Destek ve Satış"),
             QStringLiteral("www.merkona.com.tr"), QStringLiteral("destek@merkona.com.tr")},
            QRect(12, 140, 316, 120));
    picture(this, QStringLiteral("Image2"), QStringLiteral(":/pictures/about.jpg"), QRect(340, 140, 104, 120));
}

void TForm12::showAbout() {
    const bool opening = !isVisible();
    Widgets::bringToFront(this);
    // Centred once the window is shown, when its frame is known.
    if (opening)
        if (QScreen* desktop = QGuiApplication::primaryScreen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(desktop->availableGeometry().center());
            move(frame.topLeft());
        }
}
