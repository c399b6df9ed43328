#include "backup_archive.h"

#include "backup_entry_name.h"
#include "storage/atomic_file.h"
#include "storage/translate.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <filesystem>
#include <memory>
#include <sys/stat.h>
#include <system_error>
#include <zip.h>

namespace {

// ---- the file list

QStringList SortedFiles(const QDir& root, const QString& folder, const QStringList& nameFilters,
                        bool recursive) {
    QStringList found;
    const QString path = folder.isEmpty() ? root.path() : root.filePath(folder);
    if (!QFileInfo(path).isDir()) return found;
    QDirIterator it(path, nameFilters, QDir::Files | QDir::Hidden | QDir::System,
                    recursive ? QDirIterator::Subdirectories : QDirIterator::NoIteratorFlags);
    while (it.hasNext())
        found << root.relativeFilePath(it.next());
    found.sort(Qt::CaseInsensitive);
    return found;
}

// ---- writing

// One file of the archive, opened only when libzip stores it.
struct FileSource {
    QString absolutePath;
    QString relativePath;
    const BackupItemSink* onItem = nullptr;
    QString* failure = nullptr; // the first file that could not be read, for the message
    QFile file;
    bool announced = false;
    zip_error_t error;

    zip_int64_t Fail(int code, const QString& reason) {
        if (failure->isEmpty()) *failure = ReadErrorText(absolutePath, reason);
        zip_error_set(&error, code, 0);
        return -1;
    }
};

zip_int64_t FileSourceCallback(void* userdata, void* data, zip_uint64_t len, zip_source_cmd_t cmd) {
    auto* source = static_cast<FileSource*>(userdata);
    switch (cmd) {
    case ZIP_SOURCE_OPEN:
        if (!source->announced && source->onItem && *source->onItem) (*source->onItem)(source->relativePath);
        source->announced = true;
        source->file.setFileName(source->absolutePath);
        if (!source->file.open(QIODevice::ReadOnly))
            return source->Fail(ZIP_ER_OPEN, source->file.errorString());
        return 0;
    case ZIP_SOURCE_READ: {
        const qint64 n = source->file.read(static_cast<char*>(data), qint64(len));
        if (n < 0) return source->Fail(ZIP_ER_READ, source->file.errorString());
        return n;
    }
    case ZIP_SOURCE_CLOSE:
        source->file.close();
        return 0;
    case ZIP_SOURCE_STAT: {
        auto* st = static_cast<zip_stat_t*>(data);
        zip_stat_init(st);
        const QDateTime modified = QFileInfo(source->absolutePath).lastModified();
        if (modified.isValid()) {
            st->mtime = time_t(modified.toSecsSinceEpoch());
            st->valid |= ZIP_STAT_MTIME;
        }
        return sizeof(zip_stat_t);
    }
    case ZIP_SOURCE_ERROR:
        return zip_error_to_data(&source->error, data, len);
    case ZIP_SOURCE_FREE:
        zip_error_fini(&source->error);
        delete source;
        return 0;
    case ZIP_SOURCE_SUPPORTS:
        return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE,
                                              ZIP_SOURCE_STAT, ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
    default:
        zip_error_set(&source->error, ZIP_ER_OPNOTSUPP, 0);
        return -1;
    }
}

QString ZipErrorText(int code) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = QString::fromLocal8Bit(zip_error_strerror(&error));
    zip_error_fini(&error);
    return text;
}

bool ReplaceFile(const QString& from, const QString& to, QString* reason) {
    std::error_code ec;
    std::filesystem::rename(std::filesystem::path(from.toStdU16String()),
                            std::filesystem::path(to.toStdU16String()), ec);
    if (ec) *reason = QString::fromLocal8Bit(ec.message());
    return !ec;
}

// ---- restoring

struct Entry {
    zip_uint64_t index = 0;
    QString relativePath;
    bool directory = false;
    QString temporaryPath; // where the file was extracted to
};

struct ZipCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using ZipHandle = std::unique_ptr<zip_t, ZipCloser>;

bool IsSymbolicLink(zip_t* archive, zip_uint64_t index) {
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(archive, index, 0, &system, &attributes) != 0) return false;
    return system == ZIP_OPSYS_UNIX && ((attributes >> 16) & S_IFMT) == S_IFLNK;
}

void RemoveTemporaries(const QList<Entry>& entries) {
    for (const Entry& entry : entries)
        if (!entry.temporaryPath.isEmpty()) QFile::remove(entry.temporaryPath);
}

