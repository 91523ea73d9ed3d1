#pragma once

#include "catalogue/catalogue.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <vector>

namespace tiles {

// A file that could not be written, and why.
struct WriteFailure
{
    QByteArray file;
    QString cause;
};

// What writing the tile set did, file by file, each named as the file system names it.
struct WriteReport
{
    QList<QByteArray> written;
    QList<QByteArray> kept; // names that were taken already and were left as they were
    std::vector<WriteFailure> failed;
};

// Where a tile's picture is to be written, as the file system names it.
using Destination = std::function<QByteArray(const catalogue::PictureFile &)>;

// Writes every catalogue tile as an uncompressed 24-bit Windows bitmap to its destination,
// creating folders as needed. An existing name is kept unless `overwrite` is set, and only a
// regular file is ever overwritten (see writeFile()).
WriteReport writeTiles(const Destination &destination, bool overwrite);

// The destination of each tile inside one folder, under its catalogue file name.
Destination intoFolder(const QByteArray &folder);

// What writing one file did.
struct FileWrite
{
    bool kept = false; // the name was taken and `overwrite` not set
    QString fault;     // why it could not be written; empty when it was
};

// Writes `content` to the file `name`. Without `overwrite` only a new file is made. With it an
// existing regular file is replaced, but a link is not followed and nothing else (a pipe, a
// device) is opened for long enough to block or be written.
FileWrite writeFile(const QByteArray &name, const QByteArray &content, bool overwrite);

} // namespace tiles
