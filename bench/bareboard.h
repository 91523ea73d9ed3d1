#pragma once

#include <QPixmap>
#include <QRect>
#include <QString>
#include <QWidget>

namespace bench {

// The baseline window's cyan client area, and what any Qt program pays for a click like the
// editor's: a click puts one picture, read and decoded from its file at every click, in the
// 32 × 32 square of the board under the pointer, and repaints that square alone.
class BareBoard : public QWidget
{
    Q_OBJECT

public:
    // Reads the picture from `pictureFile`.
    explicit BareBoard(const QString &pictureFile);

    const QString &pictureFile() const { return m_pictureFile; }
    // The picture the last click read; null before the first click or when the file has none.
    const QPixmap &picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_pictureFile;
    QPixmap m_picture;
    QRect m_square;
};

} // namespace bench
