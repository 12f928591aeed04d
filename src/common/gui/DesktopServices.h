// Everything a window does to the desktop beyond itself (message boxes, yes/no questions, the beep,
// opening an address, the screen snapshot) goes through one replaceable service, so tests can
// answer and count it.
#pragma once

#include <QImage>
#include <QString>
#include <QUrl>

// Kinds of ShowMessage. All of them have a single "OK" button.
inline constexpr int kMessageInformation = 1;
inline constexpr int kMessageWarning = 2;
inline constexpr int kMessageCritical = 3;
inline constexpr int kMessageQuestion = 4;

class DesktopServices {
public:
    virtual ~DesktopServices() = default;

    // A message box with the given caption and an "OK" button; the kind picks the icon. Any kind
    // other than the four above shows nothing.
    virtual void ShowMessage(const QString& text, int kind, const QString& title) = 0;

    // A question box with the buttons "Ja" and "Nein"; true for "Ja".
    virtual bool AskYesNo(const QString& text, const QString& title) = 0;

    virtual void Beep() = 0;

    // Opens the address with the desktop's handler (the default browser for web addresses).
    virtual bool OpenUrl(const QUrl& url) = 0;

    // The whole virtual desktop as it is now, in device pixels, without the windows this program
    // has just hidden; an empty picture when the platform cannot take one.
    virtual QImage GrabScreen() = 0;
};

// The real desktop: QMessageBox, QApplication::beep and QDesktopServices.
class QtDesktopServices : public DesktopServices {
public:
    void ShowMessage(const QString& text, int kind, const QString& title) override;
    bool AskYesNo(const QString& text, const QString& title) override;
    void Beep() override;
    bool OpenUrl(const QUrl& url) override;
    QImage GrabScreen() override;  // in ScreenGrab.cpp
};

// The service in use: the real desktop unless SetServices installed another one.
DesktopServices& Services();

// Installs a service (nullptr puts the real desktop back) and returns the one it replaces. The
// caller keeps ownership and must restore the previous service before destroying its own.
DesktopServices* SetServices(DesktopServices* services);

// The caption of message boxes that are given no title of their own. Start-up sets it to the
// program's title.
void SetDefaultTitle(const QString& title);
QString DefaultTitle();
