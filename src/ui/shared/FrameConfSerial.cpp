#include "ui/shared/FrameConfSerial.h"

#include "link/EquipComm.h"
#include "link/ReadBatch.h"
#include "model/Family.h"
#include "model/NumberRules.h"
#include "ui/common/CommitBatch.h"
#include "ui/common/CommitFilter.h"
#include "ui/common/RadioGroup.h"
#include "ui/common/Widgets.h"
#include "ui/shared/FrameConfSerialTexts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include <optional>
#include <string>

namespace {

using namespace FrameConfSerialTexts;

constexpr int kMaxDnpAddress = 0xFFEF;

// Port 1's register of each radio group; port i adds i. In the order a commit writes them.
constexpr std::array<int, 7> kGroupRegisters{1300, 1400, 1410, 1310, 1320, 1340, 1380};
// Port 1's register of each edit box.
constexpr std::array<int, 6> kEditRegisters{1420, 1430, 1330, 1360, 1370, 1350};
// The first register of every block the screen reads.
constexpr std::array<int, 13> kBlocks{1300, 1310, 1320, 1330, 1340, 1350, 1360,
                                      1370, 1380, 1400, 1410, 1420, 1430};

// Hexadecimal digits only, no prefix; too many digits never wrap round to a small value.
std::optional<int> ParseHexAddress(const QString& text) {
    const QString digits = text.trimmed();
    if (digits.isEmpty())
        return std::nullopt;
    int value = 0;
    for (QChar c : digits) {
        const int digit = QStringLiteral("0123456789abcdef").indexOf(c.toLower());
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + digit;
        if (value > kMaxDnpAddress)
            return std::nullopt;
    }
    return value;
}

// Milliseconds to tenths. The range is checked on the typed value itself, not on its rounding: 0.05
// would round to 0 tenths, which stands for "no delay".
std::optional<int> ParseTxDelay(const std::string& text) {
    const auto micro = NumberRules::ParseScaled(text, 6);
    if (!micro || (*micro != 0 && !NumberRules::InRange(*micro, 100'000, 200'000'000)))
        return std::nullopt;
    return NumberRules::ParseScaled(text, 1);
}

} // namespace

TFrameConfSerial::TFrameConfSerial(const TScreenContext& context, QWidget* parent)
    : TScreen(context, parent), background_(Widgets::Background(this)),
      commitFilter_(new TCommitFilter(
          background_, [this] { CommitControls(); }, this)) {
    setObjectName("FrameConfSerial");
    static_assert(EditCount == kEditRegisters.size() && GroupCount == kGroupRegisters.size());
    BuildLayout();
    ApplyLanguage(0);
}

void TFrameConfSerial::BuildLayout() {
    auto* layout = new QVBoxLayout(background_);
    auto* top = new QHBoxLayout;
    lblIndice_ = new QLabel(background_);
    lblIndice_->setObjectName("lblIndice");
    cbIndice_ = new QComboBox(background_);
    cbIndice_->setObjectName("cbIndice");
    connect(cbIndice_, &QComboBox::activated, this, [this](int index) {
        SelectPort(index);
        FillControls();
    });
    top->addWidget(lblIndice_);
    top->addWidget(cbIndice_);
    top->addStretch();
    layout->addLayout(top);

    lblNaoPodeModificar_ = new QLabel(background_);
    lblNaoPodeModificar_->setObjectName("lblNaoPodeModificar");
    lblNaoPodeModificar_->setStyleSheet("color: red; font-weight: bold;");
    lblNaoPodeModificar_->setWordWrap(true);
    lblNaoPodeModificar_->hide();
    layout->addWidget(lblNaoPodeModificar_);

    auto* gbConfig = new QGroupBox(background_);
    gbConfig->setObjectName("gbConfig");
    auto* config = new QGridLayout(gbConfig);
    config->addWidget(Group(ModeGroup, "rgModo", 2, gbConfig), 0, 0, Qt::AlignLeft);
    config->addWidget(BuildModbus(), 1, 0, Qt::AlignTop);
    config->addWidget(BuildDnp3(), 1, 1, Qt::AlignTop);
    layout->addWidget(gbConfig, 0, Qt::AlignLeft);
    layout->addStretch();
}

QWidget* TFrameConfSerial::BuildModbus() {
    gbModBus_ = new QGroupBox("ModBus", background_);
    gbModBus_->setObjectName("gbModBus");
    auto* grid = new QGridLayout(gbModBus_);
    grid->addWidget(Group(ModbusBaudGroup, "rgModBusBaudRate", 1, gbModBus_), 0, 0, 1, 2);
    grid->addWidget(Group(ModbusFormatGroup, "rgModBusFormat", 1, gbModBus_), 1, 0, 1, 2);
    grid->addWidget(Label(ModbusAddressEdit, "lblModBusEndereco", gbModBus_), 2, 0);
    grid->addWidget(Edit(ModbusAddressEdit, "edModBusEndereco", gbModBus_), 2, 1);
    grid->addWidget(Label(TxDelayEdit, "lblModBusTXDelay", gbModBus_), 3, 0);
    grid->addWidget(Edit(TxDelayEdit, "edModBusTXDelay", gbModBus_), 3, 1);
    grid->setRowStretch(4, 1);
    return gbModBus_;
}

QWidget* TFrameConfSerial::BuildDnp3() {
    gbDNP3_ = new QGroupBox("DNP3", background_);
    gbDNP3_->setObjectName("gbDNP3");
    auto* grid = new QGridLayout(gbDNP3_);
    grid->addWidget(Group(DnpBaudGroup, "rgDNP3BaudRate", 1, gbDNP3_), 0, 0, 2, 1);
    grid->addWidget(Group(DnpFormatGroup, "rgDNP3Format", 1, gbDNP3_), 0, 1, 2, 1);
    grid->addWidget(Group(DnpAppConfGroup, "rgDNP3AppLayerConf", 1, gbDNP3_), 0, 2);
    grid->addWidget(Group(DnpInterframeGroup, "rgDNP3InterframeGap", 2, gbDNP3_), 1, 2);
    // Label and box side by side, one setting a row.
    auto* edits = new QGridLayout;
    const std::array<std::pair<TEditId, std::pair<const char*, const char*>>, 4> rows{{
        {DnpAddressEdit, {"lblDNP3Endereco", "edDNP3Endereco"}},
        {BackoffFixedEdit, {"lblDNP3BackoffFixed", "edDNP3BackoffFixed"}},
        {BackoffRandomEdit, {"lblDNP3BackoffRandom", "edDNP3BackoffRandom"}},
        {InterOctetEdit, {"lblDNP3InterOctetGap", "edDNP3InterOctetGap"}},
    }};
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const auto& [id, names] = rows[static_cast<std::size_t>(row)];
        edits->addWidget(Label(id, names.first, gbDNP3_), row, 0);
        edits->addWidget(Edit(id, names.second, gbDNP3_), row, 1);
    }
    edits->setColumnStretch(2, 1);
    grid->addLayout(edits, 2, 0, 1, 3);
    return gbDNP3_;
}

TRadioGroup* TFrameConfSerial::Group(TGroupId id, const char* name, int columns, QWidget* parent) {
    auto* group = new TRadioGroup(name, columns, parent);
    connect(group, &TRadioGroup::itemClicked, this, &TScreen::CommitControls);
    groups_[id] = group;
    return group;
}

QLabel* TFrameConfSerial::Label(TEditId id, const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    labels_[id] = label;
    return label;
}

QLineEdit* TFrameConfSerial::Edit(TEditId id, const char* name, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMaximumWidth(90);
    commitFilter_->Watch(box);
    edits_[id] = box;
    return box;
}

int TFrameConfSerial::Ports() const {
    return Session().Family() == Family::kParallelism ? 1 : 3;
}

void TFrameConfSerial::SelectPort(int index) {
    port_ = index >= 0 && index < Ports() ? index : 0;
    cbIndice_->setCurrentIndex(port_);
}

void TFrameConfSerial::ShowScreen(int language) {
    if (Ports() == 1 || cbIndice_->currentIndex() < 0)
        SelectPort(0);
    TScreen::ShowScreen(language);
}

void TFrameConfSerial::Retranslate() {
    auto t = [l = Language()](TId id) { return Text(id, l); };
    lblIndice_->setText(t(PortIndex));
    lblNaoPodeModificar_->setText(t(CannotModify));
    groups_[ModeGroup]->setTitle(t(Mode));
    groups_[ModbusBaudGroup]->setTitle(t(BaudRate));
    groups_[DnpBaudGroup]->setTitle(t(BaudRate));
    groups_[ModbusFormatGroup]->setTitle(t(Format));
    groups_[DnpFormatGroup]->setTitle(t(Format));
    groups_[DnpAppConfGroup]->setTitle(t(AppLayerConfirm));
    groups_[DnpInterframeGroup]->setTitle(t(InterframeGap));
    labels_[ModbusAddressEdit]->setText(t(Address));
    labels_[TxDelayEdit]->setText(t(TxDelay));
    labels_[DnpAddressEdit]->setText(t(HexAddress));
    labels_[BackoffFixedEdit]->setText(t(BackoffFixed));
    labels_[BackoffRandomEdit]->setText(t(BackoffRandom));
    labels_[InterOctetEdit]->setText(t(InterOctetGap));

    const QStringList ports{"1", "2", "3"};
    for (int i = 0; i < static_cast<int>(ports.size()); ++i) {
        if (i < cbIndice_->count())
            cbIndice_->setItemText(i, ports[i]);
        else
            cbIndice_->addItem(ports[i]);
    }
    const QStringList bauds{"9600", "19200", "38400", "57600", "115200"};
    const QStringList formats{"8N1", "8E1", "8O1", "8N2"};
    groups_[ModeGroup]->SetItems({"ModBus", "DNP3"});
    groups_[ModbusBaudGroup]->SetItems(bauds);
    groups_[DnpBaudGroup]->SetItems(bauds);
    groups_[ModbusFormatGroup]->SetItems(formats);
    groups_[DnpFormatGroup]->SetItems(formats);
    groups_[DnpAppConfGroup]->SetItems({t(OnlyEvents), t(Always)});
    groups_[DnpInterframeGroup]->SetItems({t(Never), t(Always)});
}

void TFrameConfSerial::QueueReads(TReadBatch& batch) {
    for (int first : kBlocks)
        batch.Add(first, Ports());
}

void TFrameConfSerial::Fill() {
    const bool several = Ports() > 1;
    lblIndice_->setVisible(several);
    cbIndice_->setVisible(several);
    const bool connected = Session().IsConnected();
    lblNaoPodeModificar_->setVisible(connected && Session().SerialPortFlag());
    if (!connected)
        return;
    auto v = [this](int first) { return Session().FetchRegister(first + port_); };
    for (std::size_t g = 0; g < groups_.size(); ++g)
        groups_[g]->SetValue(v(kGroupRegisters[g]));
    for (std::size_t e = 0; e < edits_.size(); ++e) {
        if (edits_[e]->hasFocus())
            continue;
        const int value = v(kEditRegisters[e]);
        if (e == TxDelayEdit)
            edits_[e]->setText(QString::fromStdString(NumberRules::FormatScaled(value, 1)));
        else if (e == DnpAddressEdit)
            edits_[e]->setText(QString::asprintf("%.4x", static_cast<unsigned>(value)));
        else
            edits_[e]->setText(QString::number(value));
    }
}

void TFrameConfSerial::Commit() {
    // Over the device's own serial port a change could cut the link that carries it.
    if (Session().SerialPortFlag()) {
        FillControls();
        return;
    }
    auto t = [l = Language()](TId id) { return Text(id, l); };
    TCommitBatch batch(Session(), Prompts(), this, t(ErrorSending));
    auto reg = [this](int first) { return first + port_; };
    for (std::size_t g = 0; g < groups_.size(); ++g)
        if (const auto index = groups_[g]->ChosenIndex())
            batch.Write(reg(kGroupRegisters[g]), *index);

    auto text = [this](TEditId id) { return edits_[id]->text().toStdString(); };
    auto integer = [&](TEditId id, int low, int high, TId message) {
        const auto value = NumberRules::ParseInteger(text(id));
        if (value && NumberRules::InRange(*value, low, high))
            batch.Write(reg(kEditRegisters[id]), *value);
        else
            batch.Invalid(t(message));
    };
    integer(ModbusAddressEdit, 1, 247, InvalidModbusAddress);
    if (const auto tenths = ParseTxDelay(text(TxDelayEdit)))
        batch.Write(reg(kEditRegisters[TxDelayEdit]), *tenths);
    else
        batch.Invalid(t(InvalidTxDelay));
    if (const auto address = ParseHexAddress(edits_[DnpAddressEdit]->text()))
        batch.Write(reg(kEditRegisters[DnpAddressEdit]), *address);
    else
        batch.Invalid(t(InvalidDnpAddress));
    integer(BackoffFixedEdit, 1, 100, InvalidBackoff);
    integer(BackoffRandomEdit, 1, 100, InvalidBackoff);
    integer(InterOctetEdit, 2, 100, InvalidInterOctetGap);
    batch.Finish();
    FillControls();
}
