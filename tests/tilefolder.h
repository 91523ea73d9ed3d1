#pragma once

#include <QHash>
#include <QRgb>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A documents folder in a temporary directory whose picture folder holds every catalogue file as a
// one-colour 24-bit bitmap of its family's size, each in a colour of its own. The tests change
// files while the editor runs; the folder remembers what each file holds now.
class TileFolder
{
public:
    struct Tile
    {
        bool present = false;
        QRgb colour = 0;
        QSize size;
    };

    TileFolder();

    bool isValid() const { return m_valid; }
    QString documents() const;
    // Where the file of a catalogue name lies.
    QString filePath(const QString &fileName) const;
    QStringList fileNames() const { return m_names; }
    Tile tile(const QString &fileName) const { return m_tiles.value(fileName); }
    // The size the board expects for this file.
    QSize familySize(const QString &fileName) const { return m_familySizes.value(fileName); }

    // Writes the file anew in a colour no file had before, at `size`.
    bool rewrite(const QString &fileName, QSize size);
    bool remove(const QString &fileName);

private:
    QTemporaryDir m_dir;
    QStringList m_names;
    QHash<QString, QSize> m_familySizes;
    QHash<QString, Tile> m_tiles;
    quint32 m_nextColour = 1;
    bool m_valid = false;
};
