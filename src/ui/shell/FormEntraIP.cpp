#include "ui/shell/FormEntraIP.h"

#include "persistence/Cp1252.h"
#include "ui/common/UserPrompts.h"
#include "ui/common/Widgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHostInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QNetworkInterface>
#include <QPushButton>
#include <QTimer>

namespace {

using Widgets::Button;

constexpr int kDefaultPort = 43101;
const char* const kDefaultIp = "192.168.1.50";

struct TTexts {
    const char *caption, *pcIp, *byIp, *deviceIp, *defaultIp, *port, *defaultPort, *byAddress, *address,
        *list, *name, *save, *remove, *newDevice, *badPort, *hostNotFound, *commError, *forceDefault1,
        *forceDefault2;
};

const TTexts kTexts[3] = {
    {"Entre com os IPs", "IP do Computador:", "Conectar com IP", "IP do equipamento:", "IP Padrão", "Porta",
     "Porta Padrão", "Conectar com endereço", "Endereço", "Lista de Equipamentos Salvos",
     "Nome do Equipamento", "Salvar Configuração", "Excluir Equipamento", "-Novo Equipamento-",
     "Porta inválida. Deve ser um inteiro entre 0 e 65535.",
     "Host não encontrado. Verifique o endereço digitado.", "Erro de comunicação com o servidor",
     "Para forçar o equipamento a utilizar o endereço IP e porta padrão (192.168.1.50 : ",
     "), ligue-o\rsegurando o botão PROG. Atenção: isso APAGARÁ TODAS AS CONFIGURAÇÔES."},
    {"Configure the IPs", "Computer IP", "Connect with IP", "Device IP:", "Default IP", "Port",
     "Default Port", "Connect with address", "Address", "Saved Device List", "Device Name",
     "Save Configuration", "Delete Device", "-New Device-",
     "Invalid port. It must be an integer between 0 and 65535.", "Host not found. Check the address typed.",
     "Communication error with the server.",
     "In order to force de device to use its default IP and port (192.168.1.50 : ",
     "), turn it on holding\rthe PROG button. Warning: This will RESET ALL CONFIGURATION."},
    {"Configurar IPs", "IP del Computador:", "Conectar con IP", "IP del equipo:", "IP por Defecto", "Puerta",
     "Puerta por Defecto", "Conectar con dirección", "Dirección", "Lista de Equipos Guardados",
     "Nombre del Equipo", "Guardar Configuración", "Borrar Equipo", "-Nuevo Equipo-",
     "Puerta inválida. Debe ser un entero entre 0 y 65535.",
     "Host no encontrado. Verifique la dirección escrita.", "Error de comunicación con el servidor.",
     "Para forzar el equipo a utilizar la dirección IP y puerta por defecto (192.168.1.50 : ",
     "), enciéndalo\rmanteniendo el botón PROG. Atención: esto BORRARÁ TODAS LAS CONFIGURACIONES."},
};

QString U(const char* text) {
    return QString::fromUtf8(text);
}

} // namespace

TFormEntraIP::TFormEntraIP(int language, const std::string& deviceListPath, TUserPrompts& prompts,
                           QWidget* parent)
    : QDialog(parent), language_(language >= 0 && language <= 2 ? language : 0), prompts_(prompts),
      list_(deviceListPath), cbPCIP_(new QComboBox(this)), edEquipIP_(new QLineEdit(this)),
      edPorta_(new QLineEdit(this)), edEndereco_(new QLineEdit("localhost", this)),
      edDominioPorta_(new QLineEdit(this)), lbDeviceList_(new QListWidget(this)),
      edNome_(new QLineEdit(this)), bbDelete_(new QPushButton(this)) {
    setObjectName("FormEntraIP");
    cbPCIP_->setEditable(true);
    for (const QNetworkInterface& iface : QNetworkInterface::allInterfaces()) {
        const auto flags = iface.flags();
        if (!(flags & QNetworkInterface::IsUp) || (flags & QNetworkInterface::IsLoopBack) ||
            (flags & QNetworkInterface::IsPointToPoint))
            continue;
        for (const QNetworkAddressEntry& entry : iface.addressEntries()) {
            const QHostAddress ip = entry.ip();
            if (ip.protocol() == QAbstractSocket::IPv4Protocol && ip.toIPv4Address() != 0)
                cbPCIP_->addItem(ip.toString());
        }
    }
    BuildLayout();
    ApplyLanguage();
    list_.Load();
    ReloadList(0);
}

