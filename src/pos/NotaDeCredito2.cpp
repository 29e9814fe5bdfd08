#include "pos/NotaDeCredito2.h"

TFrmNotaDeCredito2::TFrmNotaDeCredito2(QWidget* parent) : QDialog(parent) {
    setObjectName("FrmNotaDeCredito2");
    setWindowTitle(QString::fromUtf8("Notas de Crédito"));
}
int TFrmNotaDeCredito2::mostrar() {
    return 0;
}
