#include "catalog/Fotografia.h"

TFrmFotografia::TFrmFotografia(QWidget* parent) : QDialog(parent) {
    setObjectName("FrmFotografia");
    setWindowTitle(QString::fromUtf8("Fotografía"));
}
void TFrmFotografia::mostrar(int) {}
