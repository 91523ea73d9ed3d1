#include "app/form1.h"

#include "app/board.h"
#include "app/boardlocator.h"
#include "app/designloader.h"
#include "app/imagenames.h"
#include "app/objectchange.h"
#include "app/selectornames.h"
#include "toolkit/controlarray.h"
#include "toolkit/image.h"
#include "toolkit/imagehost.h"
#include "toolkit/selector.h"

#include <QApplication>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>

namespace app {

namespace {

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

// A control that the window's design must have: a design without it cannot make a window.
template <typename Control>
Control *named(const QHash<QString, QObject *> &controls, const char *name)
{
    auto *control = qobject_cast<Control *>(controls.value(QString::fromLatin1(name)));
    if (!control)
        qFatal("The window's design has no %s of the kind the window needs", name);
    return control;
}

} // namespace

Form1::Form1(const catalogue::PictureLoader &loader, Reports reports)
    : m_loader(loader), m_reports(reports), m_client(createClientArea(form1Window(), this)),
      m_controls(loadControls(form1Controls(), m_client)),
      mnuClear(menuBar()->addAction(QString::fromUtf8(form1Window().menuCaption))),
      ObjScrollV(named<toolkit::Selector>(m_controls, "ObjScrollV")),
      ObjScrollH(named<toolkit::Selector>(m_controls, "ObjScrollH")),
      WallScrollH(named<toolkit::Selector>(m_controls, "WallScrollH")),
      WallScrollV(named<toolkit::Selector>(m_controls, "WallScrollV")),
      ObjSample(named<toolkit::Image>(m_controls, "ObjSample")),
      WallSampleH(named<toolkit::Image>(m_controls, "WallSampleH")),
      WallSampleV(named<toolkit::Image>(m_controls, "WallSampleV")),
      Corner(*named<toolkit::ControlArray>(m_controls, "Corner")),
      VWall(*named<toolkit::ControlArray>(m_controls, "VWall")),
      HWall(*named<toolkit::ControlArray>(m_controls, "HWall")),
      Piece(*named<toolkit::ControlArray>(m_controls, "Piece"))
{
    const WindowDesign &design = form1Window();
    setObjectName(QString::fromLatin1(design.name));
    setWindowTitle(QString::fromUtf8(design.caption));
    setCentralWidget(m_client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    menuBar()->setNativeMenuBar(false);
    mnuClear->setObjectName(QString::fromLatin1(design.menuName));

    const BoardArrays board{Piece, HWall, VWall, Corner};
    m_client->setLocator(std::make_unique<BoardLocator>(board));
    m_client->setDescriber(
        std::make_unique<ImageNames>(board, ObjSample, WallSampleH, WallSampleV));
    nameSelectors(*ObjScrollH, *ObjScrollV, *WallScrollH, *WallScrollV);
    mnuClear->setStatusTip(tr("Empties the board"));

    Form_Load();
    connectHandlers();
    describeSelectors();
}

Form1 *Form1::open(const catalogue::PictureLoader &loader, Reports reports)
{
    auto *form = new Form1(loader, reports);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->show();
    return form;
}

// Direct connections: a selector's change runs its handler inside the write of its value.
void Form1::connectHandlers()
{
    const auto onClick = [this](toolkit::ControlArray &array, void (Form1::*handler)(qint16)) {
        connect(
            &array, &toolkit::ControlArray::clicked, this,
            [this, handler](qint16 index) { runHandler([&] { (this->*handler)(index); }); },
            Qt::DirectConnection);
    };
    const auto onChange = [this](toolkit::Selector *selector, void (Form1::*handler)()) {
        connect(
            selector, &toolkit::Selector::changed, this,
            [this, handler] { runHandler([&] { (this->*handler)(); }); }, Qt::DirectConnection);
    };
    onClick(Piece, &Form1::Piece_Click);
    onClick(HWall, &Form1::HWall_Click);
    onClick(VWall, &Form1::VWall_Click);
    onChange(ObjScrollH, &Form1::ObjScrollH_Change);
    onChange(ObjScrollV, &Form1::ObjScrollV_Change);
    onChange(WallScrollH, &Form1::WallScrollH_Change);
    onChange(WallScrollV, &Form1::WallScrollV_Change);
    connect(mnuClear, &QAction::triggered, this,
            [this] { runHandler([this] { mnuClear_Click(); }); });
}

// Runs one event handler. A failed load inside a nested run of the selection routine is kept for
// the outer run, which raises it at the write that caused the nested change; a failed load that
// ends a user action is reported, once.
template <typename Handler> void Form1::runHandler(Handler handler)
{
    try {
        handler();
    } catch (const catalogue::PictureLoadError &error) {
        if (m_routineDepth > 0)
            m_nestedFailure = error;
        else
            reportFailure(QString::fromUtf8(error.what()));
    }
    if (m_routineDepth == 0)
        describeSelectors();
}

// Assistive technology hears what the selectors now select once the action is over, the variant
// selector's own change inside a type change included.
void Form1::describeSelectors()
{
    app::describeSelectors(*ObjScrollH, *ObjScrollV, *WallScrollH, *WallScrollV);
}

void Form1::reportFailure(const QString &message)
{
    emit failed(message);
    if (m_reports == Reports::MessageBox)
        showReport(message);
}

// The report is modal and takes the input away from the window, so no press of a selector may go
// on behind it: an arrow held down would go on stepping, reading (and failing on) every picture on
// its way. Once the report goes, the focus returns to where it was.
void Form1::showReport(const QString &message)
{
    for (toolkit::Selector *selector : {ObjScrollV, ObjScrollH, WallScrollH, WallScrollV})
        selector->endUserInput();
    const QPointer<QWidget> focus = QApplication::focusWidget();
    QMessageBox report(QMessageBox::Critical, QApplication::applicationDisplayName(), message,
                       QMessageBox::Ok, this);
    report.exec();
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
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
    Form1 *successor = open(m_loader, m_reports);
    QGuiApplication::setQuitOnLastWindowClosed(quitOnLastWindow);
    deleteLater();
    emit replaced(successor);
}

} // namespace app