// Extracts one file to a new temporary file beside its target; the error names the entry.
Expected<QString, QString> ExtractToTemporary(zip_t* archive, const Entry& entry, const QDir& root) {
    const QString target = root.filePath(entry.relativePath);
    const QFileInfo targetInfo(target);
    if (targetInfo.isDir()) return Unexpected(WriteErrorText(target, Translate("a folder has that name")));
    if (!root.mkpath(targetInfo.path()))
        return Unexpected(WriteErrorText(targetInfo.path(), Translate("the folder cannot be created")));
    QTemporaryFile temporary(targetInfo.path() + QStringLiteral("/.") + targetInfo.fileName() +
                             QStringLiteral(".restore-XXXXXX"));
    if (!temporary.open()) return Unexpected(WriteErrorText(target, temporary.errorString()));
    zip_file_t* file = zip_fopen_index(archive, entry.index, 0);
    if (!file)
        return Unexpected(ReadErrorText(entry.relativePath, QString::fromLocal8Bit(zip_strerror(archive))));
    QByteArray buffer(64 * 1024, Qt::Uninitialized);
    for (;;) {
        const zip_int64_t n = zip_fread(file, buffer.data(), zip_uint64_t(buffer.size()));
        if (n < 0) {
            const QString reason = QString::fromLocal8Bit(zip_file_strerror(file));
            zip_fclose(file);
            return Unexpected(ReadErrorText(entry.relativePath, reason));
        }
        if (n == 0) break;
        if (temporary.write(buffer.constData(), n) != n) {
            zip_fclose(file);
            return Unexpected(WriteErrorText(target, temporary.errorString()));
        }
    }
    zip_fclose(file);
    if (!temporary.flush()) return Unexpected(WriteErrorText(target, temporary.errorString()));
    temporary.close();
    temporary.setAutoRemove(false);
    return temporary.fileName();
}

} // namespace

QStringList BackupFileList(const QString& dataFolder, const BackupContent& content,
                           const QStringList& leaveOut) {
    const QDir root(dataFolder);
    QStringList files;
    files << SortedFiles(root, QStringLiteral("Sessions"), {}, true);
    files << SortedFiles(root, QStringLiteral("Setups"), {}, true);
    files << SortedFiles(root, QString(), {QStringLiteral("*.ini"), QStringLiteral("*.INI")}, false);
    files << SortedFiles(root, QString(), {QStringLiteral("*.txt"), QStringLiteral("*.TXT")}, false);
    files << SortedFiles(root, QStringLiteral("Tracks"), {}, false);
    if (content.includeMovies) files << SortedFiles(root, QStringLiteral("Tracks/Movies"), {}, false);
    if (content.includeExports) files << SortedFiles(root, QStringLiteral("Exports"), {}, false);
    files.removeDuplicates();
    QStringList excluded;
    for (const QString& path : leaveOut) {
        const QFileInfo info(path);
        excluded << (info.exists() ? info.canonicalFilePath() : info.absoluteFilePath());
    }
    if (excluded.isEmpty()) return files;
    QStringList kept;
    for (const QString& relative : files) {
        const QFileInfo info(root.filePath(relative));
        if (!excluded.contains(info.canonicalFilePath()) && !excluded.contains(info.absoluteFilePath()))
            kept << relative;
    }
    return kept;
}

