#include "ui/service/FormTesteValores.h"

#include "link/EquipComm.h"
#include "model/Family.h"
#include "model/MeasurementSimulation.h"
#include "ui/common/InputNames.h"
#include "ui/common/Language.h"
#include "ui/common/UserPrompts.h"
#include "ui/common/Widgets.h"
#include "ui/service/FormTesteValoresTexts.h"
#include "ui/service/GridCellEditor.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <array>
#include <vector>

namespace {

using namespace FormTesteValoresTexts;
using MeasurementSimulation::TScale;
using Widgets::SetCell;

constexpr int kRows = MeasurementSimulation::kRows;

// The label of row 1..9 in the family's language; empty where the family has no such value.
QString RowLabel(int family, int row, int language) {
    auto t = [language](TId id) { return FormTesteValoresTexts::Text(id, language); };
    switch (family) {
    case Family::kThermal:
    case Family::kParallelism:
        if (row <= 6)
            return QStringLiteral("RTD%1").arg(row);
        return t(static_cast<TId>(RowCurrent1 + row - 7));
    case Family::kRegulator: {
        const std::array<TId, 4> ids{RowPosition, RowSecondaryVoltage, RowSecondaryCurrent, RowLag};
        return row <= 4 ? t(ids[static_cast<std::size_t>(row - 1)]) : QString();
    }
    case Family::kIrrigation: {
        const std::array<TId, 4> ids{RowTemperature, RowDigitalInputs, RowPressure, RowPeriod};
        return row <= 4 ? t(ids[static_cast<std::size_t>(row - 1)]) : QString();
    }
    case Family::kPositionIndicator: {
        const std::array<TId, 5> ids{RowTemperature, RowCurrent, RowCurrentMin, RowCurrentMax, RowRelays};
        return row <= 5 ? t(ids[static_cast<std::size_t>(row - 1)]) : QString();
    }
    default:
        return {};
    }
}

} // namespace

TFormTesteValores::TFormTesteValores(const TScreenContext& context, QWidget* parent)
    : QDialog(parent), context_(context), pnBack_(Widgets::DialogBackground(this)) {
    setObjectName("FormTesteValores");
    auto* layout = new QGridLayout(pnBack_);
    cbAtiva_ = new QCheckBox(pnBack_);
    cbAtiva_->setObjectName("cbAtiva");
    layout->addWidget(cbAtiva_, 0, 0, 1, 2);
    sgValores_ = Widgets::Grid("sgValores", kRows + 1, 2, {60, 100}, pnBack_);
    Widgets::ShadeHeadings(sgValores_);
    connect(sgValores_, &QTableWidget::cellPressed, this, &TFormTesteValores::sgValoresMouseDown);
    layout->addWidget(sgValores_, 1, 0, 1, 2);
    // Cells are checked when they are sent.
    editor_ = std::make_unique<TGridCellEditor>(sgValores_, pnBack_);
    bbEnvia_ = Widgets::Button("bbEnvia", pnBack_);
    bbEnvia2_ = Widgets::Button("bbEnvia2", pnBack_);
    connect(bbEnvia_, &QPushButton::clicked, this, [this] { Send(1); });
    connect(bbEnvia2_, &QPushButton::clicked, this, [this] { Send(2); });
    layout->addWidget(bbEnvia_, 2, 0);
    layout->addWidget(bbEnvia2_, 2, 1);
    lblInfo_ = new QLabel(pnBack_);
    lblInfo_->setObjectName("lblInfo");
    layout->addWidget(lblInfo_, 3, 0, 1, 2);
    const std::array<const char*, 3> hints{"100 ohms = 0ºC", "120 ohms =~ 53ºC", "138 ohms =~ 98ºC"};
    for (std::size_t i = 0; i < hints.size(); ++i) {
        auto* hint = new QLabel(QString::fromUtf8(hints[i]), pnBack_);
        hint->setObjectName(QStringLiteral("lblInfo%1").arg(i + 2));
        layout->addWidget(hint, 4 + static_cast<int>(i), 0, 1, 2);
    }
    ApplyLanguage(0);
}

TFormTesteValores::~TFormTesteValores() = default;

QString TFormTesteValores::Text(int id) const {
    return FormTesteValoresTexts::Text(static_cast<TId>(id), language_);
}

void TFormTesteValores::Prepare(int language) {
    editor_->Close();
    // A device that does not answer leaves what the image holds on show.
    Session().ReadRegisters(MeasurementSimulation::kMode, kRows + 1);
    ApplyLanguage(language);
    FillControls();
}

void TFormTesteValores::ApplyLanguage(int language) {
    language_ = Language::Index(language);
    setWindowTitle(Text(Caption));
    cbAtiva_->setText(Text(Activate));
    bbEnvia_->setText(Text(SendButton));
    bbEnvia2_->setText(Text(Send2Button));
    lblInfo_->setText(Text(Units));
    const int family = Session().Family();
    for (int row = 1; row <= kRows; ++row)
        SetCell(sgValores_, row, 0, RowLabel(family, row, language_));
    InputNames::Apply(this);
}

void TFormTesteValores::FillControls() {
    cbAtiva_->setChecked(Session().FetchRegister(MeasurementSimulation::kMode) != 0);
    for (int row = 1; row <= kRows; ++row) {
        const TScale scale = MeasurementSimulation::RowScale(Session().Family(), row);
        // A row the family does not use keeps whatever it showed.
        if (scale != TScale::Unused)
            SetCell(sgValores_, row, 1,
                    QString::fromStdString(MeasurementSimulation::Decode(
                        scale, Session().FetchRegister(MeasurementSimulation::kMode + row))));
    }
}

void TFormTesteValores::sgValoresMouseDown(int row, int column) {
    if (column != 1 || MeasurementSimulation::RowScale(Session().Family(), row) == TScale::Unused)
        return;
    if (editor_->Leave())
        editor_->Open(row, column, sgValores_->item(row, column)->text());
}

void TFormTesteValores::Send(int mode) {
    // A cell still being typed in counts.
    editor_->Leave();
    std::vector<int> values{cbAtiva_->isChecked() ? mode : 0};
    for (int row = 1; row <= kRows; ++row) {
        const TScale scale = MeasurementSimulation::RowScale(Session().Family(), row);
        const QString text = sgValores_->item(row, 1)->text();
        const auto value = MeasurementSimulation::Encode(scale, text.toStdString());
        if (!value) {
            context_.prompts.Error(this, Text(InvalidValue) + text);
            return;
        }
        values.push_back(*value);
    }
    // Sent whole even when the device holds these values: the mode starts the test again.
    Session().WriteRegisters(MeasurementSimulation::kMode, values, false, true);
}
