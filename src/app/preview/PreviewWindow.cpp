#include "app/preview/PreviewWindow.h"

#include "app/PreviewLayout.h"

#include <QUrl>
#include <QWebEngineView>

namespace {
const char* const kCaption = "Browser-Vorschau";
}

frmPreview::frmPreview(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName("frmPreview");
    setWindowTitle(QString::fromUtf8(kCaption));
    WebBrowser1 = new QWebEngineView(this);
    WebBrowser1->setObjectName("WebBrowser1");
    WebBrowser1->setAccessibleName("WebBrowser1");
    WebBrowser1->move(0, 0);
    resize(800, 600);
    // Placed before the window first appears, so that the window manager puts its frame, title
    // bar included, at the corner. Afterwards the window stays where the user puts it, also when
    // it is closed and shown again.
    move(0, 0);
}

void frmPreview::ShowFile(const QString& path)
{
    WebBrowser1->load(QUrl::fromLocalFile(path));
}

void frmPreview::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    FitBrowser();
}

void frmPreview::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    FitBrowser();
}

void frmPreview::FitBrowser()
{
    // The margins were meant for the window's outer size; the browser never reaches beyond the
    // window's inside.
    const QSize outer = isVisible() ? frameGeometry().size() : size();
    const QSize wanted = PreviewBrowserSize(outer, WebBrowser1->size());
    WebBrowser1->resize(wanted.boundedTo(size()));
}
