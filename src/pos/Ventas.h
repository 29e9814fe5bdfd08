#pragma once
#include <QList>
#include <QWidget>

#include "db/Sql.h"
#include "pos/Precios.h"
#include "pos/Ticket.h"
#include "pos/TicketsVenta.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;
class QTableWidget;

namespace pos {
class ModeloPartes;
}

// "Ventas": the store counter. Products are found by vehicle, family, description or
// code and put on the ticket; the sale leaves as cash, credit or a transfer.
class TFrmVentas : public QWidget {
    Q_OBJECT
  public:
    explicit TFrmVentas(QWidget* parent = nullptr);
    ~TFrmVentas() override;
    // The ticket being assembled, with its running total (read and extended by the
    // quotation dialog).
    pos::Ticket& ticket() { return *ticket_; }
    // "Quitar todos los productos": asks, then gives the stock back and resets the screen.
    void quitarTodosLosProductos();

    // The product list from the filter controls (also run by their changes).
    void ActualizarPartes();
    // Prices the current product row and puts it on the ticket.
    void AgregarProducto();
    // Stores the ticket as a sale (one transaction), prints its ticket, resets the screen
    // and records the inventory value. False when nothing was stored (the engine's
    // message was shown and the ticket stays).
    bool GuardarVenta(bool credito);
    // Asks to charge the total to the sale customer; on Yes stores a credit sale.
    void ConfirmarCredito();
    // The credit acceptance for a customer chosen in the customer search: true when
    // accepted (the sale went on), false after showing the refusal (the search stays open).
    bool aceptarCredito(int idCliente);
    // The customer search's discount purpose: prices new lines by this customer's scheme.
    void setClienteDescuento(int idCliente);
    void quitarClienteDescuento();

    QString textoTotal() const;  // what LblTotal shows
    int clienteDescuento() const { return clienteDescuento_; }
    int clienteVenta() const { return clienteVenta_; }
    void setClienteVenta(int id) { clienteVenta_ = id; }
    const pos::DatosClienteTicket& datosClienteTicket() const { return datosTicket_; }
    // The current row of the product list (id 0 when there is none).
    pos::ProductoLista productoActual() const;

  protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    void crearControles();
    void aplicarPermisos();
    void cargarListas();
    void cerrarPartes();
    void abrirPartes(bool avisarVacio);
    void refrescarPartes();
    void reiniciarPantalla(bool limpiarCodigo);
    void llenarModelos(int marca);  // 0: every model
    void mostrarTotal();

    // handlers
    void CmbMarcasChange();
    void CmbMarcasExit();
    void CmbModelosEnter();
    void CmbModelosExit();
    void CmbModelosClick();
    void FiltroEnter();
    void txtcodigoKeyDown();
    void prodsgridRowChange();
    void TxtCantidadExit();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();
    void BitBtn6Click();
    void BitBtn7Click();
    void BitBtn8Click();
    void BitBtn9Click();
    void BitBtn10Click();
    void BitBtn11Click();
    void BitBtn12Click();
    void BitBtn13Click();
    void BitBtn14Click();
    void BtnNotaCreditoClick();

    pos::Ticket* ticket_ = nullptr;  // created with the grid
    pos::ModeloPartes* partes_ = nullptr;
    db::Consulta QPartes;
    bool partesAbierta_ = false;

    int clienteDescuento_ = 0;
    int clienteVenta_ = 0;
    int diasCredito_ = 0;
    pos::DatosClienteTicket datosTicket_;

    bool modelosDesplegados_ = false;
    int sinRefrescar_ = 0;  // > 0 while the screen sets its own filter texts

    QComboBox* CmbMarcas;
    QComboBox* CmbModelos;
    QLineEdit* TxtAno;
    QComboBox* CmbFamilias;
    QLineEdit* TxtDescripcion;
    QPushButton* BitBtn14;
    QPushButton* BitBtn9;
    QLineEdit* txtcodigo;
    QTableView* prodsgrid;
    QLabel* LblPrecioEspecial;
    QLineEdit* txtprecioespecial;
    QLabel* Label7;
    QLineEdit* TxtCantidad;
    QLabel* LblDescuento;
    QPushButton* BitBtn10;
    QRadioButton* RBNormal;
    QRadioButton* Rb15;
    QRadioButton* Rb20;
    QRadioButton* Rb25;
    QRadioButton* RbTw;
    QRadioButton* RadioButton5;
    QTableWidget* Grid;
    QPushButton* BitBtn2;
    QPushButton* BitBtn1;
    QLabel* LblTotal;
    QPushButton* BitBtn8;
    QPushButton* BitBtn3;
    QPushButton* BitBtn12;
    QPushButton* BitBtn11;
    QPushButton* BitBtn4;
    QPushButton* BitBtn5;
    QPushButton* BitBtn6;
    QPushButton* BitBtn7;
    QPushButton* BitBtn13;
    QPushButton* BtnNotaCredito;
};
