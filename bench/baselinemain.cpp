// The baseline program: a bare window of the editor's size, for the benchmark to start side by
// side with the editor.

#include "baselinewindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tolvane"));
    bench::BaselineWindow::open();
    return QApplication::exec();
}
