#pragma once

#include "ui/common/Language.h"

#include <array>

namespace FrameConfParalelismoTexts {

enum TId {
    Address,
    BusSize,
    Positions,
    Resistance,
    ParallelismErrorTime,
    ConfigurationErrorTime,
    RelayConfiguration,
    PositionMeasurement,
    Function0,
    Function1,
    Function2,
    Function3,
    Function4,
    Function5,
    Function6,
    Function7,
    Function8,
    Function9,
    MeasurementRtd,
    MeasurementBcd,
    MeasurementCurrent,
    ErrorBusSize,
    ErrorPositions,
    ErrorResistance,
    ErrorParallelismTime,
    ErrorConfigurationTime,
    ErrorAddress,
    ErrorSending,
    Count
};

extern const std::array<Language::TText<TId>, Count> kTexts;

inline QString Text(TId id, int language) {
    return Language::Pick(kTexts, id, language);
}

} // namespace FrameConfParalelismoTexts
