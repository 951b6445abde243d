#pragma once

#include "labels/PieceLabels.h"

class TProject;
struct TOrderSave;

// What the labels say of the order: its number and customer once it is saved, and its name.
TLabelOrder LabelOrderOf(const TProject& project, const TOrderSave& form);
