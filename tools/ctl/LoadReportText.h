#pragma once

#include "persistence/ConfLoadReport.h"

#include <QString>

// What qel880ctl says about a configuration load that did not complete: what happened, and whether
// anything was written to the device.
QString LoadReportText(const TLoadReport& report, const QString& file, int family);
