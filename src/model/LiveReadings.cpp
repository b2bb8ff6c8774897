#include "model/LiveReadings.h"

#include "model/Family.h"
#include "model/RegisterImage.h"
#include "model/TapPosition.h"

#include <cstdint>
#include <cstdio>

namespace LiveReadings {
namespace {

using K = TKind;

constexpr int kTapStyle = 703;
constexpr int kTapReference = 704;
constexpr const char* kAbsent = "-----";

using TName = std::array<const char*, Language::kCount>;
constexpr TName kRtdTemperature{"Temperatura RTD", "RTD temperature", "Temperatura RTD"};
constexpr TName kRtdResistance{"Resistência RTD", "RTD resistance", "Resistencia RTD"};
constexpr TName kWindingTemperature{"Temperatura enrolamento", "Winding temperature", "Temperatura devanado"};
constexpr TName kWindingCurrent{"Corrente enrolamento", "Winding current", "Corriente devanado"};
constexpr TName kWindingLoad{"Carga enrolamento", "Winding load", "Carga devanado"};
constexpr TName kSecondaryCurrent{"Corrente secundária", "Secondary current", "Corriente secundaria"};
constexpr TName kWaterTotal{"Hidrômetro acumulado", "Water meter total", "Hidrómetro acumulado"};
constexpr TName kLastCycleWater{"Hidrômetro último ciclo", "Water meter last cycle",
                                "Hidrómetro último ciclo"};

std::vector<TLiveReading> Thermal(bool membrane) {
    std::vector<TLiveReading> r;
    for (int n = 1; n <= (membrane ? 1 : 6); ++n) {
        r.push_back({kRtdTemperature, 508 + 2 * n, K::Scaled, 1500, 10, 1, "°C", n});
        r.push_back({kRtdResistance, 509 + 2 * n, K::Scaled, 0, 10, 1, "ohms", n});
    }
    if (membrane)
        return r;
    for (int k = 1; k <= 3; ++k) {
        r.push_back({kWindingTemperature, 500 + k, K::Scaled, 1500, 10, 1, "°C", k});
        r.push_back({kWindingCurrent, 503 + k, K::Scaled, 0, 100, 2, "A", k});
        r.push_back({kWindingLoad, 506 + k, K::Scaled, 0, 10, 1, "%", k});
    }
    return r;
}

std::vector<TLiveReading> Parallelism() {
    return {
        {{"Posição atual", "Current position", "Posición actual"}, 501, K::PerUnit},
        {{"Posição esperada", "Expected position", "Posición esperada"}, 521, K::PerUnit},
        {{"Modo", "Mode", "Modo"}, 541, K::PerUnit},
        {{"Erro de comunicação", "Communication error", "Error de comunicación"}, 1960},
        {{"Erro de configuração", "Configuration error", "Error de configuración"}, 1961},
        {{"Erro de posição", "Position error", "Error de posición"}, 1962},
        {{"Erro de sincronismo", "Synchronism error", "Error de sincronismo"}, 1963},
        {{"Erro interno", "Internal error", "Error interno"}, 1964},
    };
}

std::vector<TLiveReading> Regulator() {
    return {
        {{"Tensão secundária", "Secondary voltage", "Tensión secundaria"}, 1001, K::Scaled, 0, 10, 1, "V"},
        {kSecondaryCurrent, 1002, K::Scaled, 0, 100, 2, "A"},
        {{"Tensão de linha", "Line voltage", "Tensión de línea"}, 1003, K::Scaled, 0, 10, 1, "kV"},
        {{"Corrente de linha", "Line current", "Corriente de línea"}, 1004, K::Scaled, 0, 1, 0, "A"},
        {{"Tensão de carga", "Load voltage", "Tensión de carga"}, 1005, K::Scaled, 0, 10, 1, "kV"},
        {{"Defasagem da linha", "Line lag", "Desfase de línea"}, 1006, K::Scaled, 0, 10, 1, "°"},
        {{"Fator de potência", "Power factor", "Factor de potencia"}, 1007, K::Scaled, 0, 1000, 3},
        {{"Conjunto ativo", "Active set", "Conjunto activo"}, 1014, K::Scaled, -1}, // shown from 1
        // Without a position input (2670 = 3) the screen shows no position.
        {{"Posição atual", "Current position", "Posición actual"}, 1015, K::Tap, 0, 1, 0, "", 0, 2670, 3},
        {{"Potência aparente", "Apparent power", "Potencia aparente"}, 1008, K::Scaled, 0, 10, 1, "MVA"},
        {{"Potência ativa", "Active power", "Potencia activa"}, 1009, K::Scaled, 0, 10, 1, "MW"},
        {{"Potência reativa", "Reactive power", "Potencia reactiva"}, 1010, K::Scaled, 0, 10, 1, "MVAr"},
        {{"Tensão nominal", "Nominal voltage", "Tensión nominal"}, 1011, K::Scaled, 0, 10, 1, "%"},
        {{"Corrente nominal", "Nominal current", "Corriente nominal"}, 1012, K::Scaled, 0, 10, 1, "%"},
        {{"Desvio de tensão", "Voltage deviation", "Desvío de tensión"}, 1013, K::Scaled, 1000, 10, 1, "%"},
        {{"Posição mínima", "Minimum position", "Posición mínima"}, 801},
        {{"Posição máxima", "Maximum position", "Posición máxima"}, 802},
        {{"Comutações", "Commutations", "Conmutaciones"}, 804, K::Scaled, 0, 1, 0, "10^6"},
    };
}

std::vector<TLiveReading> Irrigation() {
    return {
        {{"Pluviômetro", "Rain gauge", "Pluviómetro"}, 1002, K::Counter, 0, 10, 1, "mm/m²"},
        {kWaterTotal, 1004, K::Counter, 0, 1, 0, "l"},
        {kLastCycleWater, 1006, K::Counter, 0, 1, 0, "l"},
        {{"Pressão", "Pressure", "Presión"}, 1009, K::Scaled, 0, 10, 1, "bar"},
        {{"Entradas digitais", "Digital inputs", "Entradas digitales"}, 1008},
        {{"Temperatura", "Temperature", "Temperatura"}, 1011, K::Sensor, 1500, 10, 1, "°C"},
        {{"Estado do sistema", "System status", "Estado del sistema"}, 1001},
    };
}

std::vector<TLiveReading> PositionIndicator() {
    return {
        {{"Resistência", "Resistance", "Resistencia"}, 1016, K::Scaled, 0, 10, 1, "ohms"},
        {{"Corrente", "Current", "Corriente"}, 1017, K::Scaled, 0, 1000, 3, "mA"},
        {{"Posição", "Position", "Posición"}, 1015},
        // A measurement kind from 2 on indicates no position.
        {{"Indicação", "Indication", "Indicación"}, 1015, K::Tap, 0, 1, 0, "", 0, 707, 2},
        {{"Falhas", "Failures", "Fallas"}, 1965},
    };
}

std::string Scaled(double value, const TLiveReading& r) {
    char text[48];
    std::snprintf(text, sizeof text, "%.*f", r.decimals, value / r.divisor);
    return text;
}

} // namespace

const std::vector<TLiveReading>& Of(int family, bool membrane) {
    static const std::vector<TLiveReading> kTables[] = {Thermal(false), Parallelism(), Regulator(),
                                                        Irrigation(), PositionIndicator()};
    static const std::vector<TLiveReading> kMembrane = Thermal(true);
    static const std::vector<TLiveReading> kNone;
    if (family == Family::kThermal && membrane)
        return kMembrane;
    return Family::IsFamily(family) ? kTables[family] : kNone;
}

std::set<int> Registers(const std::vector<TLiveReading>& readings, int unit) {
    std::set<int> regs;
    for (const TLiveReading& r : readings) {
        regs.insert(r.kind == TKind::PerUnit ? r.reg + unit : r.reg);
        if (r.kind == TKind::Counter)
            regs.insert(r.reg + 1);
        if (r.kind == TKind::Tap)
            regs.insert({kTapStyle, kTapReference});
        if (r.hiddenBy != 0)
            regs.insert(r.hiddenBy);
    }
    return regs;
}

std::string ValueText(const TLiveReading& r, const TRegisterImage& image, int unit) {
    if (r.hiddenBy != 0 && image.FetchRegister(r.hiddenBy) >= r.hiddenFrom)
        return kAbsent;
    const int cell = image.FetchRegister(r.kind == TKind::PerUnit ? r.reg + unit : r.reg);
    switch (r.kind) {
    case TKind::Counter: {
        const auto low = static_cast<std::uint32_t>(cell & 0xFFFF);
        const auto high = static_cast<std::uint32_t>(image.FetchRegister(r.reg + 1) & 0xFFFF);
        return Scaled(static_cast<double>(low | high << 16), r);
    }
    case TKind::Sensor:
        if (cell == 0 || cell == 0xFFFF)
            return kAbsent;
        break;
    case TKind::Tap:
        return TapPosition::Text(image.FetchRegister(kTapStyle), cell, image.FetchRegister(kTapReference))
            .value_or(kAbsent);
    default:
        break;
    }
    return Scaled(static_cast<double>(cell - r.offset), r);
}

} // namespace LiveReadings
