#pragma once
#include <QDialog>
class TFrmVentas;

// "Cotizaciones"
class TFrmCotizaciones : public QDialog {
    Q_OBJECT
  public:
    explicit TFrmCotizaciones(QWidget* parent = nullptr);
    int mostrar(TFrmVentas* ventas);  // works on that sales screen's ticket
};
