#pragma once
// The report's vapour balance section, from the moisture window's inputs and its check.

#include "formats/ReportDocument.h"

namespace MoistureDocument {

// None while no month of the outdoor climate has been typed.
std::optional<ReportDocument::MoistureSection> compose(const ReportDocument::Input& input);

} // namespace MoistureDocument
