#pragma once

#include "toolkit/controlarray.h"

#include <QHash>
#include <QMainWindow>

class QAction;

namespace catalogue {
class PictureLoader;
}
namespace toolkit {
class Image;
class ImageHost;
class Selector;
} // namespace toolkit

namespace app {

// The editor's one window: the board, the palette and the menu command "Clear Maze". It is made
// from its design every time it opens, and builds the board before it is first shown.
class Form1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit Form1(const catalogue::PictureLoader &loader);

    // Opens a new window from the design, as at start-up.
    static Form1 *open(const catalogue::PictureLoader &loader);

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

    void objectChange(toolkit::Image *object, toolkit::Selector *object2,
                      toolkit::Selector *object3, qint16 statement);

signals:
    // "Clear Maze" has unloaded this window and opened `successor` in its place.
    void replaced(app::Form1 *successor);

private:
    const catalogue::PictureLoader &m_loader;
    toolkit::ImageHost *m_client;
    QHash<QString, QObject *> m_controls;

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
    toolkit::ControlArray Corner;
    toolkit::ControlArray VWall;
    toolkit::ControlArray HWall;
    toolkit::ControlArray Piece;

private:
    void connectHandlers();
};

} // namespace app
