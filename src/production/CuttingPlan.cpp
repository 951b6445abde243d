#include "production/CuttingPlan.h"

#include "cutting/BarPacking.h"
#include "model/Errors.h"
#include "model/Messages.h"
#include "model/NumberText.h"
#include "model/Project.h"
#include "production/PrintComputation.h"
#include "production/ProductionSheet.h"

#include <QJsonArray>

#include <cmath>
#include <map>

namespace {

using BarPacking::Length;

// The optimiser works in whole hundredths of a centimetre, the precision of every computed length.
Length units(double cm) {
    return std::llround(cm * 100);
}

double centimetres(Length value) {
    return static_cast<double>(value) / 100;
}

struct TKindDemand {
    std::vector<BarPacking::TDemand> demand;
    std::map<Length, QString> texts; // a length as the cut list writes it
};

} // namespace

QString CuttingTexts::length(double cm) {
    return NumberText::round2Text(cm);
}

QString CuttingTexts::percent(double value) {
    return NumberText::fromFloat(std::round(value * 10) / 10);
}

double TCuttingKind::keptOffcuts() const {
    double kept = 0;
    for (const TCuttingPattern& pattern : patterns)
        if (pattern.kept) kept += pattern.bars * pattern.offcut;
    return kept;
}

int TCuttingPlan::bars() const {
    int sum = 0;
    for (const TCuttingKind& kind : kinds)
        sum += kind.bars;
    return sum;
}

int TCuttingPlan::lowerBound() const {
    int sum = 0;
    for (const TCuttingKind& kind : kinds)
        sum += kind.lowerBound;
    return sum;
}

bool TCuttingPlan::proven() const {
    for (const TCuttingKind& kind : kinds)
        if (!kind.proven) return false;
    return true;
}

double TCuttingPlan::stockUsed() const {
    double sum = 0;
    for (const TCuttingKind& kind : kinds)
        sum += kind.stockUsed();
    return sum;
}

double TCuttingPlan::pieceLength() const {
    double sum = 0;
    for (const TCuttingKind& kind : kinds)
        sum += kind.pieceLength;
    return sum;
}

double TCuttingPlan::keptOffcuts() const {
    double sum = 0;
    for (const TCuttingKind& kind : kinds)
        sum += kind.keptOffcuts();
    return sum;
}

double TCuttingPlan::wastePercent() const {
    const double used = stockUsed();
    return used > 0 ? 100 * (used - pieceLength() - keptOffcuts()) / used : 0;
}

QStringList TCuttingPlan::problems() const {
    QStringList all;
    for (const TCuttingKind& kind : kinds)
        all << kind.problems;
    return all;
}

TCuttingPlan MakeCuttingPlan(const TProductionSheet& sheet, const TCuttingSettings& settings) {
    settings.check();
    TCuttingPlan plan;
    plan.settings = settings;
    const double kerf = settings.number(TCuttingSettings::kerf);
    const double trim = settings.number(TCuttingSettings::trim);
    const double keep = settings.number(TCuttingSettings::minOffcut);

    std::array<TKindDemand, TCuttingSettings::KindCount> demands;
    for (int kind = 0; kind < TCuttingSettings::KindCount; ++kind) {
        TCuttingKind& k = plan.kinds[kind];
        k.name = TCuttingSettings::kindName(kind);
        k.stockText = settings.text(kind);
        k.stock = settings.number(kind);
        k.trim = trim;
        k.usable = k.stock - 2 * trim;
    }
    for (qsizetype line = 0; line < sheet.profilname.size(); ++line) {
        const QString& text = sheet.profilname.at(line);
        for (int kind = 0; kind < TCuttingSettings::KindCount; ++kind) {
            const QString suffix = QStringLiteral(" cm ") + TCuttingSettings::kindName(kind);
            if (!text.endsWith(suffix)) continue;
            // Counts are whole numbers of any size ("Dolap Adet" multiplies them); a plan is made for
            // as many pieces as a workshop cuts in one go, never for billions.
            const double wanted = NumberText::toFloat(sheet.profiladet.value(line));
            if (wanted <= 0) break;
            const QString lengthText = text.left(text.size() - suffix.size());
            const double length = NumberText::toFloat(lengthText);
            TCuttingKind& k = plan.kinds[kind];
            if (k.pieces + wanted > CuttingPlanLimits::maxPieces) {
                k.problems << QStringLiteral("%1 adet %2 cm %3 plana alınmadı: bir kesim planı en çok %4 parça alır.")
                                  .arg(sheet.profiladet.value(line), lengthText, k.name)
                                  .arg(CuttingPlanLimits::maxPieces);
                break;
            }
            const int count = static_cast<int>(wanted);
            // A length beyond whole hundredths in 64 bits is far too long, never too short.
            const bool countable = std::abs(length * 100) < 9e18;
            const bool tooLong = countable ? units(length) > units(k.usable) : length > 0;
            if (!tooLong && (!countable || units(length) <= 0)) {
                k.problems << QStringLiteral("%1 cm %2 kesilemez: boy sıfırdan büyük olmalı (%3 adet plana alınmadı).")
                                  .arg(NumberText::fromFloat(length), k.name)
                                  .arg(count);
            } else if (tooLong) {
                k.problems << QStringLiteral("%1 cm %2 çubuktan kesilemez: çubuk boyu %3 cm, kullanılabilir boy %4 cm "
                                             "(%5 adet plana alınmadı).")
                                  .arg(NumberText::fromFloat(length), k.name, k.stockText,
                                       CuttingTexts::length(k.usable))
                                  .arg(count);
            } else {
                demands[kind].demand.push_back({units(length), count});
                demands[kind].texts.emplace(units(length), lengthText);
                k.pieces += count;
                k.pieceLength += count * length;
            }
            break;
        }
    }

    for (int kind = 0; kind < TCuttingSettings::KindCount; ++kind) {
        TCuttingKind& k = plan.kinds[kind];
        const BarPacking::TBarStock stock{units(k.usable), units(kerf)};
        const BarPacking::TPacking packing = BarPacking::Pack(demands[kind].demand, stock);
        k.bars = static_cast<int>(packing.bars.size());
        k.lowerBound = packing.lowerBound;
        k.proven = packing.proven;
        for (const BarPacking::TBar& bar : packing.bars) {
            if (!k.patterns.empty() && k.patterns.back().lengths.size() == bar.pieces.size() &&
                units(k.patterns.back().offcut) == bar.offcut) {
                bool same = true;
                for (std::size_t i = 0; i < bar.pieces.size() && same; ++i)
                    same = units(k.patterns.back().lengths[i]) == bar.pieces[i];
                if (same) {
                    ++k.patterns.back().bars;
                    continue;
                }
            }
            TCuttingPattern pattern;
            for (Length piece : bar.pieces) {
                pattern.pieces << demands[kind].texts.at(piece);
                pattern.lengths.push_back(centimetres(piece));
            }
            pattern.bars = 1;
            pattern.offcut = centimetres(bar.offcut);
            pattern.kept = bar.offcut > 0 && bar.offcut >= units(keep);
            k.patterns.push_back(std::move(pattern));
        }
    }
    return plan;
}

