#include "ui/shell/FrameConfGeral.h"

#include "link/EquipComm.h"
#include "link/Ipv4Address.h"
#include "model/DeviceIdentity.h"
#include "persistence/ConfFile.h"
#include "persistence/ConfRefresh.h"
#include "persistence/Cp1252.h"
#include "persistence/DataFolder.h"
#include "persistence/ProgramMainConf.h"
#include "ui/shell/DeviceClock.h"
#include "ui/shell/FormAlterarRelogio.h"
#include "ui/shell/FormChangeIp.h"
#include "ui/shell/FormConectaCom.h"
#include "ui/shell/FormEntraIP.h"
#include "ui/shell/FormNotificacao.h"
#include "ui/shell/FormSenha.h"
#include "ui/shell/FormTrocarSenha.h"
#include "ui/shell/FrameConfGeralTexts.h"
#include "ui/shell/RadioGroup.h"
#include "ui/shell/UserPrompts.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

using namespace FrameConfGeralTexts;

constexpr int kThermal = 0;
constexpr int kConnectWaitMs = 20000;
constexpr double kTimerWait = 0.1;
const char* const kSignatureModels[] = {"QEL880T", "QEL880P", "QEL880R", "QEL880IRR", "QEL880C"};

QPushButton* Button(const char* name, QWidget* parent) {
    auto* b = new QPushButton(parent);
    b->setObjectName(name);
    return b;
}

QLabel* Panel(const char* name, QWidget* parent) {
    auto* p = new QLabel(parent);
    p->setObjectName(name);
    p->setFrameShape(QFrame::Panel);
    p->setFrameShadow(QFrame::Sunken);
    p->setAlignment(Qt::AlignCenter);
    p->setMinimumHeight(26);
    return p;
}

QTableWidget* Grid(const char* name, int rows, int columns, const std::vector<int>& widths, QWidget* parent) {
    auto* grid = new QTableWidget(rows, columns, parent);
    grid->setObjectName(name);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setFocusPolicy(Qt::NoFocus);
    for (int c = 0; c < columns; ++c)
        grid->setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
    for (int r = 0; r < rows; ++r) {
        grid->setRowHeight(r, 24);
        for (int c = 0; c < columns; ++c) {
            auto* item = new QTableWidgetItem;
            if (r == 0 || c == 0)
                item->setBackground(grid->palette().button());
            grid->setItem(r, c, item);
        }
    }
    int width = 4;
    for (int w : widths)
        width += w;
    grid->setFixedSize(width, rows * 24 + 4);
    return grid;
}

void SetCell(QTableWidget* grid, int row, int column, const QString& text) {
    grid->item(row, column)->setText(text);
}

// The screen refills every second: restyling an unchanged widget would repolish it each time.
void SetStyle(QWidget* widget, const QString& style) {
    if (widget->styleSheet() != style)
        widget->setStyleSheet(style);
}

} // namespace

TFrameConfGeral::TFrameConfGeral(TEquipComm& session, TProgramMainConf& settings, TUserPrompts& prompts,
                                 QWidget* parent)
    : TScreen(parent), session_(session), settings_(settings), prompts_(prompts),
      notification_(new TFormNotificacao(this)), timer_(new QTimer(this)) {
    setObjectName("FrameConfGeral");
    timer_->setObjectName("Timer1");
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, &TFrameConfGeral::Timer1Timer);
    Build();
    ApplyLanguage(0);
}

QString TFrameConfGeral::Text(int id) const {
    return QString::fromUtf8(Get(static_cast<TId>(id), language_));
}

