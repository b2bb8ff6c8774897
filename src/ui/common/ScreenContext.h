#pragma once

class TCalibrationRecord;
class TEquipComm;
class TProgramMainConf;
class TUserPrompts;

// What every screen and dialog works with, held by the main window for the whole run.
struct TScreenContext {
    TEquipComm& session;
    TProgramMainConf& settings;
    TCalibrationRecord& calibration;
    TUserPrompts& prompts;
};
