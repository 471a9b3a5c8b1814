#pragma once
// Starting the application on a display: a busy X server gets a little patience, and a
// display that cannot be had is one plain line and exit code 1, never Qt's abort.
#include <QApplication>
#include <QString>
#include <memory>

namespace app {

// The application on the platform asked for (platformArg, else QT_QPA_PLATFORM, else the
// desktop's). nullptr, with "cannot open a display" said, when there is no display. argc and argv
// are the program's; Qt is handed a copy.
std::unique_ptr<QApplication> Open_Application(int argc, char** argv, const QString& platformArg);

} // namespace app
