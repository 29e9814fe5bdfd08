#include "catalog/Productos.h"

TFrmProductos::TFrmProductos(QWidget* parent) : QWidget(parent) {
    setObjectName("FrmProductos");
    setWindowTitle(QString::fromUtf8("Productos"));
}
