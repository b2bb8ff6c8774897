#pragma once

#include "SimOptions.h"
#include "SimRegisters.h"

#include <optional>

// Fills the registers of the chosen model with their kinds and starting values, then the presets.
void DefineSimRegisters(TSimRegisters& regs, const TSimOptions& options);

// The first preset register that the chosen model does not have.
std::optional<int> PresetOutsideModel(const TSimOptions& options);

// Registers the device answers at all (others get an exception); gaps inside read as 0.
bool InSimDeviceRange(TSimModel model, int reg);

// Where the model keeps its clock (hour, minute, second, day, month, year - 2000).
int SimClockRegister(TSimModel model);
