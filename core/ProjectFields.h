#pragma once
// The one table of a project's fields: their keys in the project file, the version of
// the file that first holds them, their kind and, for number texts, the name the user
// knows them by. Writing, reading, the separator conversion and the messages of a
// replayed calculation all walk it.

#include "core/ProjectRecord.h"

#include <functional>

namespace Project {

struct Key {
    const char* name; // the key in the project file
    int since = 1;    // the first file version that holds it; older files give the default
    const char* label = nullptr; // a free text's name for the user (context "ProjectFields")
    // A file of its version may lack it (written before the field was added): the default.
    bool optional = false;
};

class FieldVisitor {
  public:
    virtual ~FieldVisitor() = default;
    virtual void text(Key key, QString& value) = 0;
    // A number text, written with the record's decimal separator; `label` names it for
    // the user, with %1 for the row of a list of rows.
    virtual void number(Key key, QString& value, const QString& label) = 0;
    virtual void choice(Key key, ListChoice& value) = 0;
    // A choice from a list whose items have stable keys (a catalogue's entries, the cities):
    // `keys` holds them in the list's order. Only the file needs them.
    virtual void keyedChoice(Key key, ListChoice& value, const QStringList& keys) {
        Q_UNUSED(keys);
        choice(key, value);
    }
    virtual void flag(Key key, bool& value) = 0;
    virtual void count(Key key, int& value, int lowest) = 0;
    virtual void building(Key key, BuildingKind& value) = 0;
    virtual void section(Key key, const std::function<void()>& fields) = 0;
    // A list of `count` rows, each an object of the fields `row(i)` visits.
    virtual void rows(Key key, int count, const std::function<void(int)>& row) = 0;
};

void visitFields(Record& record, FieldVisitor& visit);

// The first file version whose keyed choices hold their item's stable key.
inline constexpr int keyedChoicesSince = 5;
// The first file version that keeps what lists and captions show as identities: a choice's
// prompt, the user list's opened caption, the sources of captions handed over.
inline constexpr int identitiesSince = 6;

// "residential", "production", "wallsBetweenFlats": a building kind in the file.
const char* buildingName(BuildingKind kind);

} // namespace Project
