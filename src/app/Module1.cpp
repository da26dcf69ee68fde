#include "app/Module1.h"

#include "app/frmMain.h"

namespace markast::Module1 {

void Main(FormServices services) {
    MainForm = new frmMain(services);
    MainForm->Form_Load();
    MainForm->show();
    MainForm->reportStartUpProblems();
}

} // namespace markast::Module1
