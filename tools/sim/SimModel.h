#pragma once

#include <optional>
#include <string_view>

// The device models the simulator can be.
enum class TSimModel { Thermal, ThermalMembrane, Parallelism, Regulator, Irrigation, PositionIndicator };

std::optional<TSimModel> ParseSimModel(std::string_view name);
int SimModelSignature(TSimModel model);
int SimModelFamily(TSimModel model);
