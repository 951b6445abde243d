#include "production/SheetPlan.h"

#include "cutting/SheetPacking.h"
#include "model/Errors.h"
#include "model/Messages.h"
#include "model/NumberText.h"
#include "model/Project.h"
#include "production/Counts.h"
#include "production/PanelGlassList.h"
#include "production/PrintComputation.h"

#include <QJsonArray>

#include <cmath>
#include <deque>
#include <map>

namespace {

using SheetPacking::Length;

// The optimiser works in whole hundredths of a centimetre, the precision of every computed size.
Length units(double cm) {
    return std::llround(cm * 100);
}

double centimetres(Length value) {
    return static_cast<double>(value) / 100;
}

QString pieceLabel(const TPanelGlassPiece& piece) {
    QString label = QStringLiteral("K%1 B%2").arg(piece.door).arg(piece.division);
    if (piece.part > 0) label += QStringLiteral("/%1").arg(piece.part);
    return label;
}

// The pieces of one material, grouped by size; each size keeps the labels of its pieces in design order.
struct TMaterialDemand {
    int kind = 0;
    QString name;
    std::vector<SheetPacking::TPieceDemand> demand;
    std::vector<QString> sizeTexts;
    std::vector<std::deque<QString>> labels;
    std::map<std::pair<Length, Length>, int> index;
};

QString labelList(const std::deque<QString>& labels) {
    QStringList distinct;
    for (const QString& label : labels)
        if (!distinct.contains(label)) distinct << label;
    return distinct.join(QStringLiteral(", "));
}

void planMaterial(const TMaterialDemand& demand, const TSheetSettings& settings, std::chrono::milliseconds limit,
                  TMaterialSheetPlan& plan) {
    const std::vector<TStockSize> stock = SheetStockText::parse(plan.stockText);
    SheetPacking::TSheetJob job;
    for (std::size_t i = 0; i < stock.size(); ++i)
        job.stock.push_back(SheetPacking::TStockSheet{static_cast<int>(i), units(stock[i].width),
                                                      units(stock[i].height), stock[i].count, stock[i].cost, false});
    job.pieces = demand.demand;
    job.kerf = units(plan.kerf);
    const Length trim = units(plan.trim);
    job.trim = SheetPacking::TTrim{trim, trim, trim, trim};
    job.stages = plan.stages;
    job.minRemnantWidth = units(settings.number(plan.kind, TSheetSettings::minRemnantWidth));
    job.minRemnantHeight = units(settings.number(plan.kind, TSheetSettings::minRemnantHeight));
    job.limit = limit;

    const SheetPacking::TSheetPlan packed = SheetPacking::Pack(job);
    plan.lowerBound = packed.lowerBound;
    plan.proven = packed.proven;
    std::vector<std::deque<QString>> labels = demand.labels;
    for (const SheetPacking::TUnplaced& unplaced : packed.unplaced) {
        const SheetPacking::TPieceDemand& piece = demand.demand.at(unplaced.piece);
        const QString names = labelList(labels[unplaced.piece]);
        if (unplaced.reason == SheetPacking::TUnplacedReason::LargerThanEveryStock)
            plan.problems << QStringLiteral("%1 cm %2 levhadan kesilemez: levha %3 cm, her kenardan %4 cm kesilir%5 "
                                            "(%6 adet plana alınmadı: %7).")
                                 .arg(demand.sizeTexts[unplaced.piece], plan.title(), plan.stockText,
                                      NumberText::round2Text(plan.trim),
                                      plan.rotate ? QString() : QStringLiteral(", parça döndürülemez"))
                                 .arg(unplaced.count)
                                 .arg(names);
        else
            plan.problems << QStringLiteral("%1 cm %2 için levha yetmedi: ayarlardaki levha adetleri bitti (%3 adet "
                                            "plana alınmadı: %4).")
                                 .arg(demand.sizeTexts[unplaced.piece], plan.title())
                                 .arg(unplaced.count)
                                 .arg(names);
        plan.pieces -= unplaced.count;
        plan.pieceArea -= unplaced.count * centimetres(piece.width) * centimetres(piece.height);
    }
    for (const SheetPacking::TSheet& sheet : packed.sheets) {
        TPlannedSheet planned;
        const TStockSize& size = stock.at(static_cast<std::size_t>(sheet.stock));
        planned.width = size.width;
        planned.height = size.height;
        for (const SheetPacking::TPlacement& placement : sheet.pieces) {
            std::deque<QString>& queue = labels.at(placement.piece);
            const QString label = queue.empty() ? QString() : queue.front();
            if (!queue.empty()) queue.pop_front();
            planned.pieces.push_back(TPlacedPiece{label, demand.sizeTexts.at(placement.piece), centimetres(placement.x),
                                                  centimetres(placement.y), centimetres(placement.width),
                                                  centimetres(placement.height), placement.rotated});
        }
        for (const SheetPacking::TCut& cut : sheet.cuts)
            planned.cuts.push_back(TPlannedCut{cut.stage, centimetres(cut.x1), centimetres(cut.y1), centimetres(cut.x2),
                                               centimetres(cut.y2)});
        for (const SheetPacking::TRemnant& remnant : sheet.remnants)
            planned.remnants.push_back(TKeptRemnant{centimetres(remnant.x), centimetres(remnant.y),
                                                    centimetres(remnant.width), centimetres(remnant.height)});
        plan.sheets.push_back(std::move(planned));
    }
}

} // namespace

