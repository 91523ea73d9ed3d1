#include "tools/tiles/tilepicture.h"

#include "tools/tiles/tilefamily.h"

#include <QPainter>
#include <array>
#include <charconv>
#include <optional>
#include <stdexcept>
#include <string>

namespace tiles {

namespace {

constexpr std::string_view extension = ".bmp";

struct Match
{
    const Family *family;
    Variant variant;
};

bool isLetters(std::string_view text)
{
    for (const char c : text) {
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')))
            return false;
    }
    return true;
}

// Reads what follows the stem in the form the family takes, or nothing if it does not fit.
std::optional<Variant> parseSuffix(std::string_view suffix, Suffix form)
{
    Variant variant;
    if (form == Suffix::None)
        return suffix.empty() ? std::optional(variant) : std::nullopt;
    if (form == Suffix::Number) {
        const auto [end, error] =
            std::from_chars(suffix.data(), suffix.data() + suffix.size(), variant.number);
        const bool whole = error == std::errc() && end == suffix.data() + suffix.size();
        return whole && variant.number > 0 ? std::optional(variant) : std::nullopt;
    }
    // Letters, after a number where the family takes one ("12W").
    if (form == Suffix::NumberAndLetters) {
        const auto [end, error] =
            std::from_chars(suffix.data(), suffix.data() + suffix.size(), variant.number);
        if (error != std::errc() || variant.number <= 0)
            return std::nullopt;
        suffix.remove_prefix(static_cast<std::size_t>(end - suffix.data()));
    }
    variant.letters = suffix;
    if (variant.letters.empty() || !isLetters(variant.letters))
        return std::nullopt;
    return variant;
}

// The family with the longest stem that the name starts with and whose suffix fits, so that
// "Dragonball5" goes to Dragonball rather than Dragon and "KeyDoorRed" to KeyDoor rather than Key.
std::optional<Match> findFamily(std::string_view name)
{
    const std::array groups{directionFamilies(), hazardFamilies(), numberedFamilies(),
                            deviceFamilies(),    toolFamilies(),   pickupFamilies(),
                            creatureFamilies(),  wallFamilies()};
    std::optional<Match> best;
    for (const auto &group : groups) {
        for (const Family &family : group) {
            if (!name.starts_with(family.stem))
                continue;
            if (best && best->family->stem.size() >= family.stem.size())
                continue;
            if (const auto variant = parseSuffix(name.substr(family.stem.size()), family.suffix))
                best = Match{&family, *variant};
        }
    }
    return best;
}

} // namespace

void unknownVariant(std::string_view stem, const Variant &variant)
{
    const std::string number = variant.number > 0 ? std::to_string(variant.number) : "";
    throw std::invalid_argument("no drawing of " + std::string(stem) + " for \"" + number +
                                std::string(variant.letters) + "\"");
}

QImage drawTile(std::string_view fileName, QSize size)
{
    if (!fileName.ends_with(extension))
        throw std::invalid_argument("not a bitmap file name: " + std::string(fileName));
    const std::string_view name = fileName.substr(0, fileName.size() - extension.size());
    const std::optional<Match> match = findFamily(name);
    if (!match)
        throw std::invalid_argument("no drawing for " + std::string(fileName));

    QImage image(size, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    match->family->paint(painter, match->variant);
    return image;
}

} // namespace tiles
