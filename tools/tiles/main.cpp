// Writes the sample tile set: the 187 picture files that the editor reads, drawn so that each
// shows what its name says. By default they go where the editor looks for them. With --check it
// checks a folder of tiles instead, loading each file as the editor does.
//
//   tolvane-tiles [--force] [--sheet FILE.png] [FOLDER]
//   tolvane-tiles --print-folder
//   tolvane-tiles --list
//   tolvane-tiles --check [FOLDER]

#include "catalogue/catalogue.h"
#include "catalogue/pictureloader.h"
#include "tools/tiles/contactsheet.h"
#include "tools/tiles/filenames.h"
#include "tools/tiles/tilecatalogue.h"
#include "tools/tiles/tilecheck.h"
#include "tools/tiles/tilewriter.h"
#include "translations/translators.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>

namespace {

// Qt's French and Spanish catalogues lack the help option's texts; Tolvane's own have them.
[[maybe_unused]] const char *const qtTextsTranslatedHere[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
};

int outputError = 0; // the errno of the first write to standard output that failed

void say(const QString &text, std::FILE *stream = stdout)
{
    // What went to standard output first comes first where both streams meet.
    if (stream == stderr)
        std::fflush(stdout);
    if (std::fprintf(stream, "%s\n", qPrintable(text)) < 0 && stream == stdout && !outputError)
        outputError = errno;
}

void complain(const QString &text)
{
    say(QCoreApplication::applicationName() + QStringLiteral(": ") + text, stderr);
}

// `status`, unless what was said could not all be written to standard output: a report that did
// not arrive is a failure, whatever it said.
int finish(int status)
{
    if (std::fflush(stdout) != 0 && !outputError)
        outputError = errno;
    if (!outputError && !std::ferror(stdout))
        return status;
    complain(QCoreApplication::translate("TileTool", "Could not write to the standard output: %1")
                 .arg(QString::fromLocal8Bit(std::strerror(outputError ? outputError : EIO))));
    return 1;
}

bool writeSheet(const QByteArray &file)
{
    try {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        const QString fault = tiles::contactSheet().save(&buffer, "png")
                                  ? tiles::writeFile(file, png, true).fault
                                  : QCoreApplication::translate("TileTool", "cannot encode it");
        if (fault.isEmpty()) {
            say(QCoreApplication::translate("TileTool", "Wrote the contact sheet %1")
                    .arg(tiles::quotedName(file)));
            return true;
        }
        say(QCoreApplication::translate("TileTool", "Could not write the contact sheet %1: %2")
                .arg(tiles::quotedName(file), fault),
            stderr);
    } catch (const std::exception &error) {
        say(QCoreApplication::translate("TileTool", "Could not draw the contact sheet: %1")
                .arg(error.what()),
            stderr);
    }
    return false;
}

void printReport(const tiles::WriteReport &report, const QByteArray &folder)
{
    say(QCoreApplication::translate("TileTool", "Wrote %1 of %2 tile pictures into %3")
            .arg(report.written.size())
            .arg(catalogue::pictureFiles().size())
            .arg(tiles::quotedName(folder)));
    // lupdate reads a plain name as the count, not an expression.
    if (const int kept = static_cast<int>(report.kept.size()); kept > 0)
        say(QCoreApplication::translate(
            "TileTool", "Kept %n files that were there already (--force overwrites them)", nullptr,
            kept));
    for (const tiles::WriteFailure &failure : report.failed)
        say(QCoreApplication::translate("TileTool", "Could not write %1: %2")
                .arg(tiles::quotedName(failure.file), failure.cause),
            stderr);
}

// Why the options and folders given cannot be run together, or an empty string.
QString usageFault(const QCommandLineParser &parser, const QList<QCommandLineOption> &modes,
                   const QList<QCommandLineOption> &writing)
{
    const QStringList folders = parser.positionalArguments();
    const auto dashed = [](const QCommandLineOption &option) {
        return QStringLiteral("--") + option.names().front();
    };
    for (const QCommandLineOption &mode : modes) {
        if (!parser.isSet(mode))
            continue;
        for (const QCommandLineOption &other : modes + writing) {
            if (other.names() != mode.names() && parser.isSet(other))
                return QCoreApplication::translate("TileTool", "%1 cannot be combined with %2.")
                    .arg(dashed(mode), dashed(other));
        }
        // Only --check, the last mode, reads a folder.
        if (mode.names() != modes.back().names() && !folders.isEmpty())
            return QCoreApplication::translate("TileTool", "%1 takes no folder.").arg(dashed(mode));
    }
    if (folders.size() > 1)
        return QCoreApplication::translate("TileTool", "Give at most one folder.");
    if (folders.contains(QString()))
        return QCoreApplication::translate("TileTool", "The folder's name is empty.");
    if (parser.isSet(writing.back()) && parser.value(writing.back()).isEmpty())
        return QCoreApplication::translate("TileTool", "The contact sheet's file name is empty.");
    return {};
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
    const QCommandLineOption help = parser.addHelpOption();
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
    // Latin-1 gives each byte of an argument a character of its own, so that a folder or file
    // named in any encoding comes back byte for byte; the options themselves are ASCII.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLatin1(argv[i]);
    const auto bytes = [](const QString &argument) { return argument.toLatin1(); };
    // Bad usage exits with 2, apart from the 1 of a failed write or check.
    if (!parser.parse(arguments)) {
        complain(parser.errorText());
        return 2;
    }
    if (parser.isSet(help)) {
        QString text = parser.helpText();
        if (text.endsWith(u'\n'))
            text.chop(1);
        say(text);
        return finish(0);
    }
    parser.process(arguments); // the rest of Qt's own options, such as --help-all
    if (const QString fault = usageFault(parser, {list, printFolder, check}, {force, sheet});
        !fault.isEmpty()) {
        complain(fault);
        return 2;
    }

    if (parser.isSet(list)) {
        for (const QString &line : tiles::tileListing())
            say(line);
        return finish(0);
    }
    const catalogue::FilePictureLoader loader;
    const QByteArray editorFolder = loader.fileName(catalogue::pictureFolder);
    const QStringList folders = parser.positionalArguments();
    // Without a documents folder there is no picture folder of the editor's to name or use.
    if (editorFolder.isEmpty() && (parser.isSet(printFolder) || folders.isEmpty())) {
        complain(catalogue::documentsFolder().problem);
        return 1;
    }
    if (parser.isSet(printFolder)) {
        // The whole line is the name: escaped, but not quoted.
        say(tiles::escapedName(tiles::absoluteName(editorFolder)));
        return finish(0);
    }
    if (parser.isSet(check)) {
        const tiles::TileCheck result =
            tiles::checkTiles(folders.isEmpty() ? editorFolder : bytes(folders.front()));
        for (const QString &line : tiles::checkReport(result))
            say(line);
        return finish(tiles::allFit(result) ? 0 : 1);
    }

    const QByteArray folder =
        folders.isEmpty() ? tiles::absoluteName(editorFolder) : bytes(folders.front());
    const tiles::Destination destination =
        folders.isEmpty() ? tiles::Destination([&loader](const catalogue::PictureFile &tile) {
            return loader.fileName(catalogue::picturePath(tile.fileName));
        })
                          : tiles::intoFolder(folder);
    const tiles::WriteReport report = tiles::writeTiles(destination, parser.isSet(force));
    printReport(report, folder);

    bool ok = report.failed.empty();
    if (parser.isSet(sheet))
        ok = writeSheet(bytes(parser.value(sheet))) && ok;
    return finish(ok ? 0 : 1);
}
