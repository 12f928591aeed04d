// A Qt picture handed to the system's JPEG encoder: the one road from a QImage (a cut-out, a drawn
// bookmark logo) through the bitmap class into cJpeg.
#pragma once

#include "imaging/Jpeg.h"

#include <QImage>

#include <functional>

// Samples `picture` into an encoder and lets `write` save or keep its stream. False when the
// picture cannot be taken or the encoder raises one of its numbered errors.
bool EncodePictureJpeg(const QImage& picture, const std::function<void(cJpeg&)>& write);
