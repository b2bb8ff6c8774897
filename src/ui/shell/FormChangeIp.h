#pragma once

#include "link/LinkFailure.h"

#include <QDialog>

class QFormLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTimer;
class TEquipComm;
class TUserPrompts;

// Changes the device's network settings; for the irrigation controller also its Wi-Fi.
class TFormChangeIp : public QDialog {
    Q_OBJECT
public:
    TFormChangeIp(TEquipComm& session, int language, TUserPrompts& prompts, QWidget* parent = nullptr);

    void Timer1Timer();

private:
    QFormLayout* BuildIpPart();
    QGroupBox* BuildWifiPart();
    // Reads the network settings from the device and shows them.
    // False when the device did not answer: the boxes stay empty.
    bool ReadSettings(bool ports, TLinkFailure& failure);
    void FillWifi();
    void bbOkClick();
    bool Irrigation() const;
    void WriteOrReport(bool ok);

    TEquipComm& session_;
    TUserPrompts& prompts_;
    int language_;
    QLineEdit* edIp_;
    QLineEdit* edPort_;
    QLineEdit* edPortModBus_;
    QLineEdit* edPortDNP3_;
    QLineEdit* edSSID_;
    QLineEdit* edPass_;
    QLineEdit* edPortWifi_;
    QLineEdit* edIpGot_;
    QLineEdit* edMac_;
    QLabel* pnWifiSignal_;
    QTimer* timer_;
};
