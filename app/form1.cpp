#include "app/form1.h"

#include "app/board.h"
#include "app/designloader.h"
#include "catalogue/objectchange.h"
#include "toolkit/eventdispatch.h"
#include "toolkit/image.h"
#include "toolkit/imagehost.h"
#include "toolkit/selector.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>

namespace app {

namespace {

using catalogue::HorizontalWallKind;
using catalogue::ObjectKind;
using catalogue::VerticalWallKind;

// The client area paints its background colour itself rather than through its palette: a palette
// set here would pass to every control on it, each control would get a palette of its own, and the
// style would draw (and cache) every scroll bar of every window anew. It is the host of the
// window's images, which it paints above its background.
class ClientArea : public toolkit::ImageHost
{
public:
    ClientArea(QRgb background, QWidget *window) : ImageHost(window), m_background(background)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintBackground(QPainter &painter, const QRect &area) override
    {
        painter.fillRect(area, m_background);
    }

private:
    QColor m_background;
};

// The client area belongs to the window from the start: the focus that loading the design gives
// the first selector would be lost if the controls moved into the window afterwards.
toolkit::ImageHost *createClientArea(const WindowDesign &design, QWidget *window)
{
    auto *client = new ClientArea(design.background, window);
    client->setFixedSize(pixels(design.clientWidth), pixels(design.clientHeight));
    return client;
}

template <typename Control>
Control *named(const QHash<QString, QObject *> &controls, const char *name)
{
    return qobject_cast<Control *>(controls.value(QString::fromLatin1(name)));
}

} // namespace

Form1::Form1(const catalogue::PictureLoader &loader)
    : m_loader(loader), m_client(createClientArea(form1Window(), this)),
      m_controls(loadControls(form1Controls(), m_client)),
      mnuClear(menuBar()->addAction(QString::fromUtf8(form1Window().menuCaption))),
      ObjScrollV(named<toolkit::Selector>(m_controls, "ObjScrollV")),
      ObjScrollH(named<toolkit::Selector>(m_controls, "ObjScrollH")),
      WallScrollH(named<toolkit::Selector>(m_controls, "WallScrollH")),
      WallScrollV(named<toolkit::Selector>(m_controls, "WallScrollV")),
      ObjSample(named<toolkit::Image>(m_controls, "ObjSample")),
      WallSampleH(named<toolkit::Image>(m_controls, "WallSampleH")),
      WallSampleV(named<toolkit::Image>(m_controls, "WallSampleV")),
      Corner(named<toolkit::Image>(m_controls, "Corner")),
      VWall(named<toolkit::Image>(m_controls, "VWall")),
      HWall(named<toolkit::Image>(m_controls, "HWall")),
      Piece(named<toolkit::Image>(m_controls, "Piece"))
{
    const WindowDesign &design = form1Window();
    setObjectName(QString::fromLatin1(design.name));
    setWindowTitle(QString::fromUtf8(design.caption));
    // Every window shows the application's icon, made once: an icon made for each window would
    // leave its pixmaps behind in Qt's pixmap cache, which keys them by icon, when the window goes.
    if (QGuiApplication::windowIcon().isNull())
        QGuiApplication::setWindowIcon(QIcon(QString::fromLatin1(design.icon)));
    setCentralWidget(m_client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    menuBar()->setNativeMenuBar(false);
    mnuClear->setObjectName(QString::fromLatin1(design.menuName));

    Form_Load();
    connectHandlers();
}

Form1 *Form1::open(const catalogue::PictureLoader &loader)
{
    auto *form = new Form1(loader);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->show();
    return form;
}

void Form1::connectHandlers()
{
    Piece.setClickHandler([this](qint16 index) { Piece_Click(index); });
    HWall.setClickHandler([this](qint16 index) { HWall_Click(index); });
    VWall.setClickHandler([this](qint16 index) { VWall_Click(index); });
    ObjScrollH->setChangeHandler([this] { ObjScrollH_Change(); });
    ObjScrollV->setChangeHandler([this] { ObjScrollV_Change(); });
    WallScrollH->setChangeHandler([this] { WallScrollH_Change(); });
    WallScrollV->setChangeHandler([this] { WallScrollV_Change(); });
    connect(mnuClear, &QAction::triggered, this,
            [this] { toolkit::runHandler([this] { mnuClear_Click(); }); });
}

void Form1::Form_Load()
{
    buildBoard(Piece, HWall, VWall, Corner);
}

void Form1::Piece_Click(qint16 index)
{
    objectChange(Piece.element(index), ObjScrollH, ObjScrollV, ObjectKind);
}

void Form1::HWall_Click(qint16 index)
{
    objectChange(HWall.element(index), WallScrollH, WallScrollH, HorizontalWallKind);
}

void Form1::VWall_Click(qint16 index)
{
    objectChange(VWall.element(index), WallScrollV, WallScrollV, VerticalWallKind);
}

void Form1::ObjScrollH_Change()
{
    objectChange(ObjSample, ObjScrollH, ObjScrollV, ObjectKind);
}

void Form1::ObjScrollV_Change()
{
    objectChange(ObjSample, ObjScrollH, ObjScrollV, ObjectKind);
}

void Form1::WallScrollH_Change()
{
    objectChange(WallSampleH, WallScrollH, nullptr, HorizontalWallKind);
}

void Form1::WallScrollV_Change()
{
    objectChange(WallSampleV, WallScrollV, nullptr, VerticalWallKind);
}

// Unloads this window and opens a new one from the design. The program must not end in between,
// though for a moment no window of it is on the screen; this window is destroyed with everything
// on it once the handler has returned.
void Form1::mnuClear_Click()
{
    const bool quitOnLastWindow = QGuiApplication::quitOnLastWindowClosed();
    QGuiApplication::setQuitOnLastWindowClosed(false);
    hide();
    Form1 *successor = open(m_loader);
    QGuiApplication::setQuitOnLastWindowClosed(quitOnLastWindow);
    deleteLater();
    emit replaced(successor);
}

void Form1::objectChange(toolkit::Image *object, toolkit::Selector *object2,
                         toolkit::Selector *object3, qint16 statement)
{
    catalogue::objectChange(m_loader, object, object2, object3, statement);
}

} // namespace app
