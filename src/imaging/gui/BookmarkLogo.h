// Draws the logo of an imported bookmark: the browser's icon at the left on a plate of the
// icon's border colour, the name beside it, 200 × 50 pixels, and encodes it with cJpeg.
#pragma once

#include "document/BookmarkImport.h"
#include "document/BookmarkTree.h"

#include <QImage>

#include <string>

// The icon as a picture (the widest image of an ICO file, an SVG rendered at 40 pixels); a null
// image when the bytes are no picture Qt can read.
QImage LoadBookmarkIcon(const BookmarkIcon& icon);

QImage DrawBookmarkLogo(const QImage& icon, const QString& name);

// The JPEG file's bytes; empty when the encoder failed.
std::string EncodeLogoJpeg(const QImage& logo);

// Both steps for the import.
std::string BookmarkLogoJpeg(const BookmarkIcon& icon, const std::string& name);

// The logo maker of the import: BookmarkLogoJpeg of the item's icon and name.
LogoMaker ImportLogoMaker();
