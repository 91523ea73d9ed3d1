#pragma once

#include <span>

namespace catalogue {

// One wall type: its picture for horizontal slots and its picture for vertical slots.
struct WallType
{
    const char *horizontal;
    const char *vertical;
};

// The wall types in type-number order; wall type t is element t - 1.
std::span<const WallType> wallTypes();

} // namespace catalogue
