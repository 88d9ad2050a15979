#pragma once
// The folder that holds the program's own files ("set.set", "colorlist.cl1",
// "history.cl2", "default.cll" ...). Reading and writing them is storage/TextFile.h.

#include <QString>

// The executable's folder with a trailing native separator, when the program
// runs from a folder of its own (the build tree, an unpacked copy) and that folder
// is writable. An installed program, and one in a folder it cannot write, uses the
// per-user application data folder instead; it is created on first use and seeded
// with the program's own files from DeliveredFilesDirectory(). Decided once per run.
QString ProgramDirectory();

// The per-user application data folder (QStandardPaths::AppDataLocation) with a
// trailing native separator; not created here.
QString UserDataDirectory();

// The read-only files delivered with the program (the settings seed, the help
// document), with a trailing native separator: <executable folder>/../share/qbkromi
// when that folder exists, as `cmake --install` lays it out for any prefix (/usr,
// /usr/local, ~/.local); otherwise the executable's folder.
QString DeliveredFilesDirectory();

// The rule behind DeliveredFilesDirectory, for a given executable folder.
QString ChooseDeliveredFilesDirectory(const QString& executableFolder);

// The rule behind ProgramDirectory: `executableFolder` when it is writable and not
// an installed program's (ChooseDeliveredFilesDirectory gives the folder itself),
// otherwise `fallbackFolder` (created and seeded when missing). Both returned with
// a trailing native separator.
QString ChooseProgramDirectory(const QString& executableFolder, const QString& fallbackFolder);

// Makes ProgramDirectory() return `folder` (a separator is appended when missing);
// an empty folder restores the normal lookup.
void SetProgramDirectoryForTesting(const QString& folder);

// `folder` ending with exactly one trailing separator ('/' or the native one).
QString WithTrailingSeparator(const QString& folder);
