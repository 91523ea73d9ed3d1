#pragma once

#include <QPixmap>
#include <QWidget>
#include <functional>

namespace toolkit {

// A control that shows one picture and reports clicks; it never takes the keyboard focus.
// An image that does not stretch always has the size of its picture, its top-left corner staying
// where it is. A stretching image keeps its size and scales its picture to fill it.
class Image : public QWidget
{
    Q_OBJECT

public:
    enum class Fit
    {
        Natural,
        Stretch
    };

    Image(Fit fit, const QPixmap &picture, QWidget *parent);

    const QPixmap &Picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);
    Fit fit() const { return m_fit; }

    float Left() const { return static_cast<float>(x()); }
    float Top() const { return static_cast<float>(y()); }
    void setLeft(float left);
    void setTop(float top);

    void setClickHandler(std::function<void()> handler);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPixmap m_picture;
    Fit m_fit;
    bool m_pressed = false;
    std::function<void()> m_clickHandler;
};

} // namespace toolkit
