#pragma once
#include <QDialog>

// "Pago"
class TFrmPago : public QDialog {
    Q_OBJECT
  public:
    explicit TFrmPago(QWidget* parent = nullptr);
};
