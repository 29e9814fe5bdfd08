#pragma once
#include <QDialog>

// "Reimprimir Nota de Venta"
class TFrmReimpresionVentas : public QDialog {
    Q_OBJECT
  public:
    explicit TFrmReimpresionVentas(QWidget* parent = nullptr);
    int mostrar();  // re-reads its list and shows it modally
};
