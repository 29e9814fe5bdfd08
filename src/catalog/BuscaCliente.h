#pragma once
#include <QDialog>
#include <functional>

#include "db/Money.h"

// "Buscar Cliente"
class TFrmBuscaCliente : public QDialog {
    Q_OBJECT
  public:
    explicit TFrmBuscaCliente(QWidget* parent = nullptr);
    // The caller sets its purpose (1..7) and what choosing a customer does for it; the
    // action returns true when the dialog should close, false to keep it open (a refused
    // credit, purpose 7).
    using Accion = std::function<bool(int idCliente)>;
    void setProposito(int proposito, QWidget* llamador, Accion accion);
    int proposito() const { return proposito_; }
    QWidget* llamador() const { return llamador_; }
    int mostrar();  // empties the boxes, re-reads the list, shows it modally
    void SeleccionarCliente();
    // QAdeudo: the customer's open debt (sum of positive balances), 0 when none.
    Money adeudo(int idCliente);

  private:
    int proposito_ = 0;
    QWidget* llamador_ = nullptr;
    Accion accion_;
};
