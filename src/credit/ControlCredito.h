#pragma once
#include <QWidget>

// "Control de Crédito"
class TFrmControlCredito : public QWidget {
    Q_OBJECT
  public:
    explicit TFrmControlCredito(QWidget* parent = nullptr);
};
