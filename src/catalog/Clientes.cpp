#include "catalog/Clientes.h"

TFrmClientes::TFrmClientes(QWidget* parent) : QWidget(parent) {
    setObjectName("FrmClientes");
    setWindowTitle(QString::fromUtf8("Clientes"));
}
