#pragma once

// The program as a command-line tool, for teachers and scripts. With a kind and three
// numbers it prints the report the result box would show; with a kind alone it reads one
// triple per line from standard input and prints a report for each, so that a whole
// worksheet goes through at once. With --svg it draws the triangle of three numbers as an
// SVG document, with --html it makes one printable answer key (report and figure of each
// triple) as an HTML page, with --docx the same as a document for Word and Writer (its
// module loaded only then). With --given a triangle is given by any three of its elements,
// name=value (given_lines.h). It uses the calculation core the window uses, with the same
// rules for reading and printing numbers, and needs no display.
//
//   bisectors --heights|--sides|--medians [--svg|--html|--docx] [X1 X2 X3]
//   bisectors --given [--exact] [NAME=VALUE NAME=VALUE NAME=VALUE]
//   bisectors --help | --version
//
// Exit status: 0 when every triple gave a report, 1 when one was refused or out of
// range, 2 when the command line or an input line was malformed, the input could not be
// read or the output could not be written.

#include <span>
#include <string_view>

namespace app
{

// Runs the command line `arguments` (the program name left out), reading the descriptor
// `in` and writing `out` and `err`. `version` is printed by --version; `decimalSeparator`
// is the user's locale's, as in the window, and is read in numbers as well as ".".
int RunCommandLine(std::span<const char *const> arguments, std::string_view version,
                   std::string_view decimalSeparator, int in, int out, int err);

} // namespace app
