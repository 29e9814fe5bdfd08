#pragma once
#include <QWidget>

// "Productos"
class TFrmProductos : public QWidget {
    Q_OBJECT
  public:
    explicit TFrmProductos(QWidget* parent = nullptr);
};
