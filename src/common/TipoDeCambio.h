#pragma once
#include <QDialog>

#include "db/Sql.h"

class QLineEdit;
class QLabel;
class QPushButton;

// "Tipo de Cambio"
class TFrmTipoDeCambio : public QDialog {
    Q_OBJECT
  public:
    explicit TFrmTipoDeCambio(QWidget* parent = nullptr);
    // The rate in force: pesos per dollar, as held by the dialog's query QTipoDeCambio.
    double TipoCambio() const;
    int mostrar();

    // "Guardar" (and Enter in DBEdit1): stores the typed rate and closes; a rate that is
    // not a number greater than zero is refused and the rate in force is kept.
    void BitBtn1Click();

    QLineEdit* DBEdit1 = nullptr;
    QLabel* Label1 = nullptr;  // "Pesos x"
    QLabel* Label2 = nullptr;  // "Dolar"
    QPushButton* BitBtn1 = nullptr;

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    // Opens QTipoDeCambio once; later calls keep the value already read.
    void abrirSiHaceFalta() const;
    void mostrarValor();

    mutable db::Consulta QTipoDeCambio;
    mutable bool abierta_ = false;
    mutable bool hayFila_ = false;
    mutable double valor_ = 0;
};
