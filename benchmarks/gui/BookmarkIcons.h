// Favicons for the bookmark benchmarks: a 16 × 16 PNG as a data address, its colour varied with i.
#pragma once

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QPainter>

#include <string>

inline std::string IconDataUri(int i)
{
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(QColor::fromHsv(i * 37 % 360, 200, 200));
    QPainter(&icon).fillRect(4, 4, 8, 8, Qt::white);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    icon.save(&buffer, "PNG");
    return "data:image/png;base64," + png.toBase64().toStdString();
}
