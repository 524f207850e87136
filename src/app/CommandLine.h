#pragma once
// The program's own command line: --help and --version are answered on
// standard output before any window or display is needed. Everything else
// is left to the toolkit (its -platform, -style... options).
#include <optional>

namespace commandline {
// The exit status when the command line asked only for an answer, else nothing.
std::optional<int> answer(int argc, char **argv);
} // namespace commandline
