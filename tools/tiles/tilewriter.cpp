#include "tools/tiles/tilewriter.h"

#include "tools/tiles/tilepicture.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImageWriter>
#include <QScopeGuard>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tiles {

namespace {

QString causeOf(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Makes the folder `folder` and those above it; whether it is there now.
bool makeFolders(const QByteArray &folder)
{
    for (qsizetype slash = folder.indexOf('/', 1); slash > 0;
         slash = folder.indexOf('/', slash + 1))
        ::mkdir(folder.left(slash).constData(), 0777);
    ::mkdir(folder.constData(), 0777);
    struct stat info
    {};
    return ::stat(folder.constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Why the name `name`, which could not be opened or was not a regular file, cannot be written.
QString refusal(const QByteArray &name, int error)
{
    struct stat info
    {};
    const bool named = ::lstat(name.constData(), &info) == 0;
    if (named && S_ISLNK(info.st_mode))
        return QCoreApplication::translate("TileTool", "it is a symbolic link");
    if (error != 0 && (!named || S_ISREG(info.st_mode)))
        return causeOf(error);
    return QCoreApplication::translate("TileTool", "it is not a regular file");
}

// Why the picture could not be encoded as a bitmap, or an empty string when it was.
QString encodeBitmap(QImage picture, QByteArray *bitmap)
{
    // A new image takes its resolution from the screen, or 100 dpi where there is none; fixed at
    // 96 dpi, the file is the same whichever kind of application draws it.
    constexpr int dotsPerMeterAt96Dpi = 3780;
    picture.setDotsPerMeterX(dotsPerMeterAt96Dpi);
    picture.setDotsPerMeterY(dotsPerMeterAt96Dpi);
    QBuffer buffer(bitmap);
    buffer.open(QIODevice::WriteOnly);
    // Qt writes images of more than 8 bits per pixel as uncompressed 24-bit bitmaps.
    QImageWriter writer(&buffer, "bmp");
    return writer.write(picture) ? QString() : writer.errorString();
}

} // namespace

FileWrite writeFile(const QByteArray &name, const QByteArray &content, bool overwrite)
{
    // O_NONBLOCK: opening a pipe without a reader fails at once instead of waiting for one.
    const int flags =
        O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | (overwrite ? 0 : O_EXCL);
    const int file = ::open(name.constData(), flags, 0666);
    if (file < 0) {
        const int error = errno;
        if (error == EEXIST && !overwrite)
            return {true, {}};
        return {false, refusal(name, error)};
    }
    const auto close = qScopeGuard([file] { ::close(file); });
    struct stat info
    {};
    if (::fstat(file, &info) != 0)
        return {false, causeOf(errno)};
    if (!S_ISREG(info.st_mode))
        return {false, refusal(name, 0)};
    if (::ftruncate(file, 0) != 0)
        return {false, causeOf(errno)};
    for (qsizetype done = 0; done < content.size();) {
        const ssize_t wrote = ::write(file, content.constData() + done, content.size() - done);
        if (wrote < 0 && errno != EINTR)
            return {false, causeOf(errno)};
        done += std::max<ssize_t>(wrote, 0);
    }
    return {};
}

WriteReport writeTiles(const Destination &destination, bool overwrite)
{
    WriteReport report;
    for (const catalogue::PictureFile &tile : catalogue::pictureFiles()) {
        const QByteArray file = destination(tile);
        QByteArray bitmap;
        FileWrite done;
        try {
            done.fault = encodeBitmap(drawTile(tile.fileName.toStdString(), tile.size), &bitmap);
        } catch (const std::exception &error) {
            done.fault = QString::fromUtf8(error.what());
        }
        const qsizetype slash = file.lastIndexOf('/');
        if (done.fault.isEmpty() && slash > 0 && !makeFolders(file.left(slash)))
            done.fault = QCoreApplication::translate("TileTool", "cannot create the folder");
        if (done.fault.isEmpty())
            done = writeFile(file, bitmap, overwrite);
        if (done.kept)
            report.kept << file;
        else if (done.fault.isEmpty())
            report.written << file;
        else
            report.failed.push_back({file, done.fault});
    }
    return report;
}

Destination intoFolder(const QByteArray &folder)
{
    const QByteArray prefix = folder.endsWith('/') ? folder : folder + '/';
    return [prefix](const catalogue::PictureFile &tile) {
        return prefix + QFile::encodeName(tile.fileName);
    };
}

} // namespace tiles
