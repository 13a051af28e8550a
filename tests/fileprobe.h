// Reading files in tests: tools' output, a file's bytes, a folder's names as the system
// has them, and a snapshot of what a name is (type, inode, mode, links, owner,
// content) to tell that a refused target was left exactly as it was.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

#include <algorithm>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>

namespace fileprobe {

inline QString runTool(const QString &tool, const QStringList &arguments)
{
    const QString path = QStandardPaths::findExecutable(tool);
    if (path.isEmpty())
        return QStringLiteral("<%1 is not installed>").arg(tool);
    QProcess process;
    process.start(path, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// The names in `dir` as the system has them, bytes and all.
inline QList<QByteArray> rawEntries(const QString &dir)
{
    QList<QByteArray> names;
    DIR *stream = ::opendir(QFile::encodeName(dir).constData());
    if (!stream)
        return names;
    while (const dirent *entry = ::readdir(stream))
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            names.append(QByteArray(entry->d_name));
    ::closedir(stream);
    std::sort(names.begin(), names.end());
    return names;
}

struct Snapshot
{
    bool exists = false;
    struct stat info {};
    QByteArray content;
    bool operator==(const Snapshot &other) const
    {
        return exists == other.exists && info.st_ino == other.info.st_ino && info.st_mode == other.info.st_mode
               && info.st_nlink == other.info.st_nlink && info.st_uid == other.info.st_uid
               && info.st_size == other.info.st_size && info.st_rdev == other.info.st_rdev && content == other.content;
    }
};

// What a name is now, without following it.
inline Snapshot snapshot(const QString &path)
{
    Snapshot shot;
    shot.exists = ::lstat(QFile::encodeName(path).constData(), &shot.info) == 0;
    if (shot.exists && S_ISREG(shot.info.st_mode))
        shot.content = readAll(path);
    return shot;
}

} // namespace fileprobe
