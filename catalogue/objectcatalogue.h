#pragma once

#include <QString>

namespace catalogue {

// The object types are numbered from 1; each has its pictures in variant order, numbered from 1.

// How many object types there are.
int objectTypeCount();

// How many variants object type `type` has: 1 for a type with a single picture, 0 for a number
// that is no type.
int variantCount(int type);

// The file that object type `type` and variant `variant` designate, such as "AngleR.bmp" for
// (2, 2); a type with a single picture has variant 1 only. Empty where there is no such entry.
QString objectFile(int type, int variant);

} // namespace catalogue
