// Writes the sample tile set: the 187 picture files that the editor reads, drawn so that each
// shows what its name says. By default they go where the editor looks for them. With --check it
// checks a folder of tiles instead, loading each file as the editor does.
//
//   tolvane-tiles [--force] [--sheet FILE.png] [FOLDER]
//   tolvane-tiles --print-folder
//   tolvane-tiles --list
//   tolvane-tiles --check [FOLDER]

#include "catalogue/pictureloader.h"
#include "catalogue/catalogue.h"
#include "tools/tiles/contactsheet.h"
#include "tools/tiles/tilecatalogue.h"
#include "tools/tiles/tilecheck.h"
#include "tools/tiles/tilewriter.h"
#include "translations/translators.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <exception>

namespace {

// Qt's French and Spanish catalogues lack the help option's texts; Tolvane's own have them.
[[maybe_unused]] const char *const qtTextsTranslatedHere[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
};

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
            say(QCoreApplication::translate("TileTool", "Wrote the contact sheet %1").arg(file));
            return true;
        }
        say(QCoreApplication::translate("TileTool", "Could not write the contact sheet %1")
                .arg(file),
            stderr);
    } catch (const std::exception &error) {
        say(QCoreApplication::translate("TileTool", "Could not draw the contact sheet: %1")
                .arg(error.what()),
            stderr);
    }
    return false;
}

void printReport(const tiles::WriteReport &report, const QString &folder)
{
    say(QCoreApplication::translate("TileTool", "Wrote %1 of %2 tile pictures into %3")
            .arg(report.written.size())
            .arg(catalogue::pictureFiles().size())
            .arg(folder));
    // lupdate reads a plain name as the count, not an expression.
    if (const int kept = static_cast<int>(report.kept.size()); kept > 0)
        say(QCoreApplication::translate(
            "TileTool", "Kept %n files that were there already (--force overwrites them)", nullptr,
            kept));
    for (const QString &failure : report.failed)
        say(QCoreApplication::translate("TileTool", "Could not write %1").arg(failure), stderr);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tolvane-tiles"));
    translations::installTranslators(application);

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "TileTool", "Writes the sample tile set for Tolvane: 187 Windows bitmaps, by default into "
                    "the folder the editor reads its pictures from."));
    parser.addHelpOption();
    const QCommandLineOption force(
        QStringLiteral("force"),
        QCoreApplication::translate("TileTool", "Overwrite pictures that exist already."));
    const QCommandLineOption sheet(
        QStringLiteral("sheet"),
        QCoreApplication::translate("TileTool", "Also write a contact sheet of all tiles."),
        QCoreApplication::translate("TileTool", "FILE.png"));
    const QCommandLineOption printFolder(
        QStringLiteral("print-folder"),
        QCoreApplication::translate(
            "TileTool", "Print the folder the editor reads its pictures from, and stop."));
    const QCommandLineOption list(
        QStringLiteral("list"),
        QCoreApplication::translate(
            "TileTool", "List the picture files the editor reads, with their sizes, and stop."));
    const QCommandLineOption check(
        QStringLiteral("check"),
        QCoreApplication::translate("TileTool",
                                    "Check the pictures in FOLDER (by default the editor's picture "
                                    "folder) as the editor loads them, name each one that is "
                                    "missing, cannot be loaded or is not of its slot's size, and "
                                    "stop. Exits with 1 unless all load at their slot's size."));
    parser.addOptions({force, sheet, printFolder, list, check});
    parser.addPositionalArgument(
        QCoreApplication::translate("TileTool", "folder"),
        QCoreApplication::translate("TileTool", "Where to write the pictures; by default the "
                                                "editor's picture folder."),
        QCoreApplication::translate("TileTool", "[FOLDER]"));
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
