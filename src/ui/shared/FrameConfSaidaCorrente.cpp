#include "ui/shared/FrameConfSaidaCorrente.h"

#include "link/EquipComm.h"
#include "link/ReadBatch.h"
#include "model/Family.h"
#include "model/NumberRules.h"
#include "model/RegulatorOutputs.h"
#include "model/SharedRegisters.h"
#include "model/ThermalFitted.h"
#include "ui/common/CommitBatch.h"
#include "ui/common/CommitFilter.h"
#include "ui/common/RadioGroup.h"
#include "ui/common/Widgets.h"
#include "ui/shared/FrameConfSaidaCorrenteTexts.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <string>

namespace {

using namespace FrameConfSaidaCorrenteTexts;

constexpr int kRange = 301;
constexpr int kFullScale = 302;
constexpr int kCurrentFullScale = 303; // tenths of an ampere
constexpr int kChannel = 310;          // output k's channel at 310 + k
constexpr int kBoardType = 2660;
constexpr int kFixedRangeBoard = 2; // outputs 0-1 mA only
constexpr int kRanges = 5;          // 0-1, 0-5, 0-10, 0-20 and 4-20 mA
constexpr int kBusAddresses = 16;   // parallelism: one range per unit of the bus
// Keeps the selection where its position still exists; a longer or shorter list is rebuilt.
void SetListItems(QComboBox* list, const QStringList& items) {
    if (list->count() == items.size()) {
        for (int i = 0; i < static_cast<int>(items.size()); ++i)
            list->setItemText(i, items[i]);
        return;
    }
    const int index = list->currentIndex();
    list->clear();
    list->addItems(items);
    list->setCurrentIndex(index < static_cast<int>(items.size()) ? index : -1);
}

// Amperes to tenths, the range checked on the typed value rather than on its rounding.
std::optional<int> ParseCurrentFullScale(const std::string& text) {
    const auto micro = NumberRules::ParseScaled(text, 6);
    if (!micro || !NumberRules::InRange(*micro, 1'000'000, 10'000'000))
        return std::nullopt;
    return NumberRules::ParseScaled(text, 1);
}

} // namespace

TFrameConfSaidaCorrente::TFrameConfSaidaCorrente(const TScreenContext& context, QWidget* parent)
    : TScreen(context, parent), background_(Widgets::Background(this)),
      commitFilter_(new TCommitFilter(
          background_, [this] { CommitControls(); }, this)) {
    setObjectName("FrameConfSaidaCorrente");
    BuildLayout();
    ApplyLanguage(0);
}

void TFrameConfSaidaCorrente::BuildLayout() {
    auto* grid = new QGridLayout(background_);
    rgEscala_ = new TRadioGroup("rgEscala", 1, background_);
    connect(rgEscala_, &TRadioGroup::itemClicked, this, [this] {
        rangeForeign_ = false;
        CommitControls();
    });
    pnEscala0_1ma_ = Widgets::Panel("pnEscala0_1ma", background_);
    pnEscala0_1ma_->setMargin(6); // the text clear of the sunken edge
    pnEscala0_1ma_->hide();
    grid->addWidget(rgEscala_, 0, 0, 1, 2, Qt::AlignLeft);
    grid->addWidget(pnEscala0_1ma_, 1, 0, 1, 2, Qt::AlignLeft);

    auto edit = [this, grid](QLabel*& label, QLineEdit*& box, const char* labelName, const char* boxName,
                             int row) {
        label = new QLabel(background_);
        label->setObjectName(labelName);
        box = new QLineEdit(background_);
        box->setObjectName(boxName);
        box->setMaximumWidth(90);
        commitFilter_->Watch(box);
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1, Qt::AlignLeft);
    };
    edit(lblFundoEscala_, edFundoEscala_, "lblFundoEscala", "edFundoEscala", 2);
    edit(lblFundoEscalaCorrente_, edFundoEscalaCorrente_, "lblFundoEscalaCorrente", "edFundoEscalaCorrente",
         3);

    for (int k = 0; k < kOutputs; ++k) {
        auto* label = new QLabel(background_);
        label->setObjectName(QStringLiteral("lblSaidaAssociada%1").arg(k));
        auto* list = new QComboBox(background_);
        list->setObjectName(QStringLiteral("cbSaidaAssociada%1").arg(k));
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        connect(list, &QComboBox::activated, this, [this, k] {
            channelForeign_[static_cast<std::size_t>(k)] = false;
            CommitControls();
        });
        grid->addWidget(label, 4 + k, 0);
        grid->addWidget(list, 4 + k, 1, Qt::AlignLeft);
        lblSaidaAssociada_[static_cast<std::size_t>(k)] = label;
        cbSaidaAssociada_[static_cast<std::size_t>(k)] = list;
    }
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(4 + kOutputs, 1);
}

