#include "model/Family.h"

namespace Family {
namespace {

const char* const kModels[kCount] = {"QEL880-T", "QEL880-P", "QEL880-R", "QEL880-IRR", "QEL880-C"};
const char* const kSignatureModels[kCount] = {"QEL880T", "QEL880P", "QEL880R", "QEL880IRR", "QEL880C"};

} // namespace

const char* ModelName(int family) {
    return IsFamily(family) ? kModels[family] : "";
}

const char* SignatureModelName(int family) {
    return IsFamily(family) ? kSignatureModels[family] : "";
}

} // namespace Family
