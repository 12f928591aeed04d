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
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

std::function<void()> SetEndProgramHandler(std::function<void()> handler)
{
    std::swap(Handler(), handler);
    return handler;
}
