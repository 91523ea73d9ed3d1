#pragma once

// How the tests look at a window's images and click them. What the user sees and clicks goes
// through the widget that hosts the image, so whatever covers the image on the screen counts too.

#include <QHash>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QStringList>
#include <Qt>

class QWidget;

namespace app {
class Form1;
}
namespace toolkit {
class ControlArray;
class Image;
} // namespace toolkit

namespace support {

// The host's pixels where the image lies.
QImage shownImage(const toolkit::Image *image);
// The image alone as its host paints it: its picture, fitted to its size.
QImage renderedImage(const toolkit::Image *image);
// A press and release of `button` at a point of a widget on a shown window, delivered to the
// window as the window system delivers the pointer, so that Qt maps it to the widget as it maps
// a real pointer.
void clickAt(QWidget *widget, QPoint point, Qt::MouseButton button = Qt::LeftButton);
// A press and release of `button` on the image's centre.
void clickImage(const toolkit::Image *image, Qt::MouseButton button = Qt::LeftButton);
// Puts the image's top-left corner at `topLeft` on its host.
void placeImage(toolkit::Image *image, QPoint topLeft);

// The picture every image of a window shows (board elements and samples), by the picture's cache
// key: a new picture has a new key.
using Pictures = QHash<const toolkit::Image *, qint64>;
Pictures picturesOf(const QWidget &window);
// The images that show another picture in `after` than in `before`.
QList<const toolkit::Image *> changedImages(const Pictures &before, const Pictures &after);

// A control array of the board by its design name: "Piece", "HWall", "VWall" or "Corner".
toolkit::ControlArray &boardArray(const app::Form1 &form, const QString &name);
// "Piece(37)" for a board element, the design name for a sample.
QString imageName(const app::Form1 &form, const toolkit::Image *image);

// Everything of a window that the user sees or could change: one line per item (title, client
// area, menu command, selectors, images with their pictures, focus), so that two windows compare
// line by line.
QStringList describeWindow(const app::Form1 &form);

} // namespace support
