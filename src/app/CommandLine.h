#pragma once
// The command line for scripts and desktop shortcuts, which never opens the main
// window:
//   qbkromi --format NAME [--see-as KIND[:SEVERITY]] [COLOUR...]
//                                       each colour (or each line of standard
//                                       input) in a text format, one per line;
//                                       with --see-as, as a person with that
//                                       colour-vision deficiency sees it
//   qbkromi --pick                      the eye dropper alone; the colour as hex
//   qbkromi --help
// Each option is a row of one table; a colour list path (or nothing) starts the
// program as usual.

#include <QStringList>

#include <cstdio>
#include <optional>

class SettingsStore;

// Where the command line reads and writes; the program's are stdin, stdout and
// stderr, a test's are files.
struct CommandLineStreams
{
    std::FILE* in = stdin;
    std::FILE* out = stdout;
    std::FILE* err = stderr;
};

// Runs --format or --help when `arguments` (the program's, the first being the
// program) start with one, and gives the exit status: 0, 2 when a colour could
// not be read, 64 for a mistaken command line. Empty for any other arguments.
// `settings` (may be null) holds the user's own formats.
std::optional<int> RunTextCommandLine(const QStringList& arguments, const SettingsStore* settings,
                                      const CommandLineStreams& streams = {});

// The hook of main(): runs every option of the command line before the program
// would start, and gives the exit status; empty for a normal start. --pick makes
// its own QApplication.
std::optional<int> RunCommandLine(int& argc, char** argv);
