#pragma once

#include "persistence/DeviceList.h"

#include <QDialog>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QKeyEvent;
class QLineEdit;
class QListWidget;
class QPushButton;
class TUserPrompts;

// Asks for the computer's address and the device's, by IP or by a host name it resolves, and keeps
// the saved device list. Closes with 1 (connect by IP), 6 (connect by address) or Rejected.
class TFormEntraIP : public QDialog {
    Q_OBJECT
public:
    static constexpr int kByAddress = 6;

    TFormEntraIP(int language, const std::string& deviceListPath, TUserPrompts& prompts,
                 QWidget* parent = nullptr);

    // The caller's remembered values, put in before the dialog is shown.
    void Preset(const QString& deviceIp, const QString& pcIp, int port, const QString& address);

    QString ResultIp() const { return resultIp_; }
    int ResultPort() const { return resultPort_; }
    QString PcIp() const;
    QString AddressText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildLayout();
    QGroupBox* BuildIpGroup();
    QGroupBox* BuildAddressGroup();
    void BuildListPart(QGridLayout* grid);
    void ConnectControls();
    void ApplyLanguage();
    void bbOkClick();
    void bbOkEnderecoClick();
    void bbIPPadraoClick();
    void MirrorPort(QLineEdit* from, QLineEdit* to);
    void ReloadList(int select);
    void lbDeviceListClick();
    void bbSaveClick();
    void bbDeleteClick();
    void OnRowsMoved();
    std::optional<int> Port(QLineEdit* box);

    int language_;
    TUserPrompts& prompts_;
    TDeviceList list_;
    QString resultIp_;
    int resultPort_ = 0;
    bool mirroring_ = false;

    QComboBox* cbPCIP_;
    QLineEdit* edEquipIP_;
    QLineEdit* edPorta_;
    QLineEdit* edEndereco_;
    QLineEdit* edDominioPorta_;
    QListWidget* lbDeviceList_;
    QLineEdit* edNome_;
    QPushButton* bbDelete_;
};
