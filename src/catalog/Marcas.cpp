#include "catalog/Marcas.h"

TFrmMarcas::TFrmMarcas(QWidget* parent) : QWidget(parent) {
    setObjectName("FrmMarcas");
    setWindowTitle(QString::fromUtf8("Marcas y Modelos"));
}
