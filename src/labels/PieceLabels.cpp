#include "labels/PieceLabels.h"

#include "model/Errors.h"
#include "model/NumberText.h"
#include "model/Project.h"
#include "production/Counts.h"
#include "production/CuttingPlan.h"
#include "production/PanelGlassList.h"
#include "production/ProductionSheet.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

// Short names of the seven profile kinds in the piece codes, in the cut list's order.
const char* const k_profileCodes[] = {"UR", "AR", "YP", "UP", "AP", "YO", "DO"};

struct TProfileLine {
    int kind = 0;
    QString length; // as the cut list writes it
    qint64 count = 0;
};

qint64 lengthKey(double cm) {
    return std::llround(cm * 100);
}

std::vector<TProfileLine> profileLines(const TProductionSheet& sheet) {
    std::vector<TProfileLine> lines;
    for (qsizetype line = 0; line < sheet.profilname.size(); ++line) {
        const QString& text = sheet.profilname.at(line);
        for (int kind = 0; kind < TCuttingSettings::KindCount; ++kind) {
            const QString suffix = QStringLiteral(" cm ") + TCuttingSettings::kindName(kind);
            if (!text.endsWith(suffix)) continue;
            const qint64 count = static_cast<qint64>(NumberText::toFloat(sheet.profiladet.value(line)));
            if (count > 0) lines.push_back({kind, text.left(text.size() - suffix.size()), count});
            break;
        }
    }
    return lines;
}

QString profileMaterial(const TProject& project) {
    QStringList parts;
    for (const QString& part : {project.profileColour, project.profileModel})
        if (!part.trimmed().isEmpty()) parts << part.trimmed();
    return parts.join(QStringLiteral(" · "));
}

TPieceLabel profileLabel(int kind, const QString& length, const QString& material) {
    TPieceLabel label;
    label.kind = TPieceLabel::Profile;
    label.place = TCuttingSettings::kindName(kind);
    label.size = length + QStringLiteral(" cm");
    label.material = material;
    label.profileKind = kind;
    return label;
}

void addProfileLabels(const TProject& project, const TProductionSheet& sheet, const TCuttingPlan* plan,
                      std::vector<TPieceLabel>& labels) {
    const std::vector<TProfileLine> lines = profileLines(sheet);
    const QString material = profileMaterial(project);
    // What the cut list still asks for, per kind and length; a plan's piece counts against it.
    std::map<std::pair<int, qint64>, qint64> open;
    for (const TProfileLine& line : lines)
        open[{line.kind, lengthKey(NumberText::toFloat(line.length))}] += line.count;
    std::map<std::pair<int, qint64>, qint64> planned;
    if (plan) {
        for (int kind = 0; kind < TCuttingSettings::KindCount; ++kind)
            for (const TCuttingPattern& pattern : plan->kinds[kind].patterns)
                for (int bar = 0; bar < pattern.bars; ++bar)
                    for (qsizetype piece = 0; piece < pattern.pieces.size(); ++piece) {
                        const std::pair<int, qint64> key{kind, lengthKey(pattern.lengths.at(piece))};
                        if (open[key] <= 0) continue;
                        --open[key];
                        ++planned[key];
                        labels.push_back(profileLabel(kind, pattern.pieces.at(piece), material));
                    }
    }
    for (const TProfileLine& line : lines) {
        const std::pair<int, qint64> key{line.kind, lengthKey(NumberText::toFloat(line.length))};
        const qint64 taken = std::min(planned[key], line.count);
        planned[key] -= taken;
        for (qint64 i = taken; i < line.count; ++i)
            labels.push_back(profileLabel(line.kind, line.length, material));
    }
}

// Read as numbers of any size, so that a count far beyond the limit is refused, never wrapped.
double pieceCount(const TProductionSheet& sheet) {
    double sum = 0;
    for (qsizetype line = 0; line < sheet.profilname.size(); ++line)
        for (int kind = 0; kind < TCuttingSettings::KindCount; ++kind)
            if (sheet.profilname.at(line).endsWith(QStringLiteral(" cm ") + TCuttingSettings::kindName(kind)))
                sum += std::max(0.0, NumberText::toFloat(sheet.profiladet.value(line)));
    for (const QStringList* counts : {&sheet.panelCounts, &sheet.glassCounts})
        for (const QString& count : *counts)
            sum += std::max(0.0, NumberText::toFloat(count));
    return sum;
}

