#pragma once
// The part of a session file the summary row reads, cut out of the raw bytes before any decoding: for
// each section the row needs, its header, the first line of each key it reads, the line that ends the
// section for key lookups, and the notes blocks after their keys, in file order. A tag-file reader answers
// every summary lookup on the excerpt exactly as on the whole file, while a session's setup sections (most of
// its lines) are never decoded or split.
#include <QByteArray>
#include <QString>
#include <optional>

// std::nullopt when the bytes are not plain ASCII: such files are decoded whole (their encoding is
// decided by every byte of the file).
std::optional<QString> SummaryExcerpt(const QByteArray& bytes);
