#include "ui/shell/MainForm.h"

#include "link/HostResolver.h"
#include "model/DeviceIdentity.h"
#include "ui/common/ClickableLabel.h"
#include "ui/common/QtTranslation.h"
#include "ui/common/RadioGroup.h"
#include "ui/common/Screen.h"
#include "ui/common/UserPrompts.h"
#include "ui/common/Widgets.h"
#include "ui/families/FrameConfConjuntoReg.h"
#include "ui/families/FrameConfParalelismo.h"
#include "ui/families/FrameConfQEL880C.h"
#include "ui/families/FrameConfQEL880IRR.h"
#include "ui/families/FrameConfQEL880R.h"
#include "ui/families/Frame_QEL880IRR_Registros.h"
#include "ui/general/FrameConfGeral.h"
#include "ui/general/FrameConfGeral_QEL880C.h"
#include "ui/general/FrameConfGeral_QEL880IRR.h"
#include "ui/general/FrameConfGeral_QEL880P.h"
#include "ui/general/FrameConfGeral_QEL880R.h"
#include "ui/service/FormTesteValores.h"
#include "ui/service/FrameTesteCalibracao.h"
#include "ui/shared/FrameConfSaidaCorrente.h"
#include "ui/shared/FrameConfSerial.h"
#include "ui/shell/StartOptions.h"
#include "ui/thermal/FrameConfSetPoints.h"
#include "ui/thermal/FrameDownload.h"

#include <QApplication>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kFamilies = Family::kCount;
constexpr int kIrrigation = Family::kIrrigation;
constexpr int kRegulator = Family::kRegulator;
constexpr int kPositionIndicator = Family::kPositionIndicator;
constexpr int kSetPointScreen = 1;
constexpr int kSerialScreen = 2;
constexpr int kOutputScreen = 3;
constexpr int kEventScreen = 4;
constexpr int kServiceScreen = 5;
constexpr int kParallelismScreen = 6;
constexpr int kEquipScreen = 7;
constexpr int kRegulationSetScreen = 8;
constexpr int kWideClient = 900;

// Window titles per family and language; each ends in two blanks before the version.
const char* const kTitles[kFamilies][3] = {
    {"Controle do QEL880-T  ", "QEL880-T Control  ", "Control de QEL880-T  "},
    {"Controle do QEL880-P  ", "QEL880-P Control  ", "Control de QEL880-P  "},
    {"Controle do QEL880-R  ", "QEL880-R Control  ", "Control de QEL880-R  "},
    {"Controle do QEL880IRR  ", "QEL880IRR Control  ", "Control de QEL880IRR  "},
    {"Controle do QEL880-C  ", "QEL880-C Control  ", "Control de QEL880-C  "},
};

struct TMainTexts {
    const char* general;
    const char* setPoint;
    const char* serial;
    const char* output;
    const char* records;
    const char* events;
    const char* calibration;
    const char* parallelism;
    const char* equip;
    const char* regulationSet;
    const char* device;
    const char* askSwitch;
};

const TMainTexts kTexts[3] = {
    {"Conf. Geral", "SetPoints", "Conf. Serial", "Conf. Saída", "Registros", "Eventos/Max", "Calibr./Teste",
     "Paralelismo", "Conf. Equip.", "Conj. Regul.",
     "Equipamento:", "Trocar de modelo encerra a conexão com o equipamento. Deseja continuar?"},
    {"General Conf.", "SetPoints", "Serial Conf.", "Output Conf.", "Records", "Events/Max", "Calibr./Test",
     "Parallelism", "Device Conf.", "Regulat. Set",
     "Device:", "Switching the model ends the connection to the device. Do you want to go on?"},
    {"Conf. General", "SetPoints", "Conf. Serial", "Conf. Salida", "Registros", "Eventos/Máx",
     "Calibr./Prueba", "Paralelismo", "Conf. Equipo", "Conj. Regul.",
     "Equipo:", "Cambiar de modelo termina la conexión con el equipo. ¿Desea continuar?"},
};

} // namespace

