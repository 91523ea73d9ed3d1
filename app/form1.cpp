#include "app/form1.h"

#include "toolkit/accessible.h"
#include "translations/translators.h"

#include <QApplication>
#include <QIcon>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QScopeGuard>
#include <QScrollBar>
#include <algorithm>
#include <array>

namespace app {

namespace {

using catalogue::cellSide;
using catalogue::wallThickness;
using toolkit::ControlArray;
using toolkit::Image;
using toolkit::Selector;

// The window's design, stored as a form designer stores it: every position and size in twips, 15
// to the pixel at the window's scale.
constexpr int twipsPerPixel = 15;

constexpr int twips(int pixels)
{
    return pixels * twipsPerPixel;
}

enum class Control
{
    HorizontalSelector,
    VerticalSelector,
    StretchImage,
    ArrayImage // element 0 of a control array
};

// One control of the design. Selector settings and the tab index apply to selectors, the picture
// (a resource) and visibility to images.
struct ControlDesign
{
    const char *name;
    Control kind;
    int left, top, width, height; // twips
    Selector::StartState selector;
    int tabIndex;
    const char *picture;
    bool visible;

    QRect rect() const
    {
        return {left / twipsPerPixel, top / twipsPerPixel, width / twipsPerPixel,
                height / twipsPerPixel};
    }
};

struct WindowDesign
{
    const char *name;
    const char *caption;
    int clientWidth, clientHeight; // twips
    QRgb background;
    const char *icon;
    const char *menuName;
    const char *menuCaption;
    // The controls, in the order the design lists them.
    ControlDesign ObjScrollV, ObjScrollH, WallScrollH, WallScrollV, Corner, VWall, HWall, ObjSample,
        WallSampleH, WallSampleV, Piece;
};

using enum Control;
constexpr Selector::StartState objectTypes{1, catalogue::objectTypeCount, 1, true};
constexpr Selector::StartState wallTypes{1, catalogue::wallTypeCount, 1, true};
constexpr Selector::StartState disabledVariants{0, 32767, 0, false}; // the toolkit's range
constexpr int noTab = -1;
constexpr int cell = twips(cellSide);
constexpr int wall = twips(wallThickness);

// clang-format off
constexpr WindowDesign design{
    "Form1", "Tolvane v1.1", 7380, 7395, qRgb(0, 255, 255), ":/assets/tolvane.png", "mnuClear",
    "Clear Maze",
    // name          kind                left  top   width height selector          tab    picture                   visible
    {"ObjScrollV",  VerticalSelector,   7110, 6150, 255,  960,  disabledVariants, 3,     nullptr,                  true},
    {"ObjScrollH",  HorizontalSelector, 6150, 7110, 960,  255,  objectTypes,      2,     nullptr,                  true},
    {"WallScrollH", HorizontalSelector, 0,    7110, 960,  255,  wallTypes,        1,     nullptr,                  true},
    {"WallScrollV", VerticalSelector,   7110, 0,    255,  960,  wallTypes,        0,     nullptr,                  true},
    {"Corner",      ArrayImage,         cell, cell, wall, wall, {},               noTab, ":/assets/corner.bmp",    true},
    {"VWall",       ArrayImage,         cell, 0,    wall, cell, {},               noTab, ":/assets/vwall.bmp",     true},
    {"HWall",       ArrayImage,         0,    cell, cell, wall, {},               noTab, ":/assets/hwall.bmp",     true},
    {"ObjSample",   StretchImage,       6150, 6150, 960,  960,  {},               noTab, ":/assets/objsample.bmp", true},
    {"WallSampleH", StretchImage,       0,    6810, 960,  300,  {},               noTab, ":/assets/hwall.bmp",     true},
    {"WallSampleV", StretchImage,       6810, 0,    300,  960,  {},               noTab, ":/assets/vwall.bmp",     true},
    {"Piece",       ArrayImage,         0,    0,    cell, cell, {},               noTab, ":/assets/cell.bmp",      false},
};
// clang-format on

// The client area paints its background colour itself rather than through its palette: a palette
// set here would pass to every control on it, each control would get a palette of its own, and the
// style would draw (and cache) every scroll bar of every window anew. It hosts the window's images
// and lets the window name them.
class ClientArea : public toolkit::ImageHost
{
public:
    explicit ClientArea(Form1 *window) : ImageHost(window), m_window(window)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFixedSize(design.clientWidth / twipsPerPixel, design.clientHeight / twipsPerPixel);
    }

