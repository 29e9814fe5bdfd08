#pragma once
#include <QDialog>

// "Cancelaciones Ventas"
class TFrmCancelacionesVentas : public QDialog {
    Q_OBJECT
  public:
    explicit TFrmCancelacionesVentas(QWidget* parent = nullptr);
    int mostrar();  // re-reads its list and shows it modally
};
