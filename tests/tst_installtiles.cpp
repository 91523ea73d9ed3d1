// The install step of the run command and of the package's launcher, tools/install-tiles.sh, run
// under a scratch home: it fills the picture folder the editor reads, with the committed set, only
// when there is none, and leaves an existing one, and everything in it, exactly as it was. There
// too, `tolvane-tiles --check` passes the set, and names each fault of a folder.

#include "catalogue/catalogue.h"
#include "catalogue/pictureloader.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Every file and folder under `root` with the hash of each file's contents, so that any change
// below it shows up.
QMap<QString, QByteArray> snapshot(const QString &root)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QByteArray content = "folder";
        if (it.fileInfo().isFile()) {
            QFile file(path);
            if (file.open(QIODevice::ReadOnly))
                content = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
        }
        entries.insert(QDir(root).relativeFilePath(path), content);
    }
    return entries;
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

} // namespace

class TestInstallTiles : public QObject
{
    Q_OBJECT

private:
    // Runs `run` with HOME set to `home`, byte for byte.
    template <typename Run> static auto withHome(const QByteArray &home, Run run)
    {
        const QByteArray realHome = qgetenv("HOME");
        qputenv("HOME", home);
        const auto restore = qScopeGuard([&] { qputenv("HOME", realHome); });
        return run();
    }

    // Runs `program` with `home` as HOME and no user folder settings from outside, the tile tool as
    // $TOOL and, for root, whom permissions do not stop, $UNPRIVILEGED to run a command as nobody.
    static int run(const QByteArray &home, const QString &program, const QStringList &arguments,
                   QByteArray *output)
    {
        QProcess process;
        QProcessEnvironment environment =
            withHome(home, [] { return QProcessEnvironment::systemEnvironment(); });
        environment.remove("XDG_CONFIG_HOME");
        if (home.isEmpty())
            environment.remove("HOME");
        environment.insert("TOOL", TOLVANE_TILES);
        environment.insert("UNPRIVILEGED",
                           ::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups"
                                            : "");
        process.setProcessEnvironment(environment);
        // Elsewhere than the test, so that a folder named relative to where a program starts is
        // not where the test would look for it.
        process.setWorkingDirectory(QStringLiteral("/"));
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program, arguments);
        if (!process.waitForFinished(60000))
            return -1;
        *output = process.readAll();
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    static int runInstall(const QByteArray &home, QByteArray *output)
    {
        return run(home, QStringLiteral(TOLVANE_SOURCE_DIR "/tools/install-tiles.sh"), {}, output);
    }

    // Runs the shell command `command`, by default the tile tool's check.
    static int runCheck(const QByteArray &home, QByteArray *output, const QString &command = {})
    {
        return run(home, "/bin/sh", {"-c", command.isEmpty() ? "exec \"$TOOL\" --check" : command},
                   output);
    }

private slots:
    // The script and the loader in this process must see the same user folder settings.
    void initTestCase() { qunsetenv("XDG_CONFIG_HOME"); }

