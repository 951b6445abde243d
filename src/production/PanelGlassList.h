#pragma once

class TProject;
struct TProductionSheet;

// The panel and glass cutting lists with their counts and areas.
void BuildPanelGlassList(const TProject& project, TProductionSheet& sheet);
