#include "ui/shell/FrameConfGeralTexts.h"

namespace FrameConfGeralTexts {
namespace {

const char* const kTexts[Count][3] = {
    {"Conectar Serial", "Connect Serial", "Conectar Serial"},
    {"Conectar USB", "Connect USB", "Conectar USB"},
    {"Conectar IP", "Connect IP", "Conectar IP"},
    {"Desconectar", "Disconnect", "Desconectar"},
    {"Salvar Conf.", "Save Conf.", "Guardar Conf."},
    {"Carregar Conf.", "Load Conf.", "Cargar Conf."},
    {"Alterar Senha", "Change Password", "Cambiar Clave"},
    {"Alterar IP", "Change IP", "Cambiar IP"},
    {"Ajustar com relógio do PC", "Adjust with PC clock", "Ajustar con reloj del PC"},
    {"Ajustar manualmente", "Adjust Manually", "Ajustar manualmente"},
    {"Indicação", "Indication", "Indicación"},
    {"Temperatura", "Temperature", "Temperatura"},
    {"Grandeza", "Physical Quandity", "Magnitud"},
    {"Porcentagem", "Percentage", "Porcentaje"},
    {"Idioma do Equipamento", "Device Language", "Idioma del Equipo"},
    {"Português (BR)", "Portuguese (BR)", "Portugués (BR)"},
    {"Inglês", "English", "Inglés"},
    {"Espanhol", "Spanish", "Español"},
    {"Frequência de Operação", "Operation Frequency", "Frecuencia de Operación"},
    {"RTD", "RTD", "RTD"},
    {"Temp. (ºC)", "Temp. (ºC)", "Temp. (ºC)"},
    {"Resist. (ohms)", "Resist. (ohms)", "Resist. (ohms)"},
    {"Enr.", "Wind.", "Devan."},
    {"Corrente (A)", "Current (A)", "Corriente (A)"},
    {"Corrente (%)", "Current (%)", "Corriente (%)"},
    {"Não Conectado", "Not Connected", "No Conectado"},
    {"Num. Serie: ", "Serial Num.: ", "Num. Serie: "},
    {"Versão do firmware: ", "Firmware version: ", "Versión del firmware: "},
    {"Conectando...", "Connecting...", "Conectando..."},
    {"Conectando.....", "Connecting.....", "Conectando....."},
    {"Erro de acesso", "Access error", "Error de acceso"},
    {"O equipamento não respondeu a assininatura. É possível que o firmware esteja desatualizado.",
     "Device did not answer the signature. It is possible that the firmware is outdated.",
     "El equipo no respondió a la firma. Es posible que el firmware esté desactualizado."},
    {"Assinatura do equipamento é do %1. O seletor no topo da janela será trocado para %1.",
     "Device signature matches the %1. The box on the top of the screen will switch to %1.",
     "La firma del equipo es del %1. El selector en la parte superior de la ventana cambiará a %1."},
    {"Assinatura do equipamento inválida.", "Invalid device signature.", "Firma del equipo inválida."},
    {"Equipamento não está respondendo. É possível que o endereço IP esteja incorreto.",
     "The device is not answering. The device IP may be incorrect.",
     "El equipo no está respondiendo. Es posible que la dirección IP esté incorrecta."},
    {"Senha incorreta", "Password wrong", "Clave incorrecta"},
    {"O firmware do equipamento exige uma versão de software mais atualizada do que a atual. Atualize o "
     "software "
     "para a versão igual ou superior a ",
     "The device requires a more updated version on the software. Please update the software to a version "
     "greater "
     "or equal to ",
     "El firmware del equipo exige una versión de software más actualizada que la actual. Actualice el "
     "software a "
     "una versión igual o superior a "},
    {"IP inválido", "Invalid IP address", "IP inválido"},
    {"Erro no envio do comando.", "Error sending the command.", "Error en el envío del comando."},
    {"Deseja ajustar o relógio do equipamento com o horário do computador?",
     "Would you like to adjust the device clock with the current PC time?",
     "¿Desea ajustar el reloj del equipo con la hora del computador?"},
    {"Erro na leitura da configuração do equipamento.", "Error reading the configuration from the device.",
     "Error en la lectura de la configuración del equipo."},
    {"Configuração salva com sucesso", "Configuration saved successfully",
     "Configuración guardada con éxito"},
    {"Erro ao salvar a configuração", "Error saving the configuration", "Error al guardar la configuración"},
    {"Carregando configuração...", "Loading configuration...", "Cargando configuración..."},
    {"Configuração carregada com sucesso", "Configuration loaded successfully",
     "Configuración cargada con éxito"},
    {"Erro na configuração do equipamento. Algumas configurações podem não ter sido carregadas corretamente.",
     "Error loading the configuration. Some configurations may not have been loaded correctly.",
     "Error en la configuración del equipo. Algunas configuraciones pueden no haber sido cargadas "
     "correctamente."},
    {"Salvar Configuração", "Save Configuration", "Guardar Configuración"},
    {"Carregar Configuração", "Load Configuration", "Cargar Configuración"},
    {"Arquivo de Configuração (*.conf)|*.conf", "Config File (*.conf)|*.conf",
     "Arquivo de Configuración (*.conf)|*.conf"},
    {"%1 configurações estão ausentes do arquivo e serão ajustadas para os seus valores padrão. Carregar "
     "mesmo assim?",
     "%1 settings are missing from the file and will be set to their defaults. Load anyway?",
     "Faltan %1 configuraciones en el archivo y se ajustarán a sus valores predeterminados. ¿Cargar de "
     "todos modos?"},
    {"Não foi possível ler o arquivo.", "The file could not be read.", "No fue posible leer el archivo."},
    {"O nome deste arquivo tem caracteres que o programa não consegue guardar. Escolha um nome e uma "
     "pasta sem esses caracteres.",
     "This file name has characters the program cannot store. Choose a name and folder without them.",
     "El nombre de este archivo tiene caracteres que el programa no puede guardar. Elija un nombre y una "
     "carpeta sin ellos."},
    {"A conexão com o equipamento foi perdida.", "The connection to the device was lost.",
     "Se perdió la conexión con el equipo."},
};

} // namespace

const char* Get(TId id, int language) {
    return kTexts[id][language >= 0 && language <= 2 ? language : 0];
}

} // namespace FrameConfGeralTexts