void TFrameConfGeral::Build() {
    background_ = new QWidget(this);
    background_->setObjectName("pnFundo");
    background_->setFocusPolicy(Qt::ClickFocus);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(background_);
    auto* layout = new QGridLayout(background_);

    auto* connectRow = new QHBoxLayout;
    bbConectar_ = Button("bbConectar", background_);
    bbConectarUsb_ = Button("bbConectarUsb", background_);
    bbConectarIP_ = Button("bbConectarIP", background_);
    for (QPushButton* b : {bbConectar_, bbConectarUsb_, bbConectarIP_})
        connectRow->addWidget(b);
    layout->addLayout(connectRow, 0, 0, 1, 2);
    auto* adminRow = new QHBoxLayout;
    bbSalvarConf_ = Button("bbSalvarConf", background_);
    bbCarregarConf_ = Button("bbCarregarConf", background_);
    bbAlterarSenha_ = Button("bbAlterarSenha", background_);
    bbAlterarIP_ = Button("bbAlterarIP", background_);
    for (QPushButton* b : {bbSalvarConf_, bbCarregarConf_, bbAlterarSenha_, bbAlterarIP_})
        adminRow->addWidget(b);
    layout->addLayout(adminRow, 1, 0, 1, 2);
    auto* identityRow = new QHBoxLayout;
    pnNumSerie_ = Panel("pnNumSerie", background_);
    pnVersaoFirmware_ = Panel("pnVersaoFirmware", background_);
    BitBtn1_ = Button("BitBtn1", background_);
    BitBtn1_->setText("Teste Falha Membrana"); // not translated
    BitBtn1_->hide();
    identityRow->addWidget(pnNumSerie_, 1);
    identityRow->addWidget(pnVersaoFirmware_, 1);
    identityRow->addWidget(BitBtn1_);
    layout->addLayout(identityRow, 2, 0, 1, 2);
    auto* clockRow = new QHBoxLayout;
    pnRelogio_ = Panel("pnRelogio", background_);
    pnRelogio_->setMinimumWidth(170);
    bbAjustarRelogioComputador_ = Button("bbAjustarRelogioComputador", background_);
    bbAjustarRelogioManual_ = Button("bbAjustarRelogioManual", background_);
    clockRow->addWidget(pnRelogio_);
    clockRow->addWidget(bbAjustarRelogioComputador_);
    clockRow->addWidget(bbAjustarRelogioManual_);
    layout->addLayout(clockRow, 3, 0, 1, 2);

    auto* groups = new QHBoxLayout;
    rgVisualizacao_ = new TRadioGroup("rgVisualizacao", 2, background_);
    rgIdioma_ = new TRadioGroup("rgIdioma", 2, background_);
    rgFreqOperacao_ = new TRadioGroup("rgFreqOperacao", 2, background_);
    for (TRadioGroup* g : {rgVisualizacao_, rgIdioma_, rgFreqOperacao_}) {
        groups->addWidget(g);
        connect(g, &TRadioGroup::itemClicked, this, &TFrameConfGeral::CommitControls);
    }
    layout->addLayout(groups, 4, 0, 1, 2);

    sgMedidas_ = Grid("sgMedidas", 7, 3, {40, 100, 100}, background_);
    sgMedidasEnrolamento_ = Grid("sgMedidasEnrolamento", 4, 4, {56, 90, 90, 90}, background_);
    for (int n = 1; n <= 6; ++n)
        SetCell(sgMedidas_, n, 0, QString::number(n));
    for (int k = 1; k <= 3; ++k)
        SetCell(sgMedidasEnrolamento_, k, 0, QString::number(k));
    layout->addWidget(sgMedidas_, 5, 0, Qt::AlignTop);
    layout->addWidget(sgMedidasEnrolamento_, 5, 1, Qt::AlignTop);
    layout->addWidget(BuildRelays(), 6, 0, 1, 2);
    layout->setRowStretch(7, 1);

    connect(bbConectar_, &QPushButton::clicked, this, [this] { bbConectarClick(false); });
    connect(bbConectarUsb_, &QPushButton::clicked, this, [this] { bbConectarClick(true); });
    connect(bbConectarIP_, &QPushButton::clicked, this, &TFrameConfGeral::bbConectarIPClick);
    connect(bbSalvarConf_, &QPushButton::clicked, this, &TFrameConfGeral::bbSalvarConfClick);
    connect(bbCarregarConf_, &QPushButton::clicked, this, &TFrameConfGeral::bbCarregarConfClick);
    connect(bbAjustarRelogioComputador_, &QPushButton::clicked, this,
            &TFrameConfGeral::bbAjustarRelogioComputadorClick);
    connect(bbAjustarRelogioManual_, &QPushButton::clicked, this, [this] {
        if (!session_.IsConnected())
            return;
        TFormAlterarRelogio dialog(session_, language_, prompts_, this);
        dialog.move(Corner(50, 50));
        prompts_.Exec(dialog);
    });
    connect(bbAlterarIP_, &QPushButton::clicked, this, [this] {
        if (!session_.IsConnected())
            return;
        timer_->stop(); // the dialog reads and writes on its own
        TFormChangeIp dialog(session_, language_, prompts_, this);
        dialog.move(Corner(50, 50));
        prompts_.Exec(dialog);
        if (isVisible())
            timer_->start();
    });
    connect(bbAlterarSenha_, &QPushButton::clicked, this, [this] {
        if (!session_.IsConnected())
            return;
        TFormTrocarSenha dialog(session_, language_, prompts_, this);
        dialog.move(Corner(50, 50));
        prompts_.Exec(dialog);
    });
}

