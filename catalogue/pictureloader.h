#pragma once

#include <QPixmap>
#include <QString>
#include <stdexcept>

namespace catalogue {

// Why a picture could not be loaded; what() is the whole message shown to the user.
class PictureLoadError : public std::runtime_error
{
public:
    PictureLoadError(const QString &file, const QString &cause);

    const QString &file() const { return m_file; }
    const QString &cause() const { return m_cause; }

private:
    QString m_file;
    QString m_cause;
};

// Turns a picture path, as the catalogues write it, into a new picture. Every call reads the file
// again: nothing is cached, and every picture returned belongs to its caller alone.
class PictureLoader
{
public:
    virtual ~PictureLoader() = default;

    // Throws PictureLoadError when the file is missing, unreadable or not a picture.
    virtual QPixmap loadPicture(const QString &path) const = 0;
};

} // namespace catalogue
