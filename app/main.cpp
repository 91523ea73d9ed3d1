#include "app/form1.h"
#include "catalogue/filepictureloader.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tolvane"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.tolvane.Tolvane"));
    const catalogue::FilePictureLoader loader;
    app::Form1::open(loader);
    return QApplication::exec();
}
