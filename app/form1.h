#pragma once

#include "catalogue/pictureloader.h"
#include "toolkit/controlarray.h"

#include <QHash>
#include <QMainWindow>
#include <optional>

class QAction;

namespace toolkit {
class Image;
class ImageHost;
class Selector;
} // namespace toolkit

namespace app {

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

    // The event handlers.
    void Form_Load();
    void Piece_Click(qint16 index);
    void HWall_Click(qint16 index);
    void VWall_Click(qint16 index);
    void ObjScrollH_Change();
    void ObjScrollV_Change();
    void WallScrollH_Change();
    void WallScrollV_Change();
    void mnuClear_Click();

    // The selection routine: puts the picture the selectors designate into `object`.
    // Kind 1: `object2` is the object type selector and `object3` the variant selector, which is
    // first brought into line with the type (range, enabled state and, where needed, value).
    // Writing its value raises its change at once, which runs this routine again, nested.
    // Kinds 2 and 3: `object2` is the wall selector; `object3` is not used and may be null.
    // Any other kind, or a selector value with no catalogue entry, changes nothing. A picture that
    // cannot be loaded ends the routine at that step with catalogue::PictureLoadError, and so does
    // a failure of the nested call; `object` keeps its picture.
    void objectChange(toolkit::Image *object, toolkit::Selector *object2,
                      toolkit::Selector *object3, qint16 statement);

signals:
    // "Clear Maze" has unloaded this window and opened `successor` in its place.
    void replaced(app::Form1 *successor);
    // A user action ended in a failure; `message` names the file and the cause.
    void failed(const QString &message);

private:
    const catalogue::PictureLoader &m_loader;
    const Reports m_reports;
    toolkit::ImageHost *m_client;
    QHash<QString, QObject *> m_controls;
    // How deep the selection routine is running, and a failed load of a nested call that the
    // routine has still to raise.
    int m_routineDepth = 0;
    std::optional<catalogue::PictureLoadError> m_nestedFailure;

public:
    // The window's controls, by their design names.
    QAction *const mnuClear;
    toolkit::Selector *const ObjScrollV;
    toolkit::Selector *const ObjScrollH;
    toolkit::Selector *const WallScrollH;
    toolkit::Selector *const WallScrollV;
    toolkit::Image *const ObjSample;
    toolkit::Image *const WallSampleH;
    toolkit::Image *const WallSampleV;
    toolkit::ControlArray &Corner;
    toolkit::ControlArray &VWall;
    toolkit::ControlArray &HWall;
    toolkit::ControlArray &Piece;

private:
    void connectHandlers();
    template <typename Handler> void runHandler(Handler handler);
    void reportFailure(const QString &message);
    void describeSelectors();
    void showReport(const QString &message);

    void selectObject(toolkit::Image &object, const toolkit::Selector &types,
                      toolkit::Selector *variants);
    void showObjectType(toolkit::Image &object, toolkit::Selector &variants, int type);
    void alignVariantSelector(toolkit::Selector &variants, int count);
    void writeVariant(toolkit::Selector &variants, qint16 value);
    void selectWall(toolkit::Image &object, const toolkit::Selector &walls, bool horizontal);
    void loadPictureInto(toolkit::Image &object, const char *path);
};

} // namespace app
