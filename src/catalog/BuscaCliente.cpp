#include "catalog/BuscaCliente.h"

TFrmBuscaCliente::TFrmBuscaCliente(QWidget* parent) : QDialog(parent) {
    setObjectName("FrmBuscaCliente");
    setWindowTitle(QString::fromUtf8("Buscar Cliente"));
}
void TFrmBuscaCliente::setProposito(int p, QWidget* l, Accion a) {
    proposito_ = p;
    llamador_ = l;
    accion_ = std::move(a);
}
int TFrmBuscaCliente::mostrar() {
    return 0;
}
void TFrmBuscaCliente::SeleccionarCliente() {}
Money TFrmBuscaCliente::adeudo(int) {
    return Money();
}
