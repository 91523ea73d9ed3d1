// Loading pictures from the disk: where the picture folder lies, reading a regular file without
// blocking, and the precise cause of a file that cannot be opened.

#include "catalogue/pictureloader.h"

#include "catalogue/catalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
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

// A file descriptor that closes itself.
class OpenFile
{
public:
    explicit OpenFile(const QByteArray &name)
        : m_fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY))
    {}
    ~OpenFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    OpenFile(const OpenFile &) = delete;
    OpenFile &operator=(const OpenFile &) = delete;

    int fd() const { return m_fd; }

private:
    int m_fd;
};

// Reads the file `name` when it is a regular file of at most `maxBytes`. It is opened without
// blocking, so that a named pipe or a device never stalls the caller, and anything but a regular
// file is left unread.
RegularFile readRegularFile(const QByteArray &name, qint64 maxBytes)
{
    RegularFile result;
    OpenFile file(name);
    struct stat info
    {};
    if (file.fd() < 0 || ::fstat(file.fd(), &info) != 0)
        return {RegularFile::Failed, errno, {}};
    if (!S_ISREG(info.st_mode))
        return {RegularFile::NotRegular, 0, {}};
    if (info.st_size > maxBytes)
        return {RegularFile::TooLarge, 0, {}};

    result.data = QByteArray(static_cast<qsizetype>(info.st_size), Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled < result.data.size()) {
        const ssize_t got = ::read(file.fd(), result.data.data() + filled,
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

// No user folder settings come near this; a larger file is not read.
constexpr qint64 maxSettingsBytes = 64 * 1024;

QByteArray withoutTrailingSlash(QByteArray path)
{
    while (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    return path;
}

QByteArray homeFolder()
{
    const QByteArray home = qgetenv("HOME");
    return home.isEmpty() ? QByteArray("/") : withoutTrailingSlash(home);
}

// The documents folder that the user folder settings name, or an empty one.
QByteArray documentsFolderSetting(const QByteArray &home)
{
    QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
    if (configHome.isEmpty())
        configHome = home + "/.config";
    const RegularFile settings = readRegularFile(configHome + "/user-dirs.dirs", maxSettingsBytes);
    const QByteArray key = "XDG_DOCUMENTS_DIR=";
    QByteArray value;
    for (const QByteArray &line : settings.data.split('\n')) {
        if (line.startsWith(key))
            value = line.mid(key.size());
    }
    if (value.size() > 2 && value.startsWith('"') && value.endsWith('"'))
        value = value.mid(1, value.size() - 2);
    if (value.startsWith("$HOME"))
        value = home + value.mid(5);
    return withoutTrailingSlash(value);
}

const QString toolName = QStringLiteral("tolvane-tiles");

QString quotedForTheShell(const QString &path)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_./+-]+$"));
    if (plain.match(path).hasMatch())
        return path;
    return QLatin1Char('\'') + QString(path).replace(u'\'', QLatin1String("'\\''")) +
           QLatin1Char('\'');
}

// The command that runs the tile tool, as the user can type it where the running program lies:
// "tolvane-tiles" when the one beside the program (installed) or in its build tree is the one the
// search path finds, else that tool's full path, quoted for the shell where it needs to be.
QString tileToolCommand()
{
    if (!QCoreApplication::instance())
        return toolName;
    const QDir programs(QCoreApplication::applicationDirPath());
    for (const QString &place : {programs.filePath(toolName),
                                 programs.filePath(QStringLiteral("../tools/tiles/") + toolName)}) {
        const QFileInfo tool(place);
        if (!tool.isFile() || !tool.isExecutable())
            continue;
        const QFileInfo found(QStandardPaths::findExecutable(toolName));
        if (found.exists() && found.canonicalFilePath() == tool.canonicalFilePath())
            return toolName;
        return quotedForTheShell(QDir::cleanPath(tool.absoluteFilePath()));
    }
    return toolName;
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
// file itself missing or unreadable.
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

// The largest file a picture within maxPictureBytes needs is an uncompressed 32-bit one of that
// size; twice that leaves room for headers and a palette. A larger file is not read at all.
constexpr qint64 maxFileBytes = 2 * maxPictureBytes;

// Reads the whole of a regular file into memory, or throws why it cannot.
QByteArray readPictureFile(const QByteArray &name)
{
    RegularFile file = readRegularFile(name, maxFileBytes);
    const QString shownName = QFile::decodeName(name);
    switch (file.outcome) {
    case RegularFile::Read:
        break;
    case RegularFile::Failed:
        throw PictureLoadError(shownName, openFailure(name, file.error));
    case RegularFile::NotRegular:
        throw PictureLoadError(
            shownName, QCoreApplication::translate("PictureLoad", "it is not a picture file"));
    case RegularFile::TooLarge:
        throw PictureLoadError(
            shownName,
            QCoreApplication::translate("PictureLoad", "it is too large to be a tile picture"));
    }
    return std::move(file.data);
}

// What `load` returns; a failed allocation in it becomes the load error a user is shown about the
// file `name`.
template <typename Load> auto withinMemory(const QByteArray &name, Load load)
{
    try {
        return load();
    } catch (const std::bad_alloc &) {
        // Qt's containers throw this where a picture's pixels come back empty instead.
        throw PictureLoadError(
            QFile::decodeName(name),
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

QByteArray documentsFolder()
{
    const QByteArray home = homeFolder();
    const QByteArray setting = documentsFolderSetting(home);
    return setting.isEmpty() ? home + "/Documents" : setting;
}

FilePictureLoader::FilePictureLoader() : FilePictureLoader(documentsFolder()) {}

FilePictureLoader::FilePictureLoader(const QByteArray &documentsFolder)
    : m_documentsFolder(documentsFolder)
{}

FilePictureLoader::FilePictureLoader(const QString &documentsFolder)
    : FilePictureLoader(QFile::encodeName(documentsFolder))
{}

QByteArray FilePictureLoader::fileName(const QString &path) const
{
#ifdef Q_OS_WIN
    return QFile::encodeName(path);
#else
    if (path.startsWith(documentsPart))
        return m_documentsFolder + '/' + QFile::encodeName(path.mid(documentsPart.size()));
    return QFile::encodeName(path);
#endif
}

QString FilePictureLoader::filePath(const QString &path) const
{
    return QFile::decodeName(fileName(path));
}

QImage FilePictureLoader::loadImage(const QByteArray &name)
{
    return withinMemory(
        name, [&] { return decodePicture(readPictureFile(name), QFile::decodeName(name)); });
}

QPixmap FilePictureLoader::loadPicture(const QString &path) const
{
    const QByteArray name = fileName(path);
    const QImage image = loadImage(name);
    return withinMemory(name, [&] {
        const QPixmap picture = QPixmap::fromImage(image);
        if (picture.isNull())
            throw PictureLoadError(QFile::decodeName(name), noMemoryFor(image.size()));
        return picture;
    });
}

} // namespace catalogue
