#pragma once

#include <QHash>
#include <QList>
#include <QRgb>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace support {

// The colour of the stand-in for a catalogue file ("AngleL.bmp"): one that no other stand-in and
// no colour of the window's design shares, so that a picture or a screenshot tells which file an
// image shows.
QRgb standInColour(const QString &fileName);

// A home folder in a temporary directory whose documents folder (~/Documents) holds the picture
// folder with a stand-in for every picture file the object and wall catalogues name: a one-colour
// 24-bit Windows bitmap of its family's size (objects 32 × 32, horizontal walls 32 × 10, vertical
// walls 10 × 32) in its stand-in colour. Tests change files while the editor runs; the folder
// remembers what each file holds now.
class StandInFolder
{
public:
    struct Tile
    {
        bool present = false;
        QRgb colour = 0;
        QSize size;
    };

    // Writes every stand-in.
    StandInFolder();

    bool isValid() const { return m_valid; }
    QString home() const { return m_home.path(); }
    QString documents() const { return home() + QStringLiteral("/Documents"); }
    QString folder() const { return documents() + QStringLiteral("/pardovine"); }
    // Where the file of a catalogue name lies.
    QString filePath(const QString &fileName) const;
    // Every catalogue name, sorted.
    QStringList fileNames() const { return m_names; }
    Tile tile(const QString &fileName) const { return m_tiles.value(fileName); }
    QRgb colour(const QString &fileName) const { return tile(fileName).colour; }
    // The size the board expects for this file.
    QSize familySize(const QString &fileName) const { return m_familySizes.value(fileName); }

    // Empties the picture folder, creating it where it is missing, and writes every stand-in anew.
    bool writeAll();
    // Writes the stand-in of one file as at the start.
    bool restore(const QString &fileName);
    // Writes a one-colour picture under the file's name.
    bool write(const QString &fileName, QRgb colour, QSize size);
    // Writes the file anew at `size` in a colour that no file has had before.
    bool rewrite(const QString &fileName, QSize size);
    bool remove(const QString &fileName);

private:
    QTemporaryDir m_home;
    QStringList m_names;
    QHash<QString, QSize> m_familySizes;
    QHash<QString, Tile> m_tiles;
    quint32 m_nextColour = 1;
    bool m_valid = false;
};

} // namespace support
