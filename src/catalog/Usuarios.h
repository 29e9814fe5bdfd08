#pragma once
#include <QWidget>

// "Usuarios"
class TFrmUsuarios : public QWidget {
    Q_OBJECT
  public:
    explicit TFrmUsuarios(QWidget* parent = nullptr);
};
