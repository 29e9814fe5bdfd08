#include "pos/NotaDeCredito2.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "common/Formats.h"
#include "common/Seams.h"
#include "common/ZUMUtils.h"
#include "db/Dialect.h"

TFrmNotaDeCredito2::TFrmNotaDeCredito2(QWidget* parent)
    : QDialog(parent),
      Qdevoluciones(
          "select documento, max(fecha) as fechadev from tblctrl_kardexdevoluciones group by documento "
          "order by documento") {
    setObjectName("FrmNotaDeCredito2");
    setWindowTitle("Notas de Crédito");
    resize(640, 420);

    auto* izquierda = new QVBoxLayout;
    izquierda->addWidget(new QLabel("Notas sin Factura", this));
    chkdevoluciones = new QListWidget(this);
    chkdevoluciones->setObjectName("chkdevoluciones");
    izquierda->addWidget(chkdevoluciones);

    auto* derecha = new QGridLayout;
    auto etiqueta = [this](const QString& t) { return new QLabel(t, this); };
    txtnocliente = new QLineEdit(this);
    txtnocliente->setObjectName("txtnocliente");
    BitBtn3 = new QPushButton("Buscar", this);
    BitBtn3->setObjectName("BitBtn3");
    lblnombre = new QLabel(this);
    lblnombre->setObjectName("lblnombre");
    lbldireccion = new QLabel(this);
    lbldireccion->setObjectName("lbldireccion");
    txtfactura = new QLineEdit(this);
    txtfactura->setObjectName("txtfactura");
    txtiva = new QLineEdit("10", this);
    txtiva->setObjectName("txtiva");
    chkiva = new QCheckBox("No Aumentar IVA", this);
    chkiva->setObjectName("chkiva");
    BitBtn1 = new QPushButton("Imprimir Nota de Crédito", this);
    BitBtn1->setObjectName("BitBtn1");
    LstFacturas = new QListWidget(this);
    LstFacturas->setObjectName("LstFacturas");
    BitBtn4 = new QPushButton("Cancelar Nota de Crédito", this);
    BitBtn4->setObjectName("BitBtn4");
    for (QPushButton* b : {BitBtn3, BitBtn1, BitBtn4}) b->setAutoDefault(false);
    ZUMUtils::colorearFoco({txtnocliente, txtfactura, txtiva});

    derecha->addWidget(etiqueta("No. de Cliente"), 0, 0);
    derecha->addWidget(txtnocliente, 0, 1);
    derecha->addWidget(BitBtn3, 0, 2);
    derecha->addWidget(etiqueta("Nombre"), 1, 0);
    derecha->addWidget(lblnombre, 1, 1, 1, 2);
    derecha->addWidget(etiqueta("Dirección"), 2, 0);
    derecha->addWidget(lbldireccion, 2, 1, 1, 2);
    derecha->addWidget(etiqueta("No. de Factura"), 3, 0);
    derecha->addWidget(txtfactura, 3, 1, 1, 2);
    derecha->addWidget(etiqueta("IVA"), 4, 0);
    auto* iva = new QHBoxLayout;
    iva->addWidget(txtiva);
    iva->addWidget(etiqueta("%"));
    iva->addWidget(chkiva);
    derecha->addLayout(iva, 4, 1, 1, 2);
    derecha->addWidget(BitBtn1, 5, 1, 1, 2);
    derecha->addWidget(etiqueta("Cancelaciones"), 6, 0, 1, 3);
    derecha->addWidget(LstFacturas, 7, 0, 1, 3);
    derecha->addWidget(BitBtn4, 8, 1, 1, 2);

    auto* l = new QHBoxLayout(this);
    l->addLayout(izquierda, 1);
    l->addLayout(derecha, 1);

    // Created at start-up: a database that cannot be read yet leaves the list empty.
    if (db::conectada()) {
        try {
            llenarLista();
        } catch (const db::SqlError&) {
        }
    }
}

void TFrmNotaDeCredito2::llenarLista() {
    chkdevoluciones->clear();
    Qdevoluciones.abrir();
    if (!Qdevoluciones.vacia()) {
        do {
            auto* item = new QListWidgetItem(
                "Nota : " + Qdevoluciones.texto("documento") + " - " +
                    formato::fechaHora(dialecto::leerFecha(Qdevoluciones.valor("fechadev"))),
                chkdevoluciones);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Unchecked);
        } while (Qdevoluciones.siguiente());
    }
    Qdevoluciones.cerrar();
}

int TFrmNotaDeCredito2::mostrar() {
    if (!ui::protegido([this] { llenarLista(); }, this)) return QDialog::Rejected;
    return ui::ejecutar(this);
}
