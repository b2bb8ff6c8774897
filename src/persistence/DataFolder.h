#pragma once

#include <string>

// The program's data folder (settings, calibration records, device list), created if missing, with a
// trailing separator: the user's documents folder + "Corvane/QEL880/".
std::string DataFolder();
