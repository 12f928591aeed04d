// The programs' window icons, from the PNG sizes the build puts into the program's resources
// (":/icons/«name»-«size».png", drawn by data/tools/draw_icon.py).
#pragma once

#include <QIcon>
#include <QString>

// "pinwall-builder" or "pinedit".
QIcon ProgramIcon(const QString& name);
