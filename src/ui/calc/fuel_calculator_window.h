#pragma once
// The "Fuel Amount Calculator" window (menu "Fuel calculator"): "Before session" (fuel for a race, its
// premix) and "After session" (fuel left from the tank's weight). "Use this" puts the figure into the
// session. Its settings live in the program settings; typed values stay between openings.
#include "events/event.h"

class QDialog;
class QWidget;
class Workspace;

// Registers the menu command; the returned connection takes it back.
[[nodiscard]] Connection InstallFuelCalculator(Workspace& workspace, QWidget* window);
// Opens the window on a page (0 "Before session", 1 "After session"): modal from the menu; shown and
// returned otherwise (screenshots). It deletes itself when closed.
QDialog* ShowFuelCalculator(Workspace& workspace, QWidget* window, int page, bool modal);
