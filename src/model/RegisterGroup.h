#pragma once

#include <cstdint>

// The groups of cells of the register image. All families' groups coexist; an indexed getter
// reads one group, index 0 being the first register of its row.
enum class TGroup : std::uint16_t {
    // Common to every family
    ModoSerial,
    Dnp3Baudrate,
    Dnp3Format,
    Dnp3Address,
    Dnp3AppConf,
    Dnp3MaxInteroctetGap,
    Dnp3BackoffFixed,
    Dnp3BackoffRandom,
    Dnp3InterframeGap,
    ModbusBaudrate,
    ModbusFormat,
    ModbusAddress,
    ModbusTxDelay,
    Language,
    Password, // bytes
    IpAddr,
    IpPort,
    IpPortModBus,
    IpPortDNP3,
    WifiSsid, // bytes
    WifiPass, // bytes
    WifiPort,
    WifiIp,
    WifiMac,
    WifiSignal,
    FirmwareVersion,
    MinProgramVersion,
    DeviceSignature,
    TestMode,
    ForcedCurrent,
    CalibrationDisabled,
    ParamBlockSize,
    TestParams,
    SimulatedValues,
    LastErrors,
    SerialNumberLow,
    SerialNumberHigh,
    OutputCalibA1,
    OutputCalibA2,
    ReferenceResistance,
    RtdGains,
    RtdOffsets,
    RtdResistances,
    CurrentInputGains,
    CurrentInputOffsets,
    OutputCalibB1,
    OutputCalibB2,
    CurrentInputReadings,
    BoardTypes,

    // Shared by several families
    Clock,      // hour, minute, second, day, month, year - 2000
    RelayState, // relays or outputs 1..10
    EscalaSaida,
    FundoEscala,
    FundoEscalaCorrente,
    SaidaCanalAssociado,
    TapSettings, // ResPorPosicao, NumPos, ModoIndicacao, PosNeutra, PosMinima, PosMaxima, then 707, 708

    // Thermal monitor
    SetPointRTD,
    HistereseRTD,
    Retardo,
    CanalAssociado,
    Forca,
    LogicaInversa,
    SetPointCorrente,
    HistereseCorrente,
    FuncaoAssociada,
    UnidadeIndicacao,
    DeltaT,
    CorrenteNominal,
    ReleAlternado,
    ConstTempo,
    ConstM,
    FreqOperacao,
    ResfrDiarioInicio,
    ResfrDiarioDuracao,
    TimerEventos,
    MaxDifTemp,
    NumRtds,
    RtdInputsFitted,
    ModoRedudante,
    WindingCount,
    OutputCount,
    MembraneBlock, // 1201..1211
    WindingTemperature,
    WindingCurrent,
    WindingCurrentPercent,
    RtdTemperature,
    RtdResistance,
    MaxWindingTemperature,
    MaxRtdTemperature,
    MaxTimestamps, // nine maxima, three registers each
    EventSelector,
    EventCell802,
    EventCount,
    EventBlock,

    // Parallelism
    EnderecoBus,
    TamanhoBus,
    NumPosic,
    ResistPorPosic,
    TempoErroParal,
    TempoErroPos,
    ConfRele7,
    ConfRele8,
    ConfRele9,
    ModoLeitura,
    UnitPosition,
    UnitExpectedPosition,
    UnitMode,
    UnitSpare,
    BusAddress,
    ParallelismErrors, // 1960..1964

    // Regulator
    TensaoNominal,
    DesvioMaximo,
    TipoComando,
    TipoTemporizacao,
    TempoSubir,
    TempoDescer,
    TempoRepeticao,
    HoraInicialHora,
    HoraInicialMinuto,
    HoraFinalHora,
    HoraFinalMinuto,
    Ldc,              // Tipo, UR, UX, Z, CompMax
    TransformerSetup, // DefasagemMontagem, CircuitoMedicao, RelacaoTP, RelacaoTC, CorrenteNominal
    Alarms,           // AlarmeSubTensao, AlarmeSobreTensao, AlarmeSobreCorrente
    TapReached,       // minimum, maximum
    Commutations,
    RegulatorMeasurements, // 1001..1015
    PositionInputKind,
    RegulatorCalibration,

    // Position indicator
    IndicatorMeasurements, // position, resistance, current
    IndicatorStatus,
    IndicatorFailures,

    // Irrigation
    CicloIrrHorario,
    CicloIrrDuracao,
    CicloIrrRamais,
    ConsumoMax,
    BloquearConsumo,
    CicloIrrAtrasoRamal,
    PumpPressure,    // SensorPressao .. TimerPressaoMin
    IrrigationSetup, // ModoOperacao .. ManualRamais
    RelayScreenSoftwareCommand,
    IrrigationInputSetup, // PresencaAguaInvert, PressostatoInvert, BuzzerHabilita
    PluvMaxRamal,
    IrrigationStatus,
    RainGauge,
    WaterMeter,
    LastCycleWater,
    DigitalInputs,
    Pressure,
    IrrigationStatusCell,
    IrrigationTemperature,
    RecordCounts, // 2910/2911, 2912/2913
    RecordIndex,
    RecordBytes,

    Count
};

constexpr std::size_t kGroupCount = static_cast<std::size_t>(TGroup::Count);