QString SheetPlanTexts::size(double width, double height) {
    return NumberText::round2Text(width) + QStringLiteral(" x ") + NumberText::round2Text(height);
}

QString SheetPlanTexts::squareMetres(double cm2) {
    return NumberText::round2Text(cm2 / 10000);
}

QString TMaterialSheetPlan::title() const {
    return TSheetSettings::kindText(kind) + QStringLiteral(": ") + name;
}

double TMaterialSheetPlan::sheetArea() const {
    double sum = 0;
    for (const TPlannedSheet& sheet : sheets)
        sum += sheet.width * sheet.height;
    return sum;
}

double TMaterialSheetPlan::keptArea() const {
    double sum = 0;
    for (const TPlannedSheet& sheet : sheets)
        for (const TKeptRemnant& remnant : sheet.remnants)
            sum += remnant.width * remnant.height;
    return sum;
}

int TSheetCuttingPlan::sheets() const {
    int sum = 0;
    for (const TMaterialSheetPlan& material : materials)
        sum += static_cast<int>(material.sheets.size());
    return sum;
}

int TSheetCuttingPlan::lowerBound() const {
    int sum = 0;
    for (const TMaterialSheetPlan& material : materials)
        sum += material.lowerBound;
    return sum;
}

bool TSheetCuttingPlan::proven() const {
    for (const TMaterialSheetPlan& material : materials)
        if (!material.proven) return false;
    return true;
}

double TSheetCuttingPlan::sheetArea() const {
    double sum = 0;
    for (const TMaterialSheetPlan& material : materials)
        sum += material.sheetArea();
    return sum;
}

double TSheetCuttingPlan::pieceArea() const {
    double sum = 0;
    for (const TMaterialSheetPlan& material : materials)
        sum += material.pieceArea;
    return sum;
}

double TSheetCuttingPlan::keptArea() const {
    double sum = 0;
    for (const TMaterialSheetPlan& material : materials)
        sum += material.keptArea();
    return sum;
}

double TSheetCuttingPlan::wastePercent() const {
    const double area = sheetArea();
    return area > 0 ? 100 * (area - pieceArea() - keptArea()) / area : 0;
}

QStringList TSheetCuttingPlan::problems() const {
    QStringList all;
    for (const TMaterialSheetPlan& material : materials)
        all << material.problems;
    return all;
}

