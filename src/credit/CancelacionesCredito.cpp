#include "credit/CancelacionesCredito.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "common/Formats.h"
#include "common/Seams.h"
#include "credit/Cobranza.h"
#include "db/Sql.h"

TFrmCancelacionesCredito::TFrmCancelacionesCredito(QWidget* parent) : QDialog(parent) {
    setObjectName("FrmCancelacionesCredito");
    setWindowTitle(QString::fromUtf8("Cancelaciones"));

    auto* l = new QVBoxLayout(this);
    DBGrid1 = new QTableWidget(0, 4, this);
    DBGrid1->setObjectName("DBGrid1");
    DBGrid1->setHorizontalHeaderLabels({QString::fromUtf8("Número"), "Fecha", "Total", "Cliente"});
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->verticalHeader()->setVisible(false);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    l->addWidget(DBGrid1);
    auto* abajo = new QHBoxLayout;
    abajo->addStretch();
    BitBtn1 = new QPushButton("Cancelar", this);
    BitBtn1->setObjectName("BitBtn1");
    abajo->addWidget(BitBtn1);
    l->addLayout(abajo);
    resize(560, 380);

    connect(BitBtn1, &QPushButton::clicked, this,
            [this] { ui::protegido([this] { BitBtn1Click(); }, this); });
    ui::protegido([this] { recargar(); }, this);
}

void TFrmCancelacionesCredito::recargar() {
    DBGrid1->setRowCount(0);
    db::Consulta QSaldos(
        "select a.id, a.fecha, a.cantidad, b.nombre from tblctrl_saldoscredito a "
        "left join tblcat_clientes b on a.cliente = b.id order by a.id desc");
    QSaldos.abrir();
    for (bool hay = QSaldos.primero(); hay; hay = QSaldos.siguiente()) {
        const int r = DBGrid1->rowCount();
        DBGrid1->insertRow(r);
        auto* numero = new QTableWidgetItem(QSaldos.texto("id"));
        numero->setData(Qt::UserRole, QSaldos.largo("id"));
        DBGrid1->setItem(r, 0, numero);
        DBGrid1->setItem(r, 1, new QTableWidgetItem(formato::fechaHora(QSaldos.fecha("fecha"))));
        auto* total = new QTableWidgetItem(formato::dinero(QSaldos.dinero("cantidad").toDouble()));
        total->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        DBGrid1->setItem(r, 2, total);
        DBGrid1->setItem(r, 3, new QTableWidgetItem(QSaldos.texto("nombre")));
    }
    if (DBGrid1->rowCount() > 0) DBGrid1->selectRow(0);
    DBGrid1->resizeColumnsToContents();
}

void TFrmCancelacionesCredito::BitBtn1Click() {
    const int fila = DBGrid1->currentRow();
    if (DBGrid1->rowCount() == 0 || fila < 0) {
        ui::mensaje("No hay pagos para cancelar, gracias", this);
        return;
    }
    if (!ui::pregunta(QString::fromUtf8("¿Borrar este movimiento?"), this)) return;
    const qlonglong pago = DBGrid1->item(fila, 0)->data(Qt::UserRole).toLongLong();
    if (!cobranza::cancelarPago(pago)) {
        // Cancelled meanwhile at another station.
        ui::mensaje("El pago seleccionado ya fue cancelado, gracias", this);
        recargar();
        return;
    }
    accept();
}
