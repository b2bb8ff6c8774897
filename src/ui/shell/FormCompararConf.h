#pragma once

#include "persistence/ConfFile.h"

#include <QDialog>

#include <vector>

// The settings a configuration file would change on the device, each with its section and both
// values, before the load goes ahead: "Load" accepts, "Cancel" rejects.
class TFormCompararConf : public QDialog {
    Q_OBJECT
public:
    TFormCompararConf(const std::vector<ConfFile::TConfDifference>& differences, int language,
                      QWidget* parent = nullptr);
};
