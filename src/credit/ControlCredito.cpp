#include "credit/ControlCredito.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableWidget>
#include <QVBoxLayout>

#include "catalog/BuscaCliente.h"
#include "common/Dialogos.h"
#include "common/Formats.h"
#include "common/Seams.h"
#include "common/Sesion.h"
#include "common/ZUMUtils.h"
#include "credit/CancelacionesCredito.h"
#include "credit/Cobranza.h"
#include "credit/HistorialPagos.h"
#include "db/Clock.h"
#include "db/Dialect.h"
#include "printing/Report.h"

namespace {

const QColor kVencido(255, 128, 0);

QLabel* etiquetaBlanca(const QString& nombre, QWidget* padre) {
    auto* l = new QLabel(padre);
    l->setObjectName(nombre);
    l->setAutoFillBackground(true);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, Qt::white);
    l->setPalette(p);
    l->setFrameShape(QFrame::StyledPanel);
    l->setMinimumHeight(22);
    return l;
}

QPushButton* boton(const QString& nombre, const QString& texto, QWidget* padre) {
    auto* b = new QPushButton(texto, padre);
    b->setObjectName(nombre);
    return b;
}

}  // namespace

TFrmControlCredito::TFrmControlCredito(QWidget* parent) : QWidget(parent) {
    setObjectName("FrmControlCredito");
    setWindowTitle(QString::fromUtf8("Control de Crédito"));

    auto* raiz = new QVBoxLayout(this);

    auto* datos = new QGridLayout;
    datos->addWidget(new QLabel("No. de Cliente", this), 0, 0);
    txtnocliente = new QLineEdit(this);
    txtnocliente->setObjectName("txtnocliente");
    txtnocliente->setMaximumWidth(120);
    auto* filaCliente = new QHBoxLayout;
    filaCliente->addWidget(txtnocliente);
    BitBtn3 = boton("BitBtn3", "Buscar", this);
    filaCliente->addWidget(BitBtn3);
    filaCliente->addStretch();
    datos->addLayout(filaCliente, 0, 1);
    datos->addWidget(new QLabel("Nombre", this), 1, 0);
    lblnombre = etiquetaBlanca("lblnombre", this);
    datos->addWidget(lblnombre, 1, 1);
    datos->addWidget(new QLabel(QString::fromUtf8("Dirección"), this), 2, 0);
    lbldireccion = etiquetaBlanca("lbldireccion", this);
    datos->addWidget(lbldireccion, 2, 1);
    datos->setColumnStretch(1, 1);
    raiz->addLayout(datos);

    auto* filtros = new QHBoxLayout;
    BitBtn1 = boton("BitBtn1", "Mostrar Todos X Pagar", this);
    BitBtn2 = boton("BitBtn2", "Mostrar Vencidos", this);
    BitBtn4 = boton("BitBtn4", "Mostrar al Corriente", this);
    BitBtn5 = boton("BitBtn5", "Estado de Cuenta", this);
    BitBtn7 = boton("BitBtn7", "Historial de Pagos", this);
    for (QPushButton* b : {BitBtn1, BitBtn2, BitBtn4, BitBtn5, BitBtn7}) filtros->addWidget(b);
    filtros->addStretch();
    raiz->addLayout(filtros);

    grid = new QTableWidget(0, 5, this);
    grid->setObjectName("grid");
    grid->setHorizontalHeaderLabels({"Documento", "Cantidad", "Fecha", "FechaVencimiento", "Saldo"});
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->verticalHeader()->setVisible(false);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid->setMinimumHeight(220);
    raiz->addWidget(grid, 1);

    auto* filaTotal = new QHBoxLayout;
    BitBtn6 = boton("BitBtn6", QString::fromUtf8("Cancelación de Pagos"), this);
    filaTotal->addWidget(BitBtn6);
    filaTotal->addStretch();
    filaTotal->addWidget(new QLabel("Adeudo Total:", this));
    lbltotal = etiquetaBlanca("lbltotal", this);
    lbltotal->setMinimumWidth(140);
    lbltotal->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    filaTotal->addWidget(lbltotal);
    raiz->addLayout(filaTotal);

    auto* pagos = new QHBoxLayout;
    Pago1 = new QGroupBox("Pagar por Cantidad", this);
    Pago1->setObjectName("Pago1");
    auto* l1 = new QHBoxLayout(Pago1);
    l1->addWidget(new QLabel("Cantidad a Pagar:", Pago1));
    TxtCantidad = new QLineEdit(Pago1);
    TxtCantidad->setObjectName("TxtCantidad");
    // Digits and the decimal separator, the separator at most once.
    const QString sep = QRegularExpression::escape(formato::locale().decimalPoint());
    TxtCantidad->setValidator(
        new QRegularExpressionValidator(QRegularExpression("\\d*(" + sep + "\\d*)?"), TxtCantidad));
    l1->addWidget(TxtCantidad);
    BtnPagar = boton("BtnPagar", "Pagar", Pago1);
    l1->addWidget(BtnPagar);
    pagos->addWidget(Pago1);
    Pago2 = new QGroupBox("Pagar por Nota", this);
    Pago2->setObjectName("Pago2");
    auto* l2 = new QHBoxLayout(Pago2);
    pagarnota = boton("pagarnota", "Pagar la Nota Seleccionada", Pago2);
    l2->addWidget(pagarnota);
    pagos->addWidget(Pago2);
    raiz->addLayout(pagos);

    Pago1->setEnabled(false);
    Pago2->setEnabled(false);

    QClientes.setSql("select * from tblcat_clientes where id = :id");

    // What the user may use, asked once.
    BitBtn5->setVisible(sesion::TienePermiso(37));
    const bool paga = sesion::TienePermiso(38);
    Pago1->setVisible(paga);
    Pago2->setVisible(paga);
    BitBtn6->setVisible(sesion::TienePermiso(39));
    BitBtn7->setVisible(sesion::TienePermiso(60));

    ZUMUtils::colorearFoco({txtnocliente, TxtCantidad});
    txtnocliente->installEventFilter(this);
    TxtCantidad->installEventFilter(this);

    auto enlazar = [this](QPushButton* b, void (TFrmControlCredito::*h)()) {
        connect(b, &QPushButton::clicked, this, [this, h] { ui::protegido([&] { (this->*h)(); }, this); });
    };
    enlazar(BitBtn3, &TFrmControlCredito::BitBtn3Click);
    enlazar(BitBtn1, &TFrmControlCredito::BitBtn1Click);
    enlazar(BitBtn2, &TFrmControlCredito::BitBtn2Click);
    enlazar(BitBtn4, &TFrmControlCredito::BitBtn4Click);
    enlazar(BitBtn5, &TFrmControlCredito::BitBtn5Click);
    enlazar(BitBtn6, &TFrmControlCredito::BitBtn6Click);
    enlazar(BitBtn7, &TFrmControlCredito::BitBtn7Click);
    enlazar(BtnPagar, &TFrmControlCredito::BtnPagarClick);
    enlazar(pagarnota, &TFrmControlCredito::pagarnotaClick);
    resize(760, 560);
}

