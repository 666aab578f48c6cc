#include "ui/main_window.h"

namespace orvika {

void MainWindow::connectDocumentRules() {}

} // namespace orvika
