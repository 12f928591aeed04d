// The lines Pinwall-Builder and its preview program exchange over their local socket: one
// command or report a line, fields separated by tabs; a file name
// percent-encoded, so that any character of a path passes.
#pragma once

#include <QByteArray>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

// Builder to preview: show the window, at `outerSize` (frame included) when given, and the file.
struct PreviewShow {
    QString file;
    std::optional<QSize> outerSize;
};

// Preview to builder: the page finished loading; where the window's frame lies.
struct PreviewShown {
    bool ok = false;
    QString file;
    QRect frame;
};

QByteArray EncodePreviewShow(const PreviewShow& show);
std::optional<PreviewShow> DecodePreviewShow(const QByteArray& line);
QByteArray EncodePreviewShown(const PreviewShown& shown);
std::optional<PreviewShown> DecodePreviewShown(const QByteArray& line);
