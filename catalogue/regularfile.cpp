#include "catalogue/regularfile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace catalogue {

namespace {

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

} // namespace

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

} // namespace catalogue
