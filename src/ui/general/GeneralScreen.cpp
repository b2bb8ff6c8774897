#include "ui/general/GeneralScreen.h"

#include "link/DeviceClock.h"
#include "link/EquipComm.h"
#include "link/Ipv4Address.h"
#include "link/ReadBatch.h"
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
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

namespace {

using namespace GeneralScreenTexts;
using Widgets::Button;

} // namespace

TGeneralScreen::TGeneralScreen(const TScreenContext& context, int family, QWidget* parent)
    : TScreen(context, parent), connection_(context.session, family),
      notification_(new TFormNotificacao(this)),
      trend_(new TFormTendencia(context.session, context.prompts, this)) {
    Build();
    EnablePolling(1000);
}

QString TGeneralScreen::Text(int id) const {
    return GeneralScreenTexts::Text(static_cast<TId>(id), Language());
}

TConnectionSettings& TGeneralScreen::Settings() {
    return Context().settings.connection[static_cast<std::size_t>(Profile().family)];
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
    if (Profile().clock)
        BuildClockRow(layout);
    rgIdioma_ = new TRadioGroup("rgIdioma", Profile().family == Family::kIrrigation ? 3 : 2, background_);
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
    bbConectar_->setVisible(Profile().comPort);
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
    if (Profile().clock) {
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
    const bool connected = Session().IsConnected() || Recovering();
    const bool com = Profile().comPort;
    bbConectar_->setText(Text(connected ? DisconnectCaption : GeneralScreenTexts::ConnectSerial));
    bbConectarUsb_->setText(Text(connected && !com ? DisconnectCaption : ConnectUsb));
    bbConectarUsb_->setEnabled(!connecting_ && (!connected || !com));
    bbConectarIP_->setEnabled(!connected && !connecting_);
    bbConectar_->setEnabled(!connecting_);
    bbRelatorio_->setEnabled(connected && !connecting_);
}

void TGeneralScreen::SetConnecting(bool connecting) {
    connecting_ = connecting;
    SetConnectButtons();
    emit busyChanged(connecting);
}

bool TGeneralScreen::Live() const {
    return connection_.Answering();
}

bool TGeneralScreen::Engaged() const {
    return Session().IsConnected() || Session().IsConnecting() || Recovering();
}

bool TGeneralScreen::ClockRead() const {
    return Profile().clock && !connection_.Facts().membrane;
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
    // A clock the device did not just send is no clock.
    if (pnRelogio_ && (!ClockRead() || !Live()))
        pnRelogio_->clear();
    if (pnRelogio_ && ClockRead() && Live()) {
        const int c = ClockRegister(Profile().family);
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
    FillReadings(connected && Live());
}

void TGeneralScreen::Tick() {
    using TPoll = TDeviceConnection::TPoll;
    if (Recovering()) {
        Recover();
        return;
    }
    if (!connection_.LoggedIn()) {
        FillControls(); // keeps the screen cleared
        return;
    }
    const TPoll poll = connection_.Poll();
    if (poll == TPoll::Busy)
        return; // another transaction holds the link: nothing new, nothing lost
    // The trend records only what the device just sent.
    if (poll == TPoll::Read)
        trend_->Sample(QDateTime::currentMSecsSinceEpoch());
    FillControls();
    if (poll == TPoll::Lost)
        LinkLost();
    // A device that keeps refusing its live registers answers, so it is not lost: said, not hidden.
    const bool refusing = connection_.RefusedPolls() >= Profile().pollsToLose;
    if (refusing && !notification_->isVisible())
        notification_->ShowAt(Corner(70, 120), 400, Text(RefusingReads));
    else if (!refusing && notification_->isVisible() && notification_->Text() == Text(RefusingReads))
        notification_->hide();
}

bool TGeneralScreen::Recovering() const {
    return connection_.Phase() == TDeviceConnection::TPhase::Recovering;
}

void TGeneralScreen::LinkLost() {
    // A link that went away by itself (a socket reset, an adapter pulled, a device gone silent)
    // is said once; the readings are blank by now.
    SetConnectButtons();
    if (Recovering())
        notification_->ShowAt(Corner(70, 120), 400, Text(Reconnecting));
    else
        SayLinkLost();
}

void TGeneralScreen::Recover() {
    using TRecovery = TDeviceConnection::TRecovery;
    const TRecovery result = connection_.Recover();
    if (result == TRecovery::NotYet)
        return;
    notification_->hide();
    if (result == TRecovery::OtherDevice)
        Prompts().Error(this, Text(OtherDeviceOnLink).arg(Session().Image().SerialNumber()));
    else if (result == TRecovery::PasswordRefused)
        Prompts().Error(this, Text(PasswordWrong));
    FillControls();
    SetConnectButtons();
}

void TGeneralScreen::CommitWhileDisconnected() {
    if (!Recovering())
        return;
    // Said, and the controls put back: nothing is kept to be sent when the link returns.
    Prompts().Error(this, Text(NotSentLinkDown));
    FillControls();
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
    if (Recovering())
        notification_->hide();
    connection_.Close();
    FillControls();
    SetConnectButtons();
}

void TGeneralScreen::bbConectarClick(bool usb) {
    if (Session().IsConnected() || Recovering()) {
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
    if (Session().IsConnected() || Recovering()) {
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
    const bool comPort = !usb && Profile().comPort;
    const bool connected =
        ConnectSerial(port.trimmed(), address, TLineSettings{baudRate, kParity[f], kStopBits[f]}, comPort);
    SetConnectButtons();
    return connected;
}

bool TGeneralScreen::SaidStep(TDeviceConnection::TStep step, bool serial) {
    using TStep = TDeviceConnection::TStep;
    notification_->hide();
    switch (step) {
    case TStep::Done:
        return true;
    case TStep::AccessError:
        Prompts().Error(this, Text(AccessError));
        break;
    case TStep::PortDenied:
        Prompts().Error(this, Text(PortDenied));
        break;
    case TStep::NotAnswering:
        Prompts().Error(this, Text(serial ? NotAnsweringCom : NotAnswering));
        break;
    case TStep::NoSignature:
        Prompts().Error(this, Text(NoSignature));
        break;
    case TStep::OtherFamily:
        Prompts().Error(this, Text(SignatureOf).arg(Family::SignatureModelName(*connection_.OtherFamily())));
        emit familySwitchRequested(*connection_.OtherFamily());
        break;
    case TStep::InvalidSignature:
        Prompts().Error(this, Text(InvalidSignature));
        break;
    case TStep::BadUnit:
        Prompts().Error(this, Text(BadUnitIndex).arg(connection_.UnitReported()));
        break;
    }
    return false;
}

bool TGeneralScreen::Login() {
    TFormSenha dialog(Language(), this);
    if (ExecAt(dialog, 100, 100) != QDialog::Accepted) {
        connection_.Close();
        return false;
    }
    using TLogIn = TDeviceConnection::TLogIn;
    const TLogIn login = connection_.LogIn(dialog.Typed().toStdString());
    if (login != TLogIn::LoggedIn) {
        Prompts().Error(this, Text(login == TLogIn::LinkLost ? DeviceLost : PasswordWrong));
        return false;
    }
    FillControls();
    const int minimum = Session().FetchRegister(SharedRegisters::kMinProgram);
    if (DeviceIdentity::NeedsNewerProgram(minimum))
        Prompts().Warning(this, Text(NeedsNewer) +
                                    QString::fromStdString(DeviceIdentity::PackedVersionText(minimum)));
    return true;
}

bool TGeneralScreen::IdentifyAndLogin() {
    notification_->SetText(Text(ConnectingMore));
    const bool serial = !Session().IsTcp();
    if (!SaidStep(connection_.Identify(), serial))
        return false;
    AfterInitialReads();
    notification_->hide();
    return Login();
}

bool TGeneralScreen::EndConnecting(bool connected) {
    notification_->hide();
    if (connected && connection_.LoggedIn())
        trend_->Restart();
    SetConnecting(false);
    FillControls();
    return connected && connection_.LoggedIn();
}

bool TGeneralScreen::Connect(const TLinkTarget& target) {
    SetConnecting(true);
    if (target.serial)
        notification_->ShowAt(Corner(70, 120), 400, Text(Connecting));
    else
        notification_->ShowAt(Corner(70, 120), 600, Text(Connecting) + "  (0s (max 20s))");
    const auto step = connection_.Open(target, [this](int seconds) {
        notification_->SetText(Text(Connecting) + QStringLiteral("  (%1s (max 20s))").arg(seconds));
    });
    if (!SaidStep(step, target.serial))
        return EndConnecting(false);
    return EndConnecting(IdentifyAndLogin());
}

bool TGeneralScreen::ConnectSerial(const QString& port, int address, const TLineSettings& line,
                                   bool comPort) {
    TLinkTarget target;
    target.serial = true;
    target.port = port;
    target.line = line;
    target.comPort = comPort;
    target.address = static_cast<std::uint8_t>(address);
    return Connect(target);
}

bool TGeneralScreen::ConnectNetwork(const QString& deviceIp, const QString& pcIp, int port) {
    TLinkTarget target;
    target.deviceIp = deviceIp;
    target.pcIp = pcIp;
    // The session's slave address stays that of the last serial connection.
    target.address = Session().SlaveAddress();
    target.tcpPort = static_cast<std::uint16_t>(port);
    return Connect(target);
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
