#pragma once
#include <QDialog>

#include "db/Sql.h"

class QTableView;
class QPushButton;
namespace pos {
class TablaConsulta;
}

// "Devoluciones": the sales of other days; takes back all the goods of one.
class TFrmDevoluciones : public QDialog {
    Q_OBJECT
  public:
    explicit TFrmDevoluciones(QWidget* parent = nullptr);
    int mostrar();       // re-reads its list and shows it modally
    void abrirSaldos();  // QSaldos: the sales not made today (reloj::hoy()), newest first

    void BitBtn1Click();  // "Devolución"

  private:
    void QSaldosAfterScroll();
    int ventaActual() const;

    db::Consulta QSaldos;
    db::Consulta QKardex;
    pos::TablaConsulta* saldos_ = nullptr;
    pos::TablaConsulta* kardex_ = nullptr;
    QTableView* DBGrid1 = nullptr;
    QTableView* DBGrid2 = nullptr;
    QPushButton* BitBtn1 = nullptr;
};
