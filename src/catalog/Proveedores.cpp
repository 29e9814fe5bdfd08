#include "catalog/Proveedores.h"

TFrmProveedores::TFrmProveedores(QWidget* parent) : QWidget(parent) {
    setObjectName("FrmProveedores");
    setWindowTitle(QString::fromUtf8("Proveedores"));
}
