#include "credit/CancelacionesCredito.h"

TFrmCancelacionesCredito::TFrmCancelacionesCredito(QWidget* parent) : QDialog(parent) {
    setObjectName("FrmCancelacionesCredito");
    setWindowTitle(QString::fromUtf8("Cancelaciones"));
}
