#pragma once
// The report's vapour balance section, from the moisture window's inputs and its check.

#include "formats/ReportDocument.h"

namespace MoistureDocument {

// The section's blocks; none while no month of the outdoor climate has been typed.
QList<ReportDocument::Block> compose(const ReportDocument::Input& input);

} // namespace MoistureDocument
