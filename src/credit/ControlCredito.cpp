#include "credit/ControlCredito.h"

TFrmControlCredito::TFrmControlCredito(QWidget* parent) : QWidget(parent) {
    setObjectName("FrmControlCredito");
    setWindowTitle(QString::fromUtf8("Control de Crédito"));
}
