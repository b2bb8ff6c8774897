#include "ScriptedPrompts.h"
#include "UiHelpers.h"

#include "model/HiddenEntrySequence.h"
#include "ui/common/ClickableLabel.h"
#include "ui/general/FrameConfGeral.h"
#include "ui/shell/MainForm.h"

#include <QDialog>
#include <QLabel>
#include <QTemporaryDir>

namespace {

class MainForm : public ::testing::Test {
protected:
    std::unique_ptr<TFormMain> Start() {
        auto window = std::make_unique<TFormMain>(prompts, dir.path().toStdString() + "/");
        window->show();
        return window;
    }
    QTemporaryDir dir;
    TScriptedPrompts prompts;
};

TEST_F(MainForm, StartsInPortugueseOnTheThermalMonitorAndRemembers) {
    {
        auto window = Start();
        EXPECT_EQ(window->windowTitle(), "Controle do QEL880-T  1.2.6");
        EXPECT_EQ(window->Session().Family(), 0);
        EXPECT_NE(dynamic_cast<TFrameConfGeral*>(window->ShownScreen()), nullptr);
        EXPECT_EQ(Find<QLabel>(window.get(), "lblGeral")->text(), "Conf. Geral");
        EXPECT_TRUE(Find<QWidget>(window.get(), "imgConfSetPoint")->isVisible());
        EXPECT_FALSE(Find<QWidget>(window.get(), "imgConfEquip")->isVisible());

        Click(window.get(), "rgTipoEquip_3");
        EXPECT_EQ(window->Session().Family(), 3);
        EXPECT_EQ(window->windowTitle(), "Controle do QEL880IRR  1.2.6");
        EXPECT_EQ(Find<QLabel>(window.get(), "lblDownload")->text(), "Registros");
        EXPECT_TRUE(Find<QWidget>(window.get(), "imgConfEquip")->isVisible());
        EXPECT_FALSE(Find<QWidget>(window.get(), "imgConfSerial")->isVisible());

        emit Find<TClickableLabel>(window.get(), "imgIngles")->clicked();
        EXPECT_EQ(window->windowTitle(), "QEL880IRR Control  1.2.6");
    }
    auto again = Start();
    EXPECT_EQ(again->Session().Family(), 3);
    EXPECT_EQ(again->Language(), 1);
    EXPECT_EQ(Find<QLabel>(again.get(), "lblTipoEquip")->text(), "Device:");
    emit Find<TClickableLabel>(again.get(), "lblEspanhol")->clicked();
    EXPECT_EQ(again->windowTitle(), "Control de QEL880IRR  1.2.6");
    EXPECT_EQ(again->Session().Family(), 3); // a language switch is not a family switch
}

TEST_F(MainForm, ButtonsWorkOnlyWhileConnected) {
    auto window = Start();
    TScreen* general = window->ShownScreen();
    emit Find<TClickableLabel>(window.get(), "imgConfSetPoint")->clicked();
    EXPECT_EQ(window->ShownScreen(), general);
}

TEST(HiddenEntrySequence, CaseStrayLettersAndIgnoredKeys) {
    auto type = [](THiddenEntrySequence& s, const std::string& text) {
        bool revealed = false;
        for (char c : text)
            revealed = s.Feed(std::toupper(static_cast<unsigned char>(c)),
                              std::isupper(static_cast<unsigned char>(c)) != 0);
        return revealed;
    };
    THiddenEntrySequence right;
    EXPECT_TRUE(type(right, "TidewaterQuorum"));
    THiddenEntrySequence wrongCase;
    EXPECT_FALSE(type(wrongCase, "tidewaterQuorum"));
    THiddenEntrySequence stray;
    EXPECT_FALSE(type(stray, "TidexwaterQuorum"));
    EXPECT_TRUE(type(stray, "TidewaterQuorum")); // the whole sequence again after the stray letter
    THiddenEntrySequence ignored;
    type(ignored, "Tide");
    for (int vk : {16, 48, 13, 32, 40})
        ignored.Feed(vk, false); // Shift, a digit, Enter, space, a cursor key
    EXPECT_TRUE(type(ignored, "waterQuorum"));
    THiddenEntrySequence keypad;
    type(keypad, "Tide");
    keypad.Feed(VirtualKeyOf(Qt::Key_5, true), false); // keypad keys break the sequence
    EXPECT_FALSE(type(keypad, "waterQuorum"));
    EXPECT_EQ(VirtualKeyOf(Qt::Key_F1, false), 112);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Semicolon, false), 186);
}