QWidget* TFrameConfGeral::BuildRelays() {
    auto* box = new QWidget(background_);
    auto* grid = new QGridLayout(box);
    for (int i = 0; i < 10; ++i) {
        const int n = i + 1;
        auto* cell = new QHBoxLayout;
        auto* lamp = new QLabel(box);
        lamp->setObjectName(QStringLiteral("spRele%1").arg(n));
        lamp->setFixedSize(16, 16);
        auto* picture = new QLabel(box);
        picture->setObjectName(QStringLiteral("imgRele%1").arg(n));
        picture->setFixedSize(32, 32);
        auto* name = new QLineEdit(box);
        name->setObjectName(QStringLiteral("edRele%1").arg(n));
        name->setMaximumWidth(110);
        name->installEventFilter(this);
        cell->addWidget(lamp);
        cell->addWidget(picture);
        cell->addWidget(name);
        // Relays 1, 3, 5, 7, 9 above; 2, 4, 6, 8, 10 below.
        grid->addLayout(cell, i % 2, i / 2);
        spRele_[static_cast<std::size_t>(i)] = lamp;
        imgRele_[static_cast<std::size_t>(i)] = picture;
        edRele_[static_cast<std::size_t>(i)] = name;
    }
    return box;
}

bool TFrameConfGeral::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            background_->setFocus(Qt::OtherFocusReason); // leaving the box commits it, once
            return true;
        }
    }
    if (box && event->type() == QEvent::FocusOut) {
        // Leaving means the focus moving within this window, not to a message box or a popup.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            CommitControls();
    }
    return TScreen::eventFilter(watched, event);
}

void TFrameConfGeral::ShowScreen(TEquipComm& /*session*/, int language) {
    ApplyLanguage(language);
    FillControls();
    SetConnectButtons();
}

void TFrameConfGeral::ApplyLanguage(int language) {
    if (language < 0 || language > 2)
        return;
    language_ = language;
    bbConectarUsb_->setText(Text(ConnectUsb));
    bbConectarIP_->setText(Text(ConnectIp));
    bbSalvarConf_->setText(Text(SaveConf));
    bbCarregarConf_->setText(Text(LoadConf));
    bbAlterarSenha_->setText(Text(ChangePassword));
    bbAlterarIP_->setText(Text(ChangeIp));
    bbAjustarRelogioComputador_->setText(Text(AdjustPc));
    bbAjustarRelogioManual_->setText(Text(AdjustManual));
    rgVisualizacao_->setTitle(Text(Indication));
    rgVisualizacao_->SetItems(
        {Text(IndicationTemperature), Text(IndicationQuantity), Text(IndicationPercent)});
    rgIdioma_->setTitle(Text(DeviceLanguage));
    rgIdioma_->SetItems({Text(LanguagePortuguese), Text(LanguageEnglish), Text(LanguageSpanish)});
    rgFreqOperacao_->setTitle(Text(Frequency));
    rgFreqOperacao_->SetItems({"60 Hz", "50 Hz"});
    SetCell(sgMedidas_, 0, 0, Text(HeadingRtd));
    SetCell(sgMedidas_, 0, 1, Text(HeadingTemperature));
    SetCell(sgMedidas_, 0, 2, Text(HeadingResistance));
    SetCell(sgMedidasEnrolamento_, 0, 0, Text(HeadingWinding));
    SetCell(sgMedidasEnrolamento_, 0, 1, Text(HeadingTemperature));
    SetCell(sgMedidasEnrolamento_, 0, 2, Text(HeadingCurrent));
    SetCell(sgMedidasEnrolamento_, 0, 3, Text(HeadingCurrentPercent));
    SetConnectButtons();
    if (!session_.IsConnected())
        FillControls();
}

