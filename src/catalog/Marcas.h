#pragma once
#include <QWidget>

// "Marcas y Modelos"
class TFrmMarcas : public QWidget {
    Q_OBJECT
  public:
    explicit TFrmMarcas(QWidget* parent = nullptr);
};
