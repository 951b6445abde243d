#include "production/PageFit.h"

#include <QFontMetricsF>

#include <algorithm>

namespace PageFit {

namespace {

const QString k_ellipsis = QStringLiteral("…");

double widthOf(const QFontMetricsF& metrics, const QString& text) {
    return metrics.horizontalAdvance(text);
}

// The longest start of `word` that fits `width`, at least one character so that a line always advances.
qsizetype fittingPrefix(const QFontMetricsF& metrics, const QString& word, double width) {
    qsizetype n = word.size();
    while (n > 1 && widthOf(metrics, word.left(n)) > width)
        --n;
    return n;
}

} // namespace

QString elided(const QString& text, const QFont& font, double width) {
    const QFontMetricsF metrics(font);
    if (widthOf(metrics, text) <= width) return text;
    QString kept = text;
    while (!kept.isEmpty() && widthOf(metrics, kept + k_ellipsis) > width)
        kept.chop(1);
    return kept.isEmpty() ? QString() : kept.trimmed() + k_ellipsis;
}

QStringList wrapped(const QString& text, const QFont& font, double width, int maxLines) {
    const QFontMetricsF metrics(font);
    // A line that fits keeps its own spacing.
    if (!text.contains(QLatin1Char('\n')) && widthOf(metrics, text) <= width) return {text};
    QStringList lines;
    QString line;
    const QStringList words = text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (QString word : words) {
        const QString joined = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (widthOf(metrics, joined) <= width) {
            line = joined;
            continue;
        }
        if (!line.isEmpty()) lines << line;
        line.clear();
        // A word wider than the whole width is broken where it must be.
        while (widthOf(metrics, word) > width) {
            const qsizetype n = fittingPrefix(metrics, word, width);
            lines << word.left(n);
            word = word.mid(n);
        }
        line = word;
    }
    if (!line.isEmpty()) lines << line;
    if (maxLines > 0 && lines.size() > maxLines) {
        lines = lines.mid(0, maxLines);
        // The last kept line ends in "…", so the cut shows.
        QString& last = lines.last();
        while (!last.isEmpty() && widthOf(metrics, last + k_ellipsis) > width)
            last.chop(1);
        last = last.trimmed() + k_ellipsis;
    }
    return lines;
}

TFittedText fitted(const QString& text, QFont font, const QSizeF& box, int smallestPixelSize) {
    TFittedText result;
    const int largest = std::max(font.pixelSize(), smallestPixelSize);
    for (int size = largest; size >= smallestPixelSize; --size) {
        font.setPixelSize(size);
        const double lineHeight = QFontMetricsF(font).height();
        const int room = std::max(1, static_cast<int>(box.height() / lineHeight));
        const QStringList lines = wrapped(text, font, box.width());
        if (lines.size() <= room || size == smallestPixelSize) {
            result.font = font;
            result.lineHeight = lineHeight;
            result.lines = lines.size() <= room ? lines : wrapped(text, font, box.width(), room);
            return result;
        }
    }
    return result;
}

TFlowPages flow(const std::vector<TFlowRow>& rows, double pageHeight, const std::function<double(int)>& repeatHeight) {
    TFlowPages pages(1);
    double y = 0;
    int lastGroup = -1;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        double need = 0;
        const std::size_t last =
            std::min(rows.size() - 1, i + static_cast<std::size_t>(std::max(0, rows[i].keepWithNext)));
        for (std::size_t j = i; j <= last; ++j)
            need += rows[j].height;
        if (y + need > pageHeight && !pages.back().empty()) {
            pages.emplace_back();
            y = 0;
            if (rows[i].group >= 0 && rows[i].group == lastGroup) {
                pages.back().push_back({-1, rows[i].group});
                y += repeatHeight(rows[i].group);
            }
        }
        pages.back().push_back({static_cast<int>(i), -1});
        y += rows[i].height;
        lastGroup = rows[i].group;
    }
    return pages;
}

} // namespace PageFit