void CuttingPlanCommand(const TProject& project, const TProfileGroup& group, const TCuttingSettings& settings,
                        TProductionSheet& sheet, TCostTable& costTable, TCuttingPlan& plan) {
    ComputeProductionSheet(project, group, sheet, &costTable);
    plan = MakeCuttingPlan(sheet, settings);
    plan.orderName = project.orderName;
    plan.cabinets = project.dolapadet;
    const QStringList problems = plan.problems();
    if (!problems.isEmpty()) TMessages::showMessage(problems.join(QLatin1Char('\n')));
}

QJsonObject CuttingPlanToJson(const TCuttingPlan& plan) {
    using CuttingTexts::length;
    using NumberText::fromInt;
    QJsonObject kinds;
    for (int kind = 0; kind < TCuttingSettings::KindCount; ++kind) {
        const TCuttingKind& k = plan.kinds[kind];
        QJsonArray patterns;
        std::map<double, std::pair<int, bool>> offcuts;
        for (const TCuttingPattern& pattern : k.patterns) {
            patterns.append(QJsonObject{{QStringLiteral("pieces"), QJsonArray::fromStringList(pattern.pieces)},
                                        {QStringLiteral("count"), fromInt(pattern.bars)},
                                        {QStringLiteral("offcut"), length(pattern.offcut)},
                                        {QStringLiteral("kept"), pattern.kept}});
            if (pattern.offcut > 0) {
                offcuts[pattern.offcut].first += pattern.bars;
                offcuts[pattern.offcut].second = pattern.kept;
            }
        }
        QJsonArray offcutList;
        for (auto it = offcuts.rbegin(); it != offcuts.rend(); ++it)
            offcutList.append(QJsonObject{{QStringLiteral("length"), length(it->first)},
                                          {QStringLiteral("count"), fromInt(it->second.first)},
                                          {QStringLiteral("kept"), it->second.second}});
        kinds.insert(QLatin1String(TCuttingSettings::valueName(kind)),
                     QJsonObject{{QStringLiteral("stockLength"), k.stockText},
                                 {QStringLiteral("usableLength"), length(k.usable)},
                                 {QStringLiteral("pieces"), fromInt(k.pieces)},
                                 {QStringLiteral("patterns"), patterns},
                                 {QStringLiteral("offcuts"), offcutList},
                                 {QStringLiteral("barsUsed"), fromInt(k.bars)},
                                 {QStringLiteral("lowerBound"), fromInt(k.lowerBound)},
                                 {QStringLiteral("provenOptimal"), k.proven},
                                 {QStringLiteral("materialUsed"), length(k.stockUsed())},
                                 {QStringLiteral("wastePercent"), CuttingTexts::percent(k.wastePercent())},
                                 {QStringLiteral("problems"), QJsonArray::fromStringList(k.problems)}});
    }
    QJsonObject settings;
    for (int value = 0; value < TCuttingSettings::ValueCount; ++value)
        settings.insert(QLatin1String(TCuttingSettings::valueName(value)), plan.settings.text(value));
    return QJsonObject{{QStringLiteral("settings"), settings},
                       {QStringLiteral("kinds"), kinds},
                       {QStringLiteral("barsUsed"), fromInt(plan.bars())},
                       {QStringLiteral("lowerBound"), fromInt(plan.lowerBound())},
                       {QStringLiteral("provenOptimal"), plan.proven()},
                       {QStringLiteral("materialUsed"), length(plan.stockUsed())},
                       {QStringLiteral("wastePercent"), CuttingTexts::percent(plan.wastePercent())},
                       {QStringLiteral("problems"), QJsonArray::fromStringList(plan.problems())}};
}
