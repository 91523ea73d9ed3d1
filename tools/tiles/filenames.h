#pragma once

#include <QByteArray>
#include <QString>

namespace tiles {

// A file or folder name as the file system gives it, made fit to print on one line: UTF-8 is
// shown as text, but control and formatting characters, bytes that are not UTF-8, a backslash and
// a double quote are escaped (\n, \t, \e, \\, \", else \xNN for each byte).
QString escapedName(const QByteArray &name);

// The escaped name in double quotes, so that no name can pass for the text around it.
QString quotedName(const QByteArray &name);

// The name `name` from the root, against the working folder when it is relative, with "." and
// ".." parts and doubled or trailing slashes removed; byte for byte otherwise.
QByteArray absoluteName(const QByteArray &name);

} // namespace tiles
