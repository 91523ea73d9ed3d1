// The install step of the run command and of the package's launcher, tools/install-tiles.sh, run
// under a scratch home: it fills the picture folder the editor reads, with the committed set, only
// when there is none, and leaves an existing one, and everything in it, exactly as it was.

#include "catalogue/filepictureloader.h"
#include "catalogue/objectcatalogue.h"
#include "catalogue/wallcatalogue.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

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

    // Runs the install step with `home` as HOME and no user folder settings from outside.
    static int runInstall(const QByteArray &home, QByteArray *output)
    {
        QProcess process;
        QProcessEnvironment environment =
            withHome(home, [] { return QProcessEnvironment::systemEnvironment(); });
        environment.remove("XDG_CONFIG_HOME");
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QStringLiteral(TOLVANE_SOURCE_DIR "/tools/install-tiles.sh"), {});
        if (!process.waitForFinished(60000))
            return -1;
        *output = process.readAll();
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

private slots:
    // The script and the loader in this process must see the same user folder settings.
    void initTestCase() { qunsetenv("XDG_CONFIG_HOME"); }

    void fillsAMissingFolder_data()
    {
        QTest::addColumn<QByteArray>("homeName"); // of the home folder in the scratch folder
        QTest::addColumn<QString>("existing");
        QTest::addColumn<QByteArray>("userDirs");
        QTest::newRow("no documents folder") << QByteArray() << QString() << QByteArray();
        QTest::newRow("empty documents folder")
            << QByteArray() << QStringLiteral("Documents") << QByteArray();
        QTest::newRow("documents folder moved in the user folder settings")
            << QByteArray() << QString()
            << QByteArray("XDG_DOCUMENTS_DIR=\"$HOME/Documents\"\n"
                          "XDG_DOCUMENTS_DIR=\"$HOME/My papers\"\n");
        // Names in Latin-1, which is not UTF-8: "Anaïs" and "Papiers à moi".
        QTest::newRow("home folder named in Latin-1")
            << QByteArray("Ana\xefs") << QString() << QByteArray();
        QTest::newRow("documents folder named in Latin-1")
            << QByteArray() << QString()
            << QByteArray("XDG_DOCUMENTS_DIR=\"$HOME/Papiers \xe0 moi\"\n");
    }

    void fillsAMissingFolder()
    {
        QFETCH(QByteArray, homeName);
        QFETCH(QString, existing);
        QFETCH(QByteArray, userDirs);
        QTemporaryDir scratch;
        // Qt cannot remove what it cannot name; the shell can.
        const auto remove = qScopeGuard([&] { QProcess::execute("rm", {"-rf", scratch.path()}); });
        QByteArray home = QFile::encodeName(scratch.path());
        if (!homeName.isEmpty()) {
            home += '/' + homeName;
            QVERIFY(::mkdir(home.constData(), 0700) == 0);
        }
        if (!existing.isEmpty())
            QVERIFY(QDir(scratch.path()).mkpath(existing));
        if (!userDirs.isEmpty())
            QVERIFY(writeFile(scratch.filePath(".config/user-dirs.dirs"), userDirs));

        QByteArray output;
        QCOMPARE(runInstall(home, &output), 0);
        // The editor finds the folder the install step filled, and reads every picture from it.
        const auto loader = withHome(home, [] { return catalogue::FilePictureLoader(); });
        const QByteArray file =
            loader.fileName(QStringLiteral("c:/My Documents/pardovine/Bow.bmp"));
        QVERIFY2(output.contains(file.left(file.lastIndexOf('/'))), output.constData());
        try {
            for (const catalogue::ObjectType &type : catalogue::objectTypes()) {
                for (const char *path : type.pictures)
                    loader.loadPicture(QString::fromLatin1(path));
            }
            for (const catalogue::WallType &type : catalogue::wallTypes()) {
                loader.loadPicture(QString::fromLatin1(type.horizontal));
                loader.loadPicture(QString::fromLatin1(type.vertical));
            }
        } catch (const catalogue::PictureLoadError &error) {
            QFAIL(error.what());
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
};

QTEST_MAIN(TestInstallTiles)
#include "tst_installtiles.moc"
