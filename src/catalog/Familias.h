#pragma once
#include <QWidget>

// "Familias"
class TFrmFamilias : public QWidget {
    Q_OBJECT
  public:
    explicit TFrmFamilias(QWidget* parent = nullptr);
};
