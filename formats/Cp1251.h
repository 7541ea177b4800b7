#pragma once
// Windows-1251 by the program's own table, the same on every system: Qt without ICU
// (as on Windows) has no such codec.

#include <QByteArray>
#include <QString>

#include <optional>

namespace Cp1251 {

// The text in Windows-1251; nothing when a character has no Windows-1251 form.
std::optional<QByteArray> encode(QStringView text);
QString decode(QByteArrayView bytes);

} // namespace Cp1251
