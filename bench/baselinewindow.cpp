#include "baselinewindow.h"

#include "support/windowlayout.h"

#include <QLayout>
#include <QMenuBar>

namespace bench {

BaselineWindow::BaselineWindow()
{
    setWindowTitle(QStringLiteral("Tolvane baseline"));
    auto *client = new QWidget;
    client->setFixedSize(layout::clientArea);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, QColor(layout::cyan));
    client->setPalette(palette);
    client->setAutoFillBackground(true);
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    menuBar()->setNativeMenuBar(false);
    menuBar()->addAction(QStringLiteral("Clear Maze"));
}

BaselineWindow *BaselineWindow::open()
{
    auto *window = new BaselineWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}

} // namespace bench
