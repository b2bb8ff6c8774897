#pragma once

#include "SimModel.h"
#include "SimRegisters.h"

#include <cstdint>
#include <random>

// The device's own behaviour: live values that move each second and the operating commands.
namespace SimLive {

// `rainFalls` false: the rain gauge keeps its total (a test that sets it reads it back).
void Start(TSimRegisters& regs, TSimModel model, std::int64_t nowLocalMs, bool rainFalls = true);
void Advance(TSimRegisters& regs, TSimModel model, std::mt19937& random, std::int64_t nowLocalMs);
// False for a code the model does not know.
bool Command(TSimRegisters& regs, TSimModel model, std::uint16_t code);

} // namespace SimLive
