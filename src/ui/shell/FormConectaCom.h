#pragma once

#include "link/SerialComm.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TProgramMainConf;
class TUserPrompts;

// Asks for a serial port and, for the device's own serial interface, the Modbus address, baud
// rate and format; in USB mode only the port.
class TFormConectaCom : public QDialog {
    Q_OBJECT
public:
    TFormConectaCom(bool usb, int language, TProgramMainConf& settings, TUserPrompts& prompts,
                    QWidget* parent = nullptr);

    QString PortName() const;
    QString AddressText() const;
    TLineSettings LineSettings() const { return line_; }

private:
    void bbOkClick();

    bool usb_;
    int language_;
    TProgramMainConf& settings_;
    TUserPrompts& prompts_;
    TLineSettings line_;
    QComboBox* cbPortaCom_;
    QLineEdit* edEnderecoModbus_;
    QComboBox* cbBaudRate_;
    QComboBox* cbFormato_;
};
