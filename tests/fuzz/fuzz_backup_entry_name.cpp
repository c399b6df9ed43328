// The backup entry-name check on any name: a name it lets through restores below the data folder, with
// "\" and "/" both taken as separators; never a crash.
#include "app/backup_entry_name.h"

#include <QDir>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString name = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString problem = EntryNameProblem(name);
    if (!problem.isEmpty()) return 0;
    const QString relative = EntryRelativePath(name);
    if (relative.isEmpty() || relative.contains(u'\\') || relative.startsWith(u'/')) std::abort();
    for (const QString& part : relative.split(u'/'))
        if (part.isEmpty() || part == QStringLiteral(".") || part == QStringLiteral("..")) std::abort();
    const QString base = QStringLiteral("/data/vorlapa");
    const QString joined = QDir::cleanPath(base + u'/' + relative);
    if (!joined.startsWith(base + u'/')) std::abort();
    return 0;
}
