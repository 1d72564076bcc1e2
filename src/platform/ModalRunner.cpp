#include "ModalRunner.h"

#include <QDialog>

void QtModalRunner::runModal(QDialog* window) {
    window->exec();
}