void TFrameConfGeral::SetConnectButtons() {
    const bool connected = session_.IsConnected();
    bbConectar_->setText(
        Text(connected ? FrameConfGeralTexts::DisconnectCaption : FrameConfGeralTexts::ConnectSerial));
    bbConectarUsb_->setEnabled(!connected && !busy_);
    bbConectarIP_->setEnabled(!connected && !busy_);
    bbConectar_->setEnabled(!busy_);
}

void TFrameConfGeral::SetBusy(bool busy) {
    busy_ = busy;
    SetConnectButtons();
    emit busyChanged(busy);
}

QPoint TFrameConfGeral::Corner(int dx, int dy) const {
    return mapToGlobal(QPoint(dx, dy));
}

void TFrameConfGeral::ClearReadings() {
    for (TRadioGroup* g : {rgVisualizacao_, rgIdioma_, rgFreqOperacao_})
        g->SetItemIndex(-1);
    for (int r = 1; r < 7; ++r)
        for (int c = 1; c < 3; ++c)
            SetCell(sgMedidas_, r, c, {});
    for (int r = 1; r < 4; ++r)
        for (int c = 1; c < 4; ++c)
            SetCell(sgMedidasEnrolamento_, r, c, {});
    for (std::size_t i = 0; i < 10; ++i) {
        SetStyle(spRele_[i], "background: black; border-radius: 8px;");
        imgRele_[i]->clear();
        releShown_[i] = false;
    }
    pnRelogio_->clear();
    pnNumSerie_->setText(Text(NotConnected));
    SetStyle(pnNumSerie_, "background: #808080; color: white;");
    pnVersaoFirmware_->clear();
    SetStyle(pnVersaoFirmware_, "background: #808080;");
}

void TFrameConfGeral::FillControls() {
    filling_ = true;
    const bool connected = session_.IsConnected();
    for (std::size_t i = 0; i < 10; ++i) {
        if (!edRele_[i]->hasFocus())
            edRele_[i]->setText(Cp1252::ToUnicode(settings_.relayNames[i]));
        edRele_[i]->setEnabled(connected);
    }
    if (!connected) {
        ClearReadings();
        filling_ = false;
        return;
    }
    auto v = [this](int reg) { return session_.FetchRegister(reg); };
    rgVisualizacao_->SetItemIndex(v(201));
    rgFreqOperacao_->SetItemIndex(v(211));
    rgIdioma_->SetItemIndex(v(1500));
    for (int n = 1; n <= 6; ++n) {
        SetCell(sgMedidas_, n, 1, QString::asprintf("%.1fºC", (v(508 + 2 * n) - 1500) / 10.0));
        SetCell(sgMedidas_, n, 2, QString::asprintf("%.1f ohms", v(509 + 2 * n) / 10.0));
    }
    for (int k = 1; k <= 3; ++k) {
        SetCell(sgMedidasEnrolamento_, k, 1, QString::asprintf("%.1fºC", (v(500 + k) - 1500) / 10.0));
        SetCell(sgMedidasEnrolamento_, k, 2, QString::asprintf("%.2f A", v(503 + k) / 100.0));
        SetCell(sgMedidasEnrolamento_, k, 3, QString::asprintf("%.1f %%", v(506 + k) / 10.0));
    }
    for (std::size_t i = 0; i < 10; ++i) {
        const int n = static_cast<int>(i) + 1;
        const bool closed = (v(600 + n) != 0) != (v(100 + n) != 0);
        if (releShown_[i] && releShownClosed_[i] == closed)
            continue; // a picture is replaced only when it changes
        releShown_[i] = true;
        releShownClosed_[i] = closed;
        SetStyle(spRele_[i],
                 closed ? "background: red; border-radius: 8px;" : "background: black; border-radius: 8px;");
        imgRele_[i]->setPixmap(
            QIcon(closed ? ":/assets/relay_closed.svg" : ":/assets/relay_open.svg").pixmap(32, 32));
    }
    const int day = v(404), month = v(405);
    pnRelogio_->setText(QString::asprintf("%.2d/%.2d/20%.2d %.2d:%.2d:%.2d", language_ == 1 ? month : day,
                                          language_ == 1 ? day : month, v(406), v(401), v(402), v(403)));
    pnNumSerie_->setText(Text(SerialNumber) + QString::number(session_.Image().SerialNumber()));
    SetStyle(pnNumSerie_, "background: #C0DCC0; color: black;");
    pnVersaoFirmware_->setText(Text(FirmwareVersion) +
                               QString::fromStdString(DeviceIdentity::PackedVersionText(v(2000))));
    SetStyle(pnVersaoFirmware_, QString());
    filling_ = false;
}