TFrameConfSaidaCorrente::TVariant TFrameConfSaidaCorrente::Variant() const {
    switch (Session().Family()) {
    case Family::kParallelism:
        return TVariant::Parallelism;
    case Family::kRegulator:
        return TVariant::Regulator;
    case Family::kPositionIndicator:
        return TVariant::PositionIndicator;
    default:
        return TVariant::Thermal;
    }
}

int TFrameConfSaidaCorrente::Lists() const {
    switch (Variant()) {
    case TVariant::Thermal:
        return kOutputs;
    case TVariant::Regulator:
        return 3;
    default:
        return 0;
    }
}

int TFrameConfSaidaCorrente::ShownOutputs() const {
    switch (Variant()) {
    case TVariant::Thermal:
        return std::max(ThermalFitted::Outputs(Session().Image()), 1); // output 1 always
    case TVariant::Regulator:
        return RegulatorOutputs::Fitted(Session().Image());
    default:
        return 0;
    }
}

std::optional<int> TFrameConfSaidaCorrente::RangeRegister() const {
    if (Variant() != TVariant::Parallelism)
        return kRange;
    const int address = Session().FetchRegister(SharedRegisters::kBusAddress);
    if (!NumberRules::InRange(address, 0, kBusAddresses - 1))
        return std::nullopt;
    return kRange + address;
}

void TFrameConfSaidaCorrente::Retranslate() {
    auto t = [l = Language()](TId id) { return Text(id, l); };
    rgEscala_->setTitle(t(Scale));
    rgEscala_->SetItems({"0-1 mA", "0-5 mA", "0-10 mA", "0-20 mA", "4-20 mA"});
    pnEscala0_1ma_->setText(t(ScaleFixed));
    lblFundoEscala_->setText(t(Variant() == TVariant::Regulator ? VoltageFullScale : FullScale));
    lblFundoEscalaCorrente_->setText(t(CurrentFullScale));
    for (int k = 0; k < kOutputs; ++k)
        lblSaidaAssociada_[static_cast<std::size_t>(k)]->setText(t(ChannelOfOutput).arg(k + 1));
    BuildChannelLists();
}

void TFrameConfSaidaCorrente::BuildChannelLists() {
    auto t = [l = Language()](TId id) { return Text(id, l); };
    QStringList names;
    codes_.clear();
    if (Variant() == TVariant::Regulator) {
        names = {t(VoltageChannel), t(CurrentChannel), t(TapChannel)};
        codes_ = {0, 1, 2};
    } else if (Variant() == TVariant::Thermal) {
        const int windings = ThermalFitted::Windings(Session().Image());
        const int rtds = ThermalFitted::Rtds(Session().Image());
        names << t(Oil);
        codes_.push_back(0);
        for (int winding = 1; winding <= windings; ++winding) {
            names << t(WindingPrefix) + QString::number(winding);
            codes_.push_back(winding);
        }
        // RTD 1 measures the oil.
        for (int rtd = 2; rtd <= rtds; ++rtd) {
            names << QStringLiteral("RTD %1").arg(rtd);
            codes_.push_back(rtd + 2);
        }
    }
    for (int k = 0; k < kOutputs; ++k)
        SetListItems(cbSaidaAssociada_[static_cast<std::size_t>(k)], k < Lists() ? names : QStringList());
}

void TFrameConfSaidaCorrente::QueueReads(TReadBatch& batch) {
    switch (Variant()) {
    case TVariant::Thermal:
        batch.Add(kRange).Add(kFullScale).Add(kChannel, 4).Add(kBoardType, 4);
        break;
    case TVariant::Regulator:
        batch.Add(kRange).Add(kFullScale, 2).Add(kChannel, 3).Add(kBoardType, 3);
        break;
    case TVariant::PositionIndicator:
        batch.Add(kRange).Add(kCurrentFullScale).Add(kBoardType);
        break;
    case TVariant::Parallelism:
        // The range to read depends on where the unit sits on the bus, which may have changed.
        TReadBatch(Session()).Add(SharedRegisters::kBusAddress).Flush();
        batch.Add(kBoardType);
        if (const auto reg = RangeRegister())
            batch.Add(*reg);
        break;
    }
}

