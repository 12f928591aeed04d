// One logo capture from start to end: takes the screen, shows it in frmCaptureRectangle, turns
// the marked rectangle into a JPEG logo in the library and tells the caller how it ended.
#pragma once

#include "app/ProgramContext.h"
#include "imaging/CaptureRules.h"
#include "imaging/gui/CaptureWindow.h"

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <string>

class LogoCapture : public QObject {
    Q_OBJECT

public:
    explicit LogoCapture(ProgramContext& context, QObject* parent = nullptr);
    ~LogoCapture() override;

    // Starts a capture for Selection.CaptureCaller (1 the new entry dialog, which then receives
    // "_temp.jpg"; 2 the editor's picked entry, whose logo is replaced). The caller has hidden
    // itself already. Ignored while a capture runs.
    void Start();

    // On Wayland the capture window fills the screen `window` is on (by default the primary one).
    void FollowScreenOf(QWidget& window) { m_screenOwner = &window; }

    // The capture window while it is shown, else null.
    frmCaptureRectangle* Window() const { return m_window; }

signals:
    // Once at the end of every capture, after the capture window is gone. `logoFile` is the new
    // logo (caller 1 "_temp.jpg", caller 2 the entry's logo); empty when none was made.
    void finished(int caller, const QString& logoFile);

private:
    void Released(const CaptureBand& band);
    void Escaped();
    // "_temp.bmp" and "_temp.jpg" of the cut-out; the bitmap is left only when no JPEG was made.
    // True when "_temp.jpg" exists afterwards.
    bool MakeJpeg(const QImage& cutOut);
    // Caller 2: the entry's logo replaced by the new "_temp.jpg", unless the user keeps the old one.
    QString TakeLogo();
    // Deletes "_temp.jpg", then "_temp.bmp", where they exist.
    void RemoveTempFiles();
    void HideWindow();
    void Finish(const QString& logoFile);
    QString LibraryFile(const std::string& name) const;

    ProgramContext& m_context;
    QPointer<frmCaptureRectangle> m_window;
    QPointer<QWidget> m_screenOwner;
    int m_caller = 0;
    bool m_running = false;
};
