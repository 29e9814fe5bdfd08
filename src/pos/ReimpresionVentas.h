#pragma once
#include <QDialog>

#include "db/Sql.h"

class QTableView;
class QPushButton;
namespace pos {
class TablaConsulta;
}

// "Reimprimir Nota de Venta": every stored sale, newest first, with its lines; prints the
// chosen sale's ticket again as checkout printed it.
class TFrmReimpresionVentas : public QDialog {
    Q_OBJECT
  public:
    explicit TFrmReimpresionVentas(QWidget* parent = nullptr);
    int mostrar();  // re-reads its list and shows it modally

    void BitBtn8Click();  // "Reimprimir"

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    void ADOQuery1AfterScroll();
    int ventaActual() const;

    db::Consulta ADOQuery1;
    db::Consulta ADOQuery2;
    pos::TablaConsulta* ventas_ = nullptr;
    pos::TablaConsulta* lineas_ = nullptr;
    QTableView* DBGrid1 = nullptr;
    QTableView* DBGrid2 = nullptr;
    QPushButton* BitBtn8 = nullptr;
};
