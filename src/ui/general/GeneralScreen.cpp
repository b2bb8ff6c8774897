#include "ui/general/GeneralScreen.h"

#include "link/DeviceClock.h"
#include "link/EquipComm.h"
#include "link/Ipv4Address.h"
#include "model/DeviceIdentity.h"
#include "model/Family.h"
#include "model/SharedRegisters.h"
#include "persistence/ConfFile.h"
#include "persistence/ConfRefresh.h"
#include "persistence/Cp1252.h"
#include "persistence/DataFolder.h"
#include "persistence/ProgramMainConf.h"
#include "ui/common/CommitBatch.h"
#include "ui/common/RadioGroup.h"
#include "ui/common/ReadBatch.h"
#include "ui/common/UserPrompts.h"
#include "ui/common/Widgets.h"
#include "ui/general/FormTendencia.h"
#include "ui/general/GeneralScreenTexts.h"
#include "ui/general/ReportExport.h"
#include "ui/general/ReportExportTexts.h"
#include "ui/shell/FormAlterarRelogio.h"
#include "ui/shell/FormChangeIp.h"
#include "ui/shell/FormCompararConf.h"
#include "ui/shell/FormConectaCom.h"
#include "ui/shell/FormEntraIP.h"
#include "ui/shell/FormNotificacao.h"
#include "ui/shell/FormSenha.h"
#include "ui/shell/FormTrocarSenha.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

using namespace GeneralScreenTexts;
using Widgets::Button;

constexpr int kConnectWaitMs = 20000;
constexpr int kSerialPollsBeforeLost = 5; // in a row

} // namespace

TGeneralScreen::TGeneralScreen(const TScreenContext& context, TFamilyTable table, QWidget* parent)
    : TScreen(context, parent), table_(std::move(table)), recovery_(context.session),
      notification_(new TFormNotificacao(this)),
      trend_(new TFormTendencia(context.session, context.prompts, this)) {
    Build();
    EnablePolling(1000);
}

QString TGeneralScreen::Text(int id) const {
    return GeneralScreenTexts::Text(static_cast<TId>(id), Language());
}

TConnectionSettings& TGeneralScreen::Settings() {
    return Context().settings.connection[static_cast<std::size_t>(table_.family)];
}

void TGeneralScreen::Build() {
    background_ = new QWidget(this);
    background_->setObjectName("pnFundo");
    background_->setFocusPolicy(Qt::ClickFocus);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(background_);
    auto* layout = new QVBoxLayout(background_);
    // Rows are built in screen order: widgets made first come first in the keyboard order.
    BuildConnectRow(layout);
    BuildAdminRow(layout);
    BuildIdentityRow(layout);
    if (table_.clock)
        BuildClockRow(layout);
    rgIdioma_ = new TRadioGroup("rgIdioma", table_.languageColumns, background_);
    connect(rgIdioma_, &TRadioGroup::itemClicked, this, &TScreen::CommitControls);
    body_ = new QGridLayout;
    layout->addLayout(body_);
    layout->addStretch(1);
}

void TGeneralScreen::BuildConnectRow(QVBoxLayout* layout) {
    auto* connectRow = new QHBoxLayout;
    bbConectar_ = Button("bbConectar", background_);
    bbConectarUsb_ = Button("bbConectarUsb", background_);
    bbConectarIP_ = Button("bbConectarIP", background_);
    for (QPushButton* b : {bbConectar_, bbConectarUsb_, bbConectarIP_})
        connectRow->addWidget(b);
    layout->addLayout(connectRow);
    bbConectar_->setVisible(table_.comButton);
    connect(bbConectar_, &QPushButton::clicked, this, [this] { bbConectarClick(false); });
    connect(bbConectarUsb_, &QPushButton::clicked, this, [this] { bbConectarClick(true); });
    connect(bbConectarIP_, &QPushButton::clicked, this, &TGeneralScreen::bbConectarIPClick);
}

