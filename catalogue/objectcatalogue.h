#pragma once

#include <span>

namespace catalogue {

// One object type: its pictures in variant order. A type with one picture has no variants.
struct ObjectType
{
    std::span<const char *const> pictures;

    int variantCount() const { return static_cast<int>(pictures.size()); }
    bool hasVariants() const { return pictures.size() > 1; }
};

// The object types in type-number order; object type t is element t - 1.
std::span<const ObjectType> objectTypes();

} // namespace catalogue
