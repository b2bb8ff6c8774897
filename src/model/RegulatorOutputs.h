#pragma once

class TRegisterImage;

namespace RegulatorOutputs {

constexpr int kCalibration = 2510; // a float per output, three outputs

// How many current outputs the regulator has fitted (0..3), from the calibration floats: the
// outputs are fitted in order, and the first without a calibration value ends the count.
int Fitted(const TRegisterImage& image);

} // namespace RegulatorOutputs
