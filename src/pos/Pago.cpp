#include "pos/Pago.h"

TFrmPago::TFrmPago(QWidget* parent) : QDialog(parent) {
    setObjectName("FrmPago");
    setWindowTitle(QString::fromUtf8("Pago"));
}
