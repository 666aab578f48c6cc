#include "ui/main_window.h"

namespace orvika {

void MainWindow::buildWindow() {}

} // namespace orvika
