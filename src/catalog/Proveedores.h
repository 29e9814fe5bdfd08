#pragma once
#include <QWidget>

// "Proveedores"
class TFrmProveedores : public QWidget {
    Q_OBJECT
  public:
    explicit TFrmProveedores(QWidget* parent = nullptr);
};