TFormMain::TFormMain(TUserPrompts& prompts, const std::string& dataFolder, QWidget* parent)
    : QMainWindow(parent), prompts_(prompts),
      calibration_(dataFolder), context_{session_, settings_, calibration_, prompts_} {
    setObjectName("FormMain");
    setWindowIcon(QIcon(":/assets/icon.svg"));
    settings_.Load(dataFolder);
    qtTranslation_ = new TQtTranslation(this);
    language_ = settings_.lastLanguage >= 0 && settings_.lastLanguage <= 2 ? settings_.lastLanguage : 0;

    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    setCentralWidget(central);
    BuildTopBar();
    outer->addWidget(findChild<QWidget*>("pnAlTop"));

    auto* middle = new QHBoxLayout;
    outer->addLayout(middle, 1);
    BuildLeftColumn();
    middle->addWidget(findChild<QWidget*>("pnLeft"));
    client_ = new QWidget(this);
    client_->setObjectName("pnAlClient");
    clientLayout_ = new QVBoxLayout(client_);
    clientLayout_->setContentsMargins(0, 0, 0, 0);
    middle->addWidget(client_, 1);

    auto* bottom = new QWidget(this);
    bottom->setObjectName("pnBottom");
    auto* bottomLayout = new QHBoxLayout(bottom);
    logo_ = new TClickableLabel("Image1", bottom);
    logo_->setPixmap(QIcon(":/assets/logo.svg").pixmap(QSize(220, 48)));
    logo_->setCursor(Qt::ArrowCursor);
    bottomLayout->addWidget(logo_);
    bottomLayout->addStretch();
    outer->addWidget(bottom);
    connect(logo_, &TClickableLabel::pressed, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers mods) {
                if (button == Qt::RightButton && (mods & Qt::ControlModifier))
                    RevealServiceEntry();
            });

    AddScreens();

    qApp->installEventFilter(this);
    resize(860, 640);
    SelectScreen(0);
    // Setting the selector from the saved family runs the family switch once.
    ApplyLanguage(language_);
}

TFormMain::~TFormMain() {
    qApp->removeEventFilter(this);
}

void TFormMain::BuildTopBar() {
    auto* top = new QWidget(this);
    top->setObjectName("pnAlTop");
    auto* layout = new QHBoxLayout(top);
    lblTipoEquip_ = new QLabel(top);
    lblTipoEquip_->setObjectName("lblTipoEquip");
    layout->addWidget(lblTipoEquip_);
    rgTipoEquip_ = new TRadioGroup("rgTipoEquip", kFamilies, top);
    layout->addWidget(rgTipoEquip_, 1);
    connect(rgTipoEquip_, &TRadioGroup::itemClicked, this, &TFormMain::FamilyClicked);

    struct TFlag {
        const char* picture;
        const char* label;
        const char* text;
        const char* icon;
        int language;
    };
    const TFlag flags[] = {{"imgIngles", "lblIngles", "English", "flag_en", 1},
                           {"imgEspanhol", "lblEspanhol", "Español", "flag_es", 2},
                           {"imgPortugues", "lblPortugues", "Português", "flag_pt", 0}};
    for (const TFlag& f : flags) {
        auto* picture = new TClickableLabel(f.picture, top);
        picture->setPixmap(QIcon(QStringLiteral(":/assets/%1.svg").arg(f.icon)).pixmap(QSize(36, 24)));
        auto* label = new TClickableLabel(f.label, top);
        label->setText(QString::fromUtf8(f.text)); // never translated
        layout->addWidget(picture);
        layout->addWidget(label);
        const int language = f.language;
        connect(picture, &TClickableLabel::clicked, this, [this, language] { SwitchLanguage(language); });
        connect(label, &TClickableLabel::clicked, this, [this, language] { SwitchLanguage(language); });
    }
}

void TFormMain::AddButton(TButtonId id, const char* picture, const char* caption, const char* icon,
                          int screen) {
    TButton& b = buttons_[static_cast<std::size_t>(id)];
    b.box = new QWidget(findChild<QWidget*>("pnLeft"));
    auto* layout = new QVBoxLayout(b.box);
    layout->setContentsMargins(2, 2, 2, 2);
    b.picture = new TClickableLabel(picture, b.box);
    b.picture->setPixmap(QIcon(QStringLiteral(":/assets/%1.svg").arg(icon)).pixmap(QSize(56, 56)));
    b.picture->setAlignment(Qt::AlignCenter);
    b.caption = new QLabel(b.box);
    b.caption->setObjectName(caption);
    b.caption->setAlignment(Qt::AlignCenter);
    layout->addWidget(b.picture);
    layout->addWidget(b.caption);
    connect(b.picture, &TClickableLabel::clicked, this, [this, screen] {
        // Only the general screen opens while not connected.
        if (screen == 0 || session_.IsConnected())
            SelectScreen(screen);
    });
}

