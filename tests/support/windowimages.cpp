#include "windowimages.h"

#include "app/form1.h"
#include "toolkit/image.h"
#include "toolkit/selector.h"
#include "windowlayout.h"

#include <QAction>
#include <QPainter>
#include <QtTest>

namespace support {

namespace {

QString pictureId(const QPixmap &pixmap)
{
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
    return QStringLiteral("%1x%2 #%3")
        .arg(image.width())
        .arg(image.height())
        .arg(qHash(QByteArrayView(image.constBits(), image.sizeInBytes())), 0, 16);
}

QString describeImage(const QString &name, const toolkit::Image *image)
{
    return QStringLiteral("%1 at %2,%3 size %4x%5 %6 picture %7")
        .arg(name)
        .arg(image->rect().x())
        .arg(image->rect().y())
        .arg(image->rect().width())
        .arg(image->rect().height())
        .arg(image->Visible() ? "visible" : "hidden")
        .arg(pictureId(image->Picture()));
}

QString describeSelector(const toolkit::Selector *selector)
{
    return QStringLiteral("%1 %2..%3 value %4 %5 at %6,%7 size %8x%9")
        .arg(selector->objectName())
        .arg(selector->Min())
        .arg(selector->Max())
        .arg(selector->Value())
        .arg(selector->Enabled() ? "enabled" : "disabled")
        .arg(selector->x())
        .arg(selector->y())
        .arg(selector->width())
        .arg(selector->height());
}

} // namespace

QImage shownImage(const toolkit::Image *image)
{
    return image->host()->grab(image->rect()).toImage();
}

QImage renderedImage(const toolkit::Image *image)
{
    QImage rendered(image->rect().size(), QImage::Format_ARGB32_Premultiplied);
    rendered.fill(Qt::transparent);
    QPainter(&rendered).drawPixmap(rendered.rect(), image->Picture());
    return rendered;
}

void clickAt(QWidget *widget, QPoint point, Qt::MouseButton button)
{
    QWidget *window = widget->window();
    QTest::mouseClick(window->windowHandle(), button, {}, widget->mapTo(window, point));
}

void clickImage(const toolkit::Image *image, Qt::MouseButton button)
{
    clickAt(image->host(), image->rect().center(), button);
}

void placeImage(toolkit::Image *image, QPoint topLeft)
{
    image->setLeft(static_cast<float>(topLeft.x()));
    image->setTop(static_cast<float>(topLeft.y()));
}

Pictures picturesOf(const QWidget &window)
{
    Pictures pictures;
    for (const toolkit::Image *image : window.findChildren<toolkit::Image *>())
        pictures.insert(image, image->Picture().cacheKey());
    return pictures;
}

QList<const toolkit::Image *> changedImages(const Pictures &before, const Pictures &after)
{
    QList<const toolkit::Image *> changed;
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        if (it.value() != before.value(it.key()))
            changed << it.key();
    }
    return changed;
}

toolkit::ControlArray &boardArray(const app::Form1 &form, const QString &name)
{
    if (name == QLatin1String("Piece"))
        return form.Piece;
    if (name == QLatin1String("HWall"))
        return form.HWall;
    if (name == QLatin1String("VWall"))
        return form.VWall;
    if (name == QLatin1String("Corner"))
        return form.Corner;
    qFatal("no control array %s", qPrintable(name));
}

QString imageName(const app::Form1 &form, const toolkit::Image *image)
{
    for (const layout::FamilyLayout &family : layout::families) {
        const toolkit::ControlArray &array = boardArray(form, family.array);
        for (int i = 0; i < array.count(); ++i) {
            if (array.element(i) == image)
                return QStringLiteral("%1(%2)").arg(QLatin1String(family.array)).arg(i);
        }
    }
    return image->objectName();
}

QStringList describeWindow(const app::Form1 &form)
{
    QStringList lines;
    lines << QStringLiteral("title %1").arg(form.windowTitle());
    lines << QStringLiteral("client %1x%2")
                 .arg(form.centralWidget()->width())
                 .arg(form.centralWidget()->height());
    lines << QStringLiteral("menu %1 %2")
                 .arg(form.mnuClear->text(), form.mnuClear->isEnabled() ? "enabled" : "disabled");
    for (const toolkit::Selector *selector :
         {form.ObjScrollV, form.ObjScrollH, form.WallScrollH, form.WallScrollV})
        lines << describeSelector(selector);
    for (const toolkit::Image *sample : {form.ObjSample, form.WallSampleH, form.WallSampleV})
        lines << describeImage(sample->objectName(), sample);
    for (const layout::FamilyLayout &family : layout::families) {
        const toolkit::ControlArray &array = boardArray(form, family.array);
        lines << QStringLiteral("%1 count %2").arg(family.array).arg(array.count());
        for (int i = 0; i < array.count(); ++i)
            lines << describeImage(QStringLiteral("%1(%2)").arg(family.array).arg(i),
                                   array.element(i));
    }
    const QWidget *focus = form.focusWidget();
    lines << QStringLiteral("focus %1")
                 .arg(focus && focus->parentWidget() ? focus->parentWidget()->objectName()
                                                     : QStringLiteral("none"));
    return lines;
}

} // namespace support
