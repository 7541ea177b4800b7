#pragma once
// Addresses of the dealer and the author that the program shows and opens.
// Fictional: web addresses under the reserved .example domain.

#include <QString>

namespace Contacts {
inline const QString dealerSite = QStringLiteral("https://verask.example/");
} // namespace Contacts
