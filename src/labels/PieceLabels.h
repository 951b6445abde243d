#pragma once

#include <QString>

#include <vector>

class TProject;
struct TCuttingPlan;
struct TProductionSheet;

// The order a label names: its number once saved, its name and its customer.
struct TLabelOrder {
    QString number; // empty until the order is saved
    QString name;
    QString customer;
};

// One cut piece's label.
struct TPieceLabel {
    enum Kind { Profile, Panel, Glass };
    Kind kind = Profile;
    QString code;     // the barcode's text, unique in the order: S123-K2-B3-C-07
    QString place;    // "Kapak 2 · Bölme 3" (or "Bölme 3.2" for part 2 of a split division), or the profile kind
    QString size;     // the finished size: "245,3 cm", "60 × 120,5 cm"
    QString material; // the panel's or glass's material, the profile's colour and model
    int number = 0;   // its number in the order, from 1
    int total = 0;
    // where a panel or glass piece sits, and its line of the cutting list
    int door = 0, division = 0, part = 0;
    int profileKind = 0; // of a profile piece, as the cut list orders the kinds
    QString line;

    QString kindText() const; // "Profil", "Panel", "Cam"
    QString countText() const { return QStringLiteral("%1/%2").arg(number).arg(total); }
};

struct TPieceLabels {
    TLabelOrder order;
    std::vector<TPieceLabel> labels;
};

namespace PieceLabelLimits {
// Labels one order prints at most; "Dolap Adet" can ask for millions.
constexpr int maxLabels = 10000;
} // namespace PieceLabelLimits

// The panel and glass pieces in the order they are cut: for now the order of the panel list and then
// the glass list; the sheet cutting plan's order takes its place once there is one.
void ArrangePanelGlassLabels(std::vector<TPieceLabel>& pieces);

// One label per cut piece of the sheet's lists, counts as the lists give them (so "Dolap Adet"
// included): the profile pieces bar by bar in the order of `plan` (cut-list order without one, and
// for the pieces a plan leaves out), then the panel and glass pieces. Throws TRefusal when there is
// nothing to label or more than the limit.
TPieceLabels BuildPieceLabels(const TProject& project, const TProductionSheet& sheet, const TCuttingPlan* plan,
                              const TLabelOrder& order);
