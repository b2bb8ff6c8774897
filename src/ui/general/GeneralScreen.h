#pragma once

#include "link/DeviceConnection.h"
#include "link/SerialComm.h"
#include "ui/common/Screen.h"

class QGridLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;
class TCommitBatch;
class TFormNotificacao;
class TFormTendencia;
class TRadioGroup;
struct TConnectionSettings;

// Screen 0 of every family: connecting (serial, USB or network), identifying the device by its
// signature, logging in, watching the device once a second, the device language, saving and
// loading configuration files, and the password, network and clock dialogs. The device connection
// does the link's work; a family adds its own readings through the hooks.
class TGeneralScreen : public TScreen {
    Q_OBJECT
public:
    // The family's profile says what the connection reads and how it tells a lost device.
    TGeneralScreen(const TScreenContext& context, int family, QWidget* parent);

    void ShowScreen(int language) override;
    // The trend of the screen's main measurements, recorded at each poll.
    TFormTendencia* Trend() const { return trend_; }
    bool ConnectSerial(const QString& port, int address, const TLineSettings& line, bool comPort);
    bool ConnectNetwork(const QString& deviceIp, const QString& pcIp, int port);
    void Disconnect();
    // Connected, connecting or reopening a lost link: a family switch would end it.
    bool Engaged() const;
    // One tick of the timer.
    void Timer1Timer() { RunTick(); }
    // What the connect buttons do once their dialog is answered: the same checks and messages, the
    // values remembered in the program settings, then the connection. `host` may be a name.
    bool ConnectNetworkAsTyped(const QString& host, const QString& deviceIp, const QString& pcIp, int port);
    bool ConnectSerialAsTyped(const QString& port, int address, int baudRate, int format, bool usb);

signals:
    // A device of another family answered: the main window switches its selector.
    void familySwitchRequested(int family);
    // A connection is being made: no second one, no family switch meanwhile.
    void busyChanged(bool busy);
    // The device's current-output settings screen is reachable (regulator: fitted outputs found;
    // position indicator: after each connection).
    void currentOutputButtonShown(bool shown);

protected:
    // What follows the initial reads of an identified device.
    virtual void AfterInitialReads() {}
    virtual void AfterConfLoaded() {}
    // The family's readings; `live` false clears them (nothing connected, or the last poll went
    // unanswered: nothing the device just sent).
    virtual void FillReadings(bool live) = 0;
    virtual void CommitReadings(TCommitBatch& /*batch*/) {}
    virtual void RetranslateReadings() = 0;
    // A logged-in link went away by itself (or stopped answering): said once.
    virtual void SayLinkLost();

    // Where a family lays out its readings, under the shared rows.
    QGridLayout* Body() const { return body_; }
    QHBoxLayout* IdentityRow() const { return identityRow_; }
    QWidget* Background() const { return background_; }
    TRadioGroup* LanguageGroup() const { return rgIdioma_; }
    TFormNotificacao* Notification() const { return notification_; }
    QString Text(int id) const;
    const TFamilyProfile& Profile() const { return connection_.Profile(); }
    const TDeviceConnection& Connection() const { return connection_; }
    // Whether the device answered the last poll (or the connection's reads, before the first).
    bool Live() const;
    // A device command of a screen button, only while connected: "Command sent" or the error.
    void SendCommandAndSay(int code);

    void Retranslate() final;
    void Fill() final;
    void Commit() final;
    void CommitWhileDisconnected() final;
    void Tick() final;

private:
    void Build();
    void BuildConnectRow(QVBoxLayout* layout);
    void BuildAdminRow(QVBoxLayout* layout);
    void BuildIdentityRow(QVBoxLayout* layout);
    void BuildClockRow(QVBoxLayout* layout);
    TConnectionSettings& Settings();
    void bbConectarClick(bool usb);
    void bbConectarIPClick();
    void OpenDeviceDialog(QDialog& dialog, bool stopTimer);
    QString ChooseConfFile(bool save);
    void bbSalvarConfClick();
    // Shows what the file would change; false when nothing would, or the user cancels.
    bool ConfirmDifferences(const QString& file);
    void bbCarregarConfClick();
    void bbAjustarRelogioComputadorClick();
    // Whether the clock registers were read from the connected device.
    bool ClockRead() const;
    bool Identify();
    bool SaidStep(TDeviceConnection::TStep step, bool serial);
    bool IdentifyAndLogin();
    bool Login();
    bool Connect(const TLinkTarget& target);
    bool EndConnecting(bool connected);
    void Abandon(int message);
    void SetConnectButtons();
    void SetConnecting(bool connecting);
    void FillIdentity(bool connected);

    // A link that went away by itself is reopened to the same device, one attempt a tick.
    void LinkLost();
    bool Recovering() const;
    void Recover();

    TDeviceConnection connection_;
    bool connecting_ = false; // a connection is being made
    TFormNotificacao* notification_;
    TFormTendencia* trend_;
    QWidget* background_ = nullptr;
    QGridLayout* body_ = nullptr;
    QHBoxLayout* identityRow_ = nullptr;
    QPushButton* bbConectar_ = nullptr;
    QPushButton* bbConectarUsb_ = nullptr;
    QPushButton* bbConectarIP_ = nullptr;
    QPushButton* bbSalvarConf_ = nullptr;
    QPushButton* bbCarregarConf_ = nullptr;
    QPushButton* bbAlterarSenha_ = nullptr;
    QPushButton* bbAlterarIP_ = nullptr;
    QPushButton* bbRelatorio_ = nullptr;
    QPushButton* bbAjustarRelogioComputador_ = nullptr;
    QPushButton* bbAjustarRelogioManual_ = nullptr;
    QPushButton* bbTendencia_ = nullptr;
    QLabel* pnNumSerie_ = nullptr;
    QLabel* pnVersaoFirmware_ = nullptr;
    QLabel* pnRelogio_ = nullptr;
    TRadioGroup* rgIdioma_ = nullptr;
};
