#include "catalog/BuscaProductos.h"

TFrmBuscaProductos::TFrmBuscaProductos(QWidget* parent) : QDialog(parent) {
    setObjectName("FrmBuscaProductos");
    setWindowTitle(QString::fromUtf8("Buscar Producto"));
}
void TFrmBuscaProductos::setProposito(int p, QWidget* l, Accion a) {
    proposito_ = p;
    llamador_ = l;
    accion_ = std::move(a);
}
int TFrmBuscaProductos::mostrar() {
    return 0;
}
void TFrmBuscaProductos::SeleccionarProducto() {}