void TFrameConfGeral::Timer1Timer() {
    if (busy_)
        return;
    busy_ = true;
    if (session_.IsConnected()) {
        if (membrane_) {
            session_.ReadRegisters(510, 2);
        } else {
            session_.ReadRegisters(1500, 1, true);
            session_.ReadRegisters(401, 6, true);
            session_.ReadRegisters(501, 21, true);
            session_.ReadRegisters(601, 10, true);
            session_.FlushReads(kTimerWait);
        }
    }
    FillControls();
    busy_ = false;
    // A link that went away by itself (a socket reset, a serial adapter pulled) is said once.
    if (linkUp_ && !session_.IsConnected()) {
        linkUp_ = false;
        SetConnectButtons();
        notification_->ShowAt(Corner(70, 120), 400, Text(DeviceLost));
    }
}

void TFrameConfGeral::CommitControls() {
    if (filling_ || !session_.IsConnected())
        return;
    bool namesChanged = false;
    for (std::size_t i = 0; i < 10; ++i) {
        const std::string name = Cp1252::FromUnicode(edRele_[i]->text());
        namesChanged = namesChanged || name != settings_.relayNames[i];
        settings_.relayNames[i] = name;
    }
    if (namesChanged)
        settings_.Save(); // nothing is written at exit
    bool ok = true;
    const std::pair<TRadioGroup*, int> groups[] = {
        {rgVisualizacao_, 201}, {rgFreqOperacao_, 211}, {rgIdioma_, 1500}};
    for (const auto& [group, reg] : groups) {
        if (group->ItemIndex() >= 0)
            ok = session_.WriteRegister(reg, group->ItemIndex(), true) && ok;
    }
    ok = session_.FlushWrites() && ok;
    if (!ok)
        prompts_.Error(this, Text(ErrorSending));
}

void TFrameConfGeral::Disconnect() {
    linkUp_ = false;
    if (session_.IsConnected() || session_.IsConnecting())
        session_.Close();
    FillControls();
}

void TFrameConfGeral::bbConectarClick(bool usb) {
    if (session_.IsConnected()) {
        Disconnect();
        SetConnectButtons();
        return;
    }
    TFormConectaCom dialog(usb, language_, settings_, prompts_, this);
    dialog.move(Corner(50, 50));
    if (prompts_.Exec(dialog) != QDialog::Accepted || dialog.PortName().isEmpty())
        return;
    bool ok = false;
    int address = dialog.AddressText().trimmed().toInt(&ok);
    if (!ok)
        address = 1;
    ConnectSerial(dialog.PortName(), address, dialog.LineSettings(), !usb);
    SetConnectButtons();
}

void TFrameConfGeral::bbConectarIPClick() {
    if (session_.IsConnected()) {
        Disconnect();
        SetConnectButtons();
        return;
    }
    TConnectionSettings& c = settings_.connection[kThermal];
    TFormEntraIP dialog(language_, DataFolder() + "deviceList.txt", prompts_, this);
    dialog.Preset(Cp1252::ToUnicode(c.deviceIp), Cp1252::ToUnicode(c.pcIp), c.ipPort,
                  Cp1252::ToUnicode(c.address));
    dialog.move(Corner(50, 50));
    const int result = prompts_.Exec(dialog);
    if (result != QDialog::Accepted && result != TFormEntraIP::kByAddress)
        return;
    const QString pcIp = dialog.PcIp().trimmed();
    const QString deviceIp = dialog.ResultIp().trimmed().left(20);
    // An empty computer address lets the system choose the interface.
    if ((!pcIp.isEmpty() && !Ipv4Address::Parse(pcIp.toStdString())) ||
        !Ipv4Address::Parse(deviceIp.toStdString())) {
        prompts_.Error(this, Text(InvalidIp));
        return;
    }
    // Every text of the settings file is kept in the single-byte code page.
    c.deviceIp = Cp1252::FromUnicode(deviceIp);
    c.pcIp = Cp1252::FromUnicode(pcIp);
    c.ipPort = dialog.ResultPort();
    c.address = Cp1252::FromUnicode(dialog.AddressText());
    settings_.Save();
    ConnectNetwork(deviceIp, pcIp, dialog.ResultPort());
    SetConnectButtons();
}

