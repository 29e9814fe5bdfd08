#pragma once
#include <QWidget>

// "Clientes"
class TFrmClientes : public QWidget {
    Q_OBJECT
  public:
    explicit TFrmClientes(QWidget* parent = nullptr);
};
