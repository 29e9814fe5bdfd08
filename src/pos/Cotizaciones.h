#pragma once
#include <QDialog>
#include <QList>

#include "db/Sql.h"
#include "pos/Ticket.h"
#include "printing/Report.h"

class TFrmVentas;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QFrame;

namespace pos {
// Stores the ticket as a named quotation, optionally for a customer (0 for none), with its
// lines in ticket order; returns the quotation's Id. One transaction.
int guardarCotizacion(const QString& nombre, int cliente, Money total, const QList<LineaTicket>& lineas);
// QKardex2: the lines of a quotation as ticket lines, at their saved prices.
QList<LineaTicket> lineasCotizacion(int cotizacion);
void borrarCotizacion(int cotizacion);
// RvCotizacion: the ticket as a quotation on a letter page, through tbltmp_ticket.
rpt::Trabajo trabajoCotizacion(const QList<LineaTicket>& lineas);
}  // namespace pos

// "Cotizaciones": prints or saves the sales screen's ticket as a quotation, and opens or
// deletes saved quotations.
class TFrmCotizaciones : public QDialog {
    Q_OBJECT
  public:
    explicit TFrmCotizaciones(QWidget* parent = nullptr);
    int mostrar(TFrmVentas* ventas);  // works on that sales screen's ticket
    void llenarLista();               // Lstcot from QCo, newest first

    void BitBtn1Click();  // "Imprimir Cotización Actual"
    void BitBtn2Click();  // "Guardar Cotización Actual"
    void BitBtn3Click();  // "Buscar" (customer)
    void BitBtn4Click();  // "Cancelar"
    void BitBtn5Click();  // "Guardar"
    void BitBtn6Click();  // "Abrir Cotización"
    void BitBtn7Click();  // "Borrar Cotización"

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    void prepararVentasParaCotizacion();
    int seleccionada() const;  // the selected item of Lstcot, -1 when none

    TFrmVentas* ventas_ = nullptr;
    int cliente_ = 0;  // the quotation customer of the save panel, 0 for none
    QList<int> ids_;   // the Id behind each item of Lstcot
    db::Consulta QCo;

    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QFrame* PnGuardar = nullptr;
    QLineEdit* txtnombre = nullptr;
    QLabel* lblcliente = nullptr;
    QPushButton* BitBtn3 = nullptr;
    QPushButton* BitBtn4 = nullptr;
    QPushButton* BitBtn5 = nullptr;
    QListWidget* Lstcot = nullptr;
    QPushButton* BitBtn6 = nullptr;
    QPushButton* BitBtn7 = nullptr;
};
