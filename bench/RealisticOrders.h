#pragma once

#include "records/OrderRecord.h"

class QRandomGenerator;

// Orders as a workshop's order book holds them, for the records benchmark.
namespace RealisticOrders {

constexpr int Customers = 2000;

// Order `index` of `orders`: 2 to 6 doors, each with 1 to 4 divisions, some of them split, for one of
// `customers` customers. Save days rise with the order number over ten years, as a workshop's do.
TOrderRecord order(QRandomGenerator& random, int customers, int index, int orders);

// Fills the registered order database with Customers customers and `orders` orders and brings the
// engine's statistics up to date; returns seconds.
double fill(QRandomGenerator& random, int orders);

} // namespace RealisticOrders