void TFormMain::BuildLeftColumn() {
    auto* left = new QWidget(this);
    left->setObjectName("pnLeft");
    left->setFixedWidth(120);
    column_ = new QGridLayout(left);
    AddButton(General, "imgConfGerais", "lblGeral", "button_general", 0);
    AddButton(SetPoint, "imgConfSetPoint", "lblSetPoint", "button_setpoints", kSetPointScreen);
    AddButton(Parallelism, "imgConfParalelismo", "lblParalelismo", "button_parallelism", kParallelismScreen);
    AddButton(RegulationSet, "imgConfConjuntoReg", "lblConjuntoReg", "button_regulation",
              kRegulationSetScreen);
    AddButton(Serial, "imgConfSerial", "lblSerial", "button_serial", kSerialScreen);
    AddButton(Output, "imgConfSaidaCorrente", "lblConfSaida", "button_output", kOutputScreen);
    AddButton(Output2, "imgConfSaidaCorrente2", "lblConfSaida2", "button_output", kOutputScreen);
    AddButton(Download, "imgDownload", "lblDownload", "button_download", kEventScreen);
    AddButton(Equip, "imgConfEquip", "lblConfEquip", "button_equipment", kEquipScreen);
    AddButton(Calibration, "imgCalibracao", "lblCalibracao", "button_calibration", kServiceScreen);
    const int positions[ButtonCount] = {1, 2, 2, 2, 3, 4, 4, 5, 5, 6};
    for (int i = 0; i < ButtonCount; ++i)
        PlaceButton(buttons_[static_cast<std::size_t>(i)], positions[i]);
    for (int row = 0; row < 6; ++row)
        column_->setRowMinimumHeight(row, 90);
    column_->setRowStretch(6, 1);
    buttons_[Calibration].box->hide();
}

void TFormMain::PlaceButton(TButton& button, int position) {
    column_->removeWidget(button.box);
    column_->addWidget(button.box, position - 1, 0);
}

void TFormMain::AddGeneralScreen(TGeneralScreen* screen, int family) {
    screen->hide();
    clientLayout_->addWidget(screen);
    screens_[static_cast<std::size_t>(family)][0] = screen;
    connect(screen, &TGeneralScreen::familySwitchRequested, this, &TFormMain::SetFamilySelector);
    connect(screen, &TGeneralScreen::busyChanged, this, &TFormMain::SetBusy);
    connect(screen, &TGeneralScreen::currentOutputButtonShown, this,
            [this](bool shown) { buttons_[Output2].box->setVisible(shown); });
}

void TFormMain::AddScreens() {
    testeValores_ = new TFormTesteValores(context_, this);
    AddGeneralScreen(new TFrameConfGeral(context_, client_), Family::kThermal);
    AddGeneralScreen(new TFrameConfGeral_QEL880P(context_, client_), Family::kParallelism);
    AddGeneralScreen(new TFrameConfGeral_QEL880C(context_, client_), Family::kPositionIndicator);
    AddGeneralScreen(new TFrameConfGeral_QEL880R(context_, client_), Family::kRegulator);
    AddGeneralScreen(new TFrameConfGeral_QEL880IRR(context_, client_), Family::kIrrigation);
    const int thermal = Family::kThermal;
    const int parallelism = Family::kParallelism;
    AddScreen(new TFrameConfSetPoints(context_, client_), kSetPointScreen, {thermal});
    AddScreen(new TFrameConfSerial(context_, client_), kSerialScreen,
              {thermal, parallelism, kRegulator, kPositionIndicator});
    AddScreen(new TFrameConfSaidaCorrente(context_, client_), kOutputScreen,
              {thermal, parallelism, kRegulator, kPositionIndicator});
    AddScreen(new TFrameDownload(context_, client_), kEventScreen, {thermal});
    AddScreen(new TFrame_QEL880IRR_Registros(context_, client_), kEventScreen, {kIrrigation});
    AddScreen(new TFrameConfParalelismo(context_, client_), kParallelismScreen, {parallelism});
    AddScreen(new TFrameConfQEL880R(context_, client_), kEquipScreen, {kRegulator});
    AddScreen(new TFrameConfQEL880IRR(context_, client_), kEquipScreen, {kIrrigation});
    AddScreen(new TFrameConfQEL880C(context_, client_), kEquipScreen, {kPositionIndicator});
    AddScreen(new TFrameConfConjuntoReg(context_, client_), kRegulationSetScreen, {kRegulator});
    // The service screen serves every family: its registers are the same in all.
    auto* service = new TFrameTesteCalibracao(context_, client_);
    service->SetSimulationWindow(testeValores_);
    AddScreen(service, kServiceScreen, {thermal, parallelism, kRegulator, kIrrigation, kPositionIndicator});
}

