#pragma once
// "Print labels": the label layout (preset from the settings), the font and "Include tire history";
// "Print" checks the entries (a bad one is refused with a message and the dialog stays open).
#include "workshop/label_printer.h"

#include <optional>

class Prompter;
class QWidget;

struct PrintLabelsChoice {
    LabelLayout layout;
    bool includeHistory = false;
};

std::optional<PrintLabelsChoice> AskPrintLabels(QWidget* parent, Prompter& prompter,
                                                const LabelLayout& stored);
