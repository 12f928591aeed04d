// How the preview window's browser follows the window's size.
#pragma once

#include <QSize>

// The browser's size for a window of `window` pixels (outer size, frame included): 120 twips
// narrower and 440 twips lower, each only when the result is not negative.
QSize PreviewBrowserSize(QSize window, QSize current);
