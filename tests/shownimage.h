#pragma once

// What the user sees of a windowless image and how the user clicks it: both go through the widget
// that hosts the image, so whatever covers the image on the screen counts too.

#include "toolkit/image.h"
#include "toolkit/imagehost.h"

#include <QImage>
#include <QtTest>

// The host's pixels where the image lies.
inline QImage shownImage(const toolkit::Image *image)
{
    return image->host()->grab(image->geometry()).toImage();
}

// A press and release of `button` on the image's centre.
inline void clickImage(const toolkit::Image *image, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(image->host(), button, {}, image->geometry().center());
}
