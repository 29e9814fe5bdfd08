#include "pos/CancelacionesVentas.h"

TFrmCancelacionesVentas::TFrmCancelacionesVentas(QWidget* parent) : QDialog(parent) {
    setObjectName("FrmCancelacionesVentas");
    setWindowTitle(QString::fromUtf8("Cancelaciones Ventas"));
}
int TFrmCancelacionesVentas::mostrar() {
    return 0;
}