TSheetCuttingPlan MakeSheetPlan(const TProject& project, const TSheetSettings& settings,
                                std::chrono::milliseconds limitPerMaterial) {
    settings.check();
    const std::vector<TPanelGlassPiece> pieces = PanelGlassPieces(project);
    const qint64 cabinets = Counts::cabinets(project);

    std::vector<TMaterialDemand> demands;
    std::vector<TMaterialSheetPlan> plans;
    auto materialOf = [&](int kind, const QString& name) -> std::size_t {
        for (std::size_t i = 0; i < demands.size(); ++i)
            if (demands[i].kind == kind && demands[i].name == name) return i;
        demands.push_back(TMaterialDemand{kind, name, {}, {}, {}, {}});
        TMaterialSheetPlan plan;
        plan.kind = kind;
        plan.name = name;
        plan.stockText = settings.stockText(kind, name);
        plan.rotate = settings.mayRotate(kind, name);
        plan.kerf = settings.number(kind, TSheetSettings::kerf);
        plan.trim = settings.number(kind, TSheetSettings::trim);
        plan.stages = NumberText::toInt(settings.text(kind, TSheetSettings::stages).trimmed());
        plans.push_back(plan);
        return demands.size() - 1;
    };
    for (int kind = 0; kind < TSheetSettings::KindCount; ++kind) {
        for (const TPanelGlassPiece& piece : pieces) {
            if (piece.kind != TSheetSettings::kindText(kind)) continue;
            const std::size_t m = materialOf(kind, piece.material);
            TMaterialDemand& demand = demands[m];
            TMaterialSheetPlan& plan = plans[m];
            const QString sizeText = piece.width + QStringLiteral(" x ") + piece.height;
            const double width = NumberText::toFloat(piece.width);
            const double height = NumberText::toFloat(piece.height);
            if (plan.pieces + cabinets > SheetPlanLimits::maxPieces) {
                plan.problems << QStringLiteral(
                                     "%1 adet %2 cm %3 plana alınmadı: bir levha planı en çok %4 parça alır.")
                                     .arg(NumberText::fromInt(cabinets), sizeText, plan.title())
                                     .arg(SheetPlanLimits::maxPieces);
                continue;
            }
            const int count = static_cast<int>(cabinets);
            if (count <= 0) continue;
            if (units(width) <= 0 || units(height) <= 0) {
                plan.problems << QStringLiteral("%1 cm %2 kesilemez: en ve boy sıfırdan büyük olmalı (%3 adet plana "
                                                "alınmadı: %4).")
                                     .arg(sizeText, plan.title())
                                     .arg(count)
                                     .arg(pieceLabel(piece));
                continue;
            }
            // A piece's height (its length on the door) runs along the sheet's length, the grain of a decor
            // board, unless the piece is turned.
            const auto key = std::make_pair(units(height), units(width));
            auto found = demand.index.find(key);
            if (found == demand.index.end()) {
                const int id = static_cast<int>(demand.demand.size());
                found = demand.index.emplace(key, id).first;
                demand.demand.push_back(SheetPacking::TPieceDemand{id, key.first, key.second, 0, plan.rotate});
                demand.sizeTexts.push_back(sizeText);
                demand.labels.emplace_back();
            }
            demand.demand[found->second].count += count;
            for (int i = 0; i < count; ++i)
                demand.labels[found->second].push_back(pieceLabel(piece));
            plan.pieces += count;
            plan.pieceArea += count * width * height;
        }
    }

    TSheetCuttingPlan result;
    for (std::size_t m = 0; m < plans.size(); ++m) {
        if (!demands[m].demand.empty()) planMaterial(demands[m], settings, limitPerMaterial, plans[m]);
        result.materials.push_back(std::move(plans[m]));
    }
    return result;
}

void SheetPlanCommand(const TProject& project, const TProfileGroup& group, const TSheetSettings& settings,
                      TProductionSheet& sheet, TCostTable& costTable, TSheetCuttingPlan& plan) {
    ComputeProductionSheet(project, group, sheet, &costTable);
    plan = MakeSheetPlan(project, settings);
    plan.orderName = project.orderName;
    plan.cabinets = project.dolapadet;
    const QStringList problems = plan.problems();
    if (!problems.isEmpty()) TMessages::showMessage(problems.join(QLatin1Char('\n')));
}

