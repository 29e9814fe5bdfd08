#include "catalog/Familias.h"

TFrmFamilias::TFrmFamilias(QWidget* parent) : QWidget(parent) {
    setObjectName("FrmFamilias");
    setWindowTitle(QString::fromUtf8("Familias"));
}
