#include "windowlook.h"

#include "support/standinfolder.h"

#include <QColor>
#include <QList>
#include <QSet>
#include <algorithm>
#include <functional>
#include <map>

namespace e2e {

namespace {

const QRgb black = qRgb(0, 0, 0);
// The seven colours of the object sample's design-time figure.
const QList<QRgb> figureColours = {white,           qRgb(0, 255, 0),   qRgb(255, 255, 0),
                                   qRgb(0, 128, 0), qRgb(128, 128, 0), qRgb(0, 0, 255),
                                   qRgb(255, 0, 0)};

// A black post with a white 2 × 2 block in each corner.
QRgb cornerPostPixel(QPoint p)
{
    const auto edge = [](int v) { return v < 2 || v > 7; };
    return edge(p.x()) && edge(p.y()) ? white : black;
}

QString colourName(QRgb colour)
{
    return QColor(colour).name();
}

// The first pixel of `area` (client pixels) whose colour is not the expected one, described; an
// empty string when every pixel agrees.
QString mismatch(const QImage &shot, const QRect &area, const std::function<QRgb(QPoint)> &expected,
                 const QString &what)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb want = expected(QPoint(x - area.left(), y - area.top()));
            const QRgb seen = shot.pixel(x, y);
            if (seen != want)
                return QStringLiteral("%1: pixel (%2, %3) of the client area is %4, expected %5")
                    .arg(what)
                    .arg(x)
                    .arg(y)
                    .arg(colourName(seen), colourName(want));
        }
    return {};
}

} // namespace

// A few pixels in from the bar's end.
QPoint arrowPoint(const QString &name)
{
    static const std::map<QString, QRect> bars = {{QStringLiteral("ObjScrollH"), objScrollH},
                                                  {QStringLiteral("ObjScrollV"), objScrollV},
                                                  {QStringLiteral("WallScrollH"), wallScrollH},
                                                  {QStringLiteral("WallScrollV"), wallScrollV}};
    const QRect bar = bars.at(name.chopped(1));
    const bool raise = name.endsWith(QLatin1Char('+'));
    if (bar.width() > bar.height())
        return {raise ? bar.right() - 4 : bar.left() + 4, bar.center().y()};
    return {bar.center().x(), raise ? bar.bottom() - 4 : bar.top() + 4};
}

QString solidMismatch(const QImage &shot, const QRect &area, QRgb colour, const QString &what)
{
    return mismatch(
        shot, area, [colour](QPoint) { return colour; }, what);
}

QString freeAreaMismatch(const QImage &shot)
{
    for (int y = 0; y < clientArea.height(); ++y)
        for (int x = 0; x < clientArea.width(); ++x) {
            if (!covered(QPoint(x, y)) && shot.pixel(x, y) != cyan)
                return QStringLiteral("background pixel (%1, %2) is %3, not cyan")
                    .arg(x)
                    .arg(y)
                    .arg(colourName(shot.pixel(x, y)));
        }
    return {};
}

QString familyMismatch(const QImage &shot, Family family)
{
    for (int n = 0; n < elementCount(family); ++n) {
        const QRect area = elementRect(family, n);
        const QString what = QStringLiteral("element %1").arg(n);
        const QString fault = family == Family::CornerPost
                                  ? mismatch(shot, area, cornerPostPixel, what)
                                  : solidMismatch(shot, area, white, what);
        if (!fault.isEmpty())
            return fault;
    }
    return {};
}

// The figure doubled: nothing but its seven colours, every one of them present.
QString figureMismatch(const QImage &shot)
{
    QSet<QRgb> seen;
    for (int y = objSample.top(); y <= objSample.bottom(); ++y)
        for (int x = objSample.left(); x <= objSample.right(); ++x) {
            const QRgb pixel = shot.pixel(x, y);
            if (!figureColours.contains(pixel))
                return QStringLiteral("object sample: pixel (%1, %2) is %3, not a colour of "
                                      "the figure")
                    .arg(x)
                    .arg(y)
                    .arg(colourName(pixel));
            seen.insert(pixel);
        }
    if (seen.size() != figureColours.size())
        return QStringLiteral("object sample shows %1 of the figure's 7 colours").arg(seen.size());
    return {};
}

QString sampleMismatch(const QImage &shot, const QRect &area, const QString &file,
                       const QString &what)
{
    if (!file.isEmpty())
        return solidMismatch(shot, area, support::standInColour(file),
                             what + QLatin1Char(' ') + file);
    if (area == objSample)
        return figureMismatch(shot);
    return solidMismatch(shot, area, white, what + QStringLiteral(" design-time picture"));
}

QString designMismatch(const QImage &shot)
{
    QString fault = freeAreaMismatch(shot);
    for (Family family :
         {Family::Cell, Family::HorizontalSlot, Family::VerticalSlot, Family::CornerPost})
        if (fault.isEmpty())
            fault = familyMismatch(shot, family);
    if (fault.isEmpty())
        fault = sampleMismatch(shot, objSample, {}, QStringLiteral("object sample"));
    if (fault.isEmpty())
        fault = sampleMismatch(shot, wallSampleH, {}, QStringLiteral("horizontal wall sample"));
    if (fault.isEmpty())
        fault = sampleMismatch(shot, wallSampleV, {}, QStringLiteral("vertical wall sample"));
    return fault;
}

QString changesOutside(const QImage &before, const QImage &after, const QList<QRect> &allowed)
{
    for (const QRect &area : {board, objSample, wallSampleH, wallSampleV})
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) {
                const bool mayChange =
                    std::any_of(allowed.begin(), allowed.end(),
                                [x, y](const QRect &r) { return r.contains(x, y); });
                if (!mayChange && before.pixel(x, y) != after.pixel(x, y))
                    return QStringLiteral("pixel (%1, %2) of the client area changed from %3 to %4")
                        .arg(x)
                        .arg(y)
                        .arg(colourName(before.pixel(x, y)), colourName(after.pixel(x, y)));
            }
    return {};
}

} // namespace e2e
