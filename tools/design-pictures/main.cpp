// Draws the design-time pictures of the editor window and the program icon at every size a desktop
// asks for into a folder (normally assets/). The pictures are committed; run this only to redraw
// them.
//
//   tolvane-design-pictures <assets folder>

#include "bitmapfile.h"
#include "vectoricon.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr Rgb White{255, 255, 255};
constexpr Rgb Black{0, 0, 0};

struct Ink
{
    char key;
    Rgb colour;
};

// The object sample's seven colours and the character that stands for each in the drawing.
constexpr std::array<Ink, 7> Inks{{
    {'.', White},
    {'G', {0, 255, 0}},   // bright green cap
    {'g', {0, 128, 0}},   // dark green cap outline
    {'Y', {255, 255, 0}}, // yellow face
    {'o', {128, 128, 0}}, // olive face outline
    {'b', {0, 0, 255}},   // blue eyes
    {'r', {255, 0, 0}},   // red smile
}};

// The object sample, 32 x 32: a mushroom with a face. Four blank rows above, three below; from
// the face down each row reads the same backwards.
constexpr std::array<const char *, 32> Mushroom{
    "................................", "................................",
    "................................", "................................",
    "............gggggggg............", "..........ggGGGGGGGGgg..........",
    ".........gGGGG....GGGGg.........", "........gGG..G......GGGg........",
    ".......gGG..GG......GGGGg.......", "......gGG..GGGG....GGG..Gg......",
    ".....gGGGGGGGGGGGGGGG....Gg.....", ".....gGG..GGGGGGGGGGG....Gg.....",
    ".....gG....GGGGGGGGGGG..GGg.....", "....gGG....GGGG...GGGGGGGGGg....",
    "....gGGG..GGGG.....GGGG..GGg....", "....gGGGGGGGGGGG...GGGG..GGg....",
    "....gggggggggggggggggggggggg....", "........oYYYYYYYYYYYYYYo........",
    "........oYYbb.YYYY.bbYYo........", "........oYYbbbYYYYbbbYYo........",
    "........oYYbbbYYYYbbbYYo........", "........oYYbbbYYYYbbbYYo........",
    "........oYYbbbYYYYbbbYYo........", "........oYYYYYYYYYYYYYYo........",
    "........oYrYYYYYYYYYYrYo........", "........oYrrYYYYYYYYrrYo........",
    "........oYYrrrrrrrrrrYYo........", ".........oYYYYrrrrYYYYo.........",
    "..........oooooooooooo..........", "................................",
    "................................", "................................",
};

// The icon's own drawing for the small sizes, 16 x 16, where halving the mushroom would lose its
// face: ' ' is transparent ground, the other keys are the sample's inks.
constexpr std::array<const char *, 16> SmallMushroom{
    "                ", "     gggggg     ", "   ggGG..GGgg   ", "  gG..GGGGG.Gg  ",
    " gG..GGGGGG..Gg ", " gGG.GGG..GGGGg ", " gGGGGGG..GGGGg ", " gggggggggggggg ",
    "    oYYYYYYo    ", "    oYbYYbYo    ", "    oYbYYbYo    ", "    oYYYYYYo    ",
    "    orYYYYro    ", "    oYrrrrYo    ", "     oooooo     ", "                ",
};

Picture blank(int width, int height)
{
    return {width, height, std::vector<Rgb>(static_cast<std::size_t>(width * height), White)};
}

// The corner post: black, with a white 2 x 2 block in each of its four corners.
Picture cornerPost()
{
    Picture post = blank(10, 10);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            const bool cornerRow = y < 2 || y > 7;
            const bool cornerColumn = x < 2 || x > 7;
            if (!(cornerRow && cornerColumn))
                post.pixels[static_cast<std::size_t>(y * 10 + x)] = Black;
        }
    }
    return post;
}

Rgb inkColour(char key)
{
    for (const Ink &ink : Inks) {
        if (ink.key == key)
            return ink.colour;
    }
    std::fprintf(stderr, "unknown colour key '%c' in the drawing\n", key);
    std::exit(1);
}

Picture objectSample()
{
    Picture sample = blank(32, 32);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x)
            sample.pixels[static_cast<std::size_t>(y * 32 + x)] = inkColour(Mushroom[y][x]);
    }
    return sample;
}

QImage enlarged(const QImage &drawing, int size)
{
    return drawing.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// The small drawing, its ground transparent.
QImage smallIcon()
{
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            if (SmallMushroom[y][x] == ' ')
                continue;
            const Rgb pixel = inkColour(SmallMushroom[y][x]);
            icon.setPixel(x, y, qRgb(pixel.red, pixel.green, pixel.blue));
        }
    }
    return icon;
}

// The object sample as an icon, its white ground made transparent. Every row of the figure is one
// unbroken run, so the ground is what lies left and right of it.
QImage largeIcon(const Picture &sample)
{
    QImage icon(sample.width, sample.height, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    for (int y = 0; y < sample.height; ++y) {
        int first = 0;
        int last = sample.width - 1;
        while (first <= last && sample.at(first, y) == White)
            ++first;
        while (last >= first && sample.at(last, y) == White)
            --last;
        for (int x = first; x <= last; ++x) {
            const Rgb pixel = sample.at(x, y);
            icon.setPixel(x, y, qRgb(pixel.red, pixel.green, pixel.blue));
        }
    }
    return icon;
}

bool writeFile(const QByteArray &content, const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// The icon at each size, each pixel of a drawing a whole square of pixels so that every size is
// crisp: the small drawing at 16 and 48, the object sample at 32 and its multiples, and as vector
// shapes for any other size.
bool writeIcons(const Picture &sample, const std::string &folder)
{
    const QImage small = smallIcon();
    const QImage large = largeIcon(sample);
    const QString icons = QString::fromStdString(folder) + QStringLiteral("icons/");
    // The 64-pixel icon is also the window's, compiled in from assets/tolvane.png.
    bool written = QDir().mkpath(icons) &&
                   enlarged(large, 64).save(QString::fromStdString(folder + "tolvane.png"));
    for (const int size : {16, 48})
        written = written &&
                  enlarged(small, size).save(icons + QStringLiteral("tolvane-%1.png").arg(size));
    for (const int size : {32, 128, 256})
        written = written &&
                  enlarged(large, size).save(icons + QStringLiteral("tolvane-%1.png").arg(size));
    return written && writeFile(vectorIcon(large), icons + QStringLiteral("tolvane.svg"));
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <assets folder>\n", argv[0]);
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    const Picture sample = objectSample();

    bool written = writeBitmapFile(blank(32, 32), folder + "cell.bmp") &&
                   writeBitmapFile(blank(32, 10), folder + "hwall.bmp") &&
                   writeBitmapFile(blank(10, 32), folder + "vwall.bmp") &&
                   writeBitmapFile(cornerPost(), folder + "corner.bmp") &&
                   writeBitmapFile(sample, folder + "objsample.bmp");
    written = written && writeIcons(sample, folder);
    if (!written) {
        std::fprintf(stderr, "could not write the pictures into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
