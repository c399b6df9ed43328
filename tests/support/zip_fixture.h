#pragma once
// Zip archives for tests, written and read with libzip: what an archive holds, and archives made entry
// by entry (also hostile ones: any name, symbolic links).
#include <QByteArray>
#include <QFile>
#include <QList>
#include <QMap>
#include <QString>
#include <sys/stat.h>
#include <zip.h>

struct ZipFixtureEntry {
    QByteArray name;
    QByteArray bytes;
    bool symlink = false; // stored as a Unix symbolic link whose target is bytes
};

// Writes the entries in order; false when libzip failed.
inline bool MakeZip(const QString& path, const QList<ZipFixtureEntry>& entries) {
    int code = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!archive) return false;
    for (const ZipFixtureEntry& entry : entries) {
        zip_int64_t index = -1;
        if (entry.name.endsWith('/')) {
            index = zip_dir_add(archive, entry.name.constData(), ZIP_FL_ENC_RAW);
        } else {
            // libzip keeps the pointer until the archive is closed; the entries outlive the close.
            zip_source_t* source =
                zip_source_buffer(archive, entry.bytes.constData(), zip_uint64_t(entry.bytes.size()), 0);
            if (!source) break;
            index = zip_file_add(archive, entry.name.constData(), source, ZIP_FL_ENC_RAW | ZIP_FL_OVERWRITE);
            if (index < 0) zip_source_free(source);
        }
        if (index < 0) {
            zip_discard(archive);
            return false;
        }
        if (entry.symlink && zip_file_set_external_attributes(archive, zip_uint64_t(index), 0, ZIP_OPSYS_UNIX,
                                                              zip_uint32_t(S_IFLNK | 0777) << 16) != 0) {
            zip_discard(archive);
            return false;
        }
    }
    if (zip_close(archive) != 0) {
        zip_discard(archive);
        return false;
    }
    return true;
}

// Every file entry's name (as stored) and bytes, in archive order; an empty list when unreadable.
inline QList<std::pair<QString, QByteArray>> ZipContents(const QString& path) {
    QList<std::pair<QString, QByteArray>> contents;
    int code = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    if (!archive) return contents;
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat_index(archive, zip_uint64_t(i), 0, &st) != 0) break;
        QByteArray bytes(qsizetype(st.size), Qt::Uninitialized);
        zip_file_t* file = zip_fopen_index(archive, zip_uint64_t(i), 0);
        if (!file) break;
        const zip_int64_t n = zip_fread(file, bytes.data(), st.size);
        zip_fclose(file);
        if (n != zip_int64_t(st.size)) break;
        contents.append({QString::fromUtf8(st.name), bytes});
    }
    zip_discard(archive);
    return contents;
}

inline QStringList ZipNames(const QString& path) {
    QStringList names;
    for (const auto& [name, bytes] : ZipContents(path))
        names << name;
    return names;
}
