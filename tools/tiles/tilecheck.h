#pragma once

#include "catalogue/catalogue.h"

#include <QByteArray>
#include <QSize>
#include <QStringList>
#include <vector>

namespace tiles {

// What the editor makes of one catalogue file in a folder.
struct TileVerdict
{
    enum Outcome
    {
        Fits,       // loads at its slot's size
        OtherSize,  // loads, but covers its neighbours or leaves gaps beside them
        Missing,    // no file of its name
        Unloadable, // there, but the editor cannot load it
    };
    catalogue::PictureFile tile;
    Outcome outcome;
    QSize size;          // OtherSize: the picture's
    QString cause;       // Unloadable: the editor's cause
    QByteArray caseTwin; // Missing: a file whose name differs only in letter case, if any
};

// Every catalogue file of a folder, loaded as the editor loads it.
struct TileCheck
{
    QByteArray folder;    // from the root, as the file system names it
    QString listingError; // why the folder cannot be read; then nothing else is checked
    // Why the folder can be entered but not listed; then each file is checked by its name, and
    // neither case twins nor the files the editor never reads are known.
    QString unlistedCause;
    std::vector<TileVerdict> verdicts;
    QList<QByteArray> unread; // the folder's files that the editor never reads
};

// Checks the folder `folder`, named as the file system names it, with the editor's own picture
// loader.
TileCheck checkTiles(const QByteArray &folder);

// A report for a person: the folder, one line for each file that does not fit (or one for all of
// them, when they fail alike), a summary line, and the files the editor never reads. Names are
// quoted and escaped, and only the lines about files are indented, so no name can forge a line.
QStringList checkReport(const TileCheck &check);

// Whether every catalogue file loads at its slot's size.
bool allFit(const TileCheck &check);

} // namespace tiles