void TGeneralScreen::BuildAdminRow(QVBoxLayout* layout) {
    auto* adminRow = new QHBoxLayout;
    bbSalvarConf_ = Button("bbSalvarConf", background_);
    bbCarregarConf_ = Button("bbCarregarConf", background_);
    bbAlterarSenha_ = Button("bbAlterarSenha", background_);
    bbAlterarIP_ = Button("bbAlterarIP", background_);
    for (QPushButton* b : {bbSalvarConf_, bbCarregarConf_, bbAlterarSenha_, bbAlterarIP_})
        adminRow->addWidget(b);
    bbRelatorio_ = Button("bbRelatorio", background_);
    adminRow->addWidget(bbRelatorio_);
    connect(bbRelatorio_, &QPushButton::clicked, this,
            [this] { TReportExport(Context(), Language(), this).Run(); });
    layout->addLayout(adminRow);
    connect(bbSalvarConf_, &QPushButton::clicked, this, &TGeneralScreen::bbSalvarConfClick);
    connect(bbCarregarConf_, &QPushButton::clicked, this, &TGeneralScreen::bbCarregarConfClick);
    connect(bbAlterarIP_, &QPushButton::clicked, this, [this] {
        if (!Session().IsConnected())
            return;
        TFormChangeIp dialog(Session(), Language(), Prompts(), this);
        OpenDeviceDialog(dialog, true); // the dialog reads and writes on its own
    });
    connect(bbAlterarSenha_, &QPushButton::clicked, this, [this] {
        if (!Session().IsConnected())
            return;
        TFormTrocarSenha dialog(Session(), Language(), Prompts(), this);
        OpenDeviceDialog(dialog, false);
    });
}

void TGeneralScreen::BuildIdentityRow(QVBoxLayout* layout) {
    identityRow_ = new QHBoxLayout;
    pnNumSerie_ = Widgets::Panel("pnNumSerie", background_);
    pnVersaoFirmware_ = Widgets::Panel("pnVersaoFirmware", background_);
    identityRow_->addWidget(pnNumSerie_, 1);
    identityRow_->addWidget(pnVersaoFirmware_, 1);
    bbTendencia_ = Button("bbTendencia", background_);
    identityRow_->addWidget(bbTendencia_);
    connect(bbTendencia_, &QPushButton::clicked, this, [this] {
        // Not modal: the screen goes on polling, and each poll feeds the plot.
        if (!trend_->isVisible())
            trend_->move(Corner(50, 50));
        trend_->show();
        trend_->raise();
        trend_->activateWindow();
    });
    layout->addLayout(identityRow_);
}

void TGeneralScreen::BuildClockRow(QVBoxLayout* layout) {
    auto* clockRow = new QHBoxLayout;
    pnRelogio_ = Widgets::Panel("pnRelogio", background_);
    pnRelogio_->setMinimumWidth(170);
    bbAjustarRelogioComputador_ = Button("bbAjustarRelogioComputador", background_);
    bbAjustarRelogioManual_ = Button("bbAjustarRelogioManual", background_);
    clockRow->addWidget(pnRelogio_);
    clockRow->addWidget(bbAjustarRelogioComputador_);
    clockRow->addWidget(bbAjustarRelogioManual_);
    layout->addLayout(clockRow);
    connect(bbAjustarRelogioComputador_, &QPushButton::clicked, this,
            &TGeneralScreen::bbAjustarRelogioComputadorClick);
    connect(bbAjustarRelogioManual_, &QPushButton::clicked, this, [this] {
        if (!Session().IsConnected())
            return;
        TFormAlterarRelogio dialog(Session(), Language(), Prompts(), this);
        OpenDeviceDialog(dialog, false);
    });
}

void TGeneralScreen::OpenDeviceDialog(QDialog& dialog, bool stopTimer) {
    if (stopTimer)
        Timer()->stop();
    ExecAt(dialog, 50, 50);
    if (stopTimer && isVisible())
        Timer()->start();
}

void TGeneralScreen::ShowScreen(int language) {
    ApplyLanguage(language);
    FillControls();
    SetConnectButtons();
}

