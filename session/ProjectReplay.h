#pragma once
// A project between the windows and its file: the inputs captured from every
// window, and their replay through the windows' hand-overs, after which the
// program computes every result itself.

#include "core/Errors.h"
#include "core/ProjectRecord.h"
#include "ui/Platform.h"

#include <QStringList>

#include <optional>

struct Forms;

namespace ProjectReplay {

// The project file dialog: type "Проект Vuvuvudozizod (*.vvz)" in the language installed
// now, extension "vvz", no name proposed (an open dialog offers the files there are).
FileDialog projectDialog();

Project::Record capture(const Forms& forms);

// The steps of opening a project, in their order, and the first one that failed.
enum class OpeningStep { Filling, Layers, Check, Quantity };
struct OpeningFailure {
    OpeningStep step = OpeningStep::Filling;
    ErrorKind kind = ErrorKind::Other;
    QString message;
    std::optional<QString> notANumber; // the text that did not read as a number
};

// Cuts the record's texts longer than a field takes; the warning that names their fields,
// none when nothing was cut.
std::optional<QString> shortenForFields(Project::Record& record, const QString& path);

// What opening the project at `path` says when a step failed: the step and the cause in
// our words, naming the field that holds a text that is no number.
QString stoppedMessage(const Project::Record& record, const QString& path,
                       const OpeningFailure& failure);

// Restores every window's inputs, then runs the layer calculation and the check once;
// a failure there is one message that names the project at path and the field. Texts
// longer than a field takes are cut, and a warning names their fields.
void replay(Forms& forms, const Project::Record& record, const QString& path);

// Runs the layer calculation (when asked) and the check again as opening a project does:
// nothing is shown meanwhile; the first failure comes back as one message naming the step
// and the field, in the interface's language.
std::optional<QString> recalculate(Forms& forms, bool layers);

// Writes the current inputs, whole or not at all.
void save(const Forms& forms, const QString& path);

// Reads and checks the whole file first: a bad file throws FileError and changes nothing.
void open(Forms& forms, const QString& path);

} // namespace ProjectReplay