bool TFrameConfGeral::CheckSignature(bool serial) {
    const int signature = session_.FetchRegister(DeviceIdentity::kSignatureRegister);
    const auto family = DeviceIdentity::FamilyOfSignature(signature);
    membrane_ = serial && signature == DeviceIdentity::kMembraneSignature;
    if (membrane_)
        BitBtn1_->show(); // stays for the run
    // Over the network a membrane-test device counts as invalid.
    if (family == kThermal && (serial || signature != DeviceIdentity::kMembraneSignature))
        return true;
    session_.Close();
    notification_->hide();
    if (family && *family != kThermal) {
        prompts_.Error(this, Text(SignatureOf).arg(kSignatureModels[*family]));
        emit familySwitchRequested(*family);
    } else {
        prompts_.Error(this, Text(InvalidSignature));
    }
    return false;
}

bool TFrameConfGeral::Login() {
    TFormSenha dialog(language_, this);
    dialog.move(Corner(100, 100));
    if (prompts_.Exec(dialog) != QDialog::Accepted) {
        session_.Close();
        return false;
    }
    if (!DeviceIdentity::PasswordMatches(dialog.Typed().toStdString(), session_.Image())) {
        prompts_.Error(this, Text(PasswordWrong));
        session_.Close();
        return false;
    }
    FillControls();
    const int minimum = session_.FetchRegister(DeviceIdentity::kMinProgramRegister);
    if (DeviceIdentity::NeedsNewerProgram(minimum))
        prompts_.Warning(this, Text(NeedsNewer) +
                                   QString::fromStdString(DeviceIdentity::PackedVersionText(minimum)));
    return true;
}

void TFrameConfGeral::ForgetLastDevice() {
    // A failed read must not leave the last device's password or signature to be checked.
    for (int reg = 1600; reg <= 1603; ++reg)
        session_.StoreRegister(reg, 0);
    session_.StoreRegister(DeviceIdentity::kSignatureRegister, 0);
}

bool TFrameConfGeral::ReadIdentityAndLogin() {
    // Whether 1704 can be read tells whether the device has the network ports (queued: always).
    session_.SetNetworkPortFlag(session_.ReadRegisters(1704, 1, true));
    session_.ReadRegisters(1500, 1, true);
    session_.ReadRegisters(1600, 4, true);
    if (!membrane_) {
        session_.ReadRegisters(201, 1, true);
        session_.ReadRegisters(211, 1, true);
    }
    session_.ReadRegisters(2000, 1, true);
    session_.ReadRegisters(2501, 2, true);
    session_.ReadRegisters(2001, 1, true);
    if (!membrane_) {
        for (auto [first, count] :
             {std::pair{401, 6}, {501, 21}, {601, 10}, {1003, 1}, {1020, 1}, {1021, 1}, {101, 8}})
            session_.ReadRegisters(first, count, true);
    }
    session_.FlushReads();
    notification_->hide();
    return Login();
}

void TFrameConfGeral::Abandon(int message) {
    session_.Close();
    notification_->hide();
    prompts_.Error(this, Text(message));
}

bool TFrameConfGeral::IdentifyAndLogin(bool serial) {
    notification_->SetText(Text(ConnectingMore));
    if (!serial && !session_.ReadRegisters(1500, 1)) {
        Abandon(NotAnswering);
        return false;
    }
    if (!session_.ReadRegisters(DeviceIdentity::kSignatureRegister, 1)) {
        Abandon(NoSignature);
        return false;
    }
    return CheckSignature(serial) && ReadIdentityAndLogin();
}

bool TFrameConfGeral::EndConnecting(bool connected) {
    notification_->hide();
    linkUp_ = connected && session_.IsConnected();
    SetBusy(false);
    FillControls();
    return connected;
}

bool TFrameConfGeral::ConnectSerial(const QString& port, int address, const TLineSettings& line,
                                    bool comPort) {
    SetBusy(true);
    notification_->ShowAt(Corner(70, 120), 400, Text(Connecting));
    ForgetLastDevice();
    session_.SetSlaveAddress(static_cast<std::uint8_t>(address));
    session_.SetFamily(kThermal);
    if (!session_.OpenSerial(port, line, comPort)) {
        Abandon(AccessError);
        return EndConnecting(false);
    }
    return EndConnecting(IdentifyAndLogin(true));
}