void TGeneralScreen::Retranslate() {
    bbConectarIP_->setText(Text(ConnectIp));
    bbSalvarConf_->setText(Text(SaveConf));
    bbCarregarConf_->setText(Text(LoadConf));
    bbAlterarSenha_->setText(Text(ChangePassword));
    bbAlterarIP_->setText(Text(ChangeIp));
    bbTendencia_->setText(Text(TrendCaption));
    trend_->ApplyLanguage(Language());
    bbRelatorio_->setText(ReportExportTexts::Text(ReportExportTexts::ReportButton, Language()));
    if (table_.clock) {
        bbAjustarRelogioComputador_->setText(Text(AdjustPc));
        bbAjustarRelogioManual_->setText(Text(AdjustManual));
    }
    rgIdioma_->setTitle(Text(DeviceLanguage));
    rgIdioma_->SetItems({Text(LanguagePortuguese), Text(LanguageEnglish), Text(LanguageSpanish)});
    RetranslateReadings();
    for (QTableWidget* grid : findChildren<QTableWidget*>())
        Widgets::FitColumns(grid);
    SetConnectButtons();
    if (!Session().IsConnected())
        FillControls();
}

void TGeneralScreen::SetConnectButtons() {
    // While a lost link is being reopened, the connect button stops it.
    const bool connected = Session().IsConnected() || recovering_;
    bbConectar_->setText(Text(connected ? DisconnectCaption : GeneralScreenTexts::ConnectSerial));
    bbConectarUsb_->setText(Text(connected && !table_.comButton ? DisconnectCaption : ConnectUsb));
    bbConectarUsb_->setEnabled(!connecting_ && (!connected || !table_.comButton));
    bbConectarIP_->setEnabled(!connected && !connecting_);
    bbConectar_->setEnabled(!connecting_);
    bbRelatorio_->setEnabled(connected && !connecting_);
}

void TGeneralScreen::SetConnecting(bool connecting) {
    connecting_ = connecting;
    SetConnectButtons();
    emit busyChanged(connecting);
}

void TGeneralScreen::FillIdentity(bool connected) {
    using Widgets::SetStyle;
    if (!connected) {
        if (pnRelogio_)
            pnRelogio_->clear();
        pnNumSerie_->setText(Text(NotConnected));
        SetStyle(pnNumSerie_, "background: #808080; color: white;");
        pnVersaoFirmware_->clear();
        SetStyle(pnVersaoFirmware_, "background: #808080;");
        return;
    }
    auto v = [this](int reg) { return Session().FetchRegister(reg); };
    if (pnRelogio_ && !ClockRead())
        pnRelogio_->clear();
    if (pnRelogio_ && ClockRead()) {
        const int c = ClockRegister(table_.family);
        const int day = v(c + 3), month = v(c + 4);
        const bool english = Language() == 1;
        pnRelogio_->setText(QString::asprintf("%.2d/%.2d/20%.2d %.2d:%.2d:%.2d", english ? month : day,
                                              english ? day : month, v(c + 5), v(c), v(c + 1), v(c + 2)));
    }
    pnNumSerie_->setText(Text(SerialNumber) + QString::number(Session().Image().SerialNumber()));
    SetStyle(pnNumSerie_, "background: #C0DCC0; color: black;");
    pnVersaoFirmware_->setText(
        Text(FirmwareVersion) +
        QString::fromStdString(DeviceIdentity::PackedVersionText(v(SharedRegisters::kFirmware))));
    SetStyle(pnVersaoFirmware_, QString());
}

void TGeneralScreen::Fill() {
    const bool connected = Session().IsConnected();
    if (connected)
        rgIdioma_->SetValue(Session().FetchRegister(SharedRegisters::kLanguage));
    else
        rgIdioma_->SetItemIndex(-1);
    FillIdentity(connected);
    FillReadings(connected);
}

