#include "imaging/gui/PictureJpeg.h"

#include "imaging/Image.h"

#include <cstdint>
#include <span>

bool EncodePictureJpeg(const QImage& picture, const std::function<void(cJpeg&)>& write)
{
    const QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
    StdPicture source;
    source.width = pixels.width();
    source.height = pixels.height();
    source.bitsPerPixel = 32;
    source.stride = static_cast<int>(pixels.bytesPerLine());
    source.pixels = std::span<const std::uint8_t>(pixels.constBits(), static_cast<std::size_t>(pixels.sizeInBytes()));
    cImage image;
    if (!image.CopyStdPicture(source, 0)) return false;
    try {
        cJpeg jpeg;
        if (jpeg.SampleHDC(image.hDC(), image.Width(), image.Height(), 0, 0) != 0) return false;
        write(jpeg);
    } catch (const JpegError&) {
        return false;
    }
    return true;
}
