#pragma once

class TProfileGroup;
class TProject;
struct TProductionSheet;

// The drilling positions of every door's middle profiles and split separators.
void BuildHoleLists(const TProject& project, const TProfileGroup& group, TProductionSheet& sheet);
