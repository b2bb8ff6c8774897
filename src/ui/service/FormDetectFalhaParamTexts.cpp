#include "ui/service/FormDetectFalhaParamTexts.h"

namespace FormDetectFalhaParamTexts {

constexpr std::array<Language::TText<TId>, Count> kTexts{{
    {Caption, {"Detecta Falha Membrana", "Detect Membrane Failure", "Detecta Falla Membrana"}},
    {Info,
     {"Nmin, Nmax, Nestim e Nmeas em segundos,  Nmm e Nme em amostras,  e Delta em ºC",
      "Nmin, Nmax, Nestim and Nmeas in seconds,  Nmm and Nme in samples,  and Delta in ºC",
      "Nmin, Nmax, Nestim y Nmeas en segundos,  Nmm y Nme en muestras,  y Delta en ºC"}},
    {Send, {"Envia", "Send", "Envía"}},
    {SaveMeasurements, {"Salvar Medidas", "Save Measurements", "Guardar Medidas"}},
    {SaveTitle, {"Salvar Dados", "Save Data", "Guardar Datos"}},
    {Filter, {"Arquivo texto (*.txt)|*.txt", "Text file (*.txt)|*.txt", "Archivo de texto (*.txt)|*.txt"}},
    {InvalidValue, {"Valor inválido: ", "Invalid value: ", "Valor inválido: "}},
    {ErrorSaving,
     {"Erro ao gravar o arquivo de medidas. O registro foi interrompido.",
      "Error writing the measurement file. Logging has stopped.",
      "Error al grabar el archivo de medidas. El registro se ha detenido."}},
    {CurrentMeasure, {"Medida Atual:  ", "Current Measure:  ", "Medida Actual:  "}},
    {StateSetup, {"Estado:  Setup", "State:  Setup", "Estado:  Setup"}},
    {StateStabilization, {"Estado:  Estabilização", "State:  Stabilization", "Estado:  Estabilización"}},
    {StateStimulus, {"Estado:  Estímulo", "State:  Stimulus", "Estado:  Estímulo"}},
    {StateWait, {"Estado:  Espera", "State:  Wait", "Estado:  Espera"}},
    {StateMeasure, {"Estado:  Medição", "State:  Measure", "Estado:  Medición"}},
    {StateDeadTime, {"Estado:  Tempo Morto", "State:  Dead Time", "Estado:  Tiempo Morto"}},
    {StateUnknown, {"Estado desconhecido", "Unknown State", "Estado desconocido"}},
}};
static_assert(Language::InOrder(kTexts));

} // namespace FormDetectFalhaParamTexts
