#include "imaging/gui/BookmarkLogo.h"

#include "imaging/LogoColours.h"
#include "imaging/gui/PictureJpeg.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetrics>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

namespace {

constexpr int kMargin = 5;
constexpr int kTextGap = 7;
constexpr int kFontPixels = 15;

QColor Rgb(std::uint32_t rgb) { return QColor::fromRgb(static_cast<QRgb>(0xFF000000u | rgb)); }

} // namespace

QImage LoadBookmarkIcon(const BookmarkIcon& icon)
{
    if (icon.bytes.empty()) return {};
    const QByteArray bytes = QByteArray::fromRawData(icon.bytes.data(), static_cast<qsizetype>(icon.bytes.size()));
    if (icon.svg) {
        QSvgRenderer renderer(bytes);
        if (!renderer.isValid()) return {};
        QSize size = renderer.defaultSize();
        if (size.isEmpty()) size = QSize(kBookmarkIconSize, kBookmarkIconSize);
        size.scale(kBookmarkIconSize, kBookmarkIconSize, Qt::KeepAspectRatio);
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        return image;
    }
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    QImage widest;
    // An ICO file holds several sizes; the widest is drawn.
    for (int i = 0; i < std::max(1, reader.imageCount()); ++i) {
        if (i > 0 && !reader.jumpToImage(i)) break;
        const QImage image = reader.read();
        if (!image.isNull() && image.width() > widest.width()) widest = image;
    }
    return widest;
}

QImage DrawBookmarkLogo(const QImage& icon, const QString& name)
{
    QImage logo(kBookmarkLogoWidth, kBookmarkLogoHeight, QImage::Format_RGB32);
    std::uint32_t plate = kLightPlate;
    QImage pixels;
    if (!icon.isNull()) {
        pixels = icon.convertToFormat(QImage::Format_ARGB32);
        plate = PlateColour(reinterpret_cast<const std::uint32_t*>(pixels.constBits()), pixels.width(), pixels.height());
    }
    logo.fill(Rgb(plate));
    QPainter painter(&logo);
    int textLeft = kMargin + 3;
    if (!pixels.isNull()) {
        const IconPlacement place = PlaceIcon(pixels.width(), pixels.height());
        const QImage scaled = pixels.scaled(place.width, place.height, Qt::IgnoreAspectRatio,
                                            place.smooth ? Qt::SmoothTransformation : Qt::FastTransformation);
        painter.drawImage(kMargin + (kBookmarkIconSize - place.width) / 2, (kBookmarkLogoHeight - place.height) / 2, scaled);
        textLeft = kMargin + kBookmarkIconSize + kTextGap;
    }
    QFont font(QStringLiteral("Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kFontPixels);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Rgb(TextColourOn(plate)));
    const QRect textRect(textLeft, 0, kBookmarkLogoWidth - textLeft - kMargin, kBookmarkLogoHeight);
    const QString text = QFontMetrics(font).elidedText(name, Qt::ElideRight, textRect.width());
    painter.drawText(textRect, (pixels.isNull() ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter, text);
    painter.end();
    return logo;
}

std::string EncodeLogoJpeg(const QImage& logo)
{
    std::string stream;
    const bool encoded = EncodePictureJpeg(logo, [&](cJpeg& jpeg) {
        const std::vector<std::uint8_t> bytes = jpeg.EncodeToMemory();
        stream.assign(bytes.begin(), bytes.end());
    });
    return encoded ? stream : std::string();
}

std::string BookmarkLogoJpeg(const BookmarkIcon& icon, const std::string& name)
{
    return EncodeLogoJpeg(DrawBookmarkLogo(LoadBookmarkIcon(icon), QString::fromStdString(name)));
}

LogoMaker ImportLogoMaker()
{
    return [](const ImportItem& item) { return BookmarkLogoJpeg(item.bookmark->icon, item.name); };
}
