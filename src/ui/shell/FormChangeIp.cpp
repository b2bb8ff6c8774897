#include "ui/shell/FormChangeIp.h"

#include "link/EquipComm.h"
#include "link/Ipv4Address.h"
#include "link/ReadBatch.h"
#include "model/NumberRules.h"
#include "persistence/Cp1252.h"
#include "ui/common/UserPrompts.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr int kIrrigation = 3;
constexpr double kWait = 0.5;

struct TTexts {
    const char *caption, *ip, *port, *modbus, *dnp3, *password, *wifiPort, *ipGot, *cancel, *badPort, *badIp,
        *badModbus, *badDnp3, *error, *doneTcp, *done, *noWifi, *weak, *medium, *good, *unread, *busy;
};

const TTexts kTexts[3] = {
    {"Trocar IP",
     "Endereço IP:",
     "Porta Software:",
     "Porta ModBus TCP:",
     "Porta DNP3 TCP:",
     "Senha:",
     "Porta Wifi:",
     "IP Recebido",
     "Cancelar",
     "Porta Software inválida. Deve ser um inteiro entre 0 e 65535.",
     "IP inválido.",
     "Porta ModBus TCP inválida. Deve ser um inteiro entre 0 e 65535.",
     "Porta DNP3 TCP inválida. Deve ser um inteiro entre 0 e 65535.",
     "Erro na configuração dos parâmetros.",
     "O equipamento utilizará o novo IP e porta imediatamente. Reinicie a conexão com o equipamento.",
     "O equipamento utilizará o novo IP e porta imediatamente.",
     "WI-FI não conectado",
     "Sinal Fraco",
     "Sinal Médio",
     "Sinal Bom",
     "O equipamento não respondeu à leitura das configurações de rede; elas ficam em branco e não podem "
     "ser enviadas. Abra esta janela novamente para tentar outra vez.",
     "A conexão está ocupada com outra operação; as configurações de rede não foram lidas e ficam em "
     "branco. Abra esta janela novamente quando a operação terminar."},
    {"Change IP",
     "IP Address:",
     "Software Port:",
     "ModBus TCP Port:",
     "DNP3 TCP Port:",
     "Password:",
     "Wifi Port:",
     "IP Received",
     "Cancel",
     "Invalid sotfware port. It must be an integer between 0 and 65535.",
     "Invalid IP.",
     "Invalid ModBus TCP port. It must be an integer between 0 and 65535.",
     "Invalid DNP3 port. It must be an integer between 0 and 65535.",
     "Error configuring the parameters.",
     "The device will use the new IP and port immediately. Restart the connection to the device.",
     "The device will use the new IP and port immediately.",
     "WI-FI not connected",
     "Weak Signal",
     "Medium Signal",
     "Good Signal",
     "The device did not answer the reading of its network settings; they are left blank and cannot be "
     "sent. Open this window again to try once more.",
     "The link is busy with another operation; the network settings were not read and are left blank. "
     "Open this window again when the operation has ended."},
    {"Cambiar IP",
     "Dirección IP:",
     "Puerta Software:",
     "Puerta ModBus TCP:",
     "Puerta DNP3 TCP:",
     "Clave:",
     "Puerta Wifi:",
     "IP Recibido",
     "Cancelar",
     "Puerta Software inválida. Debe ser un entero entre 0 y 65535.",
     "IP inválido.",
     "Puerta ModBus TCP inválida. Debe ser un entero entre 0 y 65535.",
     "Puerta DNP3 TCP inválida. Debe ser un entero entre 0 y 65535.",
     "Error en la configuración de los parámetros.",
     "El equipo utilizará el nuevo IP y puerta inmediatamente. Reinicie la conexión con el equipo.",
     "El equipo utilizará el nuevo IP y puerta inmediatamente.",
     "WI-FI no conectado",
     "Senal Debil",
     "Senal Media",
     "Senal Buena",
     "El equipo no respondió a la lectura de la configuración de red; queda en blanco y no puede "
     "enviarse. Abra esta ventana de nuevo para intentarlo otra vez.",
     "La conexión está ocupada con otra operación; la configuración de red no se leyó y queda en blanco. "
     "Abra esta ventana de nuevo cuando la operación termine."},
};

QString U(const char* t) {
    return QString::fromUtf8(t);
}

std::optional<int> PortOf(const QLineEdit* box) {
    bool ok = false;
    const int port = box->text().trimmed().toInt(&ok);
    return ok && port >= 0 && port <= 65535 ? std::optional<int>(port) : std::nullopt;
}

