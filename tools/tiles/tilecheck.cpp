#include "tools/tiles/tilecheck.h"

#include "catalogue/pictureloader.h"
#include "tools/tiles/filenames.h"

#include <QCoreApplication>
#include <QFile>
#include <QScopeGuard>
#include <QSet>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>

namespace tiles {

namespace {

// The names in a folder, as the file system gives them, or the errno of why it cannot be listed.
struct Listing
{
    QList<QByteArray> names;
    int error = 0;
};

Listing listFolder(const QByteArray &folder)
{
    Listing listing;
    DIR *dir = ::opendir(folder.constData());
    if (!dir) {
        listing.error = errno;
        return listing;
    }
    const auto close = qScopeGuard([dir] { ::closedir(dir); });
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            listing.names << name;
    }
    std::sort(listing.names.begin(), listing.names.end());
    return listing;
}

// Whether nothing at all, not even a dangling link, has the name `file`.
bool nothingNamed(const QByteArray &file)
{
    struct stat info
    {};
    return ::lstat(file.constData(), &info) != 0 && errno == ENOENT;
}

QByteArray caseTwinOf(const QList<QByteArray> &names, const QString &fileName)
{
    const auto twin = std::find_if(names.begin(), names.end(), [&](const QByteArray &name) {
        return QFile::decodeName(name).compare(fileName, Qt::CaseInsensitive) == 0;
    });
    return twin == names.end() ? QByteArray() : *twin;
}

TileVerdict verdictOn(const catalogue::PictureFile &tile, const QByteArray &file,
                      const QByteArray &caseTwin)
{
    TileVerdict verdict{tile, TileVerdict::Fits, {}, {}, {}};
    try {
        const QImage picture = catalogue::FilePictureLoader::loadImage(file);
        if (picture.size() != tile.size) {
            verdict.outcome = TileVerdict::OtherSize;
            verdict.size = picture.size();
        }
    } catch (const catalogue::PictureLoadError &error) {
        if (nothingNamed(file)) {
            verdict.outcome = TileVerdict::Missing;
            verdict.caseTwin = caseTwin;
        } else {
            verdict.outcome = TileVerdict::Unloadable;
            verdict.cause = error.cause();
        }
    }
    return verdict;
}

QString otherSizeLine(const TileVerdict &verdict)
{
    const QSize size = verdict.size;
    const QSize slot = verdict.tile.size;
    const bool larger = size.width() > slot.width() || size.height() > slot.height();
    const bool smaller = size.width() < slot.width() || size.height() < slot.height();
    const char *text =
        larger && smaller
            ? QT_TRANSLATE_NOOP("TileCheck", "%1 loads, but at %2 × %3 pixels it does not fit its "
                                             "slot of %4 × %5: it covers some of its neighbours "
                                             "and leaves gaps beside others.")
        : larger ? QT_TRANSLATE_NOOP("TileCheck", "%1 loads, but at %2 × %3 pixels it is larger "
                                                  "than its slot of %4 × %5 and covers its "
                                                  "neighbours.")
                 : QT_TRANSLATE_NOOP("TileCheck", "%1 loads, but at %2 × %3 pixels it is smaller "
                                                  "than its slot of %4 × %5 and leaves gaps "
                                                  "beside its neighbours.");
    return QCoreApplication::translate("TileCheck", text)
        .arg(quotedName(QFile::encodeName(verdict.tile.fileName)))
        .arg(size.width())
        .arg(size.height())
        .arg(slot.width())
        .arg(slot.height());
}

QString faultLine(const TileVerdict &verdict)
{
    const QString name = quotedName(QFile::encodeName(verdict.tile.fileName));
    switch (verdict.outcome) {
    case TileVerdict::Fits:
        break;
    case TileVerdict::OtherSize:
        return otherSizeLine(verdict);
    case TileVerdict::Missing:
        if (verdict.caseTwin.isEmpty())
            return QCoreApplication::translate("TileCheck", "%1 is missing.").arg(name);
        return QCoreApplication::translate(
                   "TileCheck", "%1 is missing; the folder has %2, whose name differs only in "
                                "letter case.")
            .arg(name, quotedName(verdict.caseTwin));
    case TileVerdict::Unloadable:
        return QCoreApplication::translate("TileCheck", "%1 cannot be loaded: %2.")
            .arg(name, verdict.cause);
    }
    return {};
}

// One line for all files when they fail alike (an empty folder, or one of files that are all
// unloadable for the same cause), else empty.
QString sharedFaultLine(const std::vector<TileVerdict> &verdicts)
{
    const TileVerdict &first = verdicts.front();
    const bool alike = std::all_of(verdicts.begin(), verdicts.end(), [&](const TileVerdict &v) {
        return v.outcome == first.outcome && v.cause == first.cause && v.caseTwin.isEmpty();
    });
    if (!alike)
        return {};
    if (first.outcome == TileVerdict::Missing)
        return QCoreApplication::translate("TileCheck", "None of the %1 pictures is in the folder.")
            .arg(verdicts.size());
    if (first.outcome == TileVerdict::Unloadable)
        return QCoreApplication::translate("TileCheck", "No picture can be loaded: %1.")
            .arg(first.cause);
    return {};
}

qsizetype countOf(const TileCheck &check, TileVerdict::Outcome outcome)
{
    return std::count_if(check.verdicts.begin(), check.verdicts.end(),
                         [outcome](const TileVerdict &v) { return v.outcome == outcome; });
}

} // namespace

