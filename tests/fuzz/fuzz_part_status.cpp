// The part status reader on any bytes: never a crash, at most 100 groups, sort keys inside the table,
// upgraded rows never longer than the table, and what was read can be written again.
#include "storage/text_codec.h"
#include "workshop/part_status_data.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = DecodeFileText(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const PartStatusFile file = ParsePartStatus(text);
    if (file.groups.size() > std::size_t(kMaxPartGroups)) std::abort();
    for (const PartGroup& group : file.groups) {
        for (const SortKey& key : group.sortKeys)
            if (key.column < -1 || key.column >= kPartColumnCount) std::abort();
        if (file.tooNew && group.parts.RowCount() != 0) std::abort();
        if (file.version != kPartsListVersion)
            for (const QStringList& row : group.parts.Rows())
                if (row.size() > kPartColumnCount) std::abort();
    }
    (void)PartStatusText(file.groups);
    return 0;
}
