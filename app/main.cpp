#include "app/form1.h"
#include "translations/translators.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Qt ends a program whose display cannot be opened with messages of its own about reinstalling
// it. While the application starts, the editor leaves out Qt's messages about its display; when
// the start fails for want of one, a line of the editor's own says so, and the program exits 1.
QtMessageHandler qtHandler = nullptr;

void onStartMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        if (!QByteArray(context.category).startsWith("qt.qpa"))
            qtHandler(type, context, message);
        return;
    }
    QByteArray display = qgetenv("WAYLAND_DISPLAY");
    if (display.isEmpty())
        display = qgetenv("DISPLAY");
    if (QCoreApplication::instance())
        translations::installTranslators(*QCoreApplication::instance());
    const QString why =
        display.isEmpty()
            ? QCoreApplication::translate("Form1", "cannot open a display, for none is set: is a "
                                                   "desktop session running?")
            : QCoreApplication::translate(
                  "Form1", "cannot open the display \"%1\": is a desktop session running?")
                  .arg(QString::fromLocal8Bit(display));
    std::fprintf(stderr, "tolvane: %s\n", qPrintable(why));
    std::fflush(stderr);
    std::_Exit(1);
}

// The folder the editor reads its pictures from, on a line of its own, for the scripts that fill
// it: a name of the file system's, printed byte for byte. Needs no display.
int printPictureFolder(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    translations::installTranslators(application);
    const catalogue::DocumentsFolder documents = catalogue::documentsFolder();
    if (documents.folder.isEmpty()) {
        std::fprintf(stderr, "tolvane: %s\n", qPrintable(documents.problem));
        return 1;
    }
    const catalogue::FilePictureLoader loader(documents.folder);
    std::printf("%s\n", loader.fileName(catalogue::pictureFolder).chopped(1).constData());
    return std::fflush(stdout) != 0 || std::ferror(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 2 && std::strcmp(argv[1], "--picture-folder") == 0)
        return printPictureFolder(argc, argv);
    qtHandler = qInstallMessageHandler(onStartMessage);
    QApplication application(argc, argv);
    qInstallMessageHandler(qtHandler);
    app::setUpApplication();
    const catalogue::FilePictureLoader loader;
    app::Form1::open(loader);
    return QApplication::exec();
}
