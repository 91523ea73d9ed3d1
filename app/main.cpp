#include "app/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    app::setUpApplication();
    const catalogue::FilePictureLoader loader;
    app::Form1::open(loader);
    return QApplication::exec();
}
