#include "pos/Ventas.h"

TFrmVentas::TFrmVentas(QWidget* parent) : QWidget(parent) {
    setObjectName("FrmVentas");
    setWindowTitle(QString::fromUtf8("Ventas"));
}
void TFrmVentas::quitarTodosLosProductos() {}
