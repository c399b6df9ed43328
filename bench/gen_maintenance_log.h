#pragma once
// Generator of maintenance logs for the benchmarks: a file with the given number of groups and items
// spread over them, dates over the last years, costs with cents, a few dozen suppliers (some typed with
// a trailing blank, some items without supplier or cost).
#include <QString>

// The file's text (CR LF), the same for the same arguments.
QString GenerateMaintenanceFile(int itemCount = 10000, int groupCount = 100, unsigned seed = 1);
