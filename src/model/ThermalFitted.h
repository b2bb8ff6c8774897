#pragma once

class TRegisterImage;

// What a thermal monitor has fitted, as the screens may size their lists by it: windings at most 3,
// RTD inputs at most 6, current outputs at most 4. A membrane-test device reads none of these
// registers, so it has none, whatever the image still holds from an earlier device.
namespace ThermalFitted {

int Windings(const TRegisterImage& image);
int Rtds(const TRegisterImage& image);
int Outputs(const TRegisterImage& image);
// Active RTDs (1002), at most 6.
int ActiveRtds(const TRegisterImage& image);

} // namespace ThermalFitted
