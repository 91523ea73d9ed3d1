#include "baselinewindow.h"

#include "bareboard.h"

#include <QLayout>
#include <QMenuBar>
#include <QStandardPaths>

namespace bench {

namespace {

// Looked up once, as the editor looks up its documents folder once: the lookup reads a file.
const QString &documentsPicture()
{
    static const QString file =
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
        QStringLiteral("/pardovine/1UpMushroom.bmp");
    return file;
}

} // namespace

BaselineWindow::BaselineWindow() : m_board(new BareBoard(documentsPicture()))
{
    setWindowTitle(QStringLiteral("Tolvane baseline"));
    setCentralWidget(m_board);
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
