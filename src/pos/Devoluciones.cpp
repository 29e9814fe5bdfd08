#include "pos/Devoluciones.h"

#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "common/Seams.h"
#include "db/Clock.h"
#include "db/Dialect.h"
#include "pos/Anulaciones.h"
#include "pos/TablaConsulta.h"

using pos::TablaConsulta;

TFrmDevoluciones::TFrmDevoluciones(QWidget* parent)
    : QDialog(parent),
      QSaldos(
          "select * from tblctrl_saldosventas where not (Fecha between :desde and :hasta) "
          "order by Fecha desc, Id desc"),
      QKardex(
          "select a.Id, a.Producto, a.Cantidad, a.Precio, a.Saldo, b.id as Clave, b.parte, b.marca, "
          "b.modelo, "
          "b.ano from tblctrl_kardexventas a left join view_productos b on b.id = a.producto "
          "where a.saldo = :saldo order by a.Id") {
    setObjectName("FrmDevoluciones");
    setWindowTitle("Devoluciones");
    resize(720, 480);
    const auto derecha = Qt::AlignRight | Qt::AlignVCenter;

    saldos_ = new TablaConsulta({{"Id", "Id", {}, derecha},
                                 {"Fecha", "Fecha", TablaConsulta::fechaHora},
                                 {"Cliente", "Cliente", {}, derecha},
                                 {"Total", "Total", TablaConsulta::dinero, derecha},
                                 {"Factura", "Factura", {}, derecha},
                                 {"Tipo", "Tipo", {}, derecha},
                                 {"Usuario", "Usuario", {}, derecha},
                                 {"Credito", "Credito", TablaConsulta::siNo},
                                 {"Iva", "Iva", {}, derecha},
                                 {"TipoIVA", "TipoIVA", {}, derecha}},
                                this);
    kardex_ = new TablaConsulta({{"Clave", "Clave", {}, derecha},
                                 {"Cantidad", "Cantidad", {}, derecha},
                                 {"parte", "parte", {}},
                                 {"marca", "marca", {}},
                                 {"modelo", "modelo", {}},
                                 {"ano", "ano", {}},
                                 {"Precio", "Precio", TablaConsulta::dinero, derecha}},
                                this);
    DBGrid1 = pos::crearRejilla(this, "DBGrid1", saldos_);
    DBGrid2 = pos::crearRejilla(this, "DBGrid2", kardex_);
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { ui::protegido([this] { QSaldosAfterScroll(); }, this); });

    BitBtn1 = new QPushButton("Devolución", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });

    auto* l = new QVBoxLayout(this);
    l->addWidget(DBGrid1, 3);
    l->addWidget(DBGrid2, 2);
    auto* abajo = new QHBoxLayout;
    abajo->addStretch();
    abajo->addWidget(BitBtn1);
    l->addLayout(abajo);
}

void TFrmDevoluciones::abrirSaldos() {
    const QDate hoy = reloj::hoy();
    QSaldos.bind("desde", dialecto::inicioDelDia(hoy));
    QSaldos.bind("hasta", dialecto::finDelDia(hoy));
    kardex_->limpiar();
    pos::cargarRejilla(DBGrid1, saldos_, QSaldos);
}

int TFrmDevoluciones::mostrar() {
    if (!ui::protegido([this] { abrirSaldos(); }, this)) return QDialog::Rejected;
    DBGrid1->setFocus();
    return ui::ejecutar(this);
}

void TFrmDevoluciones::QSaldosAfterScroll() {
    QKardex.bind("saldo", ventaActual());
    pos::cargarRejilla(DBGrid2, kardex_, QKardex);
}

int TFrmDevoluciones::ventaActual() const {
    return saldos_->valor(pos::filaActual(DBGrid1), "Id").toInt();
}

void TFrmDevoluciones::BitBtn1Click() {
    if (pos::filaActual(DBGrid1) < 0) return;
    pos::anularDesdePantalla(this, ventaActual(), pos::Anulacion::Devolucion);
}
