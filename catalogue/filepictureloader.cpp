#include "catalogue/filepictureloader.h"

#include "catalogue/bitmapcheck.h"
#include "catalogue/picturepath.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace catalogue {

namespace {

// No tile comes near this; a larger file is not read at all.
constexpr qint64 maxFileBytes = 64 * 1024 * 1024;
// What the decoder may allocate for one picture, in megabytes.
constexpr int decodeLimitMegabytes = 128;

const QString documentsPrefix = QStringLiteral("c:/My Documents/");

// Why `name` cannot be opened: its folder missing, a file in the folder's place, a folder that may
// not be looked into, a link to nowhere, or the file itself missing or unreadable.
QString openFailure(const QString &name, int error)
{
    const QFileInfo file(name);
    const QFileInfo folder(file.absolutePath());
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        if (folder.exists() && !folder.isDir())
            return QStringLiteral("its folder \"%1\" is a file, not a folder")
                .arg(folder.absoluteFilePath());
        if (!folder.exists())
            return QStringLiteral("its folder is missing. The sample tiles are put there when "
                                  "Tolvane is started from the applications menu, or by ./run.sh "
                                  "in its sources");
        if (file.isSymLink())
            return QStringLiteral("it is a link to a file that is missing");
        return QStringLiteral("the file is missing");
    case EACCES:
        if (::access(QFile::encodeName(folder.absoluteFilePath()).constData(), X_OK) != 0)
            return QStringLiteral("its folder cannot be read (%1)")
                .arg(QString::fromLocal8Bit(std::strerror(error)));
        break;
    default:
        break;
    }
    return QStringLiteral("the file cannot be read (%1)")
        .arg(QString::fromLocal8Bit(std::strerror(error)));
}

// A file descriptor that closes itself.
class OpenFile
{
public:
    explicit OpenFile(const QString &name)
        : m_fd(::open(QFile::encodeName(name).constData(),
                      O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY))
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

// Reads the whole of a regular file into memory, or throws why it cannot.
QByteArray readRegularFile(const QString &name)
{
    OpenFile file(name);
    if (file.fd() < 0)
        throw PictureLoadError(name, openFailure(name, errno));
    struct stat info
    {};
    if (::fstat(file.fd(), &info) != 0)
        throw PictureLoadError(name, openFailure(name, errno));
    if (!S_ISREG(info.st_mode))
        throw PictureLoadError(name, QStringLiteral("it is not a picture file"));
    if (info.st_size > maxFileBytes)
        throw PictureLoadError(name, QStringLiteral("it is too large to be a tile picture"));

    QByteArray data(static_cast<qsizetype>(info.st_size), Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled < data.size()) {
        const ssize_t got =
            ::read(file.fd(), data.data() + filled, static_cast<size_t>(data.size() - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw PictureLoadError(name, openFailure(name, errno));
        if (got == 0)
            break;
        filled += got;
    }
    data.truncate(filled);
    return data;
}

} // namespace

FilePictureLoader::FilePictureLoader()
    : FilePictureLoader(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
{}

FilePictureLoader::FilePictureLoader(const QString &documentsFolder)
    : m_documentsFolder(documentsFolder)
{}

QString FilePictureLoader::filePath(const QString &path) const
{
#ifdef Q_OS_WIN
    return path;
#else
    if (path.startsWith(documentsPrefix))
        return m_documentsFolder + QLatin1Char('/') + path.mid(documentsPrefix.size());
    return path;
#endif
}

QImage decodePicture(const QByteArray &data, const QString &nameForErrors)
{
    if (const QString fault = checkBitmap(data); !fault.isEmpty())
        throw PictureLoadError(nameForErrors, QStringLiteral("it is not a picture: ") + fault);

    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    reader.setAllocationLimit(decodeLimitMegabytes);
    // Qt's decoder writes into the picture it is given when that has the right size and format.
    // It starts from a cleared one: the skip escapes of a run-length compressed bitmap (end of
    // line, skip right and down, end of bitmap) leave pixels unwritten, which then show colour 0
    // and not whatever the memory held before.
    QImage image(reader.size(), reader.imageFormat());
    image.fill(0);
    if (!reader.read(&image) || image.isNull())
        throw PictureLoadError(nameForErrors, QStringLiteral("it is not a picture: ") +
                                                  reader.errorString().toLower());
    return image;
}

QPixmap FilePictureLoader::loadPicture(const QString &path) const
{
    const QString name = filePath(path);
    return QPixmap::fromImage(decodePicture(readRegularFile(name), name));
}

} // namespace catalogue
