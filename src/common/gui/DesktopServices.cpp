#include "common/gui/DesktopServices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>

namespace {

DesktopServices* g_current = nullptr;

QString& DefaultTitleStorage()
{
    static QString title;
    return title;
}

QtDesktopServices& RealServices()
{
    static QtDesktopServices real;
    return real;
}

bool IconForKind(int kind, QMessageBox::Icon& icon)
{
    switch (kind) {
    case kMessageInformation: icon = QMessageBox::Information; return true;
    case kMessageWarning: icon = QMessageBox::Warning; return true;
    case kMessageCritical: icon = QMessageBox::Critical; return true;
    case kMessageQuestion: icon = QMessageBox::Question; return true;
    default: return false;
    }
}

} // namespace

void QtDesktopServices::ShowMessage(const QString& text, int kind, const QString& title)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    if (!IconForKind(kind, icon))
        return;
    // Parented to the active window so the box stays in front of it and is centred over it.
    QMessageBox box(icon, title, text, QMessageBox::Ok, QApplication::activeWindow());
    // The button texts are the program's own German ones, whatever the Qt translation says.
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}

bool QtDesktopServices::AskYesNo(const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Ja"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Nein"));
    // As on Windows the first button is the default; Escape and closing the box answer "Nein".
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void QtDesktopServices::Beep()
{
    QApplication::beep();
}

bool QtDesktopServices::OpenUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

DesktopServices& Services()
{
    return g_current ? *g_current : RealServices();
}

DesktopServices* SetServices(DesktopServices* services)
{
    DesktopServices* previous = g_current;
    g_current = services;
    return previous;
}

void SetDefaultTitle(const QString& title)
{
    DefaultTitleStorage() = title;
}

QString DefaultTitle()
{
    return DefaultTitleStorage();
}
