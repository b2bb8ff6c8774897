#pragma once

#include "link/SerialComm.h"
#include "ui/general/LinkRecovery.h"
#include "ui/common/Screen.h"

#include <utility>
#include <vector>

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
// loading configuration files, and the password, network and clock dialogs. A family adds its own
// readings through the hooks and states what differs in its table.
class TGeneralScreen : public TScreen {
    Q_OBJECT
public:
    struct TFamilyTable {
        int family;
        int signature;
        // Signatures of other families that switch the main window to them.
        std::vector<std::pair<int, int>> switches;
        // Over a serial link too, the device language is read before the signature, to tell a
        // silent port from a device that does not answer its signature.
        bool languageFirstOverSerial = false;
        // "Connect Serial" (a COM port). Without it only USB and network, and "Connect USB" is the
        // button that reads "Disconnect" while connected.
        bool comButton = true;
        bool clock = true;
        double liveWait = 0.1; // flush wait of a tick; 0: the session's default
        int languageColumns = 2;
        // Polls in a row that may fail before the device is taken as lost; 0: five over a serial
        // line, never over TCP (the socket says when it goes).
        int failedPollsAllowed = 0;
        // A link that goes away by itself is reopened to the same device; false: it is said and left.
        bool recoversLostLink = true;
    };

    TGeneralScreen(const TScreenContext& context, TFamilyTable table, QWidget* parent);

    void ShowScreen(int language) override;
    // The trend of the screen's main measurements, recorded at each poll.
    TFormTendencia* Trend() const { return trend_; }
    bool ConnectSerial(const QString& port, int address, const TLineSettings& line, bool comPort);
    bool ConnectNetwork(const QString& deviceIp, const QString& pcIp, int port);
    void Disconnect();
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
    // The family's own part of the connection: after the signature (false: the device is not
    // answering), the initial reads, and what follows a successful login.
    virtual bool AcceptsSignature(int signature, bool serial);
    virtual bool ReadAfterSignature() { return true; }
    virtual void QueueInitialReads(TReadBatch& batch) = 0;
    virtual void AfterInitialReads() {}
    virtual void AfterConfLoaded() {}
    virtual void QueueLiveReads(TReadBatch& batch) = 0;
    // The family's readings; `connected` false clears them.
    virtual void FillReadings(bool connected) = 0;
    virtual void CommitReadings(TCommitBatch& /*batch*/) {}
    virtual void RetranslateReadings() = 0;
    // Whether the clock registers were read from the connected device.
    virtual bool ClockRead() const { return table_.clock; }
    // A logged-in link went away by itself (or stopped answering): said once.
    virtual void SayLinkLost();

    // Where a family lays out its readings, under the shared rows.
    QGridLayout* Body() const { return body_; }
    QHBoxLayout* IdentityRow() const { return identityRow_; }
    QWidget* Background() const { return background_; }
    TRadioGroup* LanguageGroup() const { return rgIdioma_; }
    TFormNotificacao* Notification() const { return notification_; }
    QString Text(int id) const;
    const TFamilyTable& Table() const { return table_; }
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
    void ForgetLastDevice();
    bool CheckSignature(bool serial);
    bool IdentifyAndLogin(bool serial);
    bool Login();
    bool EndConnecting(bool connected);
    void Abandon(int message);
    void SetConnectButtons();
    void SetConnecting(bool connecting);
    void FillIdentity(bool connected);

    // A link that went away by itself is reopened to the same device, one attempt a tick.
    bool StartRecovering();
    void Recover();
    void EndRecovering();

    TFamilyTable table_;
    TLinkRecovery recovery_;
    TLinkTarget pendingTarget_; // the link being connected, until the login
    bool recovering_ = false;
    bool connecting_ = false; // a connection is being made
    bool linkUp_ = false;     // logged in and not disconnected by the user
    int failedPolls_ = 0;     // in a row
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
