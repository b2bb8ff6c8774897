#include "ui/shell/FormConectaCom.h"

#include "persistence/ProgramMainConf.h"
#include "ui/common/UserPrompts.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSerialPortInfo>

namespace {

const int kBauds[] = {9600, 19200, 38400, 57600, 115200};
const char* const kFormats[] = {"8N1", "8E1", "8O1", "8N2"};
const std::uint8_t kParity[] = {0, 1, 2, 0};
const std::uint8_t kStopBits[] = {0, 0, 0, 2};

struct TTexts {
    const char* caption;
    const char* port;
    const char* address;
    const char* cancel;
    const char* badAddress;
};

const TTexts kTexts[3] = {
    {"Porta Serial", "Selecione a porta serial:", "Endereço Modbus", "Cancelar",
     "Endereço Modbus inválido. Deve ser um número entre 0 e 255."},
    {"Serial Port", "Select the serial port:", "ModBus Address", "Cancel",
     "Invalid Modbus address. It must be a number between 0 and 255."},
    {"Puerto Serial", "Seleccione el puerto serial:", "Dirección Modbus", "Cancelar",
     "Dirección Modbus inválida. Debe ser un número entre 0 y 255."},
};

} // namespace

TFormConectaCom::TFormConectaCom(bool usb, int language, TProgramMainConf& settings, TUserPrompts& prompts,
                                 QWidget* parent)
    : QDialog(parent), usb_(usb), language_(language >= 0 && language <= 2 ? language : 0),
      settings_(settings), prompts_(prompts), cbPortaCom_(new QComboBox(this)),
      edEnderecoModbus_(new QLineEdit(this)), cbBaudRate_(new QComboBox(this)),
      cbFormato_(new QComboBox(this)) {
    setObjectName("FormConectaCom");
    const TTexts& t = kTexts[language_];
    setWindowTitle(QString::fromUtf8(t.caption));
    cbPortaCom_->setObjectName("cbPortaCom");
    cbPortaCom_->setEditable(true); // a pseudo-terminal or any device path can be typed
    edEnderecoModbus_->setObjectName("edEnderecoModbus");
    cbBaudRate_->setObjectName("cbBaudRate");
    cbFormato_->setObjectName("cbFormato");
    for (int baud : kBauds)
        cbBaudRate_->addItem(QString::number(baud));
    for (const char* f : kFormats)
        cbFormato_->addItem(f);

    auto* form = new QFormLayout(this);
    auto* lblPorta = new QLabel(QString::fromUtf8(t.port), this);
    form->addRow(lblPorta);
    form->addRow(cbPortaCom_);
    auto* lblEndereco = new QLabel(QString::fromUtf8(t.address), this);
    lblEndereco->setObjectName("lblEnderecoModBus");
    auto* lblBaud = new QLabel("BaudRate", this);
    lblBaud->setObjectName("lblBaudRate");
    auto* lblFormato = new QLabel(language_ == 1 ? "Format" : "Formato", this);
    lblFormato->setObjectName("lblFormato");
    form->addRow(lblEndereco, edEnderecoModbus_);
    form->addRow(lblBaud, cbBaudRate_);
    form->addRow(lblFormato, cbFormato_);
    auto* buttons = new QHBoxLayout;
    auto* bbOk = new QPushButton("OK", this);
    bbOk->setObjectName("bbOk");
    bbOk->setDefault(true);
    auto* bbCancel = new QPushButton(QString::fromUtf8(t.cancel), this);
    bbCancel->setObjectName("bbCancel");
    buttons->addWidget(bbOk);
    buttons->addWidget(bbCancel);
    form->addRow(buttons);
    connect(bbOk, &QPushButton::clicked, this, &TFormConectaCom::bbOkClick);
    connect(bbCancel, &QPushButton::clicked, this, &QDialog::reject);

    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts())
        cbPortaCom_->addItem(port.systemLocation());
    cbPortaCom_->setCurrentIndex(cbPortaCom_->count() > 0 ? 0 : -1);
    edEnderecoModbus_->setText(QString::number(settings_.connection[0].modbusAddress));
    cbBaudRate_->setCurrentIndex(cbBaudRate_->findText(QString::number(settings_.connection[0].baudRate)));
    const int format = settings_.connection[0].serialFormat;
    cbFormato_->setCurrentIndex(format >= 0 && format < 4 ? format : -1);
    for (QWidget* w : std::initializer_list<QWidget*>{lblEndereco, edEnderecoModbus_, lblBaud, cbBaudRate_,
                                                      lblFormato, cbFormato_})
        w->setVisible(!usb_);
}

QString TFormConectaCom::PortName() const {
    return cbPortaCom_->currentText().trimmed();
}

QString TFormConectaCom::AddressText() const {
    return edEnderecoModbus_->text();
}

void TFormConectaCom::bbOkClick() {
    if (usb_) {
        line_ = TLineSettings{115200, 0, 0};
        accept();
        return;
    }
    bool ok = false;
    const int address = edEnderecoModbus_->text().trimmed().toInt(&ok);
    if (!ok || address < 0 || address > 255) {
        prompts_.Error(this, QString::fromUtf8(kTexts[language_].badAddress));
        return;
    }
    const int format = cbFormato_->currentIndex();
    const int baud = cbBaudRate_->currentIndex();
    if (format < 0 || baud < 0)
        return; // stays open until both are chosen
    line_ = TLineSettings{kBauds[baud], kParity[format], kStopBits[format]};
    // Shared by every family.
    settings_.connection[0].modbusAddress = address;
    settings_.connection[0].baudRate = kBauds[baud];
    settings_.connection[0].serialFormat = format;
    settings_.Save();
    accept();
}
