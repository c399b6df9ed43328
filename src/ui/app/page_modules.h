#pragma once
// Every subsystem's page module, in the order they fill their pages. A new subsystem is one more entry.
#include "page_module.h"

#include <memory>
#include <vector>

class Workspace;

std::vector<std::unique_ptr<PageModule>> MakePageModules(Workspace& workspace);
