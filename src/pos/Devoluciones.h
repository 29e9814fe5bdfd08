#pragma once
#include <QDialog>

// "Devoluciones"
class TFrmDevoluciones : public QDialog {
    Q_OBJECT
  public:
    explicit TFrmDevoluciones(QWidget* parent = nullptr);
    int mostrar();  // re-reads its list and shows it modally
};
