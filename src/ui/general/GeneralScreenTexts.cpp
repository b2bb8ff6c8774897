#include "ui/general/GeneralScreenTexts.h"

namespace GeneralScreenTexts {

constexpr std::array<Language::TText<TId>, Count> kTexts{{
    {ConnectSerial, {"Conectar Serial", "Connect Serial", "Conectar Serial"}},
    {ConnectUsb, {"Conectar USB", "Connect USB", "Conectar USB"}},
    {ConnectIp, {"Conectar IP", "Connect IP", "Conectar IP"}},
    {DisconnectCaption, {"Desconectar", "Disconnect", "Desconectar"}},
    {SaveConf, {"Salvar Conf.", "Save Conf.", "Guardar Conf."}},
    {LoadConf, {"Carregar Conf.", "Load Conf.", "Cargar Conf."}},
    {ChangePassword, {"Alterar Senha", "Change Password", "Cambiar Clave"}},
    {ChangeIp, {"Alterar IP", "Change IP", "Cambiar IP"}},
    {AdjustPc, {"Ajustar com relógio do PC", "Adjust with PC clock", "Ajustar con reloj del PC"}},
    {AdjustManual, {"Ajustar manualmente", "Adjust Manually", "Ajustar manualmente"}},
    {DeviceLanguage, {"Idioma do Equipamento", "Device Language", "Idioma del Equipo"}},
    {LanguagePortuguese, {"Português (BR)", "Portuguese (BR)", "Portugués (BR)"}},
    {LanguageEnglish, {"Inglês", "English", "Inglés"}},
    {LanguageSpanish, {"Espanhol", "Spanish", "Español"}},
    {NotConnected, {"Não Conectado", "Not Connected", "No Conectado"}},
    {SerialNumber, {"Num. Serie: ", "Serial Num.: ", "Num. Serie: "}},
    {FirmwareVersion, {"Versão do firmware: ", "Firmware version: ", "Versión del firmware: "}},
    {Connecting, {"Conectando...", "Connecting...", "Conectando..."}},
    {ConnectingMore, {"Conectando.....", "Connecting.....", "Conectando....."}},
    {AccessError, {"Erro de acesso", "Access error", "Error de acceso"}},
    {PortDenied,
     {"O sistema não deu acesso a esta porta serial ao seu usuário. As portas seriais são do grupo "
      "dialout: adicione o usuário a ele (sudo usermod -aG dialout $USER) e entre de novo na sessão.",
      "The system refused your user access to this serial port. Serial ports belong to the dialout "
      "group: add the user to it (sudo usermod -aG dialout $USER) and log in again.",
      "El sistema no dio acceso a este puerto serie a su usuario. Los puertos serie son del grupo "
      "dialout: agregue el usuario a él (sudo usermod -aG dialout $USER) e inicie sesión de nuevo."}},
    {NoSignature,
     {"O equipamento não respondeu a assininatura. É possível que o firmware esteja desatualizado.",
      "Device did not answer the signature. It is possible that the firmware is outdated.",
      "El equipo no respondió a la firma. Es posible que el firmware esté desactualizado."}},
    {SignatureOf,
     {"Assinatura do equipamento é do %1. O seletor no topo da janela será trocado para %1.",
      "Device signature matches the %1. The box on the top of the screen will switch to %1.",
      "La firma del equipo es del %1. El selector en la parte superior de la ventana cambiará a %1."}},
    {InvalidSignature,
     {"Assinatura do equipamento inválida.", "Invalid device signature.", "Firma del equipo inválida."}},
    {NotAnswering,
     {"Equipamento não está respondendo. É possível que o endereço IP esteja incorreto.",
      "The device is not answering. The device IP may be incorrect.",
      "El equipo no está respondiendo. Es posible que la dirección IP esté incorrecta."}},
    {NotAnsweringCom,
     {"Equipamento não está respondendo. É possível que a porta COM esteja incorreta.",
      "The device is not answering. The COM port may be incorrect.",
      "El equipo no está respondiendo. Es posible que el puerto COM esté incorrecto."}},
    {PasswordWrong, {"Senha incorreta", "Password wrong", "Clave incorrecta"}},
    {NeedsNewer,
     {"O firmware do equipamento exige uma versão de software mais atualizada do que a atual. Atualize o "
      "software "
      "para a versão igual ou superior a ",
      "The device requires a more updated version on the software. Please update the software to a version "
      "greater "
      "or equal to ",
      "El firmware del equipo exige una versión de software más actualizada que la actual. Actualice el "
      "software a "
      "una versión igual o superior a "}},
    {InvalidIp, {"IP inválido", "Invalid IP address", "IP inválido"}},
    {ErrorSending,
     {"Erro no envio do comando.", "Error sending the command.", "Error en el envío del comando."}},
    {AskClock,
     {"Deseja ajustar o relógio do equipamento com o horário do computador?",
      "Would you like to adjust the device clock with the current PC time?",
      "¿Desea ajustar el reloj del equipo con la hora del computador?"}},
    {ErrorReadingConf,
     {"Erro na leitura da configuração do equipamento.", "Error reading the configuration from the device.",
      "Error en la lectura de la configuración del equipo."}},
    {SavedOk,
     {"Configuração salva com sucesso", "Configuration saved successfully",
      "Configuración guardada con éxito"}},
    {SaveError,
     {"Erro ao salvar a configuração", "Error saving the configuration",
      "Error al guardar la configuración"}},
    {LoadingConf, {"Carregando configuração...", "Loading configuration...", "Cargando configuración..."}},
    {LoadedOk,
     {"Configuração carregada com sucesso", "Configuration loaded successfully",
      "Configuración cargada con éxito"}},
    {LoadError,
     {"Erro na configuração do equipamento. Algumas configurações podem não ter sido carregadas "
      "corretamente.",
      "Error loading the configuration. Some configurations may not have been loaded correctly.",
      "Error en la configuración del equipo. Algunas configuraciones pueden no haber sido cargadas "
      "correctamente."}},
    {SaveTitle, {"Salvar Configuração", "Save Configuration", "Guardar Configuración"}},
    {LoadTitle, {"Carregar Configuração", "Load Configuration", "Cargar Configuración"}},
    {ConfFilter,
     {"Arquivo de Configuração (*.conf)|*.conf", "Config File (*.conf)|*.conf",
      "Arquivo de Configuración (*.conf)|*.conf"}},
    {MissingKeys,
     {"%1 configurações estão ausentes do arquivo e serão ajustadas para os seus valores padrão. Carregar "
      "mesmo assim?",
      "%1 settings are missing from the file and will be set to their defaults. Load anyway?",
      "Faltan %1 configuraciones en el archivo y se ajustarán a sus valores predeterminados. ¿Cargar de "
      "todos modos?"}},
    {NothingToLoad,
     {"O arquivo tem as mesmas configurações do equipamento. Nada foi enviado.",
      "The file holds the device's own settings. Nothing was sent.",
      "El archivo tiene la misma configuración del equipo. No se envió nada."}},
    {FileUnreadable,
     {"Não foi possível ler o arquivo.", "The file could not be read.", "No fue posible leer el archivo."}},
    {PathNotStorable,
     {"O nome deste arquivo tem caracteres que o programa não consegue guardar. Escolha um nome e uma "
      "pasta sem esses caracteres.",
      "This file name has characters the program cannot store. Choose a name and folder without them.",
      "El nombre de este archivo tiene caracteres que el programa no puede guardar. Elija un nombre y una "
      "carpeta sin ellos."}},
    {DeviceLost,
     {"A conexão com o equipamento foi perdida.", "The connection to the device was lost.",
      "Se perdió la conexión con el equipo."}},
    {CommandSent, {"Comando enviado", "Command sent", "Comando enviado"}},
}};
static_assert(Language::InOrder(kTexts));

} // namespace GeneralScreenTexts
