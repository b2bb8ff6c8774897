#include "ui/thermal/FrameDownloadTexts.h"

namespace FrameDownloadTexts {

constexpr std::array<Language::TText<TId>, Count> kTexts{{
    {MaxTemperature, {"Temp. Máxima", "Max Temp.", "Temp. Máxima"}},
    {Timestamp, {"Timestamp48", "Timestamp48", "Timestamp48"}},
    {Time, {"Horário", "Time", "Horario"}},
    {WindingRow, {"Enr %1", "Wind %1", "Dev %1"}},
    {ResetMax, {"Zerar Máximos", "Reset Max", "Reajustar Máximos"}},
    {RecordedEvents, {"Num. Eventos Gravados: ", "Num. of Recorded Events: ", "Núm. Eventos Grabados: "}},
    {DownloadEvents, {"Baixar Eventos", "Download Events", "Descargar Eventos"}},
    {EraseEvents, {"Apagar Eventos", "Erase Events", "Borrar Eventos"}},
    {EventTimer,
     {"Timer Eventos (em min., 0 = desligado)", "Event Timer (in minutes, 0 = off)",
      "Timer Eventos (en min., 0 = apagado)"}},
    {SaveTitle, {"Salvar Eventos", "Save Events", "Guardar Eventos"}},
    {Filter,
     {"Log de Eventos (*.txt)|*.txt", "Event Log (*.txt)|*.txt", "Registro de Eventos (*.txt)|*.txt"}},
    {ErrorTimer,
     {"Valor de timer de eventos inválido. Deve ser um valor entre 0 e 60",
      "Invalid event timer value. It must be a number between 0 and 60.",
      "Valor de timer de eventos inválido. Debe ser un valor entre 0 y 60."}},
    {ErrorSending,
     {"Erro no envio do comando", "Error sending the command", "Error en el envío del comando"}},
    {AskReset,
     {"Deseja zerar os máximos?", "Would you like to reset the max values?",
      "¿Desea reajustar los máximos?"}},
    {AskErase,
     {"Deseja apagar todos os eventos?", "Would you like to erase all events?",
      "¿Desea borrar todos los eventos?"}},
    {Erased, {"Eventos apagados", "Events erased", "Eventos borrados"}},
    {ErrorErasing, {"Erro ao apagar os eventos", "Error erasing the events", "Error al borrar los eventos"}},
    {Downloading, {"Baixando... ", "Downloading... ", "Descargando... "}},
    {ErrorDownloading,
     {"Erro no download dos eventos do equipamento", "Error downloading the events from the device",
      "Error en la descarga de los eventos del equipo"}},
    {Downloaded, {"Download Concluído", "Download Successfull", "Descarga Concluida"}},
    {ErrorSaving, {"Erro ao salvar o arquivo.", "Error saving the file.", "Error al guardar el archivo."}},
}};
static_assert(Language::InOrder(kTexts));

} // namespace FrameDownloadTexts