// Sixteen registers of character pairs, low byte first; characters past 32 are dropped.
std::vector<int> TextRegisters(const QString& text) {
    return NumberRules::PackText(Cp1252::FromUnicode(text), 16);
}

QLineEdit* Box(const char* name, QWidget* parent, bool readOnly = false) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(readOnly);
    return box;
}

} // namespace

TFormChangeIp::TFormChangeIp(TEquipComm& session, int language, TUserPrompts& prompts, QWidget* parent)
    : QDialog(parent), session_(session), prompts_(prompts),
      language_(language >= 0 && language <= 2 ? language : 0), edIp_(Box("edIp", this)),
      edPort_(Box("edPort", this)), edPortModBus_(Box("edPortModBus", this)),
      edPortDNP3_(Box("edPortDNP3", this)), edSSID_(Box("edSSID", this)), edPass_(Box("edPass", this)),
      edPortWifi_(Box("edPortWifi", this)), edIpGot_(Box("edIpGot", this, true)),
      edMac_(Box("edMac", this, true)), pnWifiSignal_(new QLabel(this)), timer_(new QTimer(this)) {
    setObjectName("FormChangeIp");
    pnWifiSignal_->setObjectName("pnWifiSignal");
    setWindowTitle(U(kTexts[language_].caption));
    auto* layout = new QHBoxLayout(this);
    QFormLayout* ipPart = BuildIpPart();
    layout->addLayout(ipPart);
    QGroupBox* wifi = BuildWifiPart();
    layout->addWidget(wifi);
    // Only the irrigation controller has Wi-Fi.
    wifi->setVisible(Irrigation());
    const bool ports = session_.NetworkPortFlag();
    for (QWidget* w : {static_cast<QWidget*>(edPortModBus_), static_cast<QWidget*>(edPortDNP3_)}) {
        w->setVisible(ports);
        if (QWidget* label = ipPart->labelForField(w))
            label->setVisible(ports);
    }
    TLinkFailure failure = TLinkFailure::None;
    if (!ReadSettings(ports, failure)) {
        // Said once; nothing can be sent from boxes the device did not fill.
        for (QLineEdit* box : findChildren<QLineEdit*>())
            box->setEnabled(false);
        findChild<QPushButton*>("bbOk")->setEnabled(false);
        const TTexts& t = kTexts[language_];
        prompts_.Error(parentWidget(), U(failure == TLinkFailure::Busy ? t.busy : t.unread));
        return;
    }
    if (Irrigation()) {
        Timer1Timer();
        connect(timer_, &QTimer::timeout, this, &TFormChangeIp::Timer1Timer);
        timer_->start(1500);
    }
}

QFormLayout* TFormChangeIp::BuildIpPart() {
    const TTexts& t = kTexts[language_];
    auto* ipPart = new QFormLayout;
    ipPart->addRow(U(t.ip), edIp_);
    ipPart->addRow(U(t.port), edPort_);
    ipPart->addRow(U(t.modbus), edPortModBus_);
    ipPart->addRow(U(t.dnp3), edPortDNP3_);
    auto* buttons = new QHBoxLayout;
    auto* bbOk = new QPushButton("OK", this);
    bbOk->setObjectName("bbOk");
    auto* bbCancel = new QPushButton(U(t.cancel), this);
    bbCancel->setObjectName("bbCancel");
    buttons->addWidget(bbOk);
    buttons->addWidget(bbCancel);
    ipPart->addRow(buttons);
    connect(bbOk, &QPushButton::clicked, this, &TFormChangeIp::bbOkClick);
    connect(bbCancel, &QPushButton::clicked, this, &QDialog::reject);
    return ipPart;
}

QGroupBox* TFormChangeIp::BuildWifiPart() {
    const TTexts& t = kTexts[language_];
    auto* wifi = new QGroupBox("Wi-Fi", this);
    wifi->setObjectName("gbWifi");
    auto* wifiPart = new QFormLayout(wifi);
    wifiPart->addRow("SSID:", edSSID_);
    wifiPart->addRow(U(t.password), edPass_);
    wifiPart->addRow(U(t.wifiPort), edPortWifi_);
    wifiPart->addRow(U(t.ipGot), edIpGot_);
    wifiPart->addRow("WI-FI MAC", edMac_);
    wifiPart->addRow(pnWifiSignal_);
    return wifi;
}

