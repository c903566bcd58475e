#pragma once

#include <QString>

// Ten flite readings with one word replaced by a near-sounding one ("cup" read as "cap"):
// whether the assessment marks that word or ranks it lowest; and the ten sentences read as
// written: whether any word gets a red (wrong) mark. Prints each case and the counts.
// Returns 1 when flite is missing, else 0.
int runFliteCheck(const QString &acousticModelPath, const QString &voice);
