// Writes the sample tile set: the 187 picture files that the editor reads, drawn so that each
// shows what its name says. By default they go where the editor looks for them. With --check it
// checks a folder of tiles instead, loading each file as the editor does.
//
//   tolvane-tiles [--force] [--sheet FILE.png] [FOLDER]
//   tolvane-tiles --print-folder
//   tolvane-tiles --list
//   tolvane-tiles --check [FOLDER]

#include "catalogue/filepictureloader.h"
#include "catalogue/picturefiles.h"
#include "catalogue/picturepath.h"
#include "tools/tiles/contactsheet.h"
#include "tools/tiles/tilecatalogue.h"
#include "tools/tiles/tilecheck.h"
#include "tools/tiles/tilewriter.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <exception>

namespace {

void say(const QString &text, std::FILE *stream = stdout)
{
    std::fprintf(stream, "%s\n", qPrintable(text));
}

// The folder the editor reads its pictures from, as the editor's own loader places them.
QString pictureFolder(const catalogue::FilePictureLoader &loader)
{
    return QDir(loader.filePath(catalogue::pictureFolder)).absolutePath();
}

bool writeSheet(const QString &file)
{
    try {
        if (tiles::contactSheet().save(file, "png")) {
            say(QStringLiteral("Wrote the contact sheet %1").arg(file));
            return true;
        }
        say(QStringLiteral("Could not write the contact sheet %1").arg(file), stderr);
    } catch (const std::exception &error) {
        say(QStringLiteral("Could not draw the contact sheet: %1").arg(error.what()), stderr);
    }
    return false;
}

void printReport(const tiles::WriteReport &report, const QString &folder)
{
    say(QStringLiteral("Wrote %1 of %2 tile pictures into %3")
            .arg(report.written.size())
            .arg(catalogue::pictureFiles().size())
            .arg(folder));
    if (!report.kept.isEmpty())
        say(QStringLiteral("Kept %1 files that were there already (--force overwrites them)")
                .arg(report.kept.size()));
    for (const QString &failure : report.failed)
        say(QStringLiteral("Could not write %1").arg(failure), stderr);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tolvane-tiles"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes the sample tile set for Tolvane: 187 Windows bitmaps, by default "
                       "into the folder the editor reads its pictures from."));
    parser.addHelpOption();
    const QCommandLineOption force(QStringLiteral("force"),
                                   QStringLiteral("Overwrite pictures that exist already."));
    const QCommandLineOption sheet(QStringLiteral("sheet"),
                                   QStringLiteral("Also write a contact sheet of all tiles."),
                                   QStringLiteral("FILE.png"));
    const QCommandLineOption printFolder(
        QStringLiteral("print-folder"),
        QStringLiteral("Print the folder the editor reads its pictures from, and stop."));
    const QCommandLineOption list(
        QStringLiteral("list"),
        QStringLiteral("List the picture files the editor reads, with their sizes, and stop."));
    const QCommandLineOption check(
        QStringLiteral("check"),
        QCoreApplication::translate("main",
                                    "Check the pictures in FOLDER (by default the editor's picture "
                                    "folder) as the editor loads them, name each one that is "
                                    "missing, cannot be loaded or is not of its slot's size, and "
                                    "stop. Exits with 1 unless all load at their slot's size."));
    parser.addOptions({force, sheet, printFolder, list, check});
    parser.addPositionalArgument(QStringLiteral("folder"),
                                 QStringLiteral("Where to write the pictures; by default the "
                                                "editor's picture folder."),
                                 QStringLiteral("[FOLDER]"));
    // Bad usage exits with 2, apart from the 1 of a failed write or check.
    if (!parser.parse(QCoreApplication::arguments())) {
        say(QCoreApplication::applicationName() + QStringLiteral(": ") + parser.errorText(),
            stderr);
        return 2;
    }
    parser.process(application);

    if (parser.isSet(list)) {
        for (const QString &line : tiles::tileListing())
            say(line);
        return 0;
    }
    const catalogue::FilePictureLoader loader;
    if (parser.isSet(printFolder)) {
        say(pictureFolder(loader));
        return 0;
    }
    const QStringList folders = parser.positionalArguments();
    if (folders.size() > 1)
        parser.showHelp(2);

    if (parser.isSet(check)) {
        if (parser.isSet(force) || parser.isSet(sheet))
            parser.showHelp(2);
        const tiles::TileCheck result =
            tiles::checkTiles(folders.isEmpty() ? loader.fileName(catalogue::pictureFolder)
                                                : QFile::encodeName(folders.front()));
        for (const QString &line : tiles::checkReport(result))
            say(line);
        return tiles::allFit(result) ? 0 : 1;
    }

    const QString folder = folders.isEmpty() ? pictureFolder(loader) : folders.front();
    const tiles::Destination destination =
        folders.isEmpty() ? tiles::Destination([&loader](const catalogue::PictureFile &tile) {
            return loader.filePath(catalogue::picturePath(tile.fileName));
        })
                          : tiles::intoFolder(folder);
    const tiles::WriteReport report = tiles::writeTiles(destination, parser.isSet(force));
    printReport(report, folder);

    bool ok = report.failed.isEmpty();
    if (parser.isSet(sheet))
        ok = writeSheet(parser.value(sheet)) && ok;
    return ok ? 0 : 1;
}
