#pragma once

#include <optional>

// The five device families, by the family code the whole program uses.
namespace Family {

constexpr int kThermal = 0;
constexpr int kParallelism = 1;
constexpr int kRegulator = 2;
constexpr int kIrrigation = 3;
constexpr int kPositionIndicator = 4;
constexpr int kCount = 5;

constexpr bool IsFamily(int code) {
    return code >= 0 && code < kCount;
}

// "QEL880-T", "QEL880-P", "QEL880-R", "QEL880-IRR", "QEL880-C".
const char* ModelName(int family);
// As the signature messages name them: "QEL880T", "QEL880P", "QEL880R", "QEL880IRR", "QEL880C".
const char* SignatureModelName(int family);

} // namespace Family
