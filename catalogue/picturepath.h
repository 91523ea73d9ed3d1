#pragma once

#include <string_view>

namespace catalogue {

// The one folder every tile picture is read from, exactly as the editor names it. On systems
// without drive letters the picture loader maps "c:/My Documents/" to the user's documents folder;
// the catalogues and the selection routine only ever see this form.
inline constexpr std::string_view pictureFolder = "c:/My Documents/pardovine/";

// A complete picture path as a single string constant: the folder followed by the file name.
#define TOLVANE_PICTURE(fileName) "c:/My Documents/pardovine/" fileName

// The file name part of a picture path ("AngleL.bmp" for ".../pardovine/AngleL.bmp").
constexpr std::string_view pictureFileName(std::string_view path)
{
    return path.substr(path.rfind('/') + 1);
}

} // namespace catalogue
