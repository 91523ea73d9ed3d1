// The window's selection routine, Form1::objectChange(), and its steps.

#include "app/form1.h"

#include <QCoreApplication>
#include <QScopeGuard>
#include <stdexcept>

namespace app {

using toolkit::Image;
using toolkit::Selector;

// The kinds are tested in the order 1, 2, 3, and every type is tested, in order, against the
// selector's value as it stands at that moment.
void Form1::objectChange(Image *object, Selector *object2, Selector *object3, qint16 statement)
{
    ++m_routineDepth;
    const auto leave = qScopeGuard([this] { --m_routineDepth; });
    if (statement == catalogue::Cell) {
        for (int t = 1; t <= catalogue::objectTypeCount; ++t) {
            if (object2->Value() != t)
                continue;
            if (!object3)
                throw std::invalid_argument("an object selection needs a variant selector");
            showObjectType(*object, *object3, t);
        }
    } else if (statement == catalogue::HorizontalWall || statement == catalogue::VerticalWall) {
        for (int t = 1; t <= catalogue::wallTypeCount; ++t) {
            if (object2->Value() == t)
                loadPictureInto(*object, catalogue::wallFile(t, catalogue::Place(statement)));
        }
    }
}

// Loads the picture of type `type` that the variant selector designates, after lining the selector
// up with the type; a type with one picture disables the selector instead.
void Form1::showObjectType(Image &object, Selector &variants, int type)
{
    const int count = catalogue::variantCount(type);
    if (count == 1) {
        loadPictureInto(object, catalogue::objectFile(type, 1));
        variants.setEnabled(false);
        return;
    }
    alignVariantSelector(variants, count);
    for (int k = 1; k <= count; ++k) {
        if (variants.Value() == k)
            loadPictureInto(object, catalogue::objectFile(type, k));
    }
}

// Lines the variant selector up with a type of `count` variants. A selector that was disabled
// starts again at the first variant; an enabled one keeps its variant while it is in range. Writing
// the value runs the selector's change handler, nested, before the write returns; a picture that
// handler cannot load ends this call too, at that write.
void Form1::alignVariantSelector(Selector &variants, int count)
{
    variants.setMin(1);
    variants.setMax(static_cast<qint16>(count));
    if (variants.Enabled() == false) {
        variants.setValue(1);
        variants.setEnabled(true);
        return;
    }
    const bool above = variants.Value() > count;
    const bool below = variants.Value() < 1;
    if (above || below)
        variants.setValue(1);
}

// The image remembers the catalogue file its picture came from, which its accessible name tells.
// An empty picture, such as one there was no memory for, fails the load: the image keeps what it
// shows.
void Form1::loadPictureInto(Image &object, const QString &fileName)
{
    const QString path = catalogue::picturePath(fileName);
    const QPixmap picture = m_loader.loadPicture(path);
    if (picture.isNull())
        throw catalogue::PictureLoadError(
            path, QCoreApplication::translate("PictureLoad", "it came out as an empty picture"));
    object.setPicture(picture, fileName);
}

} // namespace app
