#include "pos/Cotizaciones.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "catalog/BuscaCliente.h"
#include "common/Dialogos.h"
#include "common/Formats.h"
#include "common/Seams.h"
#include "common/ZUMUtils.h"
#include "db/Clock.h"
#include "db/Dialect.h"
#include "pos/Ventas.h"

namespace pos {

namespace {
int cantidadDe(const LineaTicket& l) {
    bool ok = false;
    const int n = formato::leerEntero(l.cantidad, &ok);
    return ok ? n : l.cantidad.toInt();
}
}  // namespace

int guardarCotizacion(const QString& nombre, int cliente, Money total, const QList<LineaTicket>& lineas) {
    db::Transaccion t;
    const QString ahora = dialecto::fecha(reloj::ahora());
    auto qsaldos = db::Edicion::nueva("tblctrl_saldoscotizaciones");
    qsaldos.set("Fecha", ahora);
    qsaldos.set("Cliente", cliente);
    qsaldos.set("Total", total.toVariant());
    qsaldos.set("Nombre", nombre);
    const int id = int(qsaldos.post());
    for (const LineaTicket& l : lineas) {
        auto qkardex = db::Edicion::nueva("tblctrl_kardexcotizaciones");
        qkardex.set("Producto", l.clave);
        qkardex.set("Cantidad", cantidadDe(l));
        qkardex.set("Precio", Money::fromDouble(l.precio).toVariant());
        qkardex.set("Costo", Money::fromDouble(l.costo).toVariant());
        qkardex.set("Fecha", ahora);
        qkardex.set("Saldo", id);
        qkardex.set("Tipo", l.tipo);
        qkardex.post();
    }
    t.confirmar();
    return id;
}

QList<LineaTicket> lineasCotizacion(int cotizacion) {
    db::Consulta QKardex2(
        "select K.Producto, K.Cantidad, K.Precio, K.Costo, K.Tipo, P.Parte, P.Ano, "
        "(select M.Marca from tblcat_marcas M where M.Id = P.Marca) as nommarca, "
        "(select O.Modelo from tblcat_modelos O where O.Id = P.Modelo) as nommodelo "
        "from tblctrl_kardexcotizaciones K left join tblcat_productos P on P.Id = K.Producto "
        "where K.Saldo = :saldo order by K.Id");
    QKardex2.bind("saldo", cotizacion);
    QKardex2.abrir();
    QList<LineaTicket> r;
    if (QKardex2.vacia()) return r;
    do {
        LineaTicket l;
        l.clave = QKardex2.entero("Producto");
        l.cantidad = QString::number(QKardex2.entero("Cantidad"));
        l.parte = QKardex2.texto("Parte");
        l.marca = QKardex2.texto("nommarca");
        l.modelo = QKardex2.texto("nommodelo");
        l.ano = QKardex2.texto("Ano");
        l.precio = QKardex2.dinero("Precio").toDouble();
        l.costo = QKardex2.dinero("Costo").toDouble();
        l.tipo = QKardex2.texto("Tipo");
        r << l;
    } while (QKardex2.siguiente());
    return r;
}

void borrarCotizacion(int cotizacion) {
    db::Transaccion t;
    db::ejecutar("delete from tblctrl_saldoscotizaciones where Id = :id", {{"id", cotizacion}});
    db::ejecutar("delete from tblctrl_kardexcotizaciones where Saldo = :id", {{"id", cotizacion}});
    t.confirmar();
}

rpt::Trabajo trabajoCotizacion(const QList<LineaTicket>& lineas) {
    rpt::Trabajo t;
    {
        // The scratch table is shared by every counter: refilled and read under one lock.
        db::Transaccion tr;
        db::ejecutar("delete from tbltmp_ticket");
        const QString ahora = dialecto::fecha(reloj::ahora());
        int n = 0;
        for (const LineaTicket& l : lineas) {
            auto e = db::Edicion::nueva("tbltmp_ticket");
            e.set("Id", ++n);
            e.set("Cantidad", cantidadDe(l));
            e.set("Producto", l.clave);
            e.set("Precio", Money::fromDouble(l.precio).toVariant());
            e.set("Fecha", ahora);
            e.set("TipoTw", l.tipo);
            e.post();
        }
        // Qticket2
        t.datos["DSTicket2"] = rpt::DataSet::desdeSql(
            "select (a.cantidad * a.precio) as subtotal, a.cantidad, a.producto, a.precio, a.fecha, "
            "a.tipotw, "
            "b.parte, b.marca, b.modelo, b.ano from tbltmp_ticket A left join view_productos B "
            "on a.producto = b.id order by a.Id");
        tr.confirmar();
    }

    rpt::Layout& l = t.layout;
    l.nombre = "RvCotizacion";
    l.pagina = rpt::Pagina::carta();
    l.datos = "DSTicket2";
    const double w = l.pagina.anchoUtil();
    const double wCant = 16, wOrigen = 22, wPrecio = 28, wImporte = 30;
    const double xDesc = wCant, xImporte = w - wImporte, xPrecio = xImporte - wPrecio,
                 xOrigen = xPrecio - wOrigen;
    const rpt::Estilo normal{9};
    const rpt::Estilo derecha{9, false, rpt::Alinear::Derecha};
    const rpt::Estilo titulo{9, true};
    const rpt::Estilo tituloDerecha{9, true, rpt::Alinear::Derecha};

    rpt::Banda& tb = l.banda(rpt::TipoBanda::Titulo, 0);
    double y = 0;
    rpt::encabezadoTienda(tb, w, y);
    y += 2;
    tb.texto(0, y, w, 9, "Cotización", {18, true, rpt::Alinear::Centro});
    y += 10;
    tb.texto(0, y, w, 5,
             [](const rpt::Contexto& c) { return formato::fechaHora(dialecto::leerFecha(c.campo("fecha"))); },
             {9, false, rpt::Alinear::Derecha});
    y += 8;
    tb.texto(0, y, wCant, 5, "Cant.", titulo);
    tb.texto(xDesc, y, xOrigen - xDesc, 5, "Descripción", titulo);
    tb.texto(xOrigen, y, wOrigen, 5, "Origen", titulo);
    tb.texto(xPrecio, y, wPrecio, 5, "P. Unitario", tituloDerecha);
    tb.texto(xImporte, y, wImporte, 5, "Importe", tituloDerecha);
    y += 6;
    tb.linea(0, y, w, y);
    tb.alto = y + 1;

    rpt::Banda& det = l.banda(rpt::TipoBanda::Detalle, 5);
    det.campo(0, 0, wCant, 5, "cantidad", normal);
    det.texto(xDesc, 0, xOrigen - xDesc, 5,
              [](const rpt::Contexto& c) {
                  return c.texto("parte") + ' ' + c.texto("marca") + ' ' + c.texto("modelo") + ' ' +
                         c.texto("ano");
              },
              {9, false, rpt::Alinear::Izquierda, true});
    det.campo(xOrigen, 0, wOrigen, 5, "tipotw", normal);
    det.texto(
        xPrecio, 0, wPrecio, 5, [](const rpt::Contexto& c) { return formato::dinero(c.numero("precio")); },
        derecha);
    det.texto(
        xImporte, 0, wImporte, 5,
        [](const rpt::Contexto& c) { return formato::dinero(c.numero("subtotal")); }, derecha);

    rpt::Banda& res = l.banda(rpt::TipoBanda::Resumen, 10);
    res.linea(xPrecio, 1, w, 1);
    res.texto(xPrecio, 2, wPrecio, 6, "Total", {10, true, rpt::Alinear::Derecha});
    res.texto(xImporte, 2, wImporte, 6,
              [](const rpt::Contexto& c) { return formato::dinero(c.suma("subtotal")); },
              {10, true, rpt::Alinear::Derecha});
    return t;
}

}  // namespace pos

