#include "bareboard.h"

#include "support/windowlayout.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

namespace bench {

BareBoard::BareBoard(const QString &pictureFile) : m_pictureFile(pictureFile)
{
    setFixedSize(layout::clientArea);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(layout::cyan));
    setPalette(palette);
    setAutoFillBackground(true);
}

// Qt has filled the area to repaint with cyan already.
void BareBoard::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(m_square.topLeft(), m_picture);
}

// The square under the pointer is found by the board's arithmetic. Only that square is repainted:
// an earlier one keeps its pixels until the window is next exposed.
void BareBoard::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    m_square = QRect(at.x() / layout::pitch * layout::pitch, at.y() / layout::pitch * layout::pitch,
                     layout::cellSide, layout::cellSide);
    m_picture = QPixmap::fromImage(QImage(m_pictureFile));
    update(m_square);
}

} // namespace bench
