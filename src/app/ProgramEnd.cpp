#include "app/ProgramEnd.h"

#include <QApplication>

namespace {

std::function<void()>& Handler()
{
    static std::function<void()> handler;
    return handler;
}

} // namespace

void EndProgram()
{
    if (Handler()) {
        Handler()();
        return;
    }
    // Windows that close on the way may ask to end the program themselves.
    static bool ending = false;
    if (ending) return;
    ending = true;
    QApplication::closeAllWindows();
    QCoreApplication::quit();
    ending = false;
}

std::function<void()> SetEndProgramHandler(std::function<void()> handler)
{
    std::swap(Handler(), handler);
    return handler;
}
