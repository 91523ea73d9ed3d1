#include "tools/tiles/filenames.h"

#include <QDir>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace tiles {

namespace {

// The length of the well-formed UTF-8 sequence at `at` and its code point, or 0.
int sequenceAt(const QByteArray &bytes, qsizetype at, char32_t *codePoint)
{
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    const int length = lead < 0x80                   ? 1
                       : lead >= 0xc2 && lead < 0xe0 ? 2
                       : lead >= 0xe0 && lead < 0xf0 ? 3
                       : lead >= 0xf0 && lead < 0xf5 ? 4
                                                     : 0;
    if (length == 0 || at + length > bytes.size())
        return 0;
    char32_t value = length == 1 ? lead : lead & (0x7f >> length);
    for (int i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xc0) != 0x80)
            return 0;
        value = value << 6 | (byte(at + i) & 0x3f);
    }
    // Overlong forms, surrogates and values beyond Unicode are not UTF-8.
    constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (value < smallest[length] || (value >= 0xd800 && value < 0xe000) || value > 0x10ffff)
        return 0;
    *codePoint = value;
    return length;
}

bool shownAsIs(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return false;
    default:
        return true;
    }
}

} // namespace

QString escapedName(const QByteArray &name)
{
    static const char hex[] = "0123456789abcdef";
    QString shown;
    for (qsizetype at = 0; at < name.size();) {
        char32_t c = 0;
        const int length = sequenceAt(name, at, &c);
        // The characters with an escape of their own, and its letter.
        static const char special[] = "\a\b\t\n\v\f\r\x1b\\\"";
        static const char letter[] = "abtnvfre\\\"";
        const char *escaped = length == 1 && c != 0 ? std::strchr(special, int(c)) : nullptr;
        if (escaped) {
            shown += QLatin1Char('\\');
            shown += QLatin1Char(letter[escaped - special]);
        } else if (length > 0 && shownAsIs(c)) {
            shown += QString::fromUcs4(&c, 1);
        } else {
            // Each byte of an unprintable character, or the one byte that starts no character.
            for (int i = 0; i < std::max(length, 1); ++i) {
                const auto byte = static_cast<unsigned char>(name[at + i]);
                shown += QLatin1String("\\x") + QLatin1Char(hex[byte >> 4]) +
                         QLatin1Char(hex[byte & 0xf]);
            }
        }
        at += std::max(length, 1);
    }
    return shown;
}

QString quotedName(const QByteArray &name)
{
    return u'"' + escapedName(name) + u'"';
}

QByteArray absoluteName(const QByteArray &name)
{
    QByteArray absolute = name;
    if (!name.startsWith('/')) {
        std::vector<char> folder(4096);
        const char *working = nullptr;
        while (!(working = ::getcwd(folder.data(), folder.size())) && errno == ERANGE)
            folder.resize(folder.size() * 2);
        if (working)
            absolute = QByteArray(working) + '/' + name;
    }
    // Latin-1 gives each byte a character of its own, and the slashes and dots that cleanPath()
    // works on are bytes that no UTF-8 sequence of another character holds.
    return QDir::cleanPath(QString::fromLatin1(absolute)).toLatin1();
}

} // namespace tiles