void TGeneralScreen::Tick() {
    if (recovering_) {
        Recover();
        return;
    }
    if (Session().IsConnected()) {
        TReadBatch batch(Session());
        QueueLiveReads(batch);
        const bool polled = batch.Flush(table_.liveWait);
        failedPolls_ = polled ? 0 : failedPolls_ + 1;
        if (polled)
            trend_->Sample(QDateTime::currentMSecsSinceEpoch());
        // A serial line that stays silent counts as gone too, so that it is reopened.
        const int allowed = table_.failedPollsAllowed > 0 ? table_.failedPollsAllowed
                            : Session().IsTcp()            ? 0
                                                           : kSerialPollsBeforeLost;
        if (allowed > 0 && failedPolls_ > allowed)
            Session().Close(); // given up: said below, as a link that went away
    }
    FillControls();
    // A link that went away by itself (a socket reset, a serial adapter pulled) is said once.
    if (linkUp_ && !Session().IsConnected()) {
        linkUp_ = false;
        if (StartRecovering())
            return;
        SetConnectButtons();
        SayLinkLost();
    }
}

bool TGeneralScreen::StartRecovering() {
    if (!table_.recoversLostLink || !recovery_.HasTarget())
        return false;
    recovering_ = true;
    FillControls(); // the readings go blank: none of them is current
    SetConnectButtons();
    notification_->ShowAt(Corner(70, 120), 400, Text(Reconnecting));
    return true;
}

void TGeneralScreen::Recover() {
    const TLinkRecovery::TResult result = recovery_.TryOnce();
    if (result == TLinkRecovery::TResult::NotYet)
        return;
    EndRecovering();
    if (result == TLinkRecovery::TResult::OtherDevice) {
        recovery_.Forget();
        Prompts().Error(this, Text(OtherDeviceOnLink).arg(Session().Image().SerialNumber()));
    } else if (result == TLinkRecovery::TResult::PasswordRefused) {
        recovery_.Forget();
        Prompts().Error(this, Text(PasswordWrong));
    } else {
        // The same device: the screen reads what it read at the connection, then polls on.
        TReadBatch batch(Session());
        QueueInitialReads(batch);
        batch.Flush();
        linkUp_ = Session().IsConnected();
        failedPolls_ = 0;
    }
    FillControls();
    SetConnectButtons();
}

void TGeneralScreen::CommitWhileDisconnected() {
    if (!recovering_)
        return;
    // Said, and the controls put back: nothing is kept to be sent when the link returns.
    Prompts().Error(this, Text(NotSentLinkDown));
    FillControls();
}

void TGeneralScreen::EndRecovering() {
    recovering_ = false;
    notification_->hide();
}

void TGeneralScreen::SayLinkLost() {
    notification_->ShowAt(Corner(70, 120), 400, Text(DeviceLost));
}

void TGeneralScreen::Commit() {
    TCommitBatch batch(Session(), Prompts(), this, Text(ErrorSending));
    if (const auto language = rgIdioma_->ChosenIndex())
        batch.Write(SharedRegisters::kLanguage, *language);
    CommitReadings(batch);
    batch.Finish();
}

void TGeneralScreen::Disconnect() {
    linkUp_ = false;
    if (recovering_)
        EndRecovering();
    recovery_.Forget();
    if (Session().IsConnected() || Session().IsConnecting())
        Session().Close();
    FillControls();
    SetConnectButtons();
}

void TGeneralScreen::bbConectarClick(bool usb) {
    if (Session().IsConnected() || recovering_) {
        Disconnect();
        return;
    }
    TFormConectaCom dialog(usb, Language(), Context().settings, Prompts(), this);
    if (ExecAt(dialog, 50, 50) != QDialog::Accepted || dialog.PortName().isEmpty())
        return;
    bool ok = false;
    int address = dialog.AddressText().trimmed().toInt(&ok);
    if (!ok)
        address = 1;
    ConnectSerial(dialog.PortName(), address, dialog.LineSettings(), !usb);
    SetConnectButtons();
}

void TGeneralScreen::bbConectarIPClick() {
    if (Session().IsConnected() || recovering_) {
        Disconnect();
        return;
    }
    const TConnectionSettings& c = Settings();
    TFormEntraIP dialog(Language(), DataFolder() + "deviceList.txt", Prompts(), this);
    dialog.Preset(Cp1252::ToUnicode(c.deviceIp), Cp1252::ToUnicode(c.pcIp), c.ipPort,
                  Cp1252::ToUnicode(c.address));
    const int result = ExecAt(dialog, 50, 50);
    if (result != QDialog::Accepted && result != TFormEntraIP::kByAddress)
        return;
    ConnectNetworkAsTyped(dialog.AddressText(), dialog.ResultIp(), dialog.PcIp(), dialog.ResultPort());
}