Expected<void, QString> WriteBackupArchive(const QString& archivePath, const QString& dataFolder,
                                           const QStringList& files, const BackupItemSink& onItem) {
    if (files.isEmpty())
        return Unexpected(
            Fill(Translate("There are no files to back up in %s."), QDir::toNativeSeparators(dataFolder)));
    const QFileInfo target(archivePath);
    if (target.isDir()) return Unexpected(WriteErrorText(archivePath, Translate("a folder has that name")));
    // A name beside the target, reserved until libzip writes over it; renamed over the target at the end.
    QString temporaryPath;
    {
        QTemporaryFile reserve(target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                               QStringLiteral(".backup-XXXXXX"));
        if (!reserve.open()) return Unexpected(WriteErrorText(archivePath, reserve.errorString()));
        reserve.setAutoRemove(false);
        temporaryPath = reserve.fileName();
    }
    int code = 0;
    zip_t* archive = zip_open(QFile::encodeName(temporaryPath).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!archive) {
        QFile::remove(temporaryPath);
        return Unexpected(WriteErrorText(archivePath, ZipErrorText(code)));
    }
    const QDir root(dataFolder);
    QString failure;
    for (const QString& relative : files) {
        auto* source = new FileSource;
        source->absolutePath = root.filePath(relative);
        source->relativePath = relative;
        source->onItem = &onItem;
        source->failure = &failure;
        zip_error_init(&source->error);
        zip_source_t* zipSource = zip_source_function(archive, FileSourceCallback, source);
        if (!zipSource) {
            zip_error_fini(&source->error);
            delete source;
            failure = WriteErrorText(archivePath, QString::fromLocal8Bit(zip_strerror(archive)));
            break;
        }
        const QByteArray name = relative.toUtf8();
        if (zip_file_add(archive, name.constData(), zipSource, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE) < 0) {
            zip_source_free(zipSource);
            failure = WriteErrorText(archivePath, QString::fromLocal8Bit(zip_strerror(archive)));
            break;
        }
    }
    if (!failure.isEmpty()) {
        zip_discard(archive);
        QFile::remove(temporaryPath);
        return Unexpected(failure);
    }
    if (zip_close(archive) != 0) {
        const QString reason = QString::fromLocal8Bit(zip_strerror(archive));
        zip_discard(archive);
        QFile::remove(temporaryPath);
        return Unexpected(failure.isEmpty() ? WriteErrorText(archivePath, reason) : failure);
    }
    QString reason;
    if (!ReplaceFile(temporaryPath, archivePath, &reason)) {
        QFile::remove(temporaryPath);
        return Unexpected(WriteErrorText(archivePath, reason));
    }
    return {};
}

Expected<QStringList, RestoreFailure>
RestoreBackupArchive(const QString& archivePath, const QString& dataFolder, const BackupItemSink& onItem) {
    int code = 0;
    ZipHandle archive(zip_open(QFile::encodeName(archivePath).constData(), ZIP_RDONLY, &code));
    if (!archive) return Unexpected(RestoreFailure{ReadErrorText(archivePath, ZipErrorText(code)), {}});

    // Every entry is checked before anything is written.
    const auto refused = [&archivePath](const QString& name, const QString& problem) {
        return Unexpected(RestoreFailure{
            Fill(Translate("The archive %s was refused: the entry \"%s\" %s. Nothing was restored."),
                 {PathForMessage(archivePath), name, problem}),
            {}});
    };
    QList<Entry> entries;
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* raw = zip_get_name(archive.get(), zip_uint64_t(i), ZIP_FL_ENC_GUESS);
        if (!raw) return refused(QString(), Translate("has no readable name"));
        const QString name = QString::fromUtf8(raw);
        if (const QString problem = EntryNameProblem(name); !problem.isEmpty()) return refused(name, problem);
        if (IsSymbolicLink(archive.get(), zip_uint64_t(i))) return refused(name, Translate("is a link"));
        Entry entry;
        entry.index = zip_uint64_t(i);
        entry.relativePath = EntryRelativePath(name);
        entry.directory = name.endsWith(u'/') || name.endsWith(u'\\');
        entries << entry;
    }

    // Every file goes to a temporary name first: a failure here leaves the data folder as it was.
    const QDir root(dataFolder);
    for (Entry& entry : entries) {
        if (entry.directory) {
            if (!root.mkpath(entry.relativePath)) {
                RemoveTemporaries(entries);
                return Unexpected(RestoreFailure{WriteErrorText(root.filePath(entry.relativePath),
                                                                Translate("the folder cannot be created")),
                                                 {}});
            }
            continue;
        }
        if (onItem) onItem(entry.relativePath);
        const auto extracted = ExtractToTemporary(archive.get(), entry, root);
        if (!extracted) {
            RemoveTemporaries(entries);
            return Unexpected(RestoreFailure{extracted.error(), {}});
        }
        entry.temporaryPath = *extracted;
    }

    // Then each replaces its file.
    QStringList restored;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        Entry& entry = entries[i];
        if (entry.directory) continue;
        QString reason;
        if (!ReplaceFile(entry.temporaryPath, root.filePath(entry.relativePath), &reason)) {
            RemoveTemporaries(entries.mid(i));
            return Unexpected(
                RestoreFailure{WriteErrorText(root.filePath(entry.relativePath), reason), restored});
        }
        entry.temporaryPath.clear();
        restored << entry.relativePath;
    }
    return restored;
}
