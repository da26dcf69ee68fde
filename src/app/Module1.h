#pragma once

#include <memory>

namespace markast {

class frmMain;
struct FormServices;

namespace Module1 {

// Creates the main window, loads it and shows it, then returns it; the program then lives on
// the window's events until it is closed.
std::unique_ptr<frmMain> Main(FormServices services);

} // namespace Module1
} // namespace markast
