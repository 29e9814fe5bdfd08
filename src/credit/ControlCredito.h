#pragma once
#include <QWidget>

#include "db/Sql.h"

class QLineEdit;
class QLabel;
class QPushButton;
class QGroupBox;
class QTableWidget;

// "Control de Crédito"
class TFrmControlCredito : public QWidget {
    Q_OBJECT
  public:
    explicit TFrmControlCredito(QWidget* parent = nullptr);

    // The list filters of the debts.
    enum class Filtro { Todos, Vencidos, AlCorriente };

    int cliente() const { return cliente_; }  // 0 until a customer is loaded
    Filtro filtro() const { return filtro_; }
    // Loads the customer number typed in txtnocliente and lists all its unpaid debts.
    void cargarCliente();
    void listar(Filtro f);

    // Event handlers
    void txtnoclienteKeyDown();
    void BitBtn3Click();  // "Buscar"
    void BitBtn1Click();  // "Mostrar Todos X Pagar"
    void BitBtn2Click();  // "Mostrar Vencidos"
    void BitBtn4Click();  // "Mostrar al Corriente"
    void BitBtn5Click();  // "Estado de Cuenta"
    void BitBtn6Click();  // "Cancelación de Pagos"
    void BitBtn7Click();  // "Historial de Pagos"
    void BtnPagarClick();
    void pagarnotaClick();

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    void imprimirRecibo(qlonglong pago);
    void recargarCliente();

    QLineEdit* txtnocliente;
    QPushButton* BitBtn3;
    QLabel* lblnombre;
    QLabel* lbldireccion;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn4;
    QPushButton* BitBtn5;
    QPushButton* BitBtn7;
    QTableWidget* grid;
    QLabel* lbltotal;
    QPushButton* BitBtn6;
    QGroupBox* Pago1;
    QLineEdit* TxtCantidad;
    QPushButton* BtnPagar;
    QGroupBox* Pago2;
    QPushButton* pagarnota;

    db::Consulta QClientes;
    db::Consulta QCredito;
    int cliente_ = 0;
    Filtro filtro_ = Filtro::Todos;
};