    // The install step, the editor and the tile tool find the same picture folder, or say alike
    // why there is none.
    void fillsAMissingFolder_data()
    {
        // Of the home folder in the scratch folder; "-": HOME unset; a name with a dot: a file.
        QTest::addColumn<QByteArray>("homeName");
        QTest::addColumn<QString>("existing");
        QTest::addColumn<QByteArray>("userDirs"); // "FIFO": a named pipe in the file's place
        QTest::addColumn<QString>("cause");       // why there is no folder to fill; none: filled
        QTest::addColumn<QString>("note");        // ends the cause once the filled folder is gone
        const QString setAside = "XDG_DOCUMENTS_DIR in";
        QTest::newRow("no documents folder")
            << QByteArray() << QString() << QByteArray() << QString() << QString();
        QTest::newRow("empty documents folder") << QByteArray() << QStringLiteral("Documents")
                                                << QByteArray() << QString() << QString();
        QTest::newRow("documents folder moved in the user folder settings")
            << QByteArray() << QString()
            << QByteArray("XDG_DOCUMENTS_DIR=\"$HOME/Documents\"\n"
                          "XDG_DOCUMENTS_DIR=\"$HOME/My papers\"\n")
            << QString() << QString();
        // Names in Latin-1, which is not UTF-8: "Anaïs" and "Papiers à moi".
        QTest::newRow("home folder named in Latin-1")
            << QByteArray("Ana\xefs") << QString() << QByteArray() << QString() << QString();
        QTest::newRow("documents folder named in Latin-1")
            << QByteArray() << QString()
            << QByteArray("XDG_DOCUMENTS_DIR=\"$HOME/Papiers \xe0 moi\"\n") << QString()
            << QString();
        // Settings that no program may wait on or read differently are set aside for ~/Documents.
        QTest::newRow("settings a named pipe")
            << QByteArray() << QString() << QByteArray("FIFO") << QString() << QString();
        QTest::newRow("settings over 64 KiB")
            << QByteArray() << QString()
            << QByteArray("XDG_DOCUMENTS_DIR=\"$HOME/Big\"\n") + QByteArray(70000, '#') << QString()
            << QString();
        QTest::newRow("relative documents folder")
            << QByteArray() << QString() << QByteArray("XDG_DOCUMENTS_DIR=\"relative/docs\"\n")
            << QString() << setAside;
        QTest::newRow("documents folder by ~")
            << QByteArray() << QString() << QByteArray("XDG_DOCUMENTS_DIR=\"~/x\"\n") << QString()
            << setAside;
        QTest::newRow("documents folder with a NUL byte")
            << QByteArray() << QString() << QByteArray("XDG_DOCUMENTS_DIR=\"$HOME/a\0b\"\n", 28)
            << QString() << setAside;
        QTest::newRow("HOME not set")
            << QByteArray("-") << QString() << QByteArray() << "HOME is not set" << QString();
        QTest::newRow("HOME a file") << QByteArray("notes.txt") << QString() << QByteArray()
                                     << "which is not the absolute path of a folder" << QString();
    }

    void fillsAMissingFolder()
    {
        QFETCH(QByteArray, homeName);
        QFETCH(QString, existing);
        QFETCH(QByteArray, userDirs);
        QFETCH(QString, cause);
        QFETCH(QString, note);
        QTemporaryDir scratch;
        // Qt cannot remove what it cannot name; the shell can.
        const auto remove = qScopeGuard([&] { QProcess::execute("rm", {"-rf", scratch.path()}); });
        QByteArray home = QFile::encodeName(scratch.path());
        if (homeName == "-")
            home.clear();
        else if (homeName.contains('.'))
            QVERIFY(writeFile(QFile::decodeName(home += '/' + homeName), "not a folder"));
        else if (!homeName.isEmpty())
            QVERIFY(::mkdir((home += '/' + homeName).constData(), 0700) == 0);
        if (!existing.isEmpty())
            QVERIFY(QDir(scratch.path()).mkpath(existing));
        const QString settings = scratch.filePath(".config/user-dirs.dirs");
        if (userDirs == "FIFO")
            QVERIFY(QDir().mkpath(scratch.filePath(".config")) &&
                    ::mkfifo(QFile::encodeName(settings).constData(), 0600) == 0);
        else if (!userDirs.isEmpty())
            QVERIFY(writeFile(settings, userDirs));

        QByteArray output;
        const auto loader = withHome(home, [] { return catalogue::FilePictureLoader(); });
        if (!cause.isEmpty()) {
            QVERIFY(runInstall(home, &output) != 0 && output.contains(cause.toUtf8()));
            QVERIFY(runCheck(home, &output) != 0 && output.contains(cause.toUtf8()));
            QVERIFY_THROWS_EXCEPTION(catalogue::PictureLoadError,
                                     loader.loadPicture(catalogue::picturePath("Bow.bmp")));
            return;
        }
        QCOMPARE(runInstall(home, &output), 0);
        // The editor finds the folder the install step filled, and reads every picture from it.
        const QByteArray file =
            loader.fileName(QStringLiteral("c:/My Documents/pardovine/Bow.bmp"));
        QVERIFY2(output.contains(file.left(file.lastIndexOf('/'))), output.constData());
        try {
            for (const catalogue::PictureFile &file : catalogue::pictureFiles())
                loader.loadPicture(catalogue::picturePath(file.fileName));
        } catch (const catalogue::PictureLoadError &error) {
            QFAIL(error.what());
        }
        // The tile tool finds the same folder, and passes the set.
        QVERIFY2(runCheck(home, &output) == 0, output.constData());
        if (note.isEmpty())
            return;
        QVERIFY(QDir(QFile::decodeName(file.left(file.lastIndexOf('/')))).removeRecursively());
        try {
            loader.loadPicture(catalogue::picturePath("Bow.bmp"));
            QFAIL("a picture loads without its folder");
        } catch (const catalogue::PictureLoadError &error) {
            QVERIFY2(error.cause().contains(note), error.what());
        }
    }

