#include "ui/main_window.h"

namespace orvika {

void MainWindow::connectParameterRules() {}

} // namespace orvika
