#pragma once

#include "link/EquipComm.h"
#include "model/Family.h"
#include "model/HiddenEntrySequence.h"
#include "persistence/CalibrationRecord.h"
#include "persistence/ProgramMainConf.h"
#include "ui/common/ScreenContext.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <initializer_list>

class QGridLayout;
class QLabel;
class QVBoxLayout;
class TClickableLabel;
class TFormTesteValores;
class TGeneralScreen;
class TRadioGroup;
class TQtTranslation;
class TScreen;
class TUserPrompts;
struct TStartOptions;

// The one main window: model selector, language flags, the column of screen buttons, the screen
// being shown, and the hidden service entry. It owns the session and every screen.
class TFormMain : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kScreens = 9;

    // Loads the program settings from `dataFolder` and shows the saved family's general screen.
    TFormMain(TUserPrompts& prompts, const std::string& dataFolder, QWidget* parent = nullptr);
    ~TFormMain() override;

    void SelectScreen(int index);
    void ApplyLanguage(int language);
    // Sets the selector as a click would, running the family switch when the position changes.
    // A click on the model selector: asks first while a device is connected.
    void FamilyClicked(int family);
    void SetFamilySelector(int family);
    // Opens with the command line's model and language and starts its connection, if it has one.
    void StartWith(const TStartOptions& options);

    TEquipComm& Session() { return session_; }
    TProgramMainConf& Settings() { return settings_; }
    const TScreenContext& Context() const { return context_; }
    int Language() const { return language_; }
    TScreen* ShownScreen() const { return shown_; }
    TFormTesteValores* SimulationWindow() const { return testeValores_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum TButtonId {
        General,
        SetPoint,
        Parallelism,
        RegulationSet,
        Serial,
        Output,
        Output2,
        Download,
        Equip,
        Calibration,
        ButtonCount
    };
    struct TButton {
        TClickableLabel* picture = nullptr;
        QLabel* caption = nullptr;
        QWidget* box = nullptr;
    };

    void BuildTopBar();
    void BuildLeftColumn();
    void AddButton(TButtonId id, const char* picture, const char* caption, const char* icon, int screen);
    void PlaceButton(TButton& button, int position);
    void FamilySwitch(int family);
    void LayoutButtons(int family);
    void SwitchLanguage(int language);
    void RevealServiceEntry();
    void SetBusy(bool busy);
    void AddGeneralScreen(TGeneralScreen* screen, int family);
    // Every screen of every family, created once for the run.
    void AddScreens();
    void AddScreen(TScreen* screen, int index, std::initializer_list<int> families);
    TScreen* ScreenFor(int index) const;

    TUserPrompts& prompts_;
    TEquipComm session_;
    TProgramMainConf settings_;
    TCalibrationRecord calibration_;
    TScreenContext context_;
    int language_ = 0;
    THiddenEntrySequence sequence_;
    const QEvent* lastKeyEvent_ = nullptr;
    QPointer<QWidget> lastKeyTarget_;

    TQtTranslation* qtTranslation_ = nullptr;
    TRadioGroup* rgTipoEquip_ = nullptr;
    QLabel* lblTipoEquip_ = nullptr;
    QGridLayout* column_ = nullptr;
    QWidget* client_ = nullptr;
    QVBoxLayout* clientLayout_ = nullptr;
    TClickableLabel* logo_ = nullptr;
    std::array<TButton, ButtonCount> buttons_{};
    // Every screen of every family by screen index; empty where a family has none (yet).
    std::array<std::array<TScreen*, kScreens>, Family::kCount> screens_{};
    TScreen* shown_ = nullptr;
    // The one measurement simulation window of the run.
    TFormTesteValores* testeValores_ = nullptr;
};
