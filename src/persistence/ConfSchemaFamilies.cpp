#include "persistence/ConfSchema.h"

#include <tuple>
#include <utility>

namespace {

using K = TConfKind;

void Add(std::vector<TConfKey>& keys, const char* section, const std::string& key, int reg, int fallback,
         int error = -1) {
    keys.push_back({section, key, K::Value, reg, fallback, error < 0 ? reg : error});
}

// Tap position input: the regulator and the position indicator share 701..706.
void AddTapKeys(std::vector<TConfKey>& keys, const char* section) {
    const std::pair<const char*, int> tap[] = {{"ResPorPosicao", 100}, {"NumPos", 33},   {"ModoIndicacao", 0},
                                               {"PosNeutra", 1},       {"PosMinima", 1}, {"PosMaxima", 50}};
    for (int i = 0; i < 6; ++i)
        Add(keys, section, tap[i].first, 701 + i, tap[i].second);
}

// The analog outputs of the thermal monitor and the regulator; only the regulator has a current scale.
void AddOutputKeys(std::vector<TConfKey>& keys, bool currentScale) {
    Add(keys, "ConfSaida", "EscalaSaida", 301, 4);
    Add(keys, "ConfSaida", "FundoEscala", 302, 150);
    if (currentScale)
        Add(keys, "ConfSaida", "FundoEscalaCorrente", 303, 100);
    for (int k = 1; k <= 4; ++k)
        Add(keys, "ConfSaida", "SaidaCanalAssociado" + std::to_string(k), 309 + k, k - 1, 310);
}

} // namespace

std::vector<TConfKey> ThermalConfSchema() {
    std::vector<TConfKey> keys;
    AddGeneralKeys(keys, false);
    Add(keys, "ConfEquip", "UnidadeIndicacao", 201, 0);
    Add(keys, "ConfEquip", "FreqOperacao", 211, 0);
    Add(keys, "ConfEquip", "TimerEventos", 214, 0);
    struct TRelayKey {
        const char* key;
        int base;
        int fallback;
    };
    static const TRelayKey kRelayKeys[] = {
        {"SetPointRTD", 0, 100},
        {"HistereseRTD", 20, 1},
        {"Retardo", 40, 1},
        {"CanalAssociado", 60, 0},
        {"Forca", 80, 0},
        {"LogicaInversa", 100, 0},
        {"SetPointCorrente", 120, 0},
        {"HistereseCorrente", 140, 1},
        {"FuncaoAssociada", 160, 0},
    };
    for (int n = 1; n <= 10; ++n) {
        for (const TRelayKey& r : kRelayKeys)
            Add(keys, "ConfRele", r.key + std::to_string(n), r.base + n, r.fallback, r.base + 1);
    }
    Add(keys, "ConfRele", "ReleAlternado", 208, 0);
    Add(keys, "ConfRele", "ResfrDiarioInicio", 212, 0);
    Add(keys, "ConfRele", "ResfrDiarioDuracao", 213, 0);
    Add(keys, "ConfRele", "MaxDifTemp", 215, 200);
    for (int r = 1; r <= 6; ++r)
        Add(keys, "ConfRele", "ModoRedudante" + std::to_string(r), 1003 + r, r == 1 ? 1 : 0, 1004);
    Add(keys, "ConfRele", "NumRtds", 1002, 6);
    for (int k = 1; k <= 3; ++k) {
        Add(keys, "ConfCalc", "DeltaT" + std::to_string(k), 201 + k, 20, 202);
        Add(keys, "ConfCalc", "CorrenteNominal" + std::to_string(k), 204 + k, 50, 205);
    }
    Add(keys, "ConfCalc", "ConstTempo", 209, 30);
    Add(keys, "ConfCalc", "ConstM", 210, 8);
    AddOutputKeys(keys, false);
    AddSerialKeys(keys, 3);
    return keys;
}

std::vector<TConfKey> ParallelismConfSchema() {
    std::vector<TConfKey> keys;
    AddGeneralKeys(keys, false);
    const char* p = "ConfParalelismo";
    keys.push_back({p, "EnderecoBus", K::BusAddress, 1, 0, 1});
    struct TUnitKey {
        const char* key;
        int base;
        int fallback;
    };
    static const TUnitKey kUnitKeys[] = {
        {"TamanhoBus", 21, 0},      {"NumPosic", 41, 2},       {"ResistPorPosic", 61, 30},
        {"TempoErroParal", 81, 10}, {"TempoErroPos", 101, 10}, {"ConfRele7", 121, 0},
        {"ConfRele8", 141, 0},      {"ConfRele9", 161, 0},
    };
    for (const TUnitKey& u : kUnitKeys)
        keys.push_back({p, u.key, K::UnitValue, u.base, u.fallback, u.base});
    Add(keys, p, "ModoLeitura", 201, 0);
    keys.push_back({"ConfSaida", "EscalaSaida", K::UnitValue, 301, 4, 301});
    AddSerialKeys(keys, 1);
    return keys;
}

