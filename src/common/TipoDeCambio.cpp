#include "common/TipoDeCambio.h"

TFrmTipoDeCambio::TFrmTipoDeCambio(QWidget* parent) : QDialog(parent) {
    setObjectName("FrmTipoDeCambio");
    setWindowTitle(QString::fromUtf8("Tipo de Cambio"));
}
double TFrmTipoDeCambio::TipoCambio() const {
    return 1.0;
}
int TFrmTipoDeCambio::mostrar() {
    return 0;
}
