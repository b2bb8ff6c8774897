#include "SimModel.h"

#include <array>

namespace {

struct TModelInfo {
    std::string_view name;
    TSimModel model;
    int signature;
    int family;
};

constexpr std::array<TModelInfo, 6> kModels{{
    {"T", TSimModel::Thermal, 23847, 0},
    {"T-membrane", TSimModel::ThermalMembrane, 15012, 0},
    {"P", TSimModel::Parallelism, 10146, 1},
    {"R", TSimModel::Regulator, 58202, 2},
    {"IRR", TSimModel::Irrigation, 15226, 3},
    {"C", TSimModel::PositionIndicator, 18447, 4},
}};

const TModelInfo& Info(TSimModel model) {
    for (const auto& info : kModels) {
        if (info.model == model)
            return info;
    }
    return kModels[0];
}

} // namespace

std::optional<TSimModel> ParseSimModel(std::string_view name) {
    for (const auto& info : kModels) {
        if (info.name == name)
            return info.model;
    }
    return std::nullopt;
}

int SimModelSignature(TSimModel model) { return Info(model).signature; }

int SimModelFamily(TSimModel model) { return Info(model).family; }
