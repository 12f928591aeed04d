// frmPreview, the preview window: a resizable window with one embedded browser that shows the
// generated page. It first appears at the top left corner and keeps the browser sized to it.
#pragma once

#include <QSize>
#include <QWidget>

class QWebEngineView;

// The browser's size for a window of `window` pixels (outer size, frame included): 120 twips
// narrower and 440 twips lower, each only when the result is not negative.
QSize PreviewBrowserSize(QSize window, QSize current);

class frmPreview : public QWidget {
    Q_OBJECT

public:
    explicit frmPreview(QWidget* parent = nullptr);

    // Shows the local HTML file given by its full path.
    void ShowFile(const QString& path);
    QWebEngineView* Browser() const { return WebBrowser1; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FitBrowser();

    QWebEngineView* WebBrowser1;
};
