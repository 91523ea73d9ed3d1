#pragma once

#include <QByteArray>
#include <QString>

namespace catalogue {

// Why the file `name` (as the file system names it) could not be opened, from open()'s `error` and
// a look along its path: a folder on the way that is a link to nowhere or into a loop of links,
// its folder missing, a file in the folder's place, a folder that may not be looked into, a link to
// a missing file, or the file itself missing or unreadable.
QString openFailure(const QByteArray &name, int error);

} // namespace catalogue
