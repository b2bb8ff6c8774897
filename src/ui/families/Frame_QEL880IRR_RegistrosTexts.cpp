#include "ui/families/Frame_QEL880IRR_RegistrosTexts.h"

namespace Frame_QEL880IRR_RegistrosTexts {

constexpr std::array<Language::TText<TId>, Count> kTexts{{
    {RecordCount,
     {"Num. aprox. de registros no cartão:", "Aprox. num. of registers in card:",
      "Núm. aprox. de registros en la tarjeta:"}},
    {SaveInFile, {"Salvar em Arquivo", "Save in File", "Guardar en Archivo"}},
    {EraseRecords, {"Apagar Registros", "Erase Records", "Borrar Registros"}},
    {SaveTitle, {"Salver", "Save", "Guardar"}},
    {Filter, {"Arquivo de Texto (*.txt)|*.txt", "Text file (*.txt)|*.txt", "Archivo de Texto (*.txt)|*.txt"}},
    {Reading, {"Lendo registros...", "Reading records...", "Leyendo registros..."}},
    {AskErase, {"Confirma apagar registros?", "Confirm erase records?", "¿Confirma borrar registros?"}},
    {ErrorSending,
     {"Erro no envio do comando.", "Error sending the command.", "Error en el envío del comando."}},
    {CommandSent, {"Comando enviado", "Command sent", "Comando enviado"}},
    {FileSaved, {"Arquivo salvo.", "File saved.", "Archivo guardado"}},
    {ErrorSaving, {"Erro ao salvar o arquivo.", "Error saving the file.", "Error al guardar el archivo."}},
}};
static_assert(Language::InOrder(kTexts));

} // namespace Frame_QEL880IRR_RegistrosTexts