void TFrameConfSaidaCorrente::Fill() {
    if (!Session().IsConnected())
        return;
    FillRange();
    auto v = [this](int reg) { return Session().FetchRegister(reg); };
    const TVariant variant = Variant();
    if ((variant == TVariant::Thermal || variant == TVariant::Regulator) && !edFundoEscala_->hasFocus())
        edFundoEscala_->setText(QString::number(v(kFullScale)));
    if ((variant == TVariant::Regulator || variant == TVariant::PositionIndicator) &&
        !edFundoEscalaCorrente_->hasFocus())
        edFundoEscalaCorrente_->setText(
            QString::fromStdString(NumberRules::FormatScaled(v(kCurrentFullScale), 1)));
    FillChannels();
    ShowVariant();
}

void TFrameConfSaidaCorrente::FillRange() {
    const auto reg = RangeRegister();
    const int value = reg ? Session().FetchRegister(*reg) : -1;
    rangeForeign_ = reg && !NumberRules::InRange(value, 0, kRanges - 1);
    if (rangeForeign_)
        rgEscala_->SetItemIndex(0); // shown as 0-1 mA, but never written back unchosen
    else
        rgEscala_->SetValue(value);
}

void TFrameConfSaidaCorrente::FillChannels() {
    for (int k = 0; k < Lists(); ++k) {
        QComboBox* list = cbSaidaAssociada_[static_cast<std::size_t>(k)];
        if (list->view()->isVisible())
            continue; // the user is choosing
        const auto code = std::find(codes_.begin(), codes_.end(), Session().FetchRegister(kChannel + k));
        const bool found = code != codes_.end();
        channelForeign_[static_cast<std::size_t>(k)] = !found;
        if (found)
            list->setCurrentIndex(static_cast<int>(code - codes_.begin()));
    }
}

void TFrameConfSaidaCorrente::ShowVariant() {
    const TVariant variant = Variant();
    const int shown = ShownOutputs();
    const bool fixedBoard = Session().FetchRegister(kBoardType) == kFixedRangeBoard;
    const bool noOutputs = variant == TVariant::Regulator && shown <= 0;
    pnEscala0_1ma_->setVisible(fixedBoard);
    rgEscala_->setVisible(!fixedBoard && !noOutputs);
    const bool fullScale = variant == TVariant::Thermal || variant == TVariant::Regulator;
    lblFundoEscala_->setVisible(fullScale);
    edFundoEscala_->setVisible(fullScale);
    const bool current =
        variant == TVariant::PositionIndicator || (variant == TVariant::Regulator && !noOutputs);
    lblFundoEscalaCorrente_->setVisible(current);
    edFundoEscalaCorrente_->setVisible(current);
    for (int k = 0; k < kOutputs; ++k) {
        lblSaidaAssociada_[static_cast<std::size_t>(k)]->setVisible(k < shown);
        cbSaidaAssociada_[static_cast<std::size_t>(k)]->setVisible(k < shown);
    }
}

void TFrameConfSaidaCorrente::Commit() {
    auto t = [l = Language()](TId id) { return Text(id, l); };
    TCommitBatch batch(Session(), Prompts(), this, t(ErrorSending));
    if (const auto reg = RangeRegister(); reg && !rgEscala_->isHidden() && !rangeForeign_) {
        if (const auto index = rgEscala_->ChosenIndex())
            batch.Write(*reg, *index);
    }
    if (!edFundoEscala_->isHidden()) {
        const auto value = NumberRules::ParseInteger(edFundoEscala_->text().toStdString());
        if (value && NumberRules::InRange(*value, 0, 255))
            batch.Write(kFullScale, *value);
        else
            batch.Invalid(t(InvalidFullScale));
    }
    // Hidden, the box holds only what the device had: nothing the user could put right.
    if (!edFundoEscalaCorrente_->isHidden()) {
        if (const auto tenths = ParseCurrentFullScale(edFundoEscalaCorrente_->text().toStdString()))
            batch.Write(kCurrentFullScale, *tenths);
        else
            batch.Invalid(t(InvalidCurrentFullScale));
    }
    for (int k = 0; k < Lists(); ++k) {
        const int index = cbSaidaAssociada_[static_cast<std::size_t>(k)]->currentIndex();
        if (index >= 0 && index < static_cast<int>(codes_.size()) &&
            !channelForeign_[static_cast<std::size_t>(k)])
            batch.Write(kChannel + k, codes_[static_cast<std::size_t>(index)]);
    }
    batch.Finish();
    FillControls();
}
