#include "imaging/gui/LogoCapture.h"

#include "common/FileIo.h"
#include "common/Files.h"
#include "common/NameRules.h"
#include "common/gui/DesktopServices.h"
#include "common/gui/WindowHelpers.h"
#include "document/EntryStore.h"
#include "imaging/gui/PictureJpeg.h"

#include <QFile>
#include <QGuiApplication>
#include <QRect>
#include <QScreen>

#include <filesystem>
#include <system_error>

namespace {

const char* const kTooSmallMessage = "Klicken und mit gedrückter Maustaste über das Logo bewegen  ";
const char* const kNoSnapshotMessage = "Der Bildschirm konnte nicht aufgenommen werden.  ";
const char* const kOverwriteQuestion = "Soll die vorhandene Grafikdatei '%1' überschrieben werden ?   \r\n";

CaptureRect Corners(const QRect& r)
{
    return {r.left(), r.top(), r.right() + 1, r.bottom() + 1};
}

// On Wayland the capture window fills one screen; it shows that screen's part of the snapshot of
// all screens, in the screen's device pixels.
QImage ScreenPart(const QImage& snapshot, const QScreen& screen)
{
    const CaptureRect part = ScreenPartOfSnapshot(snapshot.width(), snapshot.height(),
                                                  Corners(screen.virtualGeometry()), Corners(screen.geometry()));
    QImage picture = snapshot.copy(part.left, part.top, part.Width(), part.Height());
    // Only beside screens of another scale is the snapshot's scale not this screen's.
    const QSize device = screen.geometry().size() * screen.devicePixelRatio();
    if (!picture.isNull() && picture.size() != device)
        picture = picture.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return picture;
}

} // namespace

LogoCapture::LogoCapture(ProgramContext& context, QObject* parent)
    : QObject(parent), m_context(context)
{
}

LogoCapture::~LogoCapture()
{
    delete m_window;
}

QString LogoCapture::LibraryFile(const std::string& name) const
{
    return QString::fromStdString(m_context.Paths.LibraryFolder + name);
}

void LogoCapture::Start()
{
    if (m_running) return;
    m_running = true;
    m_caller = m_context.Selection.CaptureCaller;
    const QImage snapshot = Services().GrabScreen();
    if (snapshot.isNull()) {
        ShowMessage(QString::fromUtf8(kNoSnapshotMessage), kMessageInformation);
        Finish({});
        return;
    }
    QScreen* screen = m_screenOwner ? m_screenOwner->screen() : QGuiApplication::primaryScreen();
    const bool oneScreen = OnWayland() && screen;
    m_window = new frmCaptureRectangle(oneScreen ? ScreenPart(snapshot, *screen) : snapshot);
    connect(m_window, &frmCaptureRectangle::released, this, &LogoCapture::Released);
    connect(m_window, &frmCaptureRectangle::escaped, this, &LogoCapture::Escaped);
    m_window->ShowPicture(oneScreen ? screen : nullptr);
}

void LogoCapture::HideWindow()
{
    // Hidden before any message or question, which would otherwise open beneath it.
    if (m_window) m_window->End();
}

void LogoCapture::Released(const CaptureBand& band)
{
    HideWindow();
    if (BandTooSmall(band)) {
        ShowMessage(QString::fromUtf8(kTooSmallMessage), kMessageInformation);
        Finish({});
        return;
    }
    const CaptureRect rect = NormaliseBand(band);
    // A capture that made no JPEG gives no logo: the entry's logo stays as it is.
    if (!MakeJpeg(m_window->Snapshot().copy(rect.left, rect.top, rect.Width(), rect.Height()))) {
        Finish({});
        return;
    }
    Finish(m_caller == 2 ? TakeLogo() : LibraryFile(kCapturedLogoName));
}

void LogoCapture::Escaped()
{
    HideWindow();
    RemoveTempFiles();
    Finish({});
}

void LogoCapture::RemoveTempFiles()
{
    QFile::remove(LibraryFile(kCapturedLogoName));
    QFile::remove(LibraryFile(kCaptureBitmapName));
}

bool LogoCapture::MakeJpeg(const QImage& cutOut)
{
    const QString bitmap = LibraryFile(kCaptureBitmapName);
    const QString jpegFile = LibraryFile(kCapturedLogoName);
    // A program folder whose library was never made still gets its logo.
    std::string library = m_context.Paths.LibraryFolder;
    MakePath(library);
    QFile::remove(bitmap);
    // The cut-out is kept as a bitmap until its JPEG exists, so a failed encoding leaves it.
    cutOut.save(bitmap, "BMP");
    QFile::remove(jpegFile);

    // No JPEG: the bitmap stays, the caller gets no new logo.
    if (!EncodePictureJpeg(cutOut, [&](cJpeg& jpeg) { jpeg.SaveFile(jpegFile.toStdString()); })) return false;
    if (!QFile::exists(jpegFile)) return false;
    QFile::remove(bitmap);
    return true;
}

QString LogoCapture::TakeLogo()
{
    const QString jpeg = LibraryFile(kCapturedLogoName);
    const std::string name = EntryFileStem(m_context.Selection.CurrentEntryName) + ".jpg";
    const QString logo = LibraryFile(name);
    if (QFile::exists(logo)) {
        const QString question = QString::fromUtf8(kOverwriteQuestion).arg(QString::fromStdString(name));
        if (!Services().AskYesNo(question, DefaultTitle())) {
            RemoveTempFiles();
            return {};
        }
    }
    // One rename replaces the old logo, so a failing move never leaves the entry without one.
    std::error_code error;
    std::filesystem::rename(FsPath(jpeg.toStdString()), FsPath(logo.toStdString()), error);
    return error ? QString() : logo;
}

void LogoCapture::Finish(const QString& logoFile)
{
    if (m_window) {
        m_window->End();
        m_window->deleteLater();
        m_window = nullptr;
    }
    m_running = false;
    emit finished(m_caller, logoFile);
}
