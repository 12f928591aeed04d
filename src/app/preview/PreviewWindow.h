// frmPreview, the preview window of the preview program: a resizable window with one embedded
// browser that shows the generated page. It first appears at the top left corner and keeps the
// browser sized to it.
#pragma once

#include <QWidget>

class QWebEngineView;

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
