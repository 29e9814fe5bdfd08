#include "catalog/Usuarios.h"

TFrmUsuarios::TFrmUsuarios(QWidget* parent) : QWidget(parent) {
    setObjectName("FrmUsuarios");
    setWindowTitle(QString::fromUtf8("Usuarios"));
}