TileCheck checkTiles(const QByteArray &folder)
{
    TileCheck check;
    check.folder = absoluteName(folder);
    const Listing listing = listFolder(folder);
    if (listing.error == ENOENT || listing.error == ENOTDIR) {
        check.listingError = QString::fromLocal8Bit(std::strerror(listing.error));
        return check;
    }
    // The editor opens each file by its name, which a folder that cannot be listed allows.
    if (listing.error != 0)
        check.unlistedCause = QString::fromLocal8Bit(std::strerror(listing.error));
    const QByteArray prefix = folder.endsWith('/') ? folder : folder + '/';
    QSet<QByteArray> read; // the names the editor reads: its own, or where it lacks them, a twin
    for (const catalogue::PictureFile &tile : catalogue::pictureFiles()) {
        const QByteArray name = QFile::encodeName(tile.fileName);
        const bool listed = listing.names.contains(name);
        const QByteArray twin = listed ? QByteArray() : caseTwinOf(listing.names, tile.fileName);
        check.verdicts.push_back(verdictOn(tile, prefix + name, twin));
        read << (listed ? name : twin);
    }
    for (const QByteArray &name : listing.names) {
        if (!read.contains(name))
            check.unread << name;
    }
    return check;
}

QStringList checkReport(const TileCheck &check)
{
    const int total = static_cast<int>(catalogue::pictureFiles().size());
    QStringList lines{QCoreApplication::translate(
                          "TileCheck", "Checking the %1 pictures the editor reads, in %2:")
                          .arg(total)
                          .arg(quotedName(check.folder))};
    if (!check.listingError.isEmpty()) {
        lines << QCoreApplication::translate("TileCheck", "The folder cannot be read: %1.")
                     .arg(check.listingError);
        return lines;
    }
    if (const QString shared = sharedFaultLine(check.verdicts); !shared.isEmpty()) {
        lines << QStringLiteral("  ") + shared;
    } else {
        for (const TileVerdict &verdict : check.verdicts) {
            if (verdict.outcome != TileVerdict::Fits)
                lines << QStringLiteral("  ") + faultLine(verdict);
        }
    }
    const qsizetype fitting = countOf(check, TileVerdict::Fits);
    if (fitting == total)
        lines << QCoreApplication::translate("TileCheck",
                                             "All %1 pictures load at their slot's size.")
                     .arg(total);
    else
        lines << QCoreApplication::translate("TileCheck",
                                             "%1 of %2 pictures load at their slot's size; "
                                             "missing: %3, cannot be loaded: %4, of another "
                                             "size: %5.")
                     .arg(fitting)
                     .arg(total)
                     .arg(countOf(check, TileVerdict::Missing))
                     .arg(countOf(check, TileVerdict::Unloadable))
                     .arg(countOf(check, TileVerdict::OtherSize));
    if (!check.unread.isEmpty()) {
        lines << QCoreApplication::translate("TileCheck",
                                             "Files in the folder that the editor never reads:");
        for (const QByteArray &name : check.unread)
            lines << QStringLiteral("  ") + quotedName(name);
    }
    if (!check.unlistedCause.isEmpty())
        lines << QCoreApplication::translate("TileCheck",
                                             "The folder cannot be listed (%1), so the files in "
                                             "it that the editor never reads cannot be named.")
                     .arg(check.unlistedCause);
    return lines;
}

bool allFit(const TileCheck &check)
{
    return check.listingError.isEmpty() && !check.verdicts.empty() &&
           countOf(check, TileVerdict::Fits) == qsizetype(check.verdicts.size());
}

} // namespace tiles
