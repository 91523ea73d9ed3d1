#include "catalogue/documentsfolder.h"

#include "catalogue/regularfile.h"

#include <QList>
#include <QtGlobal>

namespace catalogue {

namespace {

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

} // namespace

QByteArray documentsFolder()
{
    const QByteArray home = homeFolder();
    const QByteArray setting = documentsFolderSetting(home);
    return setting.isEmpty() ? home + "/Documents" : setting;
}

} // namespace catalogue
