#pragma once

namespace markast {

class Clock;
class FileDialog;
class MessageBoxes;
class ProcessStarter;
class Registry;
class SerialControl;
class SettingsStore;

// The platform services a main window works through; tests hand in their own.
struct FormServices {
    SettingsStore& settings;
    MessageBoxes& messages;
    FileDialog& fileDialog;
    Clock& clock;
    SerialControl& serial;
    Registry& registry;
    ProcessStarter& processes;
};

} // namespace markast
