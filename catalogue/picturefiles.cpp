#include "catalogue/picturefiles.h"

#include "catalogue/objectcatalogue.h"
#include "catalogue/wallcatalogue.h"

namespace catalogue {

namespace {

QSize slotSize(Family family)
{
    switch (family) {
    case Family::Object:
        return {32, 32};
    case Family::HorizontalWall:
        return {32, 10};
    case Family::VerticalWall:
        return {10, 32};
    }
    Q_UNREACHABLE();
}

} // namespace

std::vector<PictureFile> pictureFiles()
{
    std::vector<PictureFile> files;
    const auto add = [&files](const QString &fileName, Family family, int type) {
        files.push_back({fileName, family, type, slotSize(family)});
    };
    for (int type = 1; type <= objectTypeCount(); ++type) {
        for (int variant = 1; variant <= variantCount(type); ++variant)
            add(objectFile(type, variant), Family::Object, type);
    }
    for (int type = 1; type <= wallTypeCount(); ++type) {
        add(wallFile(type, Orientation::Horizontal), Family::HorizontalWall, type);
        add(wallFile(type, Orientation::Vertical), Family::VerticalWall, type);
    }
    return files;
}

} // namespace catalogue
