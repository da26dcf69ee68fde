#pragma once

namespace markast {

class Clock;
class FileDialog;
class MessageBoxes;
class PortSelection;
class PrintDialog;
class ProcessStarter;
class Registry;
class SerialControl;
class SettingsStore;
class Translations;

// The platform services a main window works through, and the program-wide port selection;
// tests hand in their own.
struct FormServices {
    SettingsStore& settings;
    MessageBoxes& messages;
    FileDialog& fileDialog;
    PrintDialog& printDialog;
    Clock& clock;
    SerialControl& serial;
    Registry& registry;
    ProcessStarter& processes;
    PortSelection& ports;
    Translations& translations;
};

} // namespace markast