std::vector<TConfKey> RegulatorConfSchema() {
    std::vector<TConfKey> keys;
    AddGeneralKeys(keys, false);
    static const char* const kSetKeys[] = {"TensaoNominal",    "DesvioMaximo",    "TipoComando",
                                           "TipoTemporizacao", "TempoSubir",      "TempoDescer",
                                           "TempoRepeticao",   "HoraInicialHora", "HoraInicialMinuto",
                                           "HoraFinalHora",    "HoraFinalMinuto"};
    static const int kSetDefaults[] = {1150, 50, 0, 0, 20, 20, 10, 0, 0, 23, 59};
    static const std::string kSetSections[] = {"ConfConjunto0", "ConfConjunto1", "ConfConjunto2",
                                               "ConfConjunto3", "ConfConjunto4", "ConfConjunto5",
                                               "ConfConjunto6", "ConfConjunto7"};
    for (int s = 0; s < 8; ++s) {
        for (int j = 0; j < 11; ++j)
            keys.push_back(
                {kSetSections[s], kSetKeys[j], K::Value, 20 * s + j + 1, kSetDefaults[j], 20 * s + j + 1});
    }
    const std::pair<const char*, int> ldc[] = {{"Tipo", 0}, {"UR", 0}, {"UX", 0}, {"Z", 0}, {"CompMax", 20}};
    for (int i = 0; i < 5; ++i)
        Add(keys, "ConfLDC", ldc[i].first, 201 + i, ldc[i].second);
    const std::tuple<const char*, int, int> regulator[] = {
        {"DefasagemMontagem", 401, 0},  {"CircuitoMedicao", 402, 0},       {"RelacaoTP", 403, 100},
        {"RelacaoTC", 404, 100},        {"CorrenteNominal", 405, 50},      {"AlarmeSubTensao", 501, 50},
        {"AlarmeSobreTensao", 502, 50}, {"AlarmeSobreCorrente", 503, 150},
    };
    for (const auto& [key, reg, fallback] : regulator)
        Add(keys, "ConfQEL880R", key, reg, fallback);
    AddTapKeys(keys, "ConfQEL880R");
    Add(keys, "ConfQEL880R", "DesligaMedida", 707, 0);
    Add(keys, "ConfQEL880R", "TempoPulso", 708, 1);
    AddOutputKeys(keys, true);
    AddSerialKeys(keys, 3);
    return keys;
}

std::vector<TConfKey> PositionIndicatorConfSchema() {
    std::vector<TConfKey> keys;
    AddGeneralKeys(keys, false);
    AddTapKeys(keys, "ConfQEL880C");
    Add(keys, "ConfQEL880C", "ModoLeitura", 707, 0);
    Add(keys, "ConfSaida", "EscalaSaida", 301, 4);
    Add(keys, "ConfSaida", "FundoEscalaCorrente", 303, 100);
    AddSerialKeys(keys, 3);
    return keys;
}

std::vector<TConfKey> IrrigationConfSchema() {
    std::vector<TConfKey> keys;
    AddGeneralKeys(keys, true);
    const char* s = "ConfQEL880IRR";
    for (int c = 0; c < 5; ++c) {
        Add(keys, s, "CicloIrrHorario" + std::to_string(c), 1 + c, 0);
        Add(keys, s, "CicloIrrDuracao" + std::to_string(c), 11 + c, 0);
        Add(keys, s, "CicloIrrRamais" + std::to_string(c), 21 + c, 0);
    }
    Add(keys, s, "ConsumoMax", 31, 0);
    Add(keys, s, "BloquearConsumo", 32, 0);
    for (int i = 0; i < 6; ++i)
        Add(keys, s, "CicloIrrAtrasoRamal" + std::to_string(i), 40 + i, 0);
    static const char* const kSettings[] = {"SensorPressao", "PressaoFundoEscala", "PressaoMax",
                                            "PressaoMin",    "TimerPressaoMax",    "TimerPressaoMin"};
    for (int i = 0; i < 6; ++i)
        Add(keys, s, kSettings[i], 101 + i, 0);
    static const char* const kSetup[] = {"ModoOperacao",  "HidromHabilita", "HidromFator", "PluvHabilita",
                                         "PluvFator",     "PluvMax",        "PluvPeriodo", "Pt100Habilita",
                                         "RamosHabilita", "ManualDuracao",  "ManualRamais"};
    for (int i = 0; i < 11; ++i)
        Add(keys, s, kSetup[i], 201 + i, 0);
    keys.push_back({s, "RelayScreenSoftwareCommand", K::SaveOnly, 212, 0, 212});
    Add(keys, s, "PresencaAguaInvert", 213, 0);
    Add(keys, s, "PressostatoInvert", 214, 0);
    Add(keys, s, "BuzzerHabilita", 215, 0);
    for (int i = 0; i < 6; ++i)
        Add(keys, s, "PluvMaxRamal" + std::to_string(i), 220 + i, 0);
    AddSerialKeys(keys, 3);
    return keys;
}
