#include "DurableFile.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

using namespace Qt::Literals::StringLiterals;

namespace {

QString reasonFor(const QString& what, const QString& path, const QString& why)
{
    return what + u" "_s + path + u"（"_s + why + u"）"_s;
}

// A rename is on the disk only once its folder is; a folder that cannot be synced
// (some file systems refuse) still has the rename, just with less certainty.
void syncFolderOf(const QString& path)
{
    const int folder = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return;
    ::fsync(folder);
    ::close(folder);
}

std::filesystem::path nativePath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

// A rename that fails rather than replace to; where the file system cannot say,
// the check for to comes just before a plain rename.
QString renameNew(const QString& from, const QString& to)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0) {
        syncFolderOf(to);
        return {};
    }
    const int error = errno;
    if (error == EEXIST || QFileInfo::exists(to))
        return reasonFor(u"无法重命名"_s, from, u"目标文件已存在"_s);
    if (error != EINVAL && error != ENOSYS)
        return reasonFor(u"无法重命名"_s, from, QString::fromLocal8Bit(std::strerror(error)));
    return DurableFile::rename(from, to);
}

} // namespace

namespace DurableFile {

QString copy(const QString& from, const QString& to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return reasonFor(u"无法读取"_s, from, source.errorString());
    QFile target(to);
    if (!target.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return reasonFor(u"无法写入"_s, to, target.errorString());
    constexpr qint64 Chunk = 1 << 20;
    while (!source.atEnd()) {
        const QByteArray block = source.read(Chunk);
        if (source.error() != QFileDevice::NoError)
            return reasonFor(u"无法读取"_s, from, source.errorString());
        if (block.isEmpty())
            break;
        if (target.write(block) != block.size())
            return reasonFor(u"无法写入"_s, to, target.errorString());
    }
    if (!target.flush())
        return reasonFor(u"无法写入"_s, to, target.errorString());
    if (::fsync(target.handle()) != 0)
        return reasonFor(u"无法写入"_s, to, QString::fromLocal8Bit(std::strerror(errno)));
    return {};
}

QString rename(const QString& from, const QString& to)
{
    std::error_code error;
    std::filesystem::rename(nativePath(from), nativePath(to), error);
    if (error)
        return reasonFor(u"无法重命名"_s, from, QString::fromLocal8Bit(error.message()));
    syncFolderOf(to);
    return {};
}

QString installNew(const QString& from, const QString& to)
{
    const QString temporary = to + u".tmp"_s;
    QString problem = copy(from, temporary);
    if (problem.isEmpty())
        problem = renameNew(temporary, to);
    if (!problem.isEmpty())
        QFile::remove(temporary);
    return problem;
}

} // namespace DurableFile
