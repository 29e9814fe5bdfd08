#include "credit/HistorialPagos.h"

TFrmHistorialPagos::TFrmHistorialPagos(QWidget* parent) : QDialog(parent) {
    setObjectName("FrmHistorialPagos");
    setWindowTitle(QString::fromUtf8("Historial de Pagos"));
}
