#include "model/ThermalFitted.h"

#include "model/DeviceIdentity.h"
#include "model/RegisterImage.h"
#include "model/SharedRegisters.h"

#include <algorithm>

namespace ThermalFitted {

namespace {

int Capped(const TRegisterImage& image, int reg, int most) {
    if (image.FetchRegister(SharedRegisters::kSignature) == DeviceIdentity::kMembraneSignature)
        return 0;
    return std::clamp(image.FetchRegister(reg), 0, most);
}

} // namespace

int Windings(const TRegisterImage& image) {
    return Capped(image, 1020, 3);
}

int Rtds(const TRegisterImage& image) {
    return Capped(image, 1003, 6);
}

int Outputs(const TRegisterImage& image) {
    return Capped(image, 1021, 4);
}

int ActiveRtds(const TRegisterImage& image) {
    return Capped(image, 1002, 6);
}

} // namespace ThermalFitted
