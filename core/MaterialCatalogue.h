#pragma once
// The built-in table of building materials: 11 categories, category k feeding
// layer k of the layer window. Entries are addressed by position only.

#include <QString>
#include <QStringList>

#include <optional>

namespace MaterialCatalogue {

inline constexpr int categoryCount = 11;

// The translation context of the names and captions: names() and caption() give the
// source texts, which lists keep; what a list shows is their translation in this context.
inline constexpr const char* context = "MaterialCatalogue";

enum class EntryKind { Material, AirGap };

// What a material is made of, for its colour and hatching in the section drawing.
enum class MaterialKind { Masonry, ConcreteAndMortar, Insulation, AirGap, Other };

struct MaterialEntry {
    QString name;
    EntryKind kind = EntryKind::Material;
    double ld = 0; // thermal conductivity, W/(m*K); none for an air gap
    double s = 0;  // heat-absorption coefficient, W/(m2*K); none for an air gap
    MaterialKind material = MaterialKind::Other;
};

// What category `number` (1 to 11) shows before anything is chosen; empty outside.
QString caption(int number);
// The same caption in the interface language.
QString shownCaption(int number);
int entryCount(int number);
// The entry names of category `number` in their order, to fill its selector.
QStringList names(int number);
// The entry at the zero-based index, or nothing outside the list (-1: nothing chosen).
std::optional<MaterialEntry> lookup(int number, int index);

} // namespace MaterialCatalogue
