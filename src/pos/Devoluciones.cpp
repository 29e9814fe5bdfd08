#include "pos/Devoluciones.h"

TFrmDevoluciones::TFrmDevoluciones(QWidget* parent) : QDialog(parent) {
    setObjectName("FrmDevoluciones");
    setWindowTitle(QString::fromUtf8("Devoluciones"));
}
int TFrmDevoluciones::mostrar() {
    return 0;
}
