#include "pos/ReimpresionVentas.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "common/Seams.h"
#include "pos/TablaConsulta.h"
#include "pos/TicketsVenta.h"

using pos::TablaConsulta;

TFrmReimpresionVentas::TFrmReimpresionVentas(QWidget* parent)
    : QDialog(parent),
      ADOQuery1(
          "select *, (select nombre from tblcat_clientes where id = cliente) as Nomcliente "
          "from tblctrl_saldosventas order by fecha desc, Id desc"),
      ADOQuery2(
          "select a.Id, a.Producto, a.Cantidad, a.Precio, a.Saldo, b.id as Codigo, b.parte, b.marca, "
          "b.modelo, "
          "b.ano from tblctrl_kardexventas a left join view_productos b on a.producto = b.id "
          "where a.saldo = :saldo order by a.Id") {
    setObjectName("FrmReimpresionVentas");
    setWindowTitle("Reimprimir Nota de Venta");
    resize(640, 480);
    const auto derecha = Qt::AlignRight | Qt::AlignVCenter;

    ventas_ = new TablaConsulta({{"Id", "Id", {}, derecha},
                                 {"Fecha", "Fecha", TablaConsulta::fechaHora},
                                 {"Total", "Total", TablaConsulta::dinero, derecha},
                                 {"Cliente", "Nomcliente", {}}},
                                this);
    lineas_ = new TablaConsulta({{"Código", "Codigo", {}, derecha},
                                 {"Cantidad", "Cantidad", {}, derecha},
                                 {"Parte", "parte", {}},
                                 {"Marca", "marca", {}},
                                 {"Modelo", "modelo", {}},
                                 {"Año", "ano", {}},
                                 {"Precio", "Precio", TablaConsulta::dinero, derecha}},
                                this);
    DBGrid1 = pos::crearRejilla(this, "DBGrid1", ventas_);
    DBGrid2 = pos::crearRejilla(this, "DBGrid2", lineas_);
    DBGrid1->installEventFilter(this);
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { ui::protegido([this] { ADOQuery1AfterScroll(); }, this); });
    connect(DBGrid1, &QTableView::doubleClicked, this, [this] { BitBtn8Click(); });

    BitBtn8 = new QPushButton("Reimprimir", this);
    BitBtn8->setObjectName("BitBtn8");
    BitBtn8->setToolTip("Reimpresión");
    BitBtn8->setDefault(true);
    connect(BitBtn8, &QPushButton::clicked, this, [this] { BitBtn8Click(); });

    auto* l = new QVBoxLayout(this);
    l->addWidget(DBGrid1, 3);
    l->addWidget(DBGrid2, 2);
    auto* abajo = new QHBoxLayout;
    abajo->addStretch();
    abajo->addWidget(BitBtn8);
    l->addLayout(abajo);
}

int TFrmReimpresionVentas::mostrar() {
    bool ok = ui::protegido(
        [this] {
            lineas_->limpiar();
            pos::cargarRejilla(DBGrid1, ventas_, ADOQuery1);
        },
        this);
    if (!ok) return QDialog::Rejected;
    DBGrid1->setFocus();
    return ui::ejecutar(this);
}

bool TFrmReimpresionVentas::eventFilter(QObject* o, QEvent* e) {
    if (o == DBGrid1 && e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            BitBtn8Click();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

int TFrmReimpresionVentas::ventaActual() const {
    return ventas_->valor(pos::filaActual(DBGrid1), "Id").toInt();
}

void TFrmReimpresionVentas::ADOQuery1AfterScroll() {
    ADOQuery2.bind("saldo", ventaActual());
    pos::cargarRejilla(DBGrid2, lineas_, ADOQuery2);
}

void TFrmReimpresionVentas::BitBtn8Click() {
    const int fila = pos::filaActual(DBGrid1);
    if (fila < 0) return;
    ui::protegido(
        [&] {
            // The report parameters take the sale's customer; the tickets do not print them.
            pos::DatosClienteTicket datos;
            const int cliente = ventas_->valor(fila, "Cliente").toInt();
            if (cliente != 0) {
                db::Consulta q("select Nombre, Direccion, Telefono1 from tblcat_clientes where Id = :id");
                q.bind("id", cliente);
                q.abrir();
                if (!q.vacia()) datos = {q.texto("Nombre"), q.texto("Direccion"), q.texto("Telefono1")};
            }
            pos::imprimirNotaDeVenta(ventas_->valor(fila, "Id").toInt(), datos);
            accept();
        },
        this);
}
