#pragma once
// The project file: the inputs of one calculation as versioned JSON in UTF-8,
// read whole and checked before anything uses it, written whole or not at all.

#include "core/ProjectRecord.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace ProjectFile {

inline const QString formatName = QStringLiteral("vuvuvudozizod-project");
// 2: the calculation's details; 3: a list's choice holds its text only when typed;
// 4: the moisture check; 5: a catalogue entry's or a city's stable key beside its index;
// 6: what lists and captions show kept as identities (prompts, sources of handed captions).
inline constexpr int version = 6;
inline const QString extension = QStringLiteral("vvz");
// The file dialogs' type, a source of the translation context "ProjectFile".
inline const char* const fileType =
    QT_TRANSLATE_NOOP("ProjectFile", "Проект Vuvuvudozizod (*.vvz)");
// A project of twelve layers takes a few kilobytes; anything far larger is not read, and
// so never written either.
inline constexpr qint64 maxFileBytes = 1 << 20;

QByteArray encode(const Project::Record& record);

// The record the bytes hold. Throws FileError with a message that names `path`
// and what is wrong: not JSON, not a project, a newer version, a missing field
// or one of the wrong type.
Project::Record decode(const QByteArray& bytes, const QString& path);

// Reads and decodes the whole file; a file that can't be read throws FileError too. A file
// older than version 6 has its shown texts turned into identities (OlderProjects).
Project::Record load(const QString& path);

// Replaces the file whole or not at all; throws FileError on failure, and refuses, naming
// the limit, a project too large to be opened again.
void save(const QString& path, const Project::Record& record);

} // namespace ProjectFile
