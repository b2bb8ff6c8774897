#pragma once

#include "link/SerialComm.h"
#include "ui/shell/Screen.h"

#include <QString>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTimer;
class TEquipComm;
class TFormNotificacao;
class TProgramMainConf;
class TRadioGroup;
class TUserPrompts;

// The thermal monitor's general screen: connection, login, live values, device settings of the
// display, relay names, clock, configuration files and the administration dialogs.
class TFrameConfGeral : public TScreen {
    Q_OBJECT
public:
    TFrameConfGeral(TEquipComm& session, TProgramMainConf& settings, TUserPrompts& prompts,
                    QWidget* parent = nullptr);

    void ShowScreen(TEquipComm& session, int language) override;
    void ApplyLanguage(int language) override;
    QTimer* Timer() override { return timer_; }

    void FillControls();
    void CommitControls();
    bool ConnectSerial(const QString& port, int address, const TLineSettings& line, bool comPort);
    bool ConnectNetwork(const QString& deviceIp, const QString& pcIp, int port);
    void Disconnect();
    void Timer1Timer();

signals:
    // A device of another family answered: the main window switches its selector.
    void familySwitchRequested(int family);
    // A connection is being made: no second one, no family switch meanwhile.
    void busyChanged(bool busy);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Build();
    QWidget* BuildRelays();
    void bbConectarClick(bool usb);
    void bbConectarIPClick();
    QString ChooseConfFile(bool save);
    void ForgetLastDevice();
    void bbSalvarConfClick();
    void bbCarregarConfClick();
    void bbAjustarRelogioComputadorClick();
    bool CheckSignature(bool serial);
    bool Login();
    bool ReadIdentityAndLogin();
    // Signature, identity reads and login once the link is open.
    bool IdentifyAndLogin(bool serial);
    bool EndConnecting(bool connected);
    // Closes the link, removes the notification and shows the message.
    void Abandon(int message);
    void SetConnectButtons();
    void ClearReadings();
    void SetBusy(bool busy);
    QPoint Corner(int dx, int dy) const;
    QString Text(int id) const;

    TEquipComm& session_;
    TProgramMainConf& settings_;
    TUserPrompts& prompts_;
    int language_ = 0;
    bool busy_ = false;
    bool filling_ = false;
    bool membrane_ = false;
    bool linkUp_ = false; // logged in and not disconnected by the user
    TFormNotificacao* notification_;
    QTimer* timer_;

    QPushButton* bbConectar_;
    QPushButton* bbConectarUsb_;
    QPushButton* bbConectarIP_;
    QPushButton* bbSalvarConf_;
    QPushButton* bbCarregarConf_;
    QPushButton* bbAlterarSenha_;
    QPushButton* bbAlterarIP_;
    QPushButton* bbAjustarRelogioComputador_;
    QPushButton* bbAjustarRelogioManual_;
    QPushButton* BitBtn1_;
    QLabel* pnNumSerie_;
    QLabel* pnVersaoFirmware_;
    QLabel* pnRelogio_;
    TRadioGroup* rgVisualizacao_;
    TRadioGroup* rgIdioma_;
    TRadioGroup* rgFreqOperacao_;
    QTableWidget* sgMedidas_;
    QTableWidget* sgMedidasEnrolamento_;
    std::array<QLabel*, 10> spRele_{};
    std::array<QLabel*, 10> imgRele_{};
    std::array<QLineEdit*, 10> edRele_{};
    std::array<bool, 10> releShownClosed_{};
    std::array<bool, 10> releShown_{};
    QWidget* background_;
};
