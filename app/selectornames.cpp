#include "app/selectornames.h"

#include "catalogue/objectcatalogue.h"
#include "catalogue/wallcatalogue.h"
#include "toolkit/selector.h"

#include <QCoreApplication>
#include <QScrollBar>

namespace app {

namespace {

using toolkit::Selector;

// The picture of object type `type` that the variant selector designates, or its first one where
// the type has no variants or the variant selector designates none.
QString objectPicture(int type, const Selector &variants)
{
    const QString designated =
        variants.Enabled() ? catalogue::objectFile(type, variants.Value()) : QString();
    return designated.isEmpty() ? catalogue::objectFile(type, 1) : designated;
}

QString typeDescription(const Selector &types, const Selector &variants)
{
    return catalogue::variantCount(types.Value()) > 0
               ? objectPicture(types.Value(), variants)
               : QCoreApplication::translate("SelectorNames", "no object type");
}

QString variantDescription(const Selector &types, const Selector &variants)
{
    if (!variants.Enabled() || catalogue::variantCount(types.Value()) < 2)
        return QCoreApplication::translate("SelectorNames", "no variants");
    return objectPicture(types.Value(), variants);
}

QString wallDescription(const Selector &walls, catalogue::Orientation orientation)
{
    const QString file = catalogue::wallFile(walls.Value(), orientation);
    return file.isEmpty() ? QCoreApplication::translate("SelectorNames", "no wall type") : file;
}

void describe(const Selector &selector, const QString &description)
{
    if (selector.scrollBar()->accessibleDescription() != description)
        selector.scrollBar()->setAccessibleDescription(description);
}

} // namespace

void nameSelectors(Selector &types, Selector &variants, Selector &horizontalWalls,
                   Selector &verticalWalls)
{
    types.scrollBar()->setAccessibleName(
        QCoreApplication::translate("SelectorNames", "Object type"));
    variants.scrollBar()->setAccessibleName(
        QCoreApplication::translate("SelectorNames", "Object variant"));
    horizontalWalls.scrollBar()->setAccessibleName(
        QCoreApplication::translate("SelectorNames", "Horizontal wall type"));
    verticalWalls.scrollBar()->setAccessibleName(
        QCoreApplication::translate("SelectorNames", "Vertical wall type"));
}

void describeSelectors(const Selector &types, const Selector &variants,
                       const Selector &horizontalWalls, const Selector &verticalWalls)
{
    describe(types, typeDescription(types, variants));
    describe(variants, variantDescription(types, variants));
    describe(horizontalWalls, wallDescription(horizontalWalls, catalogue::Orientation::Horizontal));
    describe(verticalWalls, wallDescription(verticalWalls, catalogue::Orientation::Vertical));
}

} // namespace app