QJsonObject SheetPlanToJson(const TSheetCuttingPlan& plan) {
    using NumberText::fromInt;
    using NumberText::round2Text;
    QJsonArray materials;
    for (const TMaterialSheetPlan& material : plan.materials) {
        QJsonArray sheets;
        for (const TPlannedSheet& sheet : material.sheets) {
            QJsonArray pieces, cuts, remnants;
            for (const TPlacedPiece& piece : sheet.pieces)
                pieces.append(QJsonObject{{QStringLiteral("label"), piece.label},
                                          {QStringLiteral("size"), piece.sizeText},
                                          {QStringLiteral("x"), round2Text(piece.x)},
                                          {QStringLiteral("y"), round2Text(piece.y)},
                                          {QStringLiteral("width"), round2Text(piece.width)},
                                          {QStringLiteral("height"), round2Text(piece.height)},
                                          {QStringLiteral("rotated"), piece.rotated}});
            for (std::size_t i = 0; i < sheet.cuts.size(); ++i) {
                const TPlannedCut& cut = sheet.cuts[i];
                cuts.append(QJsonObject{{QStringLiteral("number"), fromInt(static_cast<long long>(i) + 1)},
                                        {QStringLiteral("stage"), fromInt(cut.stage)},
                                        {QStringLiteral("x1"), round2Text(cut.x1)},
                                        {QStringLiteral("y1"), round2Text(cut.y1)},
                                        {QStringLiteral("x2"), round2Text(cut.x2)},
                                        {QStringLiteral("y2"), round2Text(cut.y2)}});
            }
            for (const TKeptRemnant& remnant : sheet.remnants)
                remnants.append(QJsonObject{{QStringLiteral("x"), round2Text(remnant.x)},
                                            {QStringLiteral("y"), round2Text(remnant.y)},
                                            {QStringLiteral("width"), round2Text(remnant.width)},
                                            {QStringLiteral("height"), round2Text(remnant.height)}});
            sheets.append(QJsonObject{{QStringLiteral("stock"), SheetPlanTexts::size(sheet.width, sheet.height)},
                                      {QStringLiteral("pieces"), pieces},
                                      {QStringLiteral("cuts"), cuts},
                                      {QStringLiteral("remnants"), remnants}});
        }
        materials.append(QJsonObject{
            {QStringLiteral("kind"), TSheetSettings::kindText(material.kind)},
            {QStringLiteral("material"), material.name},
            {QStringLiteral("stock"), material.stockText},
            {QStringLiteral("rotate"), material.rotate},
            {QStringLiteral("kerf"), round2Text(material.kerf)},
            {QStringLiteral("trim"), round2Text(material.trim)},
            {QStringLiteral("stages"), fromInt(material.stages)},
            {QStringLiteral("pieces"), fromInt(material.pieces)},
            {QStringLiteral("sheets"), sheets},
            {QStringLiteral("sheetsUsed"), fromInt(static_cast<long long>(material.sheets.size()))},
            {QStringLiteral("lowerBound"), fromInt(material.lowerBound)},
            {QStringLiteral("provenOptimal"), material.proven},
            {QStringLiteral("sheetArea"), SheetPlanTexts::squareMetres(material.sheetArea())},
            {QStringLiteral("pieceArea"), SheetPlanTexts::squareMetres(material.pieceArea)},
            {QStringLiteral("keptArea"), SheetPlanTexts::squareMetres(material.keptArea())},
            {QStringLiteral("wastePercent"), NumberText::fromFloat(std::round(material.wastePercent() * 10) / 10)},
            {QStringLiteral("problems"), QJsonArray::fromStringList(material.problems)}});
    }
    return QJsonObject{
        {QStringLiteral("materials"), materials},
        {QStringLiteral("sheetsUsed"), fromInt(plan.sheets())},
        {QStringLiteral("lowerBound"), fromInt(plan.lowerBound())},
        {QStringLiteral("provenOptimal"), plan.proven()},
        {QStringLiteral("sheetArea"), SheetPlanTexts::squareMetres(plan.sheetArea())},
        {QStringLiteral("pieceArea"), SheetPlanTexts::squareMetres(plan.pieceArea())},
        {QStringLiteral("wastePercent"), NumberText::fromFloat(std::round(plan.wastePercent() * 10) / 10)},
        {QStringLiteral("problems"), QJsonArray::fromStringList(plan.problems())}};
}
