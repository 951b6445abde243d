#pragma once

#include <QByteArray>

struct TProductionSheet;

// The whole production sheet as JSON, every figure as the number text the sheet shows.
QByteArray SheetToJson(const TProductionSheet& sheet);
