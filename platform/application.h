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

// Makes Qt's own texts, such as the context menu of a text box, speak `language` (such as
// "bg") whatever the user's locale, from Qt's translations installed with the system. Once
// per application; nothing changes when no translation is installed.
void TranslateQt(const char *language);

} // namespace platform
