#include "production/SheetJson.h"

#include "model/NumberText.h"
#include "production/ProductionSheet.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonArray lines(const QStringList& texts, const QStringList& counts) {
    QJsonArray array;
    for (qsizetype i = 0; i < texts.size(); ++i)
        array.append(QJsonObject{{QStringLiteral("line"), texts.at(i)}, {QStringLiteral("count"), counts.value(i)}});
    return array;
}

QJsonObject kinds(const std::array<QString, TProductionSheet::KindCount>& values) {
    static const char* const names[] = {"topRail", "bottomRail",       "side",          "top",
                                        "bottom",  "horizontalMiddle", "verticalMiddle"};
    QJsonObject object;
    for (int kind = 0; kind < TProductionSheet::KindCount; ++kind)
        object.insert(QLatin1String(names[kind]), values[kind]);
    return object;
}

} // namespace

QByteArray SheetToJson(const TProductionSheet& sheet) {
    using NumberText::fromFloat;
    QJsonArray holes;
    for (int door = 1; door <= 6; ++door)
        holes.append(QJsonArray::fromStringList(sheet.holes[door]));
    QJsonObject root{
        {QStringLiteral("profileList"), lines(sheet.profilname, sheet.profiladet)},
        {QStringLiteral("HL"), fromFloat(sheet.HL)},
        {QStringLiteral("HC"), fromFloat(sheet.HC)},
        {QStringLiteral("VL"), fromFloat(sheet.VL)},
        {QStringLiteral("VC"), fromFloat(sheet.VC)},
        {QStringLiteral("panelList"), lines(sheet.panelLines, sheet.panelCounts)},
        {QStringLiteral("glassList"), lines(sheet.glassLines, sheet.glassCounts)},
        {QStringLiteral("panelPieceAreas"), QJsonArray::fromStringList(sheet.panel)},
        {QStringLiteral("glassPieceAreas"), QJsonArray::fromStringList(sheet.cam)},
        {QStringLiteral("panelArea"), sheet.panelArea},
        {QStringLiteral("glassArea"), sheet.glassArea},
        {QStringLiteral("holes"), holes},
        {QStringLiteral("profileLengths"), kinds(sheet.lengths)},
        {QStringLiteral("profileWeights"), kinds(sheet.weights)},
        {QStringLiteral("totalWeight"), sheet.totalWeight},
        {QStringLiteral("glassGasket"), sheet.glassGasket},
        {QStringLiteral("dustGasket"), sheet.dustGasket},
        {QStringLiteral("impactGasket"), sheet.impactGasket},
        {QStringLiteral("mechanisms"), sheet.mechanisms},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