bool TFrameConfGeral::ConnectNetwork(const QString& deviceIp, const QString& pcIp, int port) {
    SetBusy(true);
    notification_->ShowAt(Corner(70, 120), 600, Text(Connecting) + "  (0s (max 20s))");
    ForgetLastDevice();
    session_.SetFamily(kThermal);
    if (session_.OpenTcp(deviceIp, pcIp, static_cast<std::uint16_t>(port))) {
        // Wait for the connection, showing the seconds; a refused attempt ends the wait at once.
        QElapsedTimer elapsed;
        elapsed.start();
        QEventLoop loop;
        QTimer tick;
        connect(&tick, &QTimer::timeout, &loop, [&] {
            notification_->SetText(
                Text(Connecting) +
                QStringLiteral("  (%1s (max 20s))").arg(qRound(elapsed.elapsed() / 1000.0)));
            if (session_.IsConnected() || !session_.IsConnecting() || elapsed.elapsed() >= kConnectWaitMs)
                loop.quit();
        });
        tick.start(100);
        if (session_.IsConnecting())
            loop.exec();
    }
    if (!session_.IsConnected()) {
        Abandon(AccessError); // a connection still pending must not complete later
        return EndConnecting(false);
    }
    return EndConnecting(IdentifyAndLogin(false));
}

void TFrameConfGeral::bbAjustarRelogioComputadorClick() {
    if (!session_.IsConnected() || !prompts_.Question(this, Text(AskClock)))
        return;
    if (!WriteDeviceClock(session_, QDateTime::currentDateTime()))
        prompts_.Error(this, Text(ErrorSending));
}

QString TFrameConfGeral::ChooseConfFile(bool save) {
    // The image must equal the device: a save writes it, a load sends only what differs.
    if (!session_.IsConnected())
        return {};
    if (!RefreshConfiguration(session_)) {
        prompts_.Error(this, Text(ErrorReadingConf));
        return {};
    }
    TConnectionSettings& c = settings_.connection[kThermal];
    const QString last = Cp1252::ToUnicode(c.confFile);
    const TFileDialogRequest request{Text(save ? SaveTitle : LoadTitle), Text(ConfFilter), "conf",
                                     last.isEmpty() ? QString() : QFileInfo(last).absolutePath()};
    const QString file = save ? prompts_.SaveFileName(this, request) : prompts_.OpenFileName(this, request);
    if (file.isEmpty())
        return {};
    if (!Cp1252::CanEncode(file)) {
        prompts_.Error(this, Text(PathNotStorable));
        return {};
    }
    c.confFile = Cp1252::FromUnicode(file);
    settings_.Save();
    return file;
}

void TFrameConfGeral::bbSalvarConfClick() {
    const QString file = ChooseConfFile(true);
    if (file.isEmpty())
        return;
    if (ConfFile::SaveConfFile(session_, file.toStdString()))
        prompts_.Information(this, Text(SavedOk));
    else
        prompts_.Error(this, Text(SaveError));
}

void TFrameConfGeral::bbCarregarConfClick() {
    const QString file = ChooseConfFile(false);
    if (file.isEmpty())
        return;
    const TLoadReport check = ConfFile::CheckConfFile(session_, file.toStdString());
    if (check.outcome == TLoadOutcome::Unreadable) {
        prompts_.Error(this, Text(FileUnreadable));
        return;
    }
    // Older files may lack keys, which then take their defaults; never without asking.
    if (check.outcome == TLoadOutcome::Loaded && !check.missingKeys.empty() &&
        !prompts_.Question(this, Text(MissingKeys).arg(check.missingKeys.size())))
        return;
    notification_->ShowAt(Corner(70, 120), 500, Text(LoadingConf));
    int errorRegister = 0;
    const bool loaded = ConfFile::LoadConfFile(session_, file.toStdString(), errorRegister);
    notification_->hide();
    if (loaded)
        prompts_.Information(this, Text(LoadedOk));
    else
        prompts_.Error(this, Text(LoadError) + QStringLiteral(" (%1)").arg(errorRegister));
}
