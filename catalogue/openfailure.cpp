#include "catalogue/openfailure.h"

#include "catalogue/tiletoolcommand.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace catalogue {

namespace {

// What stat() or lstat() says of a path: its mode, or 0 with errno set when there is nothing.
mode_t modeOf(const QByteArray &path, bool followLinks)
{
    struct stat info
    {};
    const int got =
        followLinks ? ::stat(path.constData(), &info) : ::lstat(path.constData(), &info);
    return got == 0 ? info.st_mode : 0;
}

QByteArray linkTarget(const QByteArray &link)
{
    QByteArray target(4096, Qt::Uninitialized);
    const ssize_t length = ::readlink(link.constData(), target.data(), target.size());
    return length < 0 ? QByteArray() : target.left(length);
}

// Why the first folder on the way to `folder`, itself included, that is a link leads nowhere: to
// no folder, or round a loop of links. Empty when no link on the way is broken.
QString brokenLinkOnTheWay(const QByteArray &folder)
{
    for (qsizetype end = folder.indexOf('/', 1);; end = folder.indexOf('/', end + 1)) {
        const QByteArray step = end < 0 ? folder : folder.left(end);
        if (modeOf(step, true) == 0) {
            const int why = errno;
            const bool itsOwn = step == folder;
            const QString shownStep = QFile::decodeName(step);
            if (why == ELOOP)
                return (itsOwn
                            ? QCoreApplication::translate(
                                  "PictureLoad", "its folder \"%1\" is a link that leads round a "
                                                 "loop of links. Remove the link, or point it "
                                                 "at a folder")
                            : QCoreApplication::translate(
                                  "PictureLoad", "the folder \"%1\" on its path is a link that "
                                                 "leads round a loop of links. Remove the "
                                                 "link, or point it at a folder"))
                    .arg(shownStep);
            if (why == ENOENT && S_ISLNK(modeOf(step, false)))
                return (itsOwn ? QCoreApplication::translate(
                                     "PictureLoad", "its folder \"%1\" is a link to \"%2\", where "
                                                    "there is no folder. Remove the link, or make "
                                                    "the folder it points to")
                               : QCoreApplication::translate(
                                     "PictureLoad", "the folder \"%1\" on its path is a link to "
                                                    "\"%2\", where there is no folder. Remove "
                                                    "the link, or make the folder it points to"))
                    .arg(shownStep, QFile::decodeName(linkTarget(step)));
            return {};
        }
        if (end < 0)
            return {};
    }
}

QString systemMessage(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

QString openFailure(const QByteArray &name, int error)
{
    const qsizetype slash = name.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : name.left(qMax(slash, qsizetype(1)));
    const QString shownFolder = QFile::decodeName(folder);
    switch (error) {
    case ENOENT:
    case ENOTDIR:
    case ELOOP: {
        if (const QString link = brokenLinkOnTheWay(folder); !link.isEmpty())
            return link;
        if (error == ELOOP)
            break;
        const mode_t folderMode = modeOf(folder, true);
        if (folderMode != 0 && !S_ISDIR(folderMode))
            return QCoreApplication::translate("PictureLoad",
                                               "its folder \"%1\" is a file, not a folder")
                .arg(shownFolder);
        if (folderMode == 0)
            return QCoreApplication::translate(
                       "PictureLoad",
                       "its folder is missing. Run \"%1\" to put the sample tiles there; if you "
                       "have tiles of your own, put them there and run \"%1 --check\" to check "
                       "them")
                .arg(tileToolCommand());
        if (S_ISLNK(modeOf(name, false)))
            return QCoreApplication::translate("PictureLoad",
                                               "it is a link to a file that is missing");
        return QCoreApplication::translate(
                   "PictureLoad",
                   "the file is missing. \"%1 --check\" names every picture that the folder "
                   "lacks or that the editor cannot load; \"%1\" adds the sample tiles for the "
                   "ones it lacks and keeps the files you have")
            .arg(tileToolCommand());
    }
    case EACCES:
        if (::access(folder.constData(), X_OK) != 0)
            return QCoreApplication::translate("PictureLoad", "its folder cannot be read (%1)")
                .arg(systemMessage(error));
        break;
    default:
        break;
    }
    return QCoreApplication::translate("PictureLoad", "the file cannot be read (%1)")
        .arg(systemMessage(error));
}

} // namespace catalogue
