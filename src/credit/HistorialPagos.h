#pragma once
#include <QDialog>

// "Historial de Pagos"
class TFrmHistorialPagos : public QDialog {
    Q_OBJECT
  public:
    explicit TFrmHistorialPagos(QWidget* parent = nullptr);
};
