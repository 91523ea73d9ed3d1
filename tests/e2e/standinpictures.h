#pragma once

#include <QRgb>
#include <QSize>
#include <QString>
#include <vector>

namespace e2e {

// A stand-in for one tile picture of the catalogues: a solid colour that no other stand-in and no
// colour of the window's own design shares, so a screenshot tells which file an image shows.
struct StandInPicture
{
    QString fileName;
    QSize size;
    QRgb colour;
};

// One stand-in for every picture file the object and wall catalogues name: objects 32 × 32,
// horizontal walls 32 × 10, vertical walls 10 × 32.
const std::vector<StandInPicture> &standInPictures();

// The colour of the stand-in for `fileName` ("AngleL.bmp").
QRgb standInColour(const QString &fileName);

// Writes one stand-in as a 24-bit Windows bitmap into `folder`. Returns false when it cannot.
bool writeStandInPicture(const QString &folder, const StandInPicture &picture);
// Creates `folder` and writes every stand-in into it.
bool writeStandInPictures(const QString &folder);

} // namespace e2e
