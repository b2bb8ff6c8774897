#pragma once

#include "ui/common/Screen.h"

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class TCommitFilter;
class TRadioGroup;

// The protocol settings of the device's own serial ports (Modbus or DNP3 on each).
class TFrameConfSerial : public TScreen {
    Q_OBJECT
public:
    explicit TFrameConfSerial(const TScreenContext& context, QWidget* parent = nullptr);

    void ShowScreen(int language) override;

protected:
    void Retranslate() override;
    void QueueReads(TReadBatch& batch) override;
    void Fill() override;
    void Commit() override;

private:
    enum TGroupId {
        ModeGroup,
        ModbusBaudGroup,
        ModbusFormatGroup,
        DnpBaudGroup,
        DnpFormatGroup,
        DnpAppConfGroup,
        DnpInterframeGroup,
        GroupCount
    };
    enum TEditId {
        ModbusAddressEdit,
        TxDelayEdit,
        DnpAddressEdit,
        BackoffFixedEdit,
        BackoffRandomEdit,
        InterOctetEdit,
        EditCount
    };

    void BuildLayout();
    QWidget* BuildModbus();
    QWidget* BuildDnp3();
    TRadioGroup* Group(TGroupId id, const char* name, int columns, QWidget* parent);
    QLabel* Label(TEditId id, const char* name, QWidget* parent);
    QLineEdit* Edit(TEditId id, const char* name, QWidget* parent);
    // The port is chosen in the selector; the parallelism controller has port 1 only.
    void SelectPort(int index);
    int Ports() const;

    QWidget* background_;
    TCommitFilter* commitFilter_;
    int port_ = 0;
    QLabel* lblIndice_ = nullptr;
    QComboBox* cbIndice_ = nullptr;
    QLabel* lblNaoPodeModificar_ = nullptr;
    QGroupBox* gbModBus_ = nullptr;
    QGroupBox* gbDNP3_ = nullptr;
    std::array<TRadioGroup*, GroupCount> groups_{};
    std::array<QLineEdit*, EditCount> edits_{};
    std::array<QLabel*, EditCount> labels_{};
};
