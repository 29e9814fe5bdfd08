#include "pos/Cotizaciones.h"

TFrmCotizaciones::TFrmCotizaciones(QWidget* parent) : QDialog(parent) {
    setObjectName("FrmCotizaciones");
    setWindowTitle(QString::fromUtf8("Cotizaciones"));
}
int TFrmCotizaciones::mostrar(TFrmVentas*) {
    return 0;
}