bool TGeneralScreen::ConnectNetworkAsTyped(const QString& host, const QString& deviceIpText,
                                           const QString& pcIpText, int port) {
    const QString pcIp = pcIpText.trimmed();
    const QString deviceIp = deviceIpText.trimmed().left(20);
    // An empty computer address lets the system choose the interface.
    if ((!pcIp.isEmpty() && !Ipv4Address::Parse(pcIp.toStdString())) ||
        !Ipv4Address::Parse(deviceIp.toStdString())) {
        Prompts().Error(this, Text(InvalidIp));
        return false;
    }
    // Every text of the settings file is kept in the single-byte code page.
    TConnectionSettings& c = Settings();
    c.deviceIp = Cp1252::FromUnicode(deviceIp);
    c.pcIp = Cp1252::FromUnicode(pcIp);
    c.ipPort = port;
    c.address = Cp1252::FromUnicode(host);
    Context().settings.Save();
    const bool connected = ConnectNetwork(deviceIp, pcIp, port);
    SetConnectButtons();
    return connected;
}

bool TGeneralScreen::ConnectSerialAsTyped(const QString& port, int address, int baudRate, int format,
                                          bool usb) {
    static constexpr std::uint8_t kParity[] = {0, 1, 2, 0};
    static constexpr std::uint8_t kStopBits[] = {0, 0, 0, 2};
    if (port.trimmed().isEmpty() || format < 0 || format > 3)
        return false;
    // The serial dialog keeps these for every family under the thermal monitor's keys.
    TConnectionSettings& c = Context().settings.connection[0];
    c.modbusAddress = address;
    c.baudRate = baudRate;
    c.serialFormat = format;
    Context().settings.Save();
    const auto f = static_cast<std::size_t>(format);
    // A family without a COM button connects over its USB port only.
    const bool comPort = !usb && table_.comButton;
    const bool connected =
        ConnectSerial(port.trimmed(), address, TLineSettings{baudRate, kParity[f], kStopBits[f]}, comPort);
    SetConnectButtons();
    return connected;
}

void TGeneralScreen::ForgetLastDevice() {
    // A failed read must not leave the last device's password or signature to be checked.
    for (int i = 0; i < SharedRegisters::kPasswordLength; ++i)
        Session().StoreRegister(SharedRegisters::kPassword + i, 0);
    Session().StoreRegister(SharedRegisters::kSignature, 0);
}

bool TGeneralScreen::AcceptsSignature(int signature, bool /*serial*/) {
    return signature == table_.signature;
}

bool TGeneralScreen::CheckSignature(bool serial) {
    const int signature = Session().FetchRegister(SharedRegisters::kSignature);
    if (AcceptsSignature(signature, serial))
        return true;
    Session().Close();
    notification_->hide();
    for (const auto& [other, family] : table_.switches) {
        if (signature == other) {
            Prompts().Error(this, Text(SignatureOf).arg(Family::SignatureModelName(family)));
            emit familySwitchRequested(family);
            return false;
        }
    }
    Prompts().Error(this, Text(InvalidSignature));
    return false;
}

bool TGeneralScreen::Login() {
    TFormSenha dialog(Language(), this);
    if (ExecAt(dialog, 100, 100) != QDialog::Accepted) {
        Session().Close();
        return false;
    }
    if (!DeviceIdentity::PasswordMatches(dialog.Typed().toStdString(), Session().Image())) {
        Prompts().Error(this, Text(PasswordWrong));
        Session().Close();
        return false;
    }
    pendingTarget_.signature = Session().FetchRegister(SharedRegisters::kSignature);
    pendingTarget_.serialNumber = Session().Image().SerialNumber();
    pendingTarget_.password = dialog.Typed().toStdString();
    recovery_.SetTarget(pendingTarget_);
    FillControls();
    const int minimum = Session().FetchRegister(SharedRegisters::kMinProgram);
    if (DeviceIdentity::NeedsNewerProgram(minimum))
        Prompts().Warning(this, Text(NeedsNewer) +
                                    QString::fromStdString(DeviceIdentity::PackedVersionText(minimum)));
    return true;
}

