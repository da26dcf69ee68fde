#pragma once

#include <cstdint>

namespace markast {

class frmMain;
struct FormServices;

namespace Module1 {

// The main window, set once at start-up.
inline frmMain* MainForm = nullptr;
// The port that start-up opened, 0 when none did; port selection falls back to it.
inline std::int16_t LastGoodPort = 0;

// Creates the main window, loads it and shows it, then returns; the program then lives on the
// window's events.
void Main(FormServices services);

} // namespace Module1
} // namespace markast
