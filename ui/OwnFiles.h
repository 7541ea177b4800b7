#pragma once
// The files that only a project may replace: the project open in the windows, and the
// recovery project, which nothing the user saves replaces. Each check throws FileError,
// naming the file, before anything is written.

#include <QString>

struct Forms;

namespace OwnFiles {

// Before a report or a picture is written to PATH.
void checkDocument(const Forms& forms, const QString& path);
// The same beside the project file open now.
void checkDocument(const QString& projectFile, const QString& path);

// Before a project is saved to PATH.
void checkProject(const QString& path);

} // namespace OwnFiles
