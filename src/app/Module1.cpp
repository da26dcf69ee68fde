#include "app/Module1.h"

#include "app/frmMain.h"

namespace markast::Module1 {

std::unique_ptr<frmMain> Main(FormServices services) {
    auto MainForm = std::make_unique<frmMain>(services);
    MainForm->Form_Load();
    MainForm->show();
    MainForm->reportStartUpProblems();
    return MainForm;
}

} // namespace markast::Module1
