#pragma once
#include <QDialog>

// "Notas de Crédito"
class TFrmNotaDeCredito2 : public QDialog {
    Q_OBJECT
  public:
    explicit TFrmNotaDeCredito2(QWidget* parent = nullptr);
    int mostrar();  // re-reads its list and shows it modally
};
