#include "catalogue/tiletoolcommand.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace catalogue {

namespace {

const QString toolName = QStringLiteral("tolvane-tiles");

QString quotedForTheShell(const QString &path)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_./+-]+$"));
    if (plain.match(path).hasMatch())
        return path;
    return QLatin1Char('\'') + QString(path).replace(u'\'', QLatin1String("'\\''")) +
           QLatin1Char('\'');
}

} // namespace

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

} // namespace catalogue
