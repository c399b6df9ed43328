#pragma once
// A drop-down list as wide as its longest entry, however narrow its box is on the page.
class QComboBox;

void FitPopupToItems(QComboBox* box);