bool TFormChangeIp::ReadSettings(bool ports, TLinkFailure& failure) {
    TReadBatch batch(session_);
    batch.Add(1700, 2).Add(1702);
    if (ports)
        batch.Add(1703, 2);
    if (Irrigation()) {
        for (auto [first, count] :
             {std::pair{1720, 16}, {1740, 16}, {1760, 3}, {1770, 2}, {1774, 3}, {1780, 1}})
            batch.Add(first, count);
    }
    // Settings the device did not send (the image's zeros, another device's values) would be
    // written back by the next OK.
    const bool read = batch.Flush(kWait);
    failure = batch.Failure();
    if (!read)
        return false;
    edIp_->setText(QString::fromStdString(Ipv4Address::Format(session_.Image().IpAddress())));
    edPort_->setText(QString::number(session_.FetchRegister(1702)));
    edPortModBus_->setText(QString::number(session_.FetchRegister(1703)));
    edPortDNP3_->setText(QString::number(session_.FetchRegister(1704)));
    if (Irrigation())
        FillWifi();
    return true;
}

void TFormChangeIp::FillWifi() {
    const TRegisterImage& image = session_.Image();
    edSSID_->setText(Cp1252::ToUnicode(image.WifiName()));
    edPass_->setText(Cp1252::ToUnicode(image.WifiPassword()));
    edPortWifi_->setText(QString::number(session_.FetchRegister(1760)));
    QStringList mac;
    for (int reg = 1774; reg <= 1776; ++reg) {
        const int v = session_.FetchRegister(reg);
        mac << QStringLiteral("%1").arg(v & 0xFF, 2, 16, QLatin1Char('0')).toUpper()
            << QStringLiteral("%1").arg(v >> 8, 2, 16, QLatin1Char('0')).toUpper();
    }
    edMac_->setText(mac.join(' '));
}

bool TFormChangeIp::Irrigation() const {
    return session_.Family() == kIrrigation;
}

void TFormChangeIp::Timer1Timer() {
    if (!Irrigation())
        return;
    session_.ReadRegisters(1770, 2, true);
    session_.ReadRegisters(1780, 1, true);
    session_.FlushReads(kWait);
    const TTexts& t = kTexts[language_];
    const int high = session_.FetchRegister(1771);
    const int low = session_.FetchRegister(1770);
    edIpGot_->setText(
        high || low
            ? QStringLiteral("%1.%2.%3.%4").arg(high >> 8).arg(high & 0xFF).arg(low >> 8).arg(low & 0xFF)
            : U(t.noWifi));
    const int dbm = session_.Image().Cell(TGroup::WifiSignal);
    pnWifiSignal_->setText(U(dbm < -70 ? t.weak : dbm <= -61 ? t.medium : t.good));
}

void TFormChangeIp::WriteOrReport(bool ok) {
    if (!ok)
        prompts_.Error(this, U(kTexts[language_].error));
}

void TFormChangeIp::bbOkClick() {
    const TTexts& t = kTexts[language_];
    // Every field is checked before anything is written or queued.
    const auto port = PortOf(edPort_);
    if (!port) {
        prompts_.Error(this, U(t.badPort));
        return accept();
    }
    const auto ip = Ipv4Address::Parse(edIp_->text().trimmed().left(20).toStdString());
    if (!ip || *ip == 0xFFFFFFFFu) {
        prompts_.Error(this, U(t.badIp));
        return accept();
    }
    const bool ports = session_.NetworkPortFlag();
    const auto modbus = PortOf(edPortModBus_);
    const auto dnp3 = PortOf(edPortDNP3_);
    if (ports && !modbus) {
        prompts_.Error(this, U(t.badModbus));
        return accept();
    }
    if (ports && !dnp3) {
        prompts_.Error(this, U(t.badDnp3));
        return accept();
    }
    const auto wifiPort = PortOf(edPortWifi_);
    if (Irrigation() && !wifiPort) {
        prompts_.Error(this, U(t.badPort));
        return accept();
    }
    WriteOrReport(session_.WriteRegister(1700, static_cast<int>(*ip & 0xFFFF)));
    WriteOrReport(session_.WriteRegister(1701, static_cast<int>(*ip >> 16)));
    WriteOrReport(session_.WriteRegister(1702, *port));
    if (ports) {
        WriteOrReport(session_.WriteRegister(1703, *modbus));
        WriteOrReport(session_.WriteRegister(1704, *dnp3));
    }
    if (Irrigation()) {
        session_.WriteRegisters(1720, TextRegisters(edSSID_->text()), true);
        session_.WriteRegisters(1740, TextRegisters(edPass_->text()), true);
        session_.WriteRegister(1760, *wifiPort, true);
        WriteOrReport(session_.FlushWrites(kWait));
    }
    prompts_.Information(this, U(session_.IsTcp() ? t.doneTcp : t.done));
    accept();
}
