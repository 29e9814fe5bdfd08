#pragma once
#include <QDialog>

#include "db/Sql.h"

class QTableView;
class QPushButton;
namespace pos {
class TablaConsulta;
}

// "Cancelaciones Ventas": today's sales; cancels a whole sale, or one line of a cash sale.
class TFrmCancelacionesVentas : public QDialog {
    Q_OBJECT
  public:
    explicit TFrmCancelacionesVentas(QWidget* parent = nullptr);
    int mostrar();       // re-reads its list and shows it modally
    void abrirSaldos();  // QSaldos: the sales of today (reloj::hoy()), newest first

    void BitBtn1Click();  // "Cancelar Toda la Venta"
    void BitBtn2Click();  // "Cancelar Solo el producto"

  private:
    void QSaldosAfterScroll();
    int ventaActual() const;
    int lineaActual() const;

    db::Consulta QSaldos;
    db::Consulta QKardex;
    pos::TablaConsulta* saldos_ = nullptr;
    pos::TablaConsulta* kardex_ = nullptr;
    QTableView* DBGrid1 = nullptr;
    QTableView* DBGrid2 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
};
