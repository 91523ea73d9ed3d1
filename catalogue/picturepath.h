#pragma once

#include <QLatin1StringView>
#include <QString>

namespace catalogue {

#define TOLVANE_DOCUMENTS_PART "c:/My Documents/"

// The documents part of the picture folder. On a system without drive letters the file loader
// reads it as the user's documents folder; the catalogues and the selection routine only ever see
// this form.
inline constexpr QLatin1StringView documentsPart{TOLVANE_DOCUMENTS_PART};

// The one folder every tile picture is read from, exactly as the editor names it.
inline constexpr QLatin1StringView pictureFolder{TOLVANE_DOCUMENTS_PART "pardovine/"};

#undef TOLVANE_DOCUMENTS_PART

// The path the loader is asked for to read a catalogue file: the folder followed by the file name,
// "c:/My Documents/pardovine/AngleL.bmp" for "AngleL.bmp".
inline QString picturePath(const QString &fileName)
{
    return QString(pictureFolder) + fileName;
}

} // namespace catalogue
