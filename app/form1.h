#pragma once

#include "catalogue/catalogue.h"
#include "catalogue/pictureloader.h"
#include "toolkit/image.h"
#include "toolkit/selector.h"

#include <QMainWindow>

class QAction;

namespace app {

// The board grid: 10 × 10 cells, a cell column or row every 42 pixels, a wall slot or corner post
// right after the cell before it.
inline constexpr int boardCells = 10;
inline constexpr int boardPitch = catalogue::cellSide + catalogue::wallThickness;

// Turns element 0 of each array into the full board: 100 cells, 90 horizontal and 90 vertical wall
// slots and 81 corner posts, every one visible at its place on the grid (board.cpp).
void buildBoard(toolkit::ControlArray &Piece, toolkit::ControlArray &HWall,
                toolkit::ControlArray &VWall, toolkit::ControlArray &Corner);
// What assistive technology calls the cell or wall slot `index` that shows `pictureFile` (empty
// for the design's picture): where it lies and what it shows, e.g. "Cell 37, row 4, column 8:
// AngleL.bmp", "Horizontal wall slot 5, between cells 5 and 15: empty".
QString boardPlaceName(catalogue::Place place, int index, const QString &pictureFile);

// What the whole application shares, set up once, in main(), before the first window opens: the
// translations of its texts into the user's language, its name and desktop id, its icon, the
// style that keeps the menu bar out of a hidden keyboard mode, and the interfaces that describe
// the windowless controls to assistive technology.
void setUpApplication();

// The editor's one window: the board, the palette and the menu command "Clear Maze". It is made
// from its design every time it opens, and builds the board before it is first shown.
//
// Every event handler runs as one user action. A picture that cannot be loaded ends the whole
// action, nested handlers included, and is reported once; the window goes on. Any other exception
// is a fault of the program and is left to end it.
class Form1 : public QMainWindow
{
    Q_OBJECT

public:
    // How the window shows a failure: in a message box above it, or only through failed(), for
    // callers that watch the signal.
    enum class Reports
    {
        MessageBox,
        SignalOnly
    };

    explicit Form1(const catalogue::PictureLoader &loader, Reports reports = Reports::MessageBox);

    // Opens a new window from the design, as at start-up.
    static Form1 *open(const catalogue::PictureLoader &loader,
                       Reports reports = Reports::MessageBox);

    // The event handlers. Each but the load and the menu command's hands the selection routine
    // the four arguments of its event, and does nothing else.
    void Form_Load();
    void Piece_Click(qint16 index)
    {
        objectChange(Piece.element(index), ObjScrollH, ObjScrollV, catalogue::Cell);
    }
    void HWall_Click(qint16 index)
    {
        objectChange(HWall.element(index), WallScrollH, WallScrollH, catalogue::HorizontalWall);
    }
    void VWall_Click(qint16 index)
    {
        objectChange(VWall.element(index), WallScrollV, WallScrollV, catalogue::VerticalWall);
    }
    void ObjScrollH_Change() { objectChange(ObjSample, ObjScrollH, ObjScrollV, catalogue::Cell); }
    void ObjScrollV_Change() { objectChange(ObjSample, ObjScrollH, ObjScrollV, catalogue::Cell); }
    void WallScrollH_Change()
    {
        objectChange(WallSampleH, WallScrollH, nullptr, catalogue::HorizontalWall);
    }
    void WallScrollV_Change()
    {
        objectChange(WallSampleV, WallScrollV, nullptr, catalogue::VerticalWall);
    }
    void mnuClear_Click();

    // The selection routine: puts the picture the selectors designate into `object`.
    // Kind 1 (catalogue::Cell): `object2` is the object type selector and `object3` the variant
    // selector, which is first brought into line with the type (range, enabled state and, where
    // needed, value). Writing its value raises its change at once, which runs this routine again,
    // nested. Kinds 2 and 3 (the wall slots): `object2` is the wall selector; `object3` is not used
    // and may be null. Any other kind, or a selector value with no catalogue entry, changes
    // nothing. A picture that cannot be loaded ends the routine at that step with
    // catalogue::PictureLoadError, and so does a failure of the nested call, which passes out of
    // the write that raised it; `object` keeps its picture.
    void objectChange(toolkit::Image *object, toolkit::Selector *object2,
                      toolkit::Selector *object3, qint16 statement);

    // The control array that holds the board's places of `place`.
    toolkit::ControlArray &arrayOf(catalogue::Place place) const;
    // What assistive technology calls one of the window's images.
    QString imageName(const toolkit::Image &image) const;

signals:
    // "Clear Maze" has unloaded this window and opened `successor` in its place.
    void replaced(app::Form1 *successor);
    // A user action ended in a failure; `message` names the file and the cause.
    void failed(const QString &message);

private:
    const catalogue::PictureLoader &m_loader;
    const Reports m_reports;
    toolkit::ImageHost *const m_client;
    // How deep the selection routine is running. A handler run inside it (the variant selector's
    // change, raised by the routine's own write) is part of the routine's call: its failure passes
    // out through that write.
    int m_routineDepth = 0;

public:
    // The window's controls, by their design names, in the order the design lists them: each is
    // drawn above the ones before it.
    QAction *const mnuClear;
    toolkit::Selector *const ObjScrollV;
    toolkit::Selector *const ObjScrollH;
    toolkit::Selector *const WallScrollH;
    toolkit::Selector *const WallScrollV;
    toolkit::ControlArray &Corner;
    toolkit::ControlArray &VWall;
    toolkit::ControlArray &HWall;
    toolkit::Image *const ObjSample;
    toolkit::Image *const WallSampleH;
    toolkit::Image *const WallSampleV;
    toolkit::ControlArray &Piece;

private:
    template <typename Handler> void runHandler(Handler handler);
    void connectHandlers();
    void nameSelectors();
    void describeSelectors();
    void report(const QString &message);

    void showObjectType(toolkit::Image &object, toolkit::Selector &variants, int type);
    void alignVariantSelector(toolkit::Selector &variants, int count);
    void loadPictureInto(toolkit::Image &object, const QString &fileName);
};

} // namespace app