    // Whatever is at the folder's place already stays as it was, and nothing is added.
    void leavesAnExistingFolderAlone_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("folders");
        QTest::newRow("one picture of the user's")
            << QStringList{"Documents/pardovine/Bow.bmp"} << QStringList{};
        QTest::newRow("empty picture folder")
            << QStringList{} << QStringList{"Documents/pardovine"};
        QTest::newRow("a file where the folder would be")
            << QStringList{"Documents/pardovine"} << QStringList{};
        QTest::newRow("other files of the user's")
            << QStringList{"Documents/pardovine/notes.txt", "Documents/pardovine/Warp1W.bmp",
                           "Documents/letter.txt"}
            << QStringList{"Documents/pardovine/old"};
    }

    void leavesAnExistingFolderAlone()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, folders);
        QTemporaryDir home;
        for (const QString &file : files)
            QVERIFY(writeFile(home.filePath(file), "the user's own " + file.toUtf8()));
        for (const QString &folder : folders)
            QVERIFY(QDir(home.path()).mkpath(folder));
        const QMap<QString, QByteArray> before = snapshot(home.path());

        QByteArray output;
        QCOMPARE(runInstall(QFile::encodeName(home.path()), &output), 0);
        QCOMPARE(snapshot(home.path()), before);
    }

    // The check of the picture folder names each fault with its file, and fails for any fault in
    // the 187 files; a file it does not read fails nothing. Names are shown quoted and escaped, one
    // line each. The tool's other commands run on the folder as well.
    void checkNamesEachFault_data()
    {
        QTest::addColumn<QString>("file"); // none: the folder is left as installed
        QTest::addColumn<QString>("renamedTo");
        QTest::addColumn<QByteArray>("content"); // the file's new content; null: it is removed
        QTest::addColumn<QString>("command");    // run by the shell; none: the check
        QTest::addColumn<QStringList>("report"); // the output after its first line, HOME for home
        QTest::addColumn<int>("status");
        const QString unreadHeading = "Files in the folder that the editor never reads:";
        const auto fault = [&](const char *name, const QString &file, const QString &renamedTo,
                               const QByteArray &content, const QString &line, const char *counts,
                               const QString &unread = {}) {
            const QString summary = "186 of 187 pictures load at their slot's size; ";
            QStringList report{"  " + line, summary + counts};
            if (!unread.isEmpty())
                report << unreadHeading << "  " + unread;
            QTest::newRow(name) << file << renamedTo << content << QString() << report << 1;
        };
        const auto run = [](const char *name, const QString &command, const QStringList &report,
                            int status) {
            QTest::newRow(name) << QString() << QString() << QByteArray() << command << report
                                << status;
        };
        const auto encoded = [](int side, const char *format) {
            QImage picture(side, side, QImage::Format_RGB32);
            picture.fill(Qt::darkGreen);
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            picture.save(&buffer, format);
            return bytes;
        };
        QFile wall(QStringLiteral(TOLVANE_SOURCE_DIR "/assets/tiles/WallH.bmp"));
        QVERIFY(wall.open(QIODevice::ReadOnly));
        // clang-format off
        fault("name in another letter case", "AngleL.bmp", "anglel.bmp", {},
              "\"AngleL.bmp\" is missing; the folder has \"anglel.bmp\", whose name differs only "
              "in letter case.", "missing: 1, cannot be loaded: 0, of another size: 0.");
        fault("missing", "Ghost.bmp", {}, {}, "\"Ghost.bmp\" is missing.",
              "missing: 1, cannot be loaded: 0, of another size: 0.");
        fault("PNG named .bmp", "Bow.bmp", {}, encoded(32, "png"),
              "\"Bow.bmp\" cannot be loaded: it is not a picture: it is not a Windows bitmap.",
              "missing: 0, cannot be loaded: 1, of another size: 0.");
        fault("truncated", "WallH.bmp", {}, wall.read(500),
              "\"WallH.bmp\" cannot be loaded: it is not a picture: the file is shorter than its "
              "header says.", "missing: 0, cannot be loaded: 1, of another size: 0.");
        fault("64 × 64 object", "Crate.bmp", {}, encoded(64, "bmp"),
              "\"Crate.bmp\" loads, but at 64 × 64 pixels it is larger than its slot of 32 × 32 "
              "and covers its neighbours.", "missing: 0, cannot be loaded: 0, of another size: 1.");
        fault("a name forging the verdict", "Ghost.bmp", "Ghost.bmp\nAll 187 pictures load at "
              "their slot's size.", {}, "\"Ghost.bmp\" is missing.", "missing: 1, cannot be "
              "loaded: 0, of another size: 0.", "\"Ghost.bmp\\nAll 187 pictures load at their "
              "slot's size.\"");
        const QString allFit = "All 187 pictures load at their slot's size.";
        QTest::newRow("a file the editor does not read")
            << "notes.txt" << QString() << QByteArray("my notes") << QString()
            << QStringList{allFit, unreadHeading, "  \"notes.txt\""} << 0;
        QTest::newRow("escape sequences in a name")
            << "\x1b[2J\x1b]0;\\\a.bmp" << QString() << QByteArray("x") << QString()
            << QStringList{allFit, unreadHeading, "  \"\\e[2J\\e]0;\\\\\\a.bmp\""} << 0;
        // The first line is the write's; the check's must name the folder given, byte for byte.
        run("a folder named in Latin-1 written and checked",
            "f=\"$HOME/Tuiles $(printf '\\340') moi\" && \"$TOOL\" \"$f\" && rm \"$f/Ghost.bmp\" && "
            "exec \"$TOOL\" --check \"$f\"",
            {"Checking the 187 pictures the editor reads, in \"HOME/Tuiles \\xe0 moi\":",
             "  \"Ghost.bmp\" is missing.", "186 of 187 pictures load at their slot's size; "
             "missing: 1, cannot be loaded: 0, of another size: 0."}, 1);
        run("an empty folder name", "exec \"$TOOL\" --check ''", {}, 2);
        run("a full standard output", "exec \"$TOOL\" --list >/dev/full", {}, 1);
        run("a pipe in a tile's place, overwritten",
            "p=\"$HOME/Documents/pardovine/Bow.bmp\" && rm \"$p\" && mkfifo \"$p\" && "
            "exec \"$TOOL\" --force",
            {"Could not write \"HOME/Documents/pardovine/Bow.bmp\": it is not a regular file"}, 1);
        // The editor opens each file by its name, which a folder of mode 311 allows to all but
        // its listing.
        run("a folder that cannot be listed",
            "chmod 711 \"$HOME\" && chmod 311 \"$HOME/Documents/pardovine\" && "
            "exec $UNPRIVILEGED \"$TOOL\" --check",
            {allFit, "The folder cannot be listed (Permission denied), so the files in it that "
             "the editor never reads cannot be named."}, 0);
        // clang-format on
    }

    void checkNamesEachFault()
    {
        QFETCH(QString, file);
        QFETCH(QString, renamedTo);
        QFETCH(QByteArray, content);
        QFETCH(QString, command);
        QFETCH(QStringList, report);
        QFETCH(int, status);
        QTemporaryDir home;
        // What the commands leave where Qt cannot list or name it, the shell removes.
        const auto remove = qScopeGuard([&] {
            QProcess::execute("sh", {"-c", "chmod -R u+rwx \"$0\"; rm -rf \"$0\"", home.path()});
        });
        const QByteArray homeName = QFile::encodeName(home.path());
        QByteArray output;
        QCOMPARE(runInstall(homeName, &output), 0);
        const QDir folder(home.filePath("Documents/pardovine"));
        const bool changed = !file.isEmpty();
        if (changed && !renamedTo.isEmpty())
            QVERIFY(QFile::rename(folder.filePath(file), folder.filePath(renamedTo)));
        else if (changed && content.isNull())
            QVERIFY(QFile::remove(folder.filePath(file)));
        else if (changed)
            QVERIFY(writeFile(folder.filePath(file), content));

        QCOMPARE(runCheck(homeName, &output, command), status);
        output.replace(homeName, "HOME");
        QCOMPARE(QString::fromUtf8(output).split('\n', Qt::SkipEmptyParts).mid(1), report);
    }
};

QTEST_MAIN(TestInstallTiles)
#include "tst_installtiles.moc"