void TFormEntraIP::BuildLayout() {
    cbPCIP_->setObjectName("cbPCIP");
    edEquipIP_->setObjectName("edEquipIP");
    edPorta_->setObjectName("edPorta");
    edEndereco_->setObjectName("edEndereco");
    edDominioPorta_->setObjectName("edDominioPorta");
    lbDeviceList_->setObjectName("lbDeviceList");
    edNome_->setObjectName("edNome");
    bbDelete_->setObjectName("bbDelete");

    auto* grid = new QGridLayout(this);
    auto* lblIpPc = new QLabel(this);
    lblIpPc->setObjectName("lblIpPc");
    grid->addWidget(lblIpPc, 0, 0);
    grid->addWidget(cbPCIP_, 1, 0);
    grid->addWidget(BuildIpGroup(), 2, 0);
    grid->addWidget(BuildAddressGroup(), 3, 0);
    BuildListPart(grid);
    ConnectControls();
}

QGroupBox* TFormEntraIP::BuildIpGroup() {
    auto* gbIp = new QGroupBox(this);
    gbIp->setObjectName("gbIp");
    auto* ipLayout = new QGridLayout(gbIp);
    auto* lblEquipIP = new QLabel(gbIp);
    lblEquipIP->setObjectName("lblEquipIP");
    auto* lblPorta = new QLabel(gbIp);
    lblPorta->setObjectName("lblPorta");
    ipLayout->addWidget(lblEquipIP, 0, 0);
    ipLayout->addWidget(edEquipIP_, 0, 1);
    ipLayout->addWidget(Button("bbIPPadrao", gbIp), 0, 2);
    ipLayout->addWidget(lblPorta, 1, 0);
    ipLayout->addWidget(edPorta_, 1, 1);
    ipLayout->addWidget(Button("bbPortaPadrao", gbIp), 1, 2);
    ipLayout->addWidget(Button("bbOk", gbIp), 2, 2);
    return gbIp;
}

QGroupBox* TFormEntraIP::BuildAddressGroup() {
    auto* gbDominio = new QGroupBox(this);
    gbDominio->setObjectName("gbDominio");
    auto* dLayout = new QGridLayout(gbDominio);
    auto* lblEndereco = new QLabel(gbDominio);
    lblEndereco->setObjectName("lblEndereco");
    auto* lblDominioPorta = new QLabel(gbDominio);
    lblDominioPorta->setObjectName("lblDominioPorta");
    dLayout->addWidget(lblEndereco, 0, 0);
    dLayout->addWidget(edEndereco_, 0, 1);
    dLayout->addWidget(lblDominioPorta, 1, 0);
    dLayout->addWidget(edDominioPorta_, 1, 1);
    dLayout->addWidget(Button("bbDominioPortaPadrao", gbDominio), 1, 2);
    dLayout->addWidget(Button("bbOkEndereco", gbDominio), 2, 2);
    return gbDominio;
}

void TFormEntraIP::BuildListPart(QGridLayout* grid) {
    auto* lblList = new QLabel(this);
    lblList->setObjectName("lblDeviceList");
    grid->addWidget(lblList, 0, 1);
    lbDeviceList_->setDragDropMode(QAbstractItemView::InternalMove);
    lbDeviceList_->setDefaultDropAction(Qt::MoveAction);
    grid->addWidget(lbDeviceList_, 1, 1, 2, 1);
    auto* lblNome = new QLabel(this);
    lblNome->setObjectName("lblNome");
    auto* nameRow = new QGridLayout;
    nameRow->addWidget(lblNome, 0, 0);
    nameRow->addWidget(edNome_, 0, 1);
    nameRow->addWidget(Button("bbSave", this), 1, 0);
    nameRow->addWidget(bbDelete_, 1, 1);
    grid->addLayout(nameRow, 3, 1);
}

