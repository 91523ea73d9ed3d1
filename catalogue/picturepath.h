#pragma once

#include <string_view>

namespace catalogue {

// The one folder every tile picture is read from, exactly as the editor names it. On systems
// without drive letters the picture loader maps "c:/My Documents/" to the user's documents folder;
// the catalogues and the selection routine only ever see this form.
#define TOLVANE_PICTURE_FOLDER "c:/My Documents/pardovine/"
inline constexpr std::string_view pictureFolder = TOLVANE_PICTURE_FOLDER;

// A complete picture path as a single string constant: the folder followed by the file name.
#define TOLVANE_PICTURE(fileName) TOLVANE_PICTURE_FOLDER fileName

// The file name part of a picture path ("AngleL.bmp" for ".../pardovine/AngleL.bmp").
constexpr std::string_view pictureFileName(std::string_view path)
{
    return path.substr(path.rfind('/') + 1);
}

} // namespace catalogue