void TFormMain::AddScreen(TScreen* screen, int index, std::initializer_list<int> families) {
    screen->hide();
    clientLayout_->addWidget(screen);
    // One instance serves every family that has the screen.
    for (int family : families)
        screens_[static_cast<std::size_t>(family)][static_cast<std::size_t>(index)] = screen;
}

TScreen* TFormMain::ScreenFor(int index) const {
    const int family = session_.Family();
    if (!Family::IsFamily(family) || index < 0 || index >= kScreens)
        return nullptr;
    return screens_[static_cast<std::size_t>(family)][static_cast<std::size_t>(index)];
}

void TFormMain::SelectScreen(int index) {
    TScreen* screen = ScreenFor(index);
    if (index != 0 && !screen)
        return; // nothing to show yet: the shown screen stays
    if (shown_) {
        if (QTimer* timer = shown_->Timer())
            timer->stop();
        shown_->hide();
    }
    shown_ = screen;
    if (!shown_)
        return;
    shown_->show();
    shown_->ShowScreen(language_);
    if (index == kSetPointScreen && client_->width() < kWideClient)
        resize(width() + kWideClient - client_->width(), height());
    if ((index == 0 || index == kEventScreen) && shown_->Timer())
        shown_->Timer()->start();
    // The keyboard goes to the screen itself, not to the model selector, where a key would switch
    // families, nor to one of its controls, where a stray key would act (Space on "Disconnect") or
    // leaving it would commit: Tab goes on to its first control.
    shown_->setFocus(Qt::OtherFocusReason);
}

void TFormMain::LayoutButtons(int family) {
    const bool visible[kFamilies][ButtonCount] = {
        // General SetPoint Parallel. RegSet Serial Output Output2 Download Equip Calibration
        {true, true, false, false, true, true, false, true, false, false},
        {true, false, true, false, true, true, false, false, false, false},
        {true, false, false, true, true, false, false, false, true, false},
        {true, false, false, false, false, false, false, true, true, false},
        {true, false, false, false, true, false, false, false, true, false},
    };
    for (int i = 0; i < Calibration; ++i)
        buttons_[static_cast<std::size_t>(i)].box->setVisible(visible[family][i]);
    // The regulator's and the position indicator's output buttons depend on the device; their
    // general screens show them after connecting.
    if (family == kRegulator || family == kPositionIndicator)
        buttons_[Output2].box->hide();
    const bool irrigation = family == kIrrigation;
    PlaceButton(buttons_[Equip], irrigation ? 2 : 5);
    PlaceButton(buttons_[Download], irrigation ? 3 : 5);
}

void TFormMain::FamilySwitch(int family) {
    if (family < 0 || family >= kFamilies)
        return;
    // The general screen that made the connection ends it, so that it does not take the closed
    // link for a lost one when it is shown again.
    if (auto* general = dynamic_cast<TGeneralScreen*>(ScreenFor(0)))
        general->Disconnect();
    if (session_.IsConnected() || session_.IsConnecting())
        session_.Close();
    session_.SetFamily(family);
    LayoutButtons(family);
    settings_.lastDevice = family;
    settings_.Save();
    SelectScreen(0);
    ApplyLanguage(language_);
}

void TFormMain::FamilyClicked(int family) {
    // A switch ends the link: never by a stray click or key without asking.
    const auto* general = dynamic_cast<TGeneralScreen*>(ScreenFor(0));
    const bool engaged = session_.IsConnected() || session_.IsConnecting() || (general && general->Engaged());
    if (family != session_.Family() && engaged &&
        !prompts_.Question(this, QString::fromUtf8(kTexts[language_].askSwitch))) {
        rgTipoEquip_->SetItemIndex(session_.Family());
        return;
    }
    FamilySwitch(family);
}

void TFormMain::SetFamilySelector(int family) {
    if (family == rgTipoEquip_->ItemIndex())
        return;
    rgTipoEquip_->SetItemIndex(family);
    FamilySwitch(family);
}