void TFormEntraIP::ConnectControls() {
    connect(findChild<QPushButton*>("bbOk"), &QPushButton::clicked, this, &TFormEntraIP::bbOkClick);
    connect(findChild<QPushButton*>("bbOkEndereco"), &QPushButton::clicked, this,
            &TFormEntraIP::bbOkEnderecoClick);
    for (const char* name : {"bbIPPadrao", "bbPortaPadrao", "bbDominioPortaPadrao"})
        connect(findChild<QPushButton*>(name), &QPushButton::clicked, this, &TFormEntraIP::bbIPPadraoClick);
    connect(edPorta_, &QLineEdit::textChanged, this, [this] { MirrorPort(edPorta_, edDominioPorta_); });
    connect(edDominioPorta_, &QLineEdit::textChanged, this,
            [this] { MirrorPort(edDominioPorta_, edPorta_); });
    connect(edNome_, &QLineEdit::textChanged, this, [this] { MirrorPort(edDominioPorta_, edPorta_); });
    connect(lbDeviceList_, &QListWidget::currentRowChanged, this, &TFormEntraIP::lbDeviceListClick);
    connect(findChild<QPushButton*>("bbSave"), &QPushButton::clicked, this, &TFormEntraIP::bbSaveClick);
    connect(bbDelete_, &QPushButton::clicked, this, &TFormEntraIP::bbDeleteClick);
    // The move is finished when the signal arrives; reorder the file once the view has settled.
    connect(lbDeviceList_->model(), &QAbstractItemModel::rowsMoved, this,
            [this] { QTimer::singleShot(0, this, &TFormEntraIP::OnRowsMoved); });
}

void TFormEntraIP::ApplyLanguage() {
    const TTexts& t = kTexts[language_];
    setWindowTitle(U(t.caption));
    findChild<QLabel*>("lblIpPc")->setText(U(t.pcIp));
    findChild<QGroupBox*>("gbIp")->setTitle(U(t.byIp));
    findChild<QLabel*>("lblEquipIP")->setText(U(t.deviceIp));
    findChild<QPushButton*>("bbIPPadrao")->setText(U(t.defaultIp));
    findChild<QLabel*>("lblPorta")->setText(U(t.port));
    findChild<QPushButton*>("bbPortaPadrao")->setText(U(t.defaultPort));
    findChild<QPushButton*>("bbOk")->setText("OK");
    findChild<QGroupBox*>("gbDominio")->setTitle(U(t.byAddress));
    findChild<QLabel*>("lblEndereco")->setText(U(t.address));
    findChild<QLabel*>("lblDominioPorta")->setText(U(t.port));
    findChild<QPushButton*>("bbDominioPortaPadrao")->setText(U(t.defaultPort));
    findChild<QPushButton*>("bbOkEndereco")->setText("OK");
    findChild<QLabel*>("lblDeviceList")->setText(U(t.list));
    findChild<QLabel*>("lblNome")->setText(U(t.name));
    findChild<QPushButton*>("bbSave")->setText(U(t.save));
    bbDelete_->setText(U(t.remove));
}

void TFormEntraIP::Preset(const QString& deviceIp, const QString& pcIp, int port, const QString& address) {
    if (deviceIp.size() > 1)
        edEquipIP_->setText(deviceIp);
    const int at = pcIp.size() < 2 ? -1 : cbPCIP_->findText(pcIp);
    cbPCIP_->setCurrentIndex(at >= 0 ? at : (cbPCIP_->count() > 0 ? 0 : -1));
    edPorta_->setText(QString::number(port));
    edEndereco_->setText(address);
}

QString TFormEntraIP::PcIp() const {
    return cbPCIP_->currentText();
}

QString TFormEntraIP::AddressText() const {
    return edEndereco_->text();
}

void TFormEntraIP::MirrorPort(QLineEdit* from, QLineEdit* to) {
    if (mirroring_)
        return;
    mirroring_ = true;
    to->setText(from->text());
    mirroring_ = false;
}

std::optional<int> TFormEntraIP::Port(QLineEdit* box) {
    bool ok = false;
    const int port = box->text().trimmed().toInt(&ok);
    if (!ok || port < 0 || port > 65535) {
        prompts_.Error(this, U(kTexts[language_].badPort));
        return std::nullopt;
    }
    return port;
}

void TFormEntraIP::keyPressEvent(QKeyEvent* event) {
    // Enter connects the way the group being typed in says: by address or by IP.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !qobject_cast<QPushButton*>(focusWidget())) {
        const auto* byAddress = findChild<QGroupBox*>("gbDominio");
        if (focusWidget() && byAddress->isAncestorOf(focusWidget()))
            bbOkEnderecoClick();
        else if (focusWidget() && findChild<QGroupBox*>("gbIp")->isAncestorOf(focusWidget()))
            bbOkClick();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFormEntraIP::bbOkClick() {
    const auto port = Port(edPorta_);
    if (!port)
        return;
    resultIp_ = edEquipIP_->text();
    resultPort_ = *port;
    done(QDialog::Accepted);
}

void TFormEntraIP::bbOkEnderecoClick() {
    const auto port = Port(edDominioPorta_);
    if (!port)
        return;
    const QHostInfo info = QHostInfo::fromName(edEndereco_->text().trimmed());
    if (info.error() == QHostInfo::HostNotFound) {
        prompts_.Error(this, U(kTexts[language_].hostNotFound));
        return;
    }
    if (info.error() != QHostInfo::NoError) {
        prompts_.Error(this, QStringLiteral("WSAError: %1").arg(static_cast<int>(info.error())));
        return;
    }
    // Devices speak IPv4: take the first IPv4 result even where the resolver lists IPv6 first.
    for (const QHostAddress& address : info.addresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol) {
            resultIp_ = address.toString();
            resultPort_ = *port;
            done(kByAddress);
            return;
        }
    }
    prompts_.Error(this, U(kTexts[language_].commError));
}

