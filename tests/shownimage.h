#pragma once

// What the user sees of a windowless image and how the user clicks it: both go through the widget
// that hosts the image, so whatever covers the image on the screen counts too.

#include "toolkit/image.h"
#include "toolkit/imagehost.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

// The host's pixels where the image lies.
inline QImage shownImage(const toolkit::Image *image)
{
    return image->host()->grab(image->rect()).toImage();
}

// A press and release of `button` on the image's centre.
inline void clickImage(const toolkit::Image *image, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(image->host(), button, {}, image->rect().center());
}

// Puts the image's top-left corner at `topLeft` on its host.
inline void placeImage(toolkit::Image *image, QPoint topLeft)
{
    image->setLeft(static_cast<float>(topLeft.x()));
    image->setTop(static_cast<float>(topLeft.y()));
}

// The image alone as its host paints it: its picture, fitted to its size.
inline QImage renderedImage(const toolkit::Image *image)
{
    QImage rendered(image->rect().size(), QImage::Format_ARGB32_Premultiplied);
    rendered.fill(Qt::transparent);
    QPainter(&rendered).drawPixmap(rendered.rect(), image->Picture());
    return rendered;
}
