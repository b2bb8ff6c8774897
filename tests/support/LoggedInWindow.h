#pragma once

#include "FramedClient.h"
#include "ScriptedPrompts.h"
#include "SimProcess.h"

#include "ui/shell/MainForm.h"

#include <QStringList>
#include <QTemporaryDir>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class TGeneralScreen;

// The fixture of the screen tests: the main window with its own data folder, switched to a family
// and logged in to a simulated device over TCP or a pseudo-terminal, the prompts scripted.
class TLoggedInWindow {
public:
    enum class TLink { Tcp, Serial, Usb };

    // Starts the simulator with `simArguments` (its model among them) and the window on `family`.
    TLoggedInWindow(const QStringList& simArguments, int family);

    // Connects through the general screen's own button and dialog, typing the password.
    bool Connect(TLink link, const QString& password = "JUXT");
    TFormMain& Window() { return *window_; }
    // The general screen shown, if it is one.
    TGeneralScreen* General();
    TSimProcess& Sim() { return sim_; }

    // Types into a named edit box and leaves it with Enter, which commits it once.
    void TypeAndCommit(const QString& name, const QString& text);
    // A register as the device holds it, read over a connection of its own.
    std::optional<std::uint16_t> Device(std::uint16_t reg);
    // A run of registers as the device holds them, -1 for one it did not give.
    std::vector<int> DeviceRun(int first, int count);
    // Changes a register on the device behind the program's back; true when the device took it.
    bool SetDevice(std::uint16_t reg, std::uint16_t value);
    // The data folder of the window's settings.
    QString Folder() const { return dir_.path() + "/"; }
    // The texts of the named controls of the shown screen (buttons, labels, group titles, edit
    // boxes, grid cells as "name[r,c]"), for language tables.
    QStringList Texts(const QStringList& names);

    TScriptedPrompts prompts;

private:
    QTemporaryDir dir_;
    TSimProcess sim_;
    std::unique_ptr<TFormMain> window_;
    TFramedClient device_;
};
