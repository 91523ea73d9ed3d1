// libFuzzer target for the picture load: any bytes go through the header check and, when it passes,
// the bit-field decoder or Qt's BMP decoder, exactly as a file read from the picture folder does.
// The fuzzer reports a crash, a hang, a leak or any address or undefined-behaviour fault; a
// PictureLoadError is the expected answer to bytes that are not a picture.

#include "catalogue/pictureloader.h"

#include <QImage>
#include <cstddef>
#include <cstdint>

namespace {

// Converts the picture as the editor does when it shows it and reads every resulting pixel, so
// that a picture whose size does not match its pixel buffer shows up as a bad read at once.
quint32 touchEveryPixel(const QImage &image)
{
    const QImage shown = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    quint32 sum = 0;
    for (int y = 0; y < shown.height(); ++y) {
        const auto *line = reinterpret_cast<const quint32 *>(shown.constScanLine(y));
        for (int x = 0; x < shown.width(); ++x)
            sum += line[x];
    }
    return sum;
}

// Qt's decoder warns about every odd palette index it meets; thousands of inputs a second would
// drown the fuzzer's own output.
void ignoreMessage(QtMsgType, const QMessageLogContext &, const QString &) {}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler(ignoreMessage);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    try {
        const QImage image = catalogue::decodePicture(bytes, QStringLiteral("fuzz.bmp"));
        volatile quint32 sink = touchEveryPixel(image);
        (void)sink;
    } catch (const catalogue::PictureLoadError &) {
    }
    return 0;
}