void TGeneralScreen::Abandon(int message) {
    Session().Close();
    notification_->hide();
    Prompts().Error(this, Text(message));
}

bool TGeneralScreen::IdentifyAndLogin(bool serial) {
    notification_->SetText(Text(ConnectingMore));
    const int notAnswering = serial ? NotAnsweringCom : NotAnswering;
    if ((!serial || table_.languageFirstOverSerial) &&
        !Session().ReadRegisters(SharedRegisters::kLanguage, 1)) {
        Abandon(notAnswering);
        return false;
    }
    if (!Session().ReadRegisters(SharedRegisters::kSignature, 1)) {
        Abandon(NoSignature);
        return false;
    }
    if (!CheckSignature(serial))
        return false;
    if (!ReadAfterSignature()) {
        Abandon(notAnswering);
        return false;
    }
    // Whether 1704 can be read tells whether the device has the network ports (queued: always).
    Session().SetNetworkPortFlag(Session().ReadRegisters(SharedRegisters::kNetworkPortsProbe, 1, true));
    TReadBatch batch(Session());
    QueueInitialReads(batch);
    batch.Flush(); // failures here are not reported: the screen shows what came
    AfterInitialReads();
    notification_->hide();
    return Login();
}

bool TGeneralScreen::EndConnecting(bool connected) {
    notification_->hide();
    linkUp_ = connected && Session().IsConnected();
    failedPolls_ = 0;
    if (linkUp_)
        trend_->Restart();
    SetConnecting(false);
    FillControls();
    return connected;
}

bool TGeneralScreen::ConnectSerial(const QString& port, int address, const TLineSettings& line,
                                   bool comPort) {
    SetConnecting(true);
    notification_->ShowAt(Corner(70, 120), 400, Text(Connecting));
    ForgetLastDevice();
    recovery_.Forget();
    pendingTarget_ = {};
    pendingTarget_.serial = true;
    pendingTarget_.port = port;
    pendingTarget_.line = line;
    pendingTarget_.comPort = comPort;
    pendingTarget_.address = static_cast<std::uint8_t>(address);
    Session().SetSlaveAddress(static_cast<std::uint8_t>(address));
    Session().SetFamily(table_.family);
    if (!Session().OpenSerial(port, line, comPort)) {
        Abandon(Session().SerialAccessDenied() ? PortDenied : AccessError);
        return EndConnecting(false);
    }
    return EndConnecting(IdentifyAndLogin(true));
}

bool TGeneralScreen::ConnectNetwork(const QString& deviceIp, const QString& pcIp, int port) {
    SetConnecting(true);
    notification_->ShowAt(Corner(70, 120), 600, Text(Connecting) + "  (0s (max 20s))");
    ForgetLastDevice();
    recovery_.Forget();
    pendingTarget_ = {};
    pendingTarget_.deviceIp = deviceIp;
    pendingTarget_.pcIp = pcIp;
    pendingTarget_.tcpPort = static_cast<std::uint16_t>(port);
    Session().SetFamily(table_.family);
    if (Session().OpenTcp(deviceIp, pcIp, static_cast<std::uint16_t>(port))) {
        // Wait for the connection, showing the seconds; a refused attempt ends the wait at once.
        QElapsedTimer elapsed;
        elapsed.start();
        QEventLoop loop;
        QTimer tick;
        connect(&tick, &QTimer::timeout, &loop, [&] {
            notification_->SetText(
                Text(Connecting) +
                QStringLiteral("  (%1s (max 20s))").arg(qRound(elapsed.elapsed() / 1000.0)));
            if (Session().IsConnected() || !Session().IsConnecting() || elapsed.elapsed() >= kConnectWaitMs)
                loop.quit();
        });
        tick.start(100);
        loop.exec();
    }
    if (!Session().IsConnected()) {
        Abandon(AccessError); // a connection still pending must not complete later
        return EndConnecting(false);
    }
    return EndConnecting(IdentifyAndLogin(false));
}