    QString imageName(const Image &image) const override { return m_window->imageName(image); }

protected:
    void paintBackground(QPainter &painter, const QRect &area) override
    {
        painter.fillRect(area, QColor(design.background));
    }

private:
    const Form1 *m_window;
};

// The application's style in all but one point: a lone Alt press does not put the menu bar into a
// keyboard mode that nothing on the screen shows, in which the arrow keys stop stepping the focused
// selector and Return would run "Clear Maze". The menu command runs when chosen with the mouse.
class NoMenuKeyboardModeStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_MenuBar_AltKeyNavigation)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

Selector *createSelector(const ControlDesign &row, QWidget *client)
{
    const auto orientation = row.kind == HorizontalSelector ? Qt::Horizontal : Qt::Vertical;
    auto *selector = new Selector(orientation, row.selector, client);
    selector->setObjectName(QString::fromLatin1(row.name));
    selector->setGeometry(row.rect());
    selector->setVisible(row.visible);
    return selector;
}

// An image of the design; one that does not stretch takes the size of its picture.
Image *placeImage(Image *image, const ControlDesign &row)
{
    image->setObjectName(QString::fromLatin1(row.name));
    image->setLeft(static_cast<float>(row.rect().left()));
    image->setTop(static_cast<float>(row.rect().top()));
    image->setSize(row.rect().size());
    image->setVisible(row.visible);
    return image;
}

Image *createImage(const ControlDesign &row, toolkit::ImageHost *client)
{
    return placeImage(
        new Image(row.kind == StretchImage, QPixmap(QLatin1String(row.picture)), client), row);
}

ControlArray &createArray(const ControlDesign &row, toolkit::ImageHost *client)
{
    auto *array = new ControlArray(false, QPixmap(QLatin1String(row.picture)), client, client);
    placeImage(array->element(0), row);
    return *array;
}

// The picture of object type `type` that the variant selector designates, or its first one where
// the type has no variants or the variant selector designates none.
QString objectPicture(int type, const Selector &variants)
{
    const QString designated =
        variants.Enabled() ? catalogue::objectFile(type, variants.Value()) : QString();
    return designated.isEmpty() ? catalogue::objectFile(type, 1) : designated;
}

void describe(Selector &selector, const QString &description)
{
    if (selector.accessibleDescription() != description)
        selector.setAccessibleDescription(description);
}

} // namespace

