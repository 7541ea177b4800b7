#pragma once
// R0 = 1/alpha_ext + Rk + 1/alpha_int, the check R0 >= Rqmin, and the
// resistance Rk_req that the layers must reach.

#include "core/Rgb.h"
#include <QChar>

#include <QString>

namespace ResistanceCheck {

enum class Relation { Greater, Equal, Less };

struct Verdict {
    bool met = false;
    Relation relation = Relation::Less;
    QString r0Text;    // R0 in the result format, as shown beside the relation
    QString rqminText; // Rqmin in the result format
};

// Texts as they stand in the fields, parsed in the order Rk, alpha_ext, alpha_int.
double computeR0(const QString& rk, const QString& alphaExt, const QString& alphaInt,
                 QChar separator);

// Reads Rk, alpha_ext, alpha_int, R0 and Rqmin in this order and compares R0 as shown.
Verdict check(const QString& rk, const QString& alphaExt, const QString& alphaInt,
              const QString& r0, const QString& rqmin, QChar separator);

// (Rqmin - 1/alpha_ext) - 1/alpha_int; reads alpha_ext, alpha_int, Rqmin in this order.
double computeRkRequired(const QString& alphaExt, const QString& alphaInt, const QString& rqmin,
                         QChar separator);

// The verdict in the interface's language.
QString verdictText(bool met);
QString relationCaption(Relation relation); // "Ro > Rqmin", ...
QString relationSign(Relation relation);    // " > ", ...
Rgb verdictColor(bool met);
Rgb initialColor(); // maroon, before the first check
// The layer window's verdict line before the first check: teal.
Rgb verdictLineInitialColor();
// The relation's caption before the first check.
QString initialRelationCaption();

} // namespace ResistanceCheck
