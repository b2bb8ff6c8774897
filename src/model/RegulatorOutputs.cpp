#include "model/RegulatorOutputs.h"

#include "model/NumberRules.h"
#include "model/RegisterImage.h"

#include <cmath>

namespace RegulatorOutputs {

int Fitted(const TRegisterImage& image) {
    for (int i = 0; i < 3; ++i) {
        const float value = NumberRules::FloatFromWords(image.FetchRegister(kCalibration + 2 * i),
                                                        image.FetchRegister(kCalibration + 2 * i + 1));
        if (std::fabs(value) < 0.0001f)
            return i;
    }
    return 3;
}

} // namespace RegulatorOutputs