bool TFrmControlCredito::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            if (o == txtnocliente) {
                ui::protegido([this] { txtnoclienteKeyDown(); }, this);
                return true;
            }
            if (o == TxtCantidad) {
                if (BtnPagar->isEnabled() && BtnPagar->isVisible()) BtnPagar->click();
                return true;
            }
        }
    }
    return QWidget::eventFilter(o, e);
}

void TFrmControlCredito::txtnoclienteKeyDown() {
    if (txtnocliente->text().trimmed().isEmpty())
        BitBtn3Click();
    else
        cargarCliente();
}

void TFrmControlCredito::BitBtn3Click() {
    TFrmBuscaCliente* b = dialogos().BuscaCliente;
    if (!b) return;
    b->setProposito(3, this, [this](int id) {
        txtnocliente->setText(QString::number(id));
        ui::protegido([this] { cargarCliente(); }, this);
        return true;
    });
    b->mostrar();
}

void TFrmControlCredito::cargarCliente() {
    bool ok = false;
    const int id = formato::leerEntero(txtnocliente->text().trimmed(), &ok);
    if (ok) {
        QClientes.bind("id", id);
        QClientes.abrir();
    }
    if (!ok || QClientes.vacia()) {
        QClientes.cerrar();
        ui::mensaje("El cliente no fue encontrado, gracias", this);
        return;
    }
    cliente_ = id;
    lblnombre->setText(QClientes.texto("Nombre"));
    lbldireccion->setText(QClientes.texto("Direccion"));
    QClientes.cerrar();
    listar(Filtro::Todos);
}

