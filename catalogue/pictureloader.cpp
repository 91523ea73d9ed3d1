// Loading pictures from the disk: where the picture folder lies, reading a regular file without
// blocking, and the precise cause of a file that cannot be opened.

#include "catalogue/pictureloader.h"

#include "catalogue/catalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace catalogue {

namespace {

// A regular file read whole, or why it was not.
struct RegularFile
{
    enum Outcome
    {
        Read,
        Failed,     // not opened, or not read: `error` says why
        NotRegular, // a folder, a named pipe, a device...
        TooLarge,
    };
    Outcome outcome = Read;
    int error = 0; // the errno of a failure
    QByteArray data;
};

// Reads the file `name` when it is a regular file of at most `maxBytes`. It is opened without
// blocking, so that a named pipe or a device never stalls the caller, and anything but a regular
// file is left unread.
RegularFile readRegularFile(const QByteArray &name, qint64 maxBytes)
{
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    const auto close = qScopeGuard([fd] {
        if (fd >= 0)
            ::close(fd);
    });
    struct stat info
    {};
    if (fd < 0 || ::fstat(fd, &info) != 0)
        return {RegularFile::Failed, errno, {}};
    if (!S_ISREG(info.st_mode))
        return {RegularFile::NotRegular, 0, {}};
    if (info.st_size > maxBytes)
        return {RegularFile::TooLarge, 0, {}};
    RegularFile result{RegularFile::Read, 0,
                       QByteArray(qsizetype(info.st_size), Qt::Uninitialized)};
    qsizetype filled = 0;
    while (filled < result.data.size()) {
        const ssize_t got = ::read(fd, result.data.data() + filled,
                                   static_cast<size_t>(result.data.size() - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return {RegularFile::Failed, errno, {}};
        if (got == 0)
            break;
        filled += got;
    }
    result.data.truncate(filled);
    return result;
}

QByteArray withoutTrailingSlash(QByteArray path)
{
    while (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    return path;
}

// The value of the last XDG_DOCUMENTS_DIR line of the user folder settings in `configHome`, one
// pair of quotes removed. No such settings come near 64 KiB; a larger file is not read.
QByteArray documentsSetting(const QByteArray &configHome)
{
    const QByteArray key = "XDG_DOCUMENTS_DIR=";
    QByteArray value;
    for (const QByteArray &line :
         readRegularFile(configHome + "/user-dirs.dirs", 64 * 1024).data.split('\n')) {
        if (line.startsWith(key))
            value = line.mid(key.size());
    }
    if (value.size() > 2 && value.startsWith('"') && value.endsWith('"'))
        value = value.mid(1, value.size() - 2);
    return value;
}

// The command that runs the tile tool, as the user can type it where the running program lies:
// "tolvane-tiles" where the one beside the program is the one the search path finds; else the full
// path of that one, or of the clone's tools/tolvane-tiles, which builds the tool when first run.
QString tileToolCommand()
{
    const QString name = QStringLiteral("tolvane-tiles");
    if (!QCoreApplication::instance())
        return name;
    const QDir programs(QCoreApplication::applicationDirPath());
    for (const QString &place : {programs.filePath(name), programs.filePath("../../tools/" + name),
                                 programs.filePath("../tools/tiles/" + name)}) {
        const QFileInfo tool(place);
        if (!tool.isFile() || !tool.isExecutable())
            continue;
        if (QFileInfo(QStandardPaths::findExecutable(name)).canonicalFilePath() ==
            tool.canonicalFilePath())
            return name;
        const QString path = QDir::cleanPath(tool.absoluteFilePath());
        if (!path.contains(QRegularExpression(QStringLiteral("[^A-Za-z0-9_./+-]"))))
            return path;
        return u'\'' + QString(path).replace(u'\'', QLatin1String("'\\''")) + u'\'';
    }
    return name;
}

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

// Why the file `name` could not be opened, from open()'s `error` and a look along its path: a
// folder on the way that is a link to nowhere or into a loop of links, its folder missing, a file
// in the folder's place, a folder that may not be looked into, a link to a missing file, or the
// file itself missing or unreadable. A missing folder's cause ends with `folderNote`.
QString openFailure(const QByteArray &name, int error, const QString &folderNote)
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
                       .arg(tileToolCommand()) +
                   (folderNote.isEmpty() ? QString() : QStringLiteral(". ") + folderNote);
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

// The largest file a picture within maxPictureBytes needs is an uncompressed 32-bit one of that
// size; twice that leaves room for headers and a palette. A larger file is not read at all. A
// failed allocation while the file is read or decoded is reported as a lack of memory.
QImage readPicture(const QByteArray &name, const QString &folderNote)
{
    const QString shownName = QFile::decodeName(name);
    try {
        const RegularFile file = readRegularFile(name, 2 * maxPictureBytes);
        switch (file.outcome) {
        case RegularFile::Read:
            return decodePicture(file.data, shownName);
        case RegularFile::Failed:
            throw PictureLoadError(shownName, openFailure(name, file.error, folderNote));
        case RegularFile::NotRegular:
            throw PictureLoadError(
                shownName, QCoreApplication::translate("PictureLoad", "it is not a picture file"));
        case RegularFile::TooLarge:
            break;
        }
        throw PictureLoadError(
            shownName,
            QCoreApplication::translate("PictureLoad", "it is too large to be a tile picture"));
    } catch (const std::bad_alloc &) {
        throw PictureLoadError(
            shownName,
            QCoreApplication::translate("PictureLoad", "there is not enough memory to load it"));
    }
}

} // namespace

PictureLoadError::PictureLoadError(const QString &file, const QString &cause)
    //: %1 is the picture file's full path; %2 says why, as a clause of its own ("the file is
    //: missing").
    : std::runtime_error(
          QCoreApplication::translate("PictureLoad", "The picture \"%1\" cannot be loaded: %2.")
              .arg(file, cause)
              .toStdString()),
      m_file(file), m_cause(cause)
{}

// The documents folder follows the user folder settings only where they name an absolute path or
// one under $HOME; anything else would be found in a different place by programs started from
// different folders. HOME itself must be the absolute path of a folder.
DocumentsFolder documentsFolder()
{
    const QByteArray home = withoutTrailingSlash(qgetenv("HOME"));
    const bool homeUsable = home.startsWith('/') && S_ISDIR(modeOf(home, true));
    QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
    if (!configHome.startsWith('/'))
        configHome = homeUsable ? home + "/.config" : QByteArray();
    const QByteArray value = configHome.isEmpty() ? QByteArray() : documentsSetting(configHome);
    const bool underHome = value == "$HOME" || value.startsWith("$HOME/");
    if (!value.contains('\0') && value.startsWith('/'))
        return {withoutTrailingSlash(value), {}};
    if (!value.contains('\0') && underHome && homeUsable)
        return {withoutTrailingSlash(home + value.mid(5)), {}};
    if (home.isEmpty())
        return {{},
                QCoreApplication::translate(
                    "PictureLoad", "HOME is not set, so there is no documents folder to hold "
                                   "the picture folder")};
    if (!homeUsable)
        return {{},
                QCoreApplication::translate("PictureLoad",
                                            "HOME is \"%1\", which is not the absolute path "
                                            "of a folder, so there is no documents folder to "
                                            "hold the picture folder")
                    .arg(QFile::decodeName(home))};
    if (value.isEmpty() || underHome)
        return {home + "/Documents", {}};
    //: Ends the cause of a missing picture folder: why it is looked for in ~/Documents.
    return {home + "/Documents",
            QCoreApplication::translate("PictureLoad",
                                        "XDG_DOCUMENTS_DIR in \"%1\" is set aside for "
                                        "~/Documents: it is neither an absolute path nor one "
                                        "under $HOME")
                .arg(QFile::decodeName(configHome + "/user-dirs.dirs"))};
}

FilePictureLoader::FilePictureLoader() : m_documents(documentsFolder()) {}

FilePictureLoader::FilePictureLoader(const QByteArray &documentsFolder)
    : m_documents{documentsFolder, {}}
{}

QByteArray FilePictureLoader::fileName(const QString &path) const
{
    if (!path.startsWith(documentsPart))
        return QFile::encodeName(path);
    if (m_documents.folder.isEmpty())
        return {};
    return m_documents.folder + '/' + QFile::encodeName(path.mid(documentsPart.size()));
}

QImage FilePictureLoader::loadImage(const QByteArray &name)
{
    return readPicture(name, {});
}

QPixmap FilePictureLoader::loadPicture(const QString &path) const
{
    const QByteArray name = fileName(path);
    if (name.isEmpty())
        throw PictureLoadError(path, m_documents.problem);
    const QImage image = readPicture(name, m_documents.problem);
    QPixmap picture;
    try {
        picture = QPixmap::fromImage(image);
    } catch (const std::bad_alloc &) {
    }
    if (picture.isNull())
        throw PictureLoadError(QFile::decodeName(name), noMemoryFor(image.size()));
    return picture;
}

} // namespace catalogue
