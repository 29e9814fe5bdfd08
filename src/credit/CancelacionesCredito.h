#pragma once
#include <QDialog>

// "Cancelaciones"
class TFrmCancelacionesCredito : public QDialog {
    Q_OBJECT
  public:
    explicit TFrmCancelacionesCredito(QWidget* parent = nullptr);
};
