#pragma once

#include <QByteArray>

namespace catalogue {

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

// Reads the file `name` (as the file system names it) when it is a regular file of at most
// `maxBytes`. It is opened without blocking, so that a named pipe or a device never stalls the
// caller, and anything but a regular file is left unread.
RegularFile readRegularFile(const QByteArray &name, qint64 maxBytes);

} // namespace catalogue
