#pragma once

#include "ui/common/Screen.h"

#include <array>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class TCommitFilter;
class TRadioGroup;

// The analog current outputs: range, full scales and the channel driving each output.
class TFrameConfSaidaCorrente : public TScreen {
    Q_OBJECT
public:
    explicit TFrameConfSaidaCorrente(const TScreenContext& context, QWidget* parent = nullptr);

protected:
    void Retranslate() override;
    void QueueReads(TReadBatch& batch) override;
    void Fill() override;
    void Commit() override;

private:
    static constexpr int kOutputs = 4;
    enum class TVariant { Thermal, Parallelism, Regulator, PositionIndicator };

    TVariant Variant() const;
    void BuildLayout();
    void BuildChannelLists();
    void FillRange();
    void FillChannels();
    void ShowVariant();
    // The register of the output range: the parallelism controller keeps one per bus address.
    std::optional<int> RangeRegister() const;
    // How many channel lists the device offers and how many of them are shown.
    int Lists() const;
    int ShownOutputs() const;

    QWidget* background_;
    TCommitFilter* commitFilter_;
    TRadioGroup* rgEscala_ = nullptr;
    QLabel* pnEscala0_1ma_ = nullptr;
    QLabel* lblFundoEscala_ = nullptr;
    QLineEdit* edFundoEscala_ = nullptr;
    QLabel* lblFundoEscalaCorrente_ = nullptr;
    QLineEdit* edFundoEscalaCorrente_ = nullptr;
    std::array<QLabel*, kOutputs> lblSaidaAssociada_{};
    std::array<QComboBox*, kOutputs> cbSaidaAssociada_{};
    // The channel code of each list position.
    std::vector<int> codes_;
    // The range or an output's channel shown in place of a device value the screen has no item for:
    // not written back until the user picks one.
    bool rangeForeign_ = false;
    std::array<bool, kOutputs> channelForeign_{};
};
