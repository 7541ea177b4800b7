#pragma once
// The user's list of places with their monthly outdoor climate: a JSON file in the user's
// data folder, written whole or not at all.

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>

namespace ClimateList {

struct Place {
    QString name;
    std::array<double, 12> temperature{}; // θ_e, °C, January first
    std::array<double, 12> humidity{};    // φ_e, %
    friend bool operator==(const Place&, const Place&) = default;
};

struct Loaded {
    QList<Place> places; // what could be read
    QString problem;     // names the file and what is wrong; empty when all was read
};

// A missing file is an empty list. A foreign file gives no places; a damaged place is
// left out and named.
Loaded decode(const QByteArray& bytes, const QString& path);
Loaded load(const QString& path);

QByteArray encode(const QList<Place>& places);
// Throws FileError naming the file; the old file stays as it was.
void save(const QString& path, const QList<Place>& places);

// The list's file in the user's data folder; empty without one.
QString defaultPath();

} // namespace ClimateList
