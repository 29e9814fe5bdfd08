#pragma once
#include <QDialog>
#include <functional>

#include "db/Money.h"
#include "db/Sql.h"

class QLineEdit;
class QTableView;
class QStandardItemModel;

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

    // The customer of the list's current row; 0 when the list is empty.
    int clienteActual() const;

    // Colours of the list's rows.
    static QColor colorBloqueado();   // background of a blocked customer
    static QColor colorSinCredito();  // text of a customer without credit

    QLineEdit* txtid = nullptr;
    QLineEdit* txtnombre = nullptr;
    QLineEdit* txtrfc = nullptr;
    QTableView* Grid = nullptr;

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    void txtidChange();
    void txtnombreChange();
    void txtrfcChange();
    void filtrarPorTexto(QLineEdit* caja, const QString& columna);
    void listaCompleta();
    void llenarLista();
    void vaciarLista();
    void habilitarCajas(bool id, bool nombre, bool rfc);

    int proposito_ = 0;
    QWidget* llamador_ = nullptr;
    Accion accion_;
    bool limpiando_ = false;

    db::Consulta QClientes;
    db::Consulta QAdeudo;
    QStandardItemModel* modelo_ = nullptr;
};