namespace {
const char* kSinProductos = "No hay productos seleccionados en la pantalla de ventas, gracias";
const char* kSelecciona = "Por favor selecciona una cotización de la lista, gracias";

QPushButton* boton(QWidget* padre, const QString& nombre, const QString& texto) {
    auto* b = new QPushButton(texto, padre);
    b->setObjectName(nombre);
    b->setAutoDefault(false);
    return b;
}

// The running total as a currency amount: what is left after lines come and go is read
// to four decimals, so a ticket emptied line by line counts as 0.
Money totalDe(TFrmVentas* v) {
    return v ? Money::fromDouble(v->ticket().total()) : Money();
}
}  // namespace

TFrmCotizaciones::TFrmCotizaciones(QWidget* parent)
    : QDialog(parent),
      QCo("select *, (select nombre from tblcat_clientes as A where id = B.cliente) as NomCliente "
          "from tblctrl_saldoscotizaciones as B order by fecha desc, Id desc") {
    setObjectName("FrmCotizaciones");
    setWindowTitle("Cotizaciones");
    setMinimumSize(622, 423);

    BitBtn1 = boton(this, "BitBtn1", "Imprimir Cotización Actual");
    BitBtn2 = boton(this, "BitBtn2", "Guardar Cotización Actual");
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    BitBtn1->installEventFilter(this);

    PnGuardar = new QFrame(this);
    PnGuardar->setObjectName("PnGuardar");
    PnGuardar->setFrameShape(QFrame::StyledPanel);
    txtnombre = new QLineEdit(PnGuardar);
    txtnombre->setObjectName("txtnombre");
    txtnombre->setMaxLength(250);
    ZUMUtils::colorearFoco(txtnombre);
    lblcliente = new QLabel("Sin Cliente", PnGuardar);
    lblcliente->setObjectName("lblcliente");
    BitBtn3 = boton(PnGuardar, "BitBtn3", "Buscar");
    BitBtn4 = boton(PnGuardar, "BitBtn4", "Cancelar");
    BitBtn5 = boton(PnGuardar, "BitBtn5", "Guardar");
    connect(BitBtn3, &QPushButton::clicked, this, [this] { BitBtn3Click(); });
    connect(BitBtn4, &QPushButton::clicked, this, [this] { BitBtn4Click(); });
    connect(BitBtn5, &QPushButton::clicked, this, [this] { BitBtn5Click(); });
    auto* pg = new QGridLayout(PnGuardar);
    pg->addWidget(new QLabel("Nombre:", PnGuardar), 0, 0);
    pg->addWidget(txtnombre, 0, 1, 1, 3);
    pg->addWidget(new QLabel("Cliente", PnGuardar), 1, 0);
    pg->addWidget(lblcliente, 1, 1);
    pg->addWidget(BitBtn3, 1, 2);
    auto* pb = new QHBoxLayout;
    pb->addStretch();
    pb->addWidget(BitBtn4);
    pb->addWidget(BitBtn5);
    pg->addLayout(pb, 2, 0, 1, 4);
    PnGuardar->hide();

    Lstcot = new QListWidget(this);
    Lstcot->setObjectName("Lstcot");
    Lstcot->installEventFilter(this);
    connect(Lstcot, &QListWidget::itemDoubleClicked, this, [this] { BitBtn6Click(); });

    BitBtn6 = boton(this, "BitBtn6", "Abrir Cotización");
    BitBtn7 = boton(this, "BitBtn7", "Borrar Cotización");
    connect(BitBtn6, &QPushButton::clicked, this, [this] { BitBtn6Click(); });
    connect(BitBtn7, &QPushButton::clicked, this, [this] { BitBtn7Click(); });

    auto* l = new QVBoxLayout(this);
    auto* arriba = new QHBoxLayout;
    arriba->addWidget(BitBtn1);
    arriba->addWidget(BitBtn2);
    l->addLayout(arriba);
    l->addWidget(PnGuardar);
    l->addWidget(new QLabel("Cotizaciones Anteriores", this));
    l->addWidget(Lstcot, 1);
    auto* abajo = new QHBoxLayout;
    abajo->addWidget(BitBtn6);
    abajo->addWidget(BitBtn7);
    l->addLayout(abajo);
}

