#include "pos/CancelacionesVentas.h"

#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "common/Seams.h"
#include "db/Clock.h"
#include "db/Dialect.h"
#include "pos/Anulaciones.h"
#include "pos/TablaConsulta.h"

using pos::TablaConsulta;

TFrmCancelacionesVentas::TFrmCancelacionesVentas(QWidget* parent)
    : QDialog(parent),
      QSaldos(
          "select * from tblctrl_saldosventas where Fecha between :desde and :hasta "
          "order by Fecha desc, Id desc"),
      QKardex(
          "select a.Id, a.Producto, a.Cantidad, a.Precio, a.Saldo, b.parte, b.marca, b.modelo, b.ano "
          "from tblctrl_kardexventas a left join view_productos b on b.id = a.producto "
          "where a.saldo = :saldo order by a.Id") {
    setObjectName("FrmCancelacionesVentas");
    setWindowTitle("Cancelaciones Ventas");
    resize(600, 460);
    const auto derecha = Qt::AlignRight | Qt::AlignVCenter;

    saldos_ = new TablaConsulta({{"Id", "Id", {}, derecha},
                                 {"Total", "Total", TablaConsulta::dinero, derecha},
                                 {"Fecha", "Fecha", TablaConsulta::fechaHora}},
                                this);
    kardex_ = new TablaConsulta({{"Producto", "Producto", {}, derecha},
                                 {"Parte", "parte", {}},
                                 {"Marca", "marca", {}},
                                 {"Modelo", "modelo", {}},
                                 {"Año", "ano", {}},
                                 {"Precio", "Precio", TablaConsulta::dinero, derecha}},
                                this);
    DBGrid1 = pos::crearRejilla(this, "DBGrid1", saldos_);
    DBGrid2 = pos::crearRejilla(this, "DBGrid2", kardex_);
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { ui::protegido([this] { QSaldosAfterScroll(); }, this); });

    BitBtn2 = new QPushButton("Cancelar Solo el producto", this);
    BitBtn2->setObjectName("BitBtn2");
    BitBtn2->setAutoDefault(false);
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    BitBtn1 = new QPushButton("Cancelar Toda la Venta", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });

    auto* l = new QVBoxLayout(this);
    l->addWidget(DBGrid1, 3);
    auto* partes = new QLabel("Partes", this);
    partes->setObjectName("Label1");
    l->addWidget(partes);
    l->addWidget(DBGrid2, 2);
    auto* abajo = new QHBoxLayout;
    abajo->addStretch();
    abajo->addWidget(BitBtn2);
    abajo->addWidget(BitBtn1);
    l->addLayout(abajo);
}

void TFrmCancelacionesVentas::abrirSaldos() {
    const QDate hoy = reloj::hoy();
    QSaldos.bind("desde", dialecto::inicioDelDia(hoy));
    QSaldos.bind("hasta", dialecto::finDelDia(hoy));
    kardex_->limpiar();
    pos::cargarRejilla(DBGrid1, saldos_, QSaldos);
}

int TFrmCancelacionesVentas::mostrar() {
    if (!ui::protegido([this] { abrirSaldos(); }, this)) return QDialog::Rejected;
    DBGrid1->setFocus();
    return ui::ejecutar(this);
}

void TFrmCancelacionesVentas::QSaldosAfterScroll() {
    QKardex.bind("saldo", ventaActual());
    pos::cargarRejilla(DBGrid2, kardex_, QKardex);
}

int TFrmCancelacionesVentas::ventaActual() const {
    return saldos_->valor(pos::filaActual(DBGrid1), "Id").toInt();
}

int TFrmCancelacionesVentas::lineaActual() const {
    return kardex_->valor(pos::filaActual(DBGrid2), "Id").toInt();
}

void TFrmCancelacionesVentas::BitBtn1Click() {
    if (pos::filaActual(DBGrid1) < 0) return;
    pos::anularDesdePantalla(this, ventaActual(), pos::Anulacion::Cancelacion);
}

void TFrmCancelacionesVentas::BitBtn2Click() {
    if (pos::filaActual(DBGrid1) < 0) return;
    ui::protegido(
        [&] {
            const int venta = ventaActual();
            QString motivo = pos::motivoParaNoCancelarLinea(venta, lineaActual());
            if (!motivo.isEmpty()) {
                ui::mensaje(motivo, this);
            } else if (ui::pregunta("Cancelar el producto???", this)) {
                motivo = pos::cancelarLinea(venta, lineaActual());
                if (!motivo.isEmpty()) ui::mensaje(motivo, this);
            }
            accept();
        },
        this);
}