TEST_F(MainForm, ServiceEntryByKeysAndByMouse) {
    auto window = Start();
    QWidget* entry = Find<QWidget>(window.get(), "imgCalibracao");
    QWidget* box = Find<QWidget>(window.get(), "bbConectar"); // typing anywhere in the window counts
    QTest::keyClicks(box, "tidewaterQuorum");
    EXPECT_FALSE(entry->isVisible());
    QTest::keyClick(window.get(), Qt::Key_T, Qt::ShiftModifier);
    QTest::keyClicks(window.get(), "idewater");
    QTest::keyClick(window.get(), Qt::Key_Shift);
    QTest::keyClick(window.get(), Qt::Key_Q, Qt::ShiftModifier);
    QTest::keyClicks(window.get(), "uorum");
    EXPECT_TRUE(entry->isVisible());

    auto other = Start();
    auto* logo = Find<TClickableLabel>(other.get(), "Image1");
    QWidget* hidden = Find<QWidget>(other.get(), "imgCalibracao");
    QTest::mouseClick(logo, Qt::RightButton);
    QTest::mouseClick(logo, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_FALSE(hidden->isVisible());
    QTest::mouseClick(logo, Qt::RightButton, Qt::ControlModifier);
    EXPECT_TRUE(hidden->isVisible());
}

TEST(MainFormLanguages, QtsOwnTextsFollowTheLanguage) {
    QTemporaryDir dir;
    TScriptedPrompts prompts;
    TFormMain window(prompts, dir.path().toStdString() + "/");
    window.ApplyLanguage(0);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancelar");
    EXPECT_EQ(QLocale().language(), QLocale::Portuguese);
    window.ApplyLanguage(2);
    EXPECT_EQ(QLocale().language(), QLocale::Spanish);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancelar");
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), "Ver en:");
    window.ApplyLanguage(1);
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), "Look in:");
}

// The controls a Tab visits from `first`, by object name, as far as `count` of them.
QStringList TabChain(QWidget* first, int count) {
    QStringList names;
    for (QWidget* w = first; w && names.size() < count; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty() && w->isVisible())
            names << w->objectName();
    }
    return names;
}

TEST(MainFormKeyboard, TabFollowsTheLayout) {
    QTemporaryDir dir;
    TScriptedPrompts prompts;
    TFormMain window(prompts, dir.path().toStdString() + "/");
    window.show();
    QCoreApplication::processEvents();
    QWidget* screen = window.ShownScreen();
    EXPECT_EQ(TabChain(screen->findChild<QWidget*>("bbConectar"), 11),
              (QStringList{"bbConectar", "bbConectarUsb", "bbConectarIP", "bbSalvarConf", "bbCarregarConf",
                           "bbAlterarSenha", "bbAlterarIP", "bbRelatorio", "bbTendencia",
                           "bbAjustarRelogioComputador", "bbAjustarRelogioManual"}));
    // The relay names: along the top row, then along the bottom one.
    const QStringList names = TabChain(screen->findChild<QWidget*>("edRele1"), 10);
    EXPECT_EQ(names, (QStringList{"edRele1", "edRele3", "edRele5", "edRele7", "edRele9", "edRele2", "edRele4",
                                  "edRele6", "edRele8", "edRele10"}));

    prompts.dialogs = {[](QDialog& d) {
        d.show();
        QCoreApplication::processEvents();
        EXPECT_EQ(TabChain(d.findChild<QWidget*>("edEquipIP"), 3),
                  (QStringList{"edEquipIP", "bbIPPadrao", "edPorta"}));
        return static_cast<int>(QDialog::Rejected);
    }};
    Click(screen, "bbConectarIP");
}

} // namespace
