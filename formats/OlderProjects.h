#pragma once
// Projects of versions 1 to 5 kept what lists and captions showed, in the language of their
// time, where newer ones keep identities: which list shows its prompt, which caption a window
// handed from which item. Opening such a project names them once, here, and nowhere else.

#include "core/ProjectRecord.h"

namespace OlderProjects {

// Derives the record's identities from its texts: a prompt or caption recognised in Russian,
// in Ukrainian or as its source; a handed caption recognised as its item's source text or
// that text's Ukrainian translation; the board the selection wrote into layer 12.
void identify(Project::Record& record);

// The program's Ukrainian text for `source` in `context` (the source itself when it has none).
QString ukrainian(const char* context, const QString& source);

} // namespace OlderProjects