void TFrmControlCredito::listar(Filtro f) {
    if (cliente_ == 0) return;
    filtro_ = f;
    const QString ahora = dialecto::fecha(reloj::ahora());
    QString fin = " and pagado = " + dialecto::falso();
    if (f == Filtro::Vencidos) fin += " and fechavencimiento < :ahora";
    if (f == Filtro::AlCorriente) fin += " and fechavencimiento >= :ahora";
    fin += " order by fecha desc, id desc";
    QCredito.setSql("select * from tblctrl_credito where cliente = :cliente" + fin);
    QCredito.bind("cliente", cliente_);
    if (f != Filtro::Todos) QCredito.bind("ahora", ahora);
    QCredito.abrir();

    grid->setRowCount(0);
    for (bool hay = QCredito.primero(); hay; hay = QCredito.siguiente()) {
        const int r = grid->rowCount();
        grid->insertRow(r);
        const bool vencido = QCredito.texto("FechaVencimiento") < ahora;
        auto celda = [&](int c, const QString& texto, bool derecha) {
            auto* it = new QTableWidgetItem(texto);
            if (derecha) it->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (vencido) it->setBackground(kVencido);
            grid->setItem(r, c, it);
            return it;
        };
        QTableWidgetItem* doc = celda(0, QCredito.texto("Documento"), true);
        doc->setData(Qt::UserRole, QCredito.largo("Id"));
        celda(1, formato::dinero(QCredito.dinero("Cantidad").toDouble()), true);
        celda(2, formato::fechaHora(QCredito.fecha("Fecha")), false);
        celda(3, formato::fechaHora(QCredito.fecha("FechaVencimiento")), false);
        celda(4, formato::dinero(QCredito.dinero("Saldo").toDouble()), true);
    }
    QCredito.cerrar();
    if (grid->rowCount() > 0) grid->selectRow(0);

    lbltotal->setText(formato::moneda(cobranza::adeudo(cliente_)));
    Pago1->setEnabled(true);
    Pago2->setEnabled(true);
}

void TFrmControlCredito::BitBtn1Click() {
    listar(Filtro::Todos);
}
void TFrmControlCredito::BitBtn2Click() {
    listar(Filtro::Vencidos);
}
void TFrmControlCredito::BitBtn4Click() {
    listar(Filtro::AlCorriente);
}

void TFrmControlCredito::BitBtn5Click() {
    if (cliente_ == 0) {
        ui::mensaje("Primero carga un cliente, gracias", this);
        return;
    }
    rpt::imprimir(cobranza::estadoDeCuenta(cliente_), this);
}

void TFrmControlCredito::BitBtn6Click() {
    TFrmCancelacionesCredito* d = dialogos().CancelacionesCredito;
    if (!d) return;
    d->recargar();
    ui::ejecutar(d);
    listar(Filtro::Todos);
}

void TFrmControlCredito::BitBtn7Click() {
    TFrmHistorialPagos* d = dialogos().HistorialPagos;
    if (!d) return;
    d->mostrar(cliente_);
}

void TFrmControlCredito::BtnPagarClick() {
    if (cliente_ == 0) {
        ui::mensaje("Primero carga un cliente, gracias", this);
        return;
    }
    const QString texto = TxtCantidad->text().trimmed();
    if (texto.isEmpty()) {
        ui::mensaje("Escribe la cantidad a pagar, gracias", this);
        TxtCantidad->setFocus();
        return;
    }
    bool ok = false;
    const double valor = formato::leerDecimal(texto, &ok);
    if (!ok || valor < 0) {
        ui::error(formato::errorConversion(texto), this);
        return;
    }
    if (!ui::pregunta(QString::fromUtf8("¿Estas seguro de realizar el pago?"), this)) return;
    const cobranza::Pago p = cobranza::pagar(cliente_, Money::fromDouble(valor));
    if (p.resultado == cobranza::Pago::MayorAlAdeudo) {
        ui::mensaje(cobranza::mensajeMayorAlAdeudo(), this);
        return;
    }
    if (!p.aplicado()) return;
    imprimirRecibo(p.numero);
}

void TFrmControlCredito::pagarnotaClick() {
    if (cliente_ == 0) {
        ui::mensaje("Primero carga un cliente, gracias", this);
        return;
    }
    const int fila = grid->currentRow();
    if (grid->rowCount() == 0 || fila < 0) {
        ui::mensaje("No hay notas por pagar, gracias", this);
        return;
    }
    if (!ui::pregunta(QString::fromUtf8("¿Estas seguro de realizar el pago?"), this)) return;
    const qlonglong credito = grid->item(fila, 0)->data(Qt::UserRole).toLongLong();
    const cobranza::Pago p = cobranza::pagarNota(credito);
    if (!p.aplicado()) {
        // Paid off meanwhile at another station.
        ui::mensaje(QString::fromUtf8("La nota seleccionada ya está pagada, gracias"), this);
        listar(Filtro::Todos);
        return;
    }
    imprimirRecibo(p.numero);
}

// The payment is already stored: whatever happens while printing, the list shows it.
void TFrmControlCredito::imprimirRecibo(qlonglong pago) {
    TxtCantidad->clear();
    ui::protegido([&] { rpt::imprimir(cobranza::reciboDePago(pago), this); }, this);
    recargarCliente();
}

void TFrmControlCredito::recargarCliente() {
    if (cliente_ == 0) return;
    QClientes.bind("id", cliente_);
    QClientes.abrir();
    lblnombre->setText(QClientes.texto("Nombre"));
    lbldireccion->setText(QClientes.texto("Direccion"));
    QClientes.cerrar();
    listar(Filtro::Todos);
}
