#include "catalogue/objectchange.h"

#include "catalogue/objectcatalogue.h"
#include "catalogue/pictureloader.h"
#include "catalogue/wallcatalogue.h"
#include "toolkit/image.h"
#include "toolkit/selector.h"

#include <stdexcept>

namespace catalogue {

namespace {

using toolkit::Image;
using toolkit::Selector;

void loadPictureInto(const PictureLoader &loader, Image &object, const char *path)
{
    object.setPicture(loader.loadPicture(QString::fromLatin1(path)));
}

// Lines the variant selector up with a type of `count` variants. A selector that was disabled
// starts again at the first variant; an enabled one keeps its variant while it is in range.
void lineUpVariants(Selector &variants, int count)
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

void runTypeBlock(const PictureLoader &loader, Image &object, Selector &variants,
                  const ObjectType &type)
{
    if (!type.hasVariants()) {
        loadPictureInto(loader, object, type.pictures.front());
        variants.setEnabled(false);
        return;
    }
    lineUpVariants(variants, type.variantCount());
    for (int k = 1; k <= type.variantCount(); ++k) {
        if (variants.Value() == k)
            loadPictureInto(loader, object, type.pictures[static_cast<std::size_t>(k - 1)]);
    }
}

// Every type is tested, in order, against the selector's value as it stands at that moment.
void selectObject(const PictureLoader &loader, Image &object, const Selector &types,
                  Selector *variants)
{
    const auto catalogue = objectTypes();
    for (int t = 1; t <= static_cast<int>(catalogue.size()); ++t) {
        if (types.Value() != t)
            continue;
        if (!variants)
            throw std::invalid_argument("an object selection needs a variant selector");
        runTypeBlock(loader, object, *variants, catalogue[static_cast<std::size_t>(t - 1)]);
    }
}

void selectWall(const PictureLoader &loader, Image &object, const Selector &walls,
                const char *WallType::*orientation)
{
    const auto catalogue = wallTypes();
    for (int t = 1; t <= static_cast<int>(catalogue.size()); ++t) {
        if (walls.Value() == t)
            loadPictureInto(loader, object,
                            catalogue[static_cast<std::size_t>(t - 1)].*orientation);
    }
}

} // namespace

void objectChange(const PictureLoader &loader, toolkit::Image *object, toolkit::Selector *object2,
                  toolkit::Selector *object3, qint16 statement)
{
    if (statement == ObjectKind)
        selectObject(loader, *object, *object2, object3);
    else if (statement == HorizontalWallKind)
        selectWall(loader, *object, *object2, &WallType::horizontal);
    else if (statement == VerticalWallKind)
        selectWall(loader, *object, *object2, &WallType::vertical);
}

} // namespace catalogue
