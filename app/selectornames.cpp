#include "app/selectornames.h"

#include "catalogue/objectcatalogue.h"
#include "catalogue/picturepath.h"
#include "catalogue/wallcatalogue.h"
#include "toolkit/selector.h"

#include <QScrollBar>

namespace app {

namespace {

using toolkit::Selector;

QString fileName(const char *path)
{
    const std::string_view name = catalogue::pictureFileName(path);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// The catalogue entry a selector's value designates, or nullptr when the value designates none.
template <typename Entry> const Entry *entryAt(std::span<const Entry> entries, int value)
{
    return value >= 1 && value <= static_cast<int>(entries.size())
               ? &entries[static_cast<std::size_t>(value - 1)]
               : nullptr;
}

// The picture of the object type that the variant selector designates, or its first one where the
// type has no variants or the variant selector designates none.
QString objectPicture(const catalogue::ObjectType &type, const Selector &variants)
{
    const int variant = variants.Value();
    const bool designated =
        type.hasVariants() && variants.Enabled() && variant >= 1 && variant <= type.variantCount();
    return fileName(type.pictures[designated ? static_cast<std::size_t>(variant - 1) : 0]);
}

QString typeDescription(const Selector &types, const Selector &variants)
{
    const auto *type = entryAt(catalogue::objectTypes(), types.Value());
    return type ? objectPicture(*type, variants) : QStringLiteral("no object type");
}

QString variantDescription(const Selector &types, const Selector &variants)
{
    const auto *type = entryAt(catalogue::objectTypes(), types.Value());
    if (!variants.Enabled() || !type || !type->hasVariants())
        return QStringLiteral("no variants");
    return objectPicture(*type, variants);
}

QString wallDescription(const Selector &walls, bool horizontal)
{
    const auto *wall = entryAt(catalogue::wallTypes(), walls.Value());
    if (!wall)
        return QStringLiteral("no wall type");
    return fileName(horizontal ? wall->horizontal : wall->vertical);
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
    types.scrollBar()->setAccessibleName(QStringLiteral("Object type"));
    variants.scrollBar()->setAccessibleName(QStringLiteral("Object variant"));
    horizontalWalls.scrollBar()->setAccessibleName(QStringLiteral("Horizontal wall type"));
    verticalWalls.scrollBar()->setAccessibleName(QStringLiteral("Vertical wall type"));
}

void describeSelectors(const Selector &types, const Selector &variants,
                       const Selector &horizontalWalls, const Selector &verticalWalls)
{
    describe(types, typeDescription(types, variants));
    describe(variants, variantDescription(types, variants));
    describe(horizontalWalls, wallDescription(horizontalWalls, true));
    describe(verticalWalls, wallDescription(verticalWalls, false));
}

} // namespace app