void setUpApplication()
{
    translations::installTranslators(*QCoreApplication::instance());
    QApplication::setApplicationName(QStringLiteral("Tolvane"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.tolvane.Tolvane"));
    // One icon for every window: an icon made for each window would leave its pixmaps behind in
    // Qt's pixmap cache, which keys them by icon, when the window goes.
    QApplication::setWindowIcon(QIcon(QString::fromLatin1(design.icon)));
    QApplication::setStyle(new NoMenuKeyboardModeStyle);
    toolkit::installAccessibleInterfaces();
}

// The client area belongs to the window from the start: the focus that the first selector takes
// would be lost if the controls moved into the window afterwards. Nothing is connected to the
// controls until the board is built, so making them reaches no handler.
Form1::Form1(const catalogue::PictureLoader &loader, Reports reports)
    : m_loader(loader), m_reports(reports), m_client(new ClientArea(this)),
      mnuClear(menuBar()->addAction(QString::fromUtf8(design.menuCaption))),
      ObjScrollV(createSelector(design.ObjScrollV, m_client)),
      ObjScrollH(createSelector(design.ObjScrollH, m_client)),
      WallScrollH(createSelector(design.WallScrollH, m_client)),
      WallScrollV(createSelector(design.WallScrollV, m_client)),
      Corner(createArray(design.Corner, m_client)), VWall(createArray(design.VWall, m_client)),
      HWall(createArray(design.HWall, m_client)),
      ObjSample(createImage(design.ObjSample, m_client)),
      WallSampleH(createImage(design.WallSampleH, m_client)),
      WallSampleV(createImage(design.WallSampleV, m_client)),
      Piece(createArray(design.Piece, m_client))
{
    setObjectName(QString::fromLatin1(design.name));
    setWindowTitle(QString::fromUtf8(design.caption));
    setCentralWidget(m_client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    menuBar()->setNativeMenuBar(false);
    mnuClear->setObjectName(QString::fromLatin1(design.menuName));
    mnuClear->setStatusTip(tr("Empties the board"));

    // The selectors take the focus in the order of their tab indices, the first of them when the
    // window opens.
    std::array tabOrder{std::pair{design.ObjScrollV.tabIndex, ObjScrollV},
                        std::pair{design.ObjScrollH.tabIndex, ObjScrollH},
                        std::pair{design.WallScrollH.tabIndex, WallScrollH},
                        std::pair{design.WallScrollV.tabIndex, WallScrollV}};
    std::sort(tabOrder.begin(), tabOrder.end());
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    tabOrder.front().second->setFocus();

    nameSelectors();
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

// The places are numbered from Cell to Corner.
ControlArray &Form1::arrayOf(catalogue::Place place) const
{
    ControlArray *const arrays[] = {&Piece, &HWall, &VWall, &Corner};
    return *arrays[place - catalogue::Cell];
}

// Direct connections: a selector's change runs its handler inside the write of its value.
void Form1::connectHandlers()
{
    const auto onClick = [this](catalogue::Place place, void (Form1::*handler)(qint16)) {
        connect(
            &arrayOf(place), &ControlArray::clicked, this,
            [this, handler](qint16 index) { runHandler([&] { (this->*handler)(index); }); },
            Qt::DirectConnection);
    };
    const auto onChange = [this](Selector *selector, void (Form1::*handler)()) {
        connect(
            selector, &Selector::changed, this,
            [this, handler] { runHandler([&] { (this->*handler)(); }); }, Qt::DirectConnection);
    };
    onClick(catalogue::Cell, &Form1::Piece_Click);
    onClick(catalogue::HorizontalWall, &Form1::HWall_Click);
    onClick(catalogue::VerticalWall, &Form1::VWall_Click);
    onChange(ObjScrollH, &Form1::ObjScrollH_Change);
    onChange(ObjScrollV, &Form1::ObjScrollV_Change);
    onChange(WallScrollH, &Form1::WallScrollH_Change);
    onChange(WallScrollV, &Form1::WallScrollV_Change);
    connect(mnuClear, &QAction::triggered, this,
            [this] { runHandler([this] { mnuClear_Click(); }); });
}

// Runs one event handler. Inside the selection routine, it is part of the routine's call and its
// failure goes on out of the write that raised it. Otherwise it is a user action of its own: a
// failed load ends it and is reported, once, after assistive technology has heard what the
// selectors now select.
template <typename Handler> void Form1::runHandler(Handler handler)
{
    if (m_routineDepth > 0) {
        handler();
        return;
    }
    QString failure;
    try {
        handler();
    } catch (const catalogue::PictureLoadError &error) {
        failure = QString::fromUtf8(error.what());
    }
    describeSelectors();
    if (!failure.isEmpty())
        report(failure);
}

// The report is modal and takes the input away from the window, so no press of a selector may go
// on behind it: an arrow held down would go on stepping, reading (and failing on) every picture on
// its way. Once the report goes, the focus returns to where it was.
void Form1::report(const QString &message)
{
    emit failed(message);
    if (m_reports != Reports::MessageBox)
        return;
    for (Selector *selector : {ObjScrollV, ObjScrollH, WallScrollH, WallScrollV})
        selector->endUserInput();
    const QPointer<QWidget> focus = QApplication::focusWidget();
    QMessageBox report(QMessageBox::Critical, QApplication::applicationDisplayName(), message,
                       QMessageBox::Ok, this);
    report.exec();
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
}

// The names go on the scroll bars, which take the focus and so are what assistive technology
// reads.
void Form1::nameSelectors()
{
    ObjScrollH->setAccessibleName(QCoreApplication::translate("SelectorNames", "Object type"));
    ObjScrollV->setAccessibleName(QCoreApplication::translate("SelectorNames", "Object variant"));
    WallScrollH->setAccessibleName(
        QCoreApplication::translate("SelectorNames", "Horizontal wall type"));
    WallScrollV->setAccessibleName(
        QCoreApplication::translate("SelectorNames", "Vertical wall type"));
}

// Each selector is described by the picture file it now selects, e.g. "AngleL.bmp", or "no
// variants" on a disabled variant selector; taken from the catalogues, no picture is read.
void Form1::describeSelectors()
{
    const int type = ObjScrollH->Value();
    const bool known = catalogue::variantCount(type) > 0;
    describe(*ObjScrollH, known ? objectPicture(type, *ObjScrollV)
                                : QCoreApplication::translate("SelectorNames", "no object type"));
    describe(*ObjScrollV, ObjScrollV->Enabled() && catalogue::variantCount(type) > 1
                              ? objectPicture(type, *ObjScrollV)
                              : QCoreApplication::translate("SelectorNames", "no variants"));
    for (auto [walls, place] : {std::pair{WallScrollH, catalogue::HorizontalWall},
                                std::pair{WallScrollV, catalogue::VerticalWall}}) {
        const QString file = catalogue::wallFile(walls->Value(), place);
        describe(*walls, file.isEmpty()
                             ? QCoreApplication::translate("SelectorNames", "no wall type")
                             : file);
    }
}

// Cells and wall slots by where they lie and what they show; a sample by what it shows, e.g.
// "Object sample: design picture" before the first selection.
QString Form1::imageName(const Image &image) const
{
    for (catalogue::Place place :
         {catalogue::Cell, catalogue::HorizontalWall, catalogue::VerticalWall}) {
        if (image.array() == &arrayOf(place))
            return boardPlaceName(place, image.index(), image.pictureFile());
    }
    //: %1 is the picture file the sample shows, or "design picture" before the first selection.
    const QString name =
        &image == ObjSample ? QCoreApplication::translate("ImageNames", "Object sample: %1")
        : &image == WallSampleH
            ? QCoreApplication::translate("ImageNames", "Horizontal wall sample: %1")
        : &image == WallSampleV
            ? QCoreApplication::translate("ImageNames", "Vertical wall sample: %1")
            : QString();
    if (name.isEmpty())
        return image.objectName();
    return name.arg(image.pictureFile().isEmpty()
                        ? QCoreApplication::translate("ImageNames", "design picture")
                        : image.pictureFile());
}

void Form1::Form_Load()
{
    buildBoard(Piece, HWall, VWall, Corner);
}

// Unloads this window and opens a new one from the design. The program must not end in between,
// though for a moment no window of it is on the screen. This window takes no input from now on,
// so that a press queued for it before it went reaches nothing, and it is destroyed with
// everything on it once the handler has returned.
void Form1::mnuClear_Click()
{
    const bool quitOnLastWindow = QGuiApplication::quitOnLastWindowClosed();
    QGuiApplication::setQuitOnLastWindowClosed(false);
    hide();
    setEnabled(false);
    Form1 *successor = open(m_loader, m_reports);
    QGuiApplication::setQuitOnLastWindowClosed(quitOnLastWindow);
    deleteLater();
    emit replaced(successor);
}

} // namespace app
