#pragma once

#include <QApplication>

#include <memory>

namespace platform
{

// Creates the program's QApplication with its name and version and the Fusion style,
// which draws push buttons in their own colours on every desktop.
//
// When no display can be opened, Qt would print several lines and abort. Instead this
// prints one line to standard error and ends the process with status 1.
std::unique_ptr<QApplication> StartApplication(int &argc, char **argv, const char *name,
                                               const char *version);

} // namespace platform
