#include "app/ProgramEnd.h"

#include <QApplication>

namespace {

std::function<void()>& Handler()
{
    static std::function<void()> handler;
    return handler;
}

bool& Ending()
{
    static bool ending = false;
    return ending;
}

} // namespace

bool ProgramEnding()
{
    return Ending();
}

void EndProgram()
{
    // Windows that close on the way may ask to end the program themselves.
    if (Ending()) return;
    Ending() = true;
    if (Handler()) {
        Handler()();
    } else {
        QApplication::closeAllWindows();
        QCoreApplication::quit();
    }
    Ending() = false;
}

std::function<void()> SetEndProgramHandler(std::function<void()> handler)
{
    std::swap(Handler(), handler);
    return handler;
}
