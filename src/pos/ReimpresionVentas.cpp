#include "pos/ReimpresionVentas.h"

TFrmReimpresionVentas::TFrmReimpresionVentas(QWidget* parent) : QDialog(parent) {
    setObjectName("FrmReimpresionVentas");
    setWindowTitle(QString::fromUtf8("Reimprimir Nota de Venta"));
}
int TFrmReimpresionVentas::mostrar() {
    return 0;
}
