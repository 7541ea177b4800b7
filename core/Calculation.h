#pragma once
// The state of the one calculation in progress that lives outside the windows' fields.

#include <QString>

// The texts recorded by the last completed resistance check, for the report.
struct CheckSnapshot {
    QString rk;
    QString alphaExt;
    QString alphaInt;
    QString r0;
    QString rqmin;
    QString constructionType;
    QString verdict;
    QString relationSign; // " > ", " = " or " < "
};

struct Calculation {
    // The code table behind the current Rqmin: "1" residential and civil
    // buildings, "2" production buildings, "3" walls between flats.
    QString tableNumber = QStringLiteral("1");
    CheckSnapshot snapshot;
    bool hasSnapshot = false;
    // Density grade of the chosen insulation board, for the order text.
    int orderingGrade = 0;
    // The layer that an accepted air gap goes to (11), 0 when none.
    int airGapTarget = 0;
};