QString pieceCode(const TLabelOrder& order, const TPieceLabel& label, int width) {
    QString code;
    if (!order.number.isEmpty()) code = QStringLiteral("S%1-").arg(order.number);
    if (label.kind == TPieceLabel::Profile) {
        code += QLatin1String(k_profileCodes[label.profileKind]);
    } else {
        code += QStringLiteral("K%1-B%2").arg(label.door).arg(label.division);
        if (label.part > 0) code += QStringLiteral(".%1").arg(label.part);
        code += label.kind == TPieceLabel::Panel ? QStringLiteral("-P") : QStringLiteral("-C");
    }
    return code + QStringLiteral("-%1").arg(label.number, width, 10, QLatin1Char('0'));
}

} // namespace

QString TPieceLabel::kindText() const {
    switch (kind) {
    case Panel:
        return ProjectTexts::panel;
    case Glass:
        return ProjectTexts::glass;
    default:
        return QStringLiteral("Profil");
    }
}

void ArrangePanelGlassLabels(std::vector<TPieceLabel>& pieces) {
    // The lists take their lines in the order the pieces first come, panels before glass.
    std::map<QString, int> firstSeen;
    for (const TPieceLabel& piece : pieces)
        firstSeen.emplace(piece.kindText() + QLatin1Char('\n') + piece.line, static_cast<int>(firstSeen.size()));
    std::stable_sort(pieces.begin(), pieces.end(), [&](const TPieceLabel& a, const TPieceLabel& b) {
        if (a.kind != b.kind) return a.kind < b.kind;
        return firstSeen.at(a.kindText() + QLatin1Char('\n') + a.line) <
               firstSeen.at(b.kindText() + QLatin1Char('\n') + b.line);
    });
}

TPieceLabels BuildPieceLabels(const TProject& project, const TProductionSheet& sheet, const TCuttingPlan* plan,
                              const TLabelOrder& order) {
    const double pieces = pieceCount(sheet);
    if (pieces <= 0) throw TRefusal(QStringLiteral("Bu siparişte etiketlenecek parça yok."));
    if (pieces > PieceLabelLimits::maxLabels)
        throw TRefusal(QStringLiteral("Bu siparişte %1 parça var; etiketler bir seferde en çok %2 parça için basılır.")
                           .arg(NumberText::fromFloat(pieces))
                           .arg(PieceLabelLimits::maxLabels));

    TPieceLabels result;
    result.order = order;
    addProfileLabels(project, sheet, plan, result.labels);

    const qint64 cabinets = Counts::cabinets(project);
    std::vector<TPieceLabel> panelGlass;
    for (const TPanelGlassPiece& piece : PanelGlassPieces(project)) {
        TPieceLabel label;
        label.kind = piece.kind == ProjectTexts::panel ? TPieceLabel::Panel : TPieceLabel::Glass;
        label.door = piece.door;
        label.division = piece.division;
        label.part = piece.part;
        label.place = QStringLiteral("Kapak %1 · Bölme %2").arg(piece.door).arg(piece.division);
        if (piece.part > 0) label.place += QStringLiteral(".%1").arg(piece.part);
        label.size = piece.width + QStringLiteral(" × ") + piece.height + QStringLiteral(" cm");
        label.material = piece.material;
        label.line = piece.line;
        for (qint64 cabinet = 0; cabinet < cabinets; ++cabinet)
            panelGlass.push_back(label);
    }
    ArrangePanelGlassLabels(panelGlass);
    result.labels.insert(result.labels.end(), panelGlass.begin(), panelGlass.end());

    const int total = static_cast<int>(result.labels.size());
    const int width = std::max(2, static_cast<int>(QString::number(total).size()));
    for (int i = 0; i < total; ++i) {
        TPieceLabel& label = result.labels[static_cast<std::size_t>(i)];
        label.number = i + 1;
        label.total = total;
        label.code = pieceCode(order, label, width);
    }
    return result;
}
