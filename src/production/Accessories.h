#pragma once

class TProfileGroup;
class TProject;
struct TProductionSheet;

// Profile lengths and weights from the cut list's totals.
void ComputeProfileWeights(const TProject& project, const TProfileGroup& group, TProductionSheet& sheet);
// Gasket lengths and wheel mechanism sets.
void ComputeAccessories(const TProject& project, TProductionSheet& sheet);
