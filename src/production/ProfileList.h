#pragma once

class QString;
class TProfileGroup;
class TProject;
struct TProductionSheet;

// The profile cut list with the middle-profile totals HL, HC, VL, VC; ends with ComputeProfileWeights.
void BuildProfileList(const TProject& project, const TProfileGroup& group, TProductionSheet& sheet);
// Adds a count to the line with exactly this text, or appends the line.
void MergeProfileLine(TProductionSheet& sheet, const QString& line, const QString& count);