void TFormMain::ApplyLanguage(int language) {
    if (language < 0 || language > 2)
        return;
    language_ = language;
    qtTranslation_->Apply(language);
    const TMainTexts& t = kTexts[language];
    const int family = session_.Family();
    setWindowTitle(QString::fromUtf8(kTitles[family][language]) +
                   QString::fromStdString(DeviceIdentity::ProgramVersionText()));
    buttons_[General].caption->setText(QString::fromUtf8(t.general));
    buttons_[SetPoint].caption->setText(QString::fromUtf8(t.setPoint));
    buttons_[Serial].caption->setText(QString::fromUtf8(t.serial));
    buttons_[Output].caption->setText(QString::fromUtf8(t.output));
    buttons_[Output2].caption->setText(QString::fromUtf8(t.output));
    buttons_[Download].caption->setText(QString::fromUtf8(family == kIrrigation ? t.records : t.events));
    buttons_[Calibration].caption->setText(QString::fromUtf8(t.calibration));
    buttons_[Parallelism].caption->setText(QString::fromUtf8(t.parallelism));
    buttons_[Equip].caption->setText(QString::fromUtf8(t.equip));
    buttons_[RegulationSet].caption->setText(QString::fromUtf8(t.regulationSet));
    lblTipoEquip_->setText(QString::fromUtf8(t.device));
    QStringList models;
    for (int f = 0; f < kFamilies; ++f)
        models << Family::ModelName(f);
    rgTipoEquip_->SetItems(models); // rebuilding the items is not a change of family
    const int saved = settings_.lastDevice >= 1 && settings_.lastDevice <= 4 ? settings_.lastDevice : 0;
    if (rgTipoEquip_->ItemIndex() != saved) {
        rgTipoEquip_->SetItemIndex(saved);
        FamilySwitch(saved); // ends by applying the language again, with the position unchanged
        return;
    }
    if (shown_)
        shown_->ApplyLanguage(language);
    testeValores_->ApplyLanguage(language);
}

void TFormMain::StartWith(const TStartOptions& options) {
    if (options.language)
        SwitchLanguage(*options.language);
    if (options.family)
        SetFamilySelector(*options.family);
    SelectScreen(0);
    auto* general = dynamic_cast<TGeneralScreen*>(shown_);
    if (!general)
        return;
    if (options.link == TStartOptions::TLink::Tcp)
        general->ConnectNetworkAsTyped(options.host, ResolveIPv4(options.host), options.localIp,
                                       options.port);
    else if (options.link == TStartOptions::TLink::Serial)
        general->ConnectSerialAsTyped(options.serialPath, options.address, options.baudRate, options.format,
                                      options.usb);
}

void TFormMain::SwitchLanguage(int language) {
    ApplyLanguage(language);
    settings_.lastLanguage = language;
    settings_.Save();
}

void TFormMain::RevealServiceEntry() {
    buttons_[Calibration].box->show();
}

void TFormMain::SetBusy(bool busy) {
    rgTipoEquip_->setEnabled(!busy);
    for (TButton& b : buttons_)
        b.picture->setEnabled(!busy);
}

bool TFormMain::eventFilter(QObject* watched, QEvent* event) {
    // Every dialog and screen, as it appears, tabs through its controls in the order they are
    // laid out (once the show is complete and every layout has placed its controls).
    if (event->type() == QEvent::Show &&
        (qobject_cast<QDialog*>(watched) || qobject_cast<TScreen*>(watched))) {
        auto* shown = static_cast<QWidget*>(watched);
        QTimer::singleShot(0, shown, [shown] { Widgets::OrderTabsByPosition(shown); });
    }
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
        auto* key = static_cast<QKeyEvent*>(event);
        auto* target = static_cast<QWidget*>(watched);
        // A key press that a widget ignores travels on to its parents; count it once.
        const bool propagated = event == lastKeyEvent_ && lastKeyTarget_ && target != lastKeyTarget_ &&
                                target->isAncestorOf(lastKeyTarget_);
        if (!propagated) {
            lastKeyEvent_ = event;
            lastKeyTarget_ = target;
            const int vk = VirtualKeyOf(key->key(), key->modifiers() & Qt::KeypadModifier);
            if (sequence_.Feed(vk, key->modifiers() & Qt::ShiftModifier))
                RevealServiceEntry();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
