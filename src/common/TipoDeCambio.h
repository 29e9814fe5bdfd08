#pragma once
#include <QDialog>

// "Tipo de Cambio"
class TFrmTipoDeCambio : public QDialog {
    Q_OBJECT
  public:
    explicit TFrmTipoDeCambio(QWidget* parent = nullptr);
    // The rate in force: pesos per dollar, as held by the dialog's query QTipoDeCambio.
    double TipoCambio() const;
    int mostrar();
};
