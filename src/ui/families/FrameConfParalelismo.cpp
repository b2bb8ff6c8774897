#include "ui/families/FrameConfParalelismo.h"

#include "link/EquipComm.h"
#include "link/ReadBatch.h"
#include "model/FieldRule.h"
#include "model/NumberRules.h"
#include "model/SharedRegisters.h"
#include "persistence/EventLog.h"
#include "ui/common/CommitBatch.h"
#include "ui/common/CommitFilter.h"
#include "ui/common/RadioGroup.h"
#include "ui/common/UserPrompts.h"
#include "ui/common/Widgets.h"
#include "ui/families/FrameConfParalelismoTexts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <utility>

namespace {

using namespace FrameConfParalelismoTexts;

constexpr int kBusAddress = SharedRegisters::kBusAddress;
constexpr int kUnits = 16;
constexpr int kAddressEntry = 1;     // the table entry shown in the address box, at 1 + A
constexpr int kRelayFunctions = 121; // relays 7, 8, 9 at 121, 141, 161 + A
constexpr int kMeasurement = 201;
constexpr int kRetryMs = 200;
constexpr int kSettleMs = 300;

// The same-shaped settings of the unit: the table entry at base + A.
struct TField {
    const char* box;
    const char* label;
    TId caption;
    int base;
    TFieldRule rule;
    TId error;
};
const std::array<TField, 5> kFieldTable{{
    {"edTamanhoBus", "lblTamanhoBus", BusSize, 21, {0, 1, 16}, ErrorBusSize},
    {"edNumPosicoes", "lblNumPosicoes", Positions, 41, {0, 2, 50}, ErrorPositions},
    {"edResistPosicao", "lblResistPosicao", Resistance, 61, {1, 30000, 200000}, ErrorResistance},
    {"edTempoErroParal", "lblTempoErroParal", ParallelismErrorTime, 81, {0, 10, 100}, ErrorParallelismTime},
    {"edTempoErroConf",
     "lblTempoErroConf",
     ConfigurationErrorTime,
     101,
     {0, 10, 100},
     ErrorConfigurationTime},
}};

QLabel* Label(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

} // namespace

TFrameConfParalelismo::TFrameConfParalelismo(const TScreenContext& context, QWidget* parent)
    : TScreen(context, parent), background_(Widgets::Background(this)),
      commitFilter_(new TCommitFilter(
          background_, [this] { CommitControls(); }, this)),
      pausedCommit_([this] { CommitOnce(); }, [this] { AfterCommit(); }, kSettleMs) {
    setObjectName("FrameConfParalelismo");
    auto* layout = new QHBoxLayout(background_);
    auto* edits = new QGridLayout;
    lblEndereco_ = Label("lblEndereco", background_);
    edEndereco_ = new QLineEdit(background_);
    edEndereco_->setObjectName("edEndereco");
    edits->addWidget(lblEndereco_, 0, 0);
    edits->addWidget(edEndereco_, 0, 1);
    commitFilter_->Watch(edEndereco_);
    for (std::size_t i = 0; i < kFieldTable.size(); ++i) {
        labels_[i] = Label(kFieldTable[i].label, background_);
        boxes_[i] = new QLineEdit(background_);
        boxes_[i]->setObjectName(kFieldTable[i].box);
        edits->addWidget(labels_[i], static_cast<int>(i) + 1, 0);
        edits->addWidget(boxes_[i], static_cast<int>(i) + 1, 1);
        commitFilter_->Watch(boxes_[i]);
    }
    for (QLineEdit* box : background_->findChildren<QLineEdit*>())
        box->setMaximumWidth(80);
    rgLeituraPosicao_ = new TRadioGroup("rgLeituraPosicao", 1, background_);
    edits->addWidget(rgLeituraPosicao_, kFields + 1, 0, 1, 2);
    edits->setRowStretch(kFields + 2, 1);
    layout->addLayout(edits);
    auto* relays = new QVBoxLayout;
    for (std::size_t k = 0; k < rgConfRele_.size(); ++k) {
        rgConfRele_[k] = new TRadioGroup(QStringLiteral("rgConfRele%1").arg(7 + k), 2, background_);
        relays->addWidget(rgConfRele_[k]);
    }
    relays->addStretch();
    layout->addLayout(relays);
    layout->addStretch();
    for (TRadioGroup* group : {rgConfRele_[0], rgConfRele_[1], rgConfRele_[2], rgLeituraPosicao_})
        connect(group, &TRadioGroup::itemClicked, this, [this] { CommitControls(); });
    ApplyLanguage(0);
}

std::optional<int> TFrameConfParalelismo::BusAddress() const {
    const int address = Session().FetchRegister(kBusAddress);
    return NumberRules::InRange(address, 0, kUnits - 1) ? std::optional<int>(address) : std::nullopt;
}

void TFrameConfParalelismo::ShowScreen(int language) {
    ApplyLanguage(language);
    ReadAndFill(kRetryMs);
}

void TFrameConfParalelismo::Retranslate() {
    auto t = [this](TId id) { return FrameConfParalelismoTexts::Text(id, Language()); };
    lblEndereco_->setText(t(Address));
    for (std::size_t i = 0; i < kFieldTable.size(); ++i)
        labels_[i]->setText(t(kFieldTable[i].caption));
    QStringList functions;
    for (int f = Function0; f <= Function9; ++f)
        functions << t(static_cast<TId>(f));
    for (std::size_t k = 0; k < rgConfRele_.size(); ++k) {
        rgConfRele_[k]->setTitle(t(RelayConfiguration).arg(7 + k));
        rgConfRele_[k]->SetItems(functions);
    }
    rgLeituraPosicao_->setTitle(t(PositionMeasurement));
    rgLeituraPosicao_->SetItems({t(MeasurementRtd), t(MeasurementBcd), t(MeasurementCurrent)});
}

void TFrameConfParalelismo::QueueReads(TReadBatch& batch) {
    // A unit at an address the tables do not have: nothing of theirs is read.
    if (const auto address = BusAddress()) {
        for (int base = kAddressEntry; base <= 161; base += 20)
            batch.Add(base + *address);
    }
    batch.Add(kMeasurement);
}

void TFrameConfParalelismo::Fill() {
    if (!Session().IsConnected())
        return;
    auto v = [this](int reg) { return Session().FetchRegister(reg); };
    const auto address = BusAddress();
    // Every box is overwritten, also the one being typed in.
    filledAddress_ = address ? QString::number(v(kAddressEntry + *address)) : QString();
    edEndereco_->setText(filledAddress_);
    for (std::size_t i = 0; i < kFieldTable.size(); ++i) {
        const TField& f = kFieldTable[i];
        boxes_[i]->setText(address ? QString::fromStdString(f.rule.Format(v(f.base + *address))) : QString());
    }
    // A value a group has no item for selects none (and is not written back).
    const auto show = [](TRadioGroup* group, int value) {
        group->SetValue(value < group->Count() ? value : -1);
    };
    for (std::size_t k = 0; k < rgConfRele_.size(); ++k)
        show(rgConfRele_[k], address ? v(kRelayFunctions + 20 * static_cast<int>(k) + *address) : -1);
    show(rgLeituraPosicao_, v(kMeasurement));
}

void TFrameConfParalelismo::CommitUnit(TCommitBatch& batch, int address) {
    for (std::size_t i = 0; i < kFieldTable.size(); ++i) {
        const TField& f = kFieldTable[i];
        if (const auto value = f.rule.Parse(boxes_[i]->text().toStdString()))
            batch.Write(f.base + address, *value);
        else
            batch.Invalid(FrameConfParalelismoTexts::Text(f.error, Language()));
    }
}

std::optional<int> TFrameConfParalelismo::TypedAddress(TCommitBatch& batch) {
    if (edEndereco_->text() == filledAddress_)
        return std::nullopt;
    const auto typed = NumberRules::ParseInteger(edEndereco_->text().toStdString());
    if (!typed || !NumberRules::InRange(*typed, 0, kUnits - 1)) {
        batch.Invalid(FrameConfParalelismoTexts::Text(ErrorAddress, Language()));
        return std::nullopt;
    }
    return typed;
}

void TFrameConfParalelismo::Commit() {
    pausedCommit_.Run();
}

void TFrameConfParalelismo::CommitOnce() {
    TCommitBatch batch(Session(), Prompts(), this, FrameConfParalelismoTexts::Text(ErrorSending, Language()));
    // Everything but the address goes to the entries of the address held before the commit.
    const auto address = BusAddress();
    if (address)
        CommitUnit(batch, *address);
    if (const auto index = rgLeituraPosicao_->ChosenIndex())
        batch.Write(kMeasurement, *index);
    for (std::size_t k = 0; k < rgConfRele_.size(); ++k) {
        const auto index = rgConfRele_[k]->ChosenIndex();
        if (address && index)
            batch.Write(kRelayFunctions + 20 * static_cast<int>(k) + *address, *index);
    }
    if (const auto typed = TypedAddress(batch); typed && typed != address) {
        batch.Write(kBusAddress, *typed);
        moved_ = true;
    }
    batch.Finish();
}

void TFrameConfParalelismo::AfterCommit() {
    const bool moved = std::exchange(moved_, false);
    if (!Session().ReadRegisters(kBusAddress, 1)) {
        Prompts().Error(this, FrameConfParalelismoTexts::Text(ErrorSending, Language()));
        return; // the controls stay as they are
    }
    if (moved) {
        TReadBatch reads(Session());
        QueueReads(reads);
        reads.Flush();
    }
    FillControls();
}
