#pragma once

#include <QList>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>

// A word of a PDF as pdftotext reads it back, with its page (from 0) and its box in pixels of the
// 96-dpi page.
struct TPdfWord {
    QString text;
    QRectF box;
    int page = 0;
};

// Every word of every page of a PDF, read with `pdftotext -bbox`.
inline QList<TPdfWord> readPdfWords(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    process.waitForFinished(30000);
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression item(
        QStringLiteral("<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">"
                       "([^<]*)</word>"));
    QList<TPdfWord> words;
    const double toPixels = 96.0 / 72.0;
    int page = -1;
    for (auto match = item.globalMatch(html); match.hasNext();) {
        const auto m = match.next();
        if (m.captured(0) == QStringLiteral("<page ")) {
            ++page;
            continue;
        }
        const QRectF box(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()) * toPixels,
                         QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()) * toPixels);
        QString text = m.captured(5);
        text.replace(QStringLiteral("&amp;"), QStringLiteral("&"))
            .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&quot;"), QStringLiteral("\""));
        words << TPdfWord{text, box, page};
    }
    return words;
}
