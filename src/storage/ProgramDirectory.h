#pragma once
// The folder that holds the program's own files ("set.set", "colorlist.cl1",
// "history.cl2", "default.cll" ...). Reading and writing them is storage/TextFile.h.

#include <QString>

// The executable's folder with a trailing native separator. When that folder is
// not writable (a read-only install), the per-user application data folder is
// used instead; it is created on first use and seeded with the program's own
// files found beside the executable. Decided once per run.
QString ProgramDirectory();

// The executable's folder with a trailing native separator, writable or not: the
// place of read-only files delivered with the program (the help document).
QString ExecutableDirectory();

// The rule behind ProgramDirectory: `executableFolder` when it is writable,
// otherwise `fallbackFolder` (created and seeded when missing). Both returned with
// a trailing native separator.
QString ChooseProgramDirectory(const QString& executableFolder, const QString& fallbackFolder);

// Makes ProgramDirectory() return `folder` (a separator is appended when missing);
// an empty folder restores the normal lookup.
void SetProgramDirectoryForTesting(const QString& folder);

// `folder` ending with exactly one trailing separator ('/' or the native one).
QString WithTrailingSeparator(const QString& folder);
