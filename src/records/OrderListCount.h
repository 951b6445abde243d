#pragma once

#include "records/OrderList.h"

namespace OrderList {

// How many orders the filter lists, read without reading them.
int count(const TOrderListFilter& filter);

} // namespace OrderList