void TGeneralScreen::SendCommandAndSay(int code) {
    if (!Session().IsConnected())
        return;
    if (Session().SendCommand(code))
        Prompts().Information(this, Text(CommandSent));
    else
        Prompts().Error(this, Text(ErrorSending));
}

void TGeneralScreen::bbAjustarRelogioComputadorClick() {
    if (!Session().IsConnected() || !Prompts().Question(this, Text(AskClock)))
        return;
    if (!WriteDeviceClock(Session(), QDateTime::currentDateTime()))
        Prompts().Error(this, Text(ErrorSending));
}

QString TGeneralScreen::ChooseConfFile(bool save) {
    // The image must equal the device: a save writes it, a load sends only what differs.
    if (!Session().IsConnected())
        return {};
    if (!RefreshConfiguration(Session())) {
        Prompts().Error(this, Text(ErrorReadingConf));
        return {};
    }
    TConnectionSettings& c = Settings();
    const QString last = Cp1252::ToUnicode(c.confFile);
    // Until a file has been used, the dialogs start in the data folder.
    const QString folder =
        last.isEmpty() ? QString::fromStdString(DataFolder()) : QFileInfo(last).absolutePath();
    const TFileDialogRequest request{Text(save ? SaveTitle : LoadTitle), Text(ConfFilter), "conf", folder};
    QString file = save ? Prompts().SaveFileName(this, request) : Prompts().OpenFileName(this, request);
    if (file.isEmpty())
        return {};
    if (!Cp1252::CanEncode(file)) {
        Prompts().Error(this, Text(PathNotStorable));
        return {};
    }
    c.confFile = Cp1252::FromUnicode(file);
    Context().settings.Save();
    return file;
}

void TGeneralScreen::bbSalvarConfClick() {
    const QString file = ChooseConfFile(true);
    if (file.isEmpty())
        return;
    if (ConfFile::SaveConfFile(Session(), file.toStdString()))
        Prompts().Information(this, Text(SavedOk));
    else
        Prompts().Error(this, Text(SaveError));
}

bool TGeneralScreen::ConfirmDifferences(const QString& file) {
    TLoadReport report;
    const auto differences = ConfFile::DiffConfFile(Session(), file.toStdString(), report);
    // A file the comparison cannot judge goes on to the load, which reports why it is refused.
    if (report.outcome != TLoadOutcome::Loaded)
        return true;
    if (differences.empty()) {
        Prompts().Information(this, Text(NothingToLoad));
        return false;
    }
    TFormCompararConf dialog(differences, Language(), this);
    return ExecAt(dialog, 50, 50) == QDialog::Accepted;
}

void TGeneralScreen::bbCarregarConfClick() {
    const QString file = ChooseConfFile(false);
    if (file.isEmpty())
        return;
    const TLoadReport check = ConfFile::CheckConfFile(Session(), file.toStdString());
    if (check.outcome == TLoadOutcome::Unreadable) {
        Prompts().Error(this, Text(FileUnreadable));
        return;
    }
    // Older files may lack keys, which then take their defaults; never without asking.
    if (check.outcome == TLoadOutcome::Loaded && !check.missingKeys.empty() &&
        !Prompts().Question(this, Text(MissingKeys).arg(check.missingKeys.size())))
        return;
    if (check.outcome == TLoadOutcome::Loaded && !ConfirmDifferences(file))
        return;
    notification_->ShowAt(Corner(70, 120), 500, Text(LoadingConf));
    int errorRegister = 0;
    const bool loaded = ConfFile::LoadConfFile(Session(), file.toStdString(), errorRegister);
    if (loaded)
        AfterConfLoaded();
    notification_->hide();
    if (loaded)
        Prompts().Information(this, Text(LoadedOk));
    else
        Prompts().Error(this, Text(LoadError) + QStringLiteral(" (%1)").arg(errorRegister));
}