int TFrmCotizaciones::mostrar(TFrmVentas* ventas) {
    ventas_ = ventas;
    PnGuardar->hide();
    if (!ui::protegido([this] { llenarLista(); }, this)) return QDialog::Rejected;
    Lstcot->setFocus();
    return ui::ejecutar(this);
}

void TFrmCotizaciones::llenarLista() {
    Lstcot->clear();
    ids_.clear();
    QCo.abrir();
    if (!QCo.vacia()) {
        do {
            Lstcot->addItem(QCo.texto("Nombre") + " - " + formato::fechaHora(QCo.fecha("Fecha")) + " " +
                            QCo.texto("NomCliente"));
            ids_ << QCo.entero("Id");
        } while (QCo.siguiente());
    }
    QCo.cerrar();
}

bool TFrmCotizaciones::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent*>(e)->key();
        if (o == Lstcot && (k == Qt::Key_Return || k == Qt::Key_Enter)) {
            BitBtn6Click();
            return true;
        }
        if (o == Lstcot && k == Qt::Key_Delete) {
            BitBtn7Click();
            return true;
        }
        if (o == BitBtn1 && k == Qt::Key_Left) {
            Lstcot->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void TFrmCotizaciones::BitBtn1Click() {
    if (totalDe(ventas_) <= Money()) {
        ui::mensaje(kSinProductos, this);
        return;
    }
    ui::protegido([this] { rpt::imprimir(pos::trabajoCotizacion(ventas_->ticket().todas()), this); }, this);
}

void TFrmCotizaciones::BitBtn2Click() {
    if (totalDe(ventas_) <= Money()) {
        ui::mensaje(kSinProductos, this);
        return;
    }
    txtnombre->clear();
    lblcliente->setText("Sin Cliente");
    cliente_ = 0;
    PnGuardar->show();
    txtnombre->setFocus();
}

void TFrmCotizaciones::BitBtn3Click() {
    TFrmBuscaCliente* busca = dialogos().BuscaCliente;
    if (!busca) return;
    busca->setProposito(6, this, [this](int id) {
        db::Consulta q("select Nombre from tblcat_clientes where Id = :id");
        q.bind("id", id);
        q.abrir();
        lblcliente->setText(q.texto("Nombre"));
        cliente_ = id;
        return true;
    });
    busca->mostrar();
}

void TFrmCotizaciones::BitBtn4Click() {
    PnGuardar->hide();
}

void TFrmCotizaciones::BitBtn5Click() {
    if (txtnombre->text().trimmed().isEmpty()) {
        ui::mensaje("Por favor introduce un nombre, gracias", this);
        return;
    }
    if (!ventas_) return;
    const bool guardada = ui::protegido(
        [this] {
            pos::guardarCotizacion(txtnombre->text(), cliente_, totalDe(ventas_), ventas_->ticket().todas());
        },
        this);
    if (!guardada) return;
    PnGuardar->hide();
    ui::protegido([this] { llenarLista(); }, this);
    accept();
    ui::mensaje("La cotización ha sido guardada, gracias", this);
    // Asks its own question: on No the ticket stays on screen, the quotation saved.
    ventas_->quitarTodosLosProductos();
}

void TFrmCotizaciones::prepararVentasParaCotizacion() {
    // As after adding a line on the sales screen: the vehicle filters and the code are
    // cleared and the product list is queried again.
    for (const char* n : {"CmbMarcas", "CmbModelos"})
        if (auto* c = ventas_->findChild<QComboBox*>(n)) {
            c->setCurrentIndex(-1);
            c->clearEditText();
        }
    for (const char* n : {"TxtAno", "txtcodigo"})
        if (auto* e = ventas_->findChild<QLineEdit*>(n)) e->clear();
    ventas_->ActualizarPartes();
}

int TFrmCotizaciones::seleccionada() const {
    // The highlighted item: the list's focus frame alone is not a choice.
    const QList<QListWidgetItem*> s = Lstcot->selectedItems();
    const int fila = s.isEmpty() ? -1 : Lstcot->row(s.first());
    return fila < ids_.size() ? fila : -1;
}

void TFrmCotizaciones::BitBtn6Click() {
    const int fila = seleccionada();
    if (fila < 0) {
        ui::mensaje(kSelecciona, this);
        return;
    }
    if (!ventas_) return;
    if (!totalDe(ventas_).isZero()) {
        ui::mensaje(
            "Hay productos pendientes en la pantalla de ventas, por favor retiralos antes de abrir una "
            "cotización, gracias",
            this);
        return;
    }
    ui::protegido(
        [&] {
            // Each line takes its stock as it goes on the ticket, as the sales screen does.
            for (const pos::LineaTicket& l : pos::lineasCotizacion(ids_[fila])) ventas_->ticket().agregar(l);
            prepararVentasParaCotizacion();
            accept();
        },
        this);
}

void TFrmCotizaciones::BitBtn7Click() {
    const int fila = seleccionada();
    if (fila < 0) {
        ui::mensaje(kSelecciona, this);
        ui::protegido([this] { llenarLista(); }, this);
        return;
    }
    const QString texto = Lstcot->item(fila)->text();
    if (!ui::pregunta("Estas seguro(a) de querer borrar la cotización: " + texto + "?", this)) return;
    ui::protegido(
        [&] {
            pos::borrarCotizacion(ids_[fila]);
            llenarLista();
        },
        this);
}