void TFormEntraIP::bbIPPadraoClick() {
    edEquipIP_->setText(kDefaultIp);
    edPorta_->setText(QString::number(kDefaultPort));
    edDominioPorta_->setText(QString::number(kDefaultPort));
    const TTexts& t = kTexts[language_];
    prompts_.Information(this, U(t.forceDefault1) + QString::number(kDefaultPort) + U(t.forceDefault2));
}

void TFormEntraIP::ReloadList(int select) {
    const QSignalBlocker block(lbDeviceList_);
    lbDeviceList_->clear();
    auto* first = new QListWidgetItem(U(kTexts[language_].newDevice), lbDeviceList_);
    first->setFlags(first->flags() & ~Qt::ItemIsDragEnabled);
    first->setData(Qt::UserRole, -1);
    int index = 0;
    for (const TSavedDevice& device : list_.Devices()) {
        auto* item = new QListWidgetItem(Cp1252::ToUnicode(device.name), lbDeviceList_);
        item->setData(Qt::UserRole, index++);
    }
    lbDeviceList_->setCurrentRow(std::clamp(select, 0, lbDeviceList_->count() - 1));
    lbDeviceListClick();
}

void TFormEntraIP::lbDeviceListClick() {
    const int row = lbDeviceList_->currentRow();
    const bool saved = row > 0 && row <= static_cast<int>(list_.Devices().size());
    bbDelete_->setVisible(saved);
    if (!saved)
        return;
    const TSavedDevice& d = list_.Devices()[static_cast<std::size_t>(row - 1)];
    edNome_->setText(Cp1252::ToUnicode(d.name));
    edEquipIP_->setText(Cp1252::ToUnicode(d.deviceIp));
    edPorta_->setText(Cp1252::ToUnicode(d.ipPort));
    edEndereco_->setText(Cp1252::ToUnicode(d.address));
    edDominioPorta_->setText(Cp1252::ToUnicode(d.addressPort));
}

void TFormEntraIP::bbSaveClick() {
    // A ";" would split the name; it is cut there when read back anyway.
    const TSavedDevice device{Cp1252::FromUnicode(edNome_->text().section(';', 0, 0)),
                              Cp1252::FromUnicode(edEquipIP_->text()), Cp1252::FromUnicode(edPorta_->text()),
                              Cp1252::FromUnicode(edEndereco_->text()),
                              Cp1252::FromUnicode(edDominioPorta_->text())};
    const int row = lbDeviceList_->currentRow();
    if (row > 0)
        list_.Replace(static_cast<std::size_t>(row - 1), device);
    else
        list_.Append(device);
    list_.Save();
    list_.Load();
    ReloadList(static_cast<int>(list_.Devices().size()));
}

void TFormEntraIP::bbDeleteClick() {
    const int row = lbDeviceList_->currentRow();
    if (row <= 0)
        return;
    list_.Remove(static_cast<std::size_t>(row - 1));
    list_.Save();
    list_.Load();
    ReloadList(row);
}

void TFormEntraIP::OnRowsMoved() {
    // The view's new order of the saved entries; "-New Device-" stays first whatever was dropped.
    std::vector<int> order;
    int moved = -1;
    for (int row = 0; row < lbDeviceList_->count(); ++row) {
        const int index = lbDeviceList_->item(row)->data(Qt::UserRole).toInt();
        if (index >= 0)
            order.push_back(index);
        if (lbDeviceList_->item(row)->isSelected() && index >= 0)
            moved = index;
    }
    TDeviceList reordered = list_;
    for (std::size_t i = 0; i < order.size(); ++i)
        reordered.Replace(i, list_.Devices()[static_cast<std::size_t>(order[i])]);
    list_ = reordered;
    list_.Save();
    list_.Load();
    const auto at = std::find(order.begin(), order.end(), moved);
    ReloadList(at == order.end() ? 0 : static_cast<int>(at - order.begin()) + 1);
}
