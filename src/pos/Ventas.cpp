#include "pos/Ventas.h"

#include <QAbstractTableModel>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "catalog/BuscaCliente.h"
#include "catalog/Fotografia.h"
#include "catalog/Listas.h"
#include "common/Dialogos.h"
#include "common/Formats.h"
#include "common/Inventario.h"
#include "common/Seams.h"
#include "common/Sesion.h"
#include "common/TipoDeCambio.h"
#include "common/ZUMUtils.h"
#include "db/Dialect.h"
#include "pos/CancelacionesVentas.h"
#include "pos/Captura.h"
#include "pos/Cotizaciones.h"
#include "pos/Devoluciones.h"
#include "pos/GuardarVenta.h"
#include "pos/NotaDeCredito2.h"
#include "pos/Pago.h"
#include "pos/ReimpresionVentas.h"

namespace pos {

// The product list QPartes as prodsgrid shows it: the whole result is read once per
// query into plain values, so a large catalogue costs one query per keystroke and no
// widget per row.
class ModeloPartes : public QAbstractTableModel {
  public:
    enum Campo {
        Id,
        Parte,
        Marca,
        Modelo,
        Ano,
        Precio1,
        Moneda,
        Existencia,
        CodigoParte,
        Ubi,
        Familia,
        Costo1,
        BodegaLinea,
        BodegaAnaquel,
        BodegaNivel,
        NumCampos
    };
    static constexpr int kVisibles = 10;  // Id .. Ubi

    using QAbstractTableModel::QAbstractTableModel;

    void cargar(db::Consulta& q) {
        static const char* kNombres[NumCampos] = {
            "id",      "parte",  "marca",        "modelo",         "ano",
            "precio1", "moneda", "existencia",   "codigoparte",    "Ubi",
            "familia", "costo1", "bodega_linea", "bodega_anaquel", "bodega_nivel"};
        beginResetModel();
        filas_.clear();
        if (!q.vacia()) {
            const QSqlRecord reg = q.registro();
            int idx[NumCampos];
            for (int c = 0; c < NumCampos; ++c) idx[c] = reg.indexOf(kNombres[c]);
            QSqlQuery& s = q.query();
            for (bool hay = s.first(); hay; hay = s.next()) {
                QVariantList f;
                f.reserve(NumCampos);
                for (int c = 0; c < NumCampos; ++c) f << (idx[c] >= 0 ? s.value(idx[c]) : QVariant());
                filas_ << f;
            }
        }
        endResetModel();
    }
    void vaciar() {
        beginResetModel();
        filas_.clear();
        endResetModel();
    }
    QVariant valor(int fila, Campo c) const {
        return (fila >= 0 && fila < filas_.size()) ? filas_[fila][c] : QVariant();
    }
    ProductoLista producto(int fila) const {
        ProductoLista p;
        if (fila < 0 || fila >= filas_.size()) return p;
        p.id = valor(fila, Id).toInt();
        p.parte = valor(fila, Parte).toString();
        p.marca = valor(fila, Marca).toString();
        p.modelo = valor(fila, Modelo).toString();
        p.ano = valor(fila, Ano).toString();
        p.familia = valor(fila, Familia).toInt();
        p.precio1 = valor(fila, Precio1).toDouble();
        p.costo1 = valor(fila, Costo1).toDouble();
        p.moneda = valor(fila, Moneda).toString();
        return p;
    }

    int rowCount(const QModelIndex& p = {}) const override { return p.isValid() ? 0 : int(filas_.size()); }
    int columnCount(const QModelIndex& p = {}) const override { return p.isValid() ? 0 : kVisibles; }
    QVariant headerData(int s, Qt::Orientation o, int role) const override {
        static const char* kCaptions[kVisibles] = {"Clave",  "Parte",  "Marca", "Modelo",       "Año",
                                                   "Precio", "Moneda", "Exis.", "Codigo Parte", "Ubicación"};
        if (o == Qt::Horizontal && role == Qt::DisplayRole && s >= 0 && s < kVisibles)
            return QString::fromUtf8(kCaptions[s]);
        return QAbstractTableModel::headerData(s, o, role);
    }
    QVariant data(const QModelIndex& i, int role) const override {
        if (!i.isValid() || i.row() >= filas_.size()) return {};
        const QVariantList& f = filas_[i.row()];
        switch (role) {
            case Qt::DisplayRole: {
                const QVariant& v = f[i.column()];
                if (i.column() == Precio1)
                    return v.isNull() ? QString() : QString::number(v.toDouble(), 'f', 2);
                if (i.column() == Existencia) return v.isNull() ? QString() : formato::decimal(v.toDouble());
                return v.toString();
            }
            case Qt::TextAlignmentRole:
                if (i.column() == Ano) return int(Qt::AlignCenter);
                if (i.column() == Precio1 || i.column() == Existencia)
                    return int(Qt::AlignRight | Qt::AlignVCenter);
                return {};
            case Qt::BackgroundRole:
                if (sinExistencia(f)) return QColor(255, 128, 0);
                return {};
            default:
                return {};
        }
    }
    // Out of stock, for a product that belongs to a vehicle.
    static bool sinExistencia(const QVariantList& f) {
        return f[Existencia].toDouble() <= 0 && !f[Marca].toString().isEmpty() &&
               !f[Modelo].toString().isEmpty();
    }
    bool sinExistencia(int fila) const {
        return fila >= 0 && fila < filas_.size() && sinExistencia(filas_[fila]);
    }

  private:
    QList<QVariantList> filas_;
};

}  // namespace pos

namespace {
const char* kSeleccionDescuento = "Seleccionar Cliente Para Descuento";

// The model box tells when its list is dropped down.
class ComboDesplegable : public QComboBox {
  public:
    using QComboBox::QComboBox;
    std::function<void()> alDesplegar;
    void showPopup() override {
        if (alDesplegar) alDesplegar();
        QComboBox::showPopup();
    }
};

QString seleccionPartes() {
    return " select *, (select " +
           dialecto::concatenar({"Z.Bodega_Linea", "'-'", "Z.Bodega_Anaquel", "'-'", "Z.Bodega_Nivel"}) +
           " as Ubicacion from tblcat_productos as Z where Z.id = A.Id) as Ubi from view_partes2 as A ";
}

QPushButton* boton(const QString& nombre, const QString& caption, QWidget* padre, const QString& hint = {}) {
    auto* b = new QPushButton(caption, padre);
    b->setObjectName(nombre);
    if (!hint.isEmpty()) b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
}

QComboBox* combo(QComboBox* c, const QString& nombre) {
    c->setObjectName(nombre);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setMinimumWidth(150);
    return c;
}

double tipoDeCambio() {
    return dialogos().TipoDeCambio ? dialogos().TipoDeCambio->TipoCambio() : 1.0;
}
}  // namespace

TFrmVentas::TFrmVentas(QWidget* parent) : QWidget(parent) {
    setObjectName("FrmVentas");
    setWindowTitle(QString::fromUtf8("Ventas"));
    setMinimumSize(725, 613);
    crearControles();

    // Opening: the ticket (a pending one of this station comes back as it was), then the
    // lists and the permissions; the product list stays closed.
    ticket_ = new pos::Ticket(Grid, this);
    connect(ticket_, &pos::Ticket::totalCambio, this, [this] { mostrarTotal(); });
    ui::protegido([&] { ticket_->restaurarPendiente(); }, this);
    clienteDescuento_ = 0;
    ui::protegido([&] { cargarListas(); }, this);
    aplicarPermisos();
    mostrarTotal();
}

TFrmVentas::~TFrmVentas() = default;

void TFrmVentas::crearControles() {
    auto* raiz = new QVBoxLayout(this);

    // Filter panel
    auto* filtros = new QGridLayout;
    CmbMarcas = combo(new QComboBox(this), "CmbMarcas");
    auto* modelos = new ComboDesplegable(this);
    modelos->alDesplegar = [this] { modelosDesplegados_ = true; };
    CmbModelos = combo(modelos, "CmbModelos");
    TxtAno = new QLineEdit(this);
    TxtAno->setObjectName("TxtAno");
    TxtAno->setMaximumWidth(60);
    CmbFamilias = combo(new QComboBox(this), "CmbFamilias");
    TxtDescripcion = new QLineEdit(this);
    TxtDescripcion->setObjectName("TxtDescripcion");
    BitBtn14 = boton("BitBtn14", QString(), this);
    BitBtn14->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    BitBtn9 = boton("BitBtn9", "Info", this, QString::fromUtf8("Mas Información"));
    txtcodigo = new QLineEdit(this);
    txtcodigo->setObjectName("txtcodigo");
    filtros->addWidget(new QLabel("Marca", this), 0, 0);
    filtros->addWidget(new QLabel("Modelo", this), 0, 1);
    filtros->addWidget(new QLabel(QString::fromUtf8("Año"), this), 0, 2);
    filtros->addWidget(new QLabel("Familia", this), 0, 3);
    filtros->addWidget(new QLabel(QString::fromUtf8("Descripción"), this), 0, 4);
    filtros->addWidget(CmbMarcas, 1, 0);
    filtros->addWidget(CmbModelos, 1, 1);
    filtros->addWidget(TxtAno, 1, 2);
    filtros->addWidget(CmbFamilias, 1, 3);
    filtros->addWidget(TxtDescripcion, 1, 4);
    filtros->addWidget(BitBtn14, 1, 5);
    filtros->addWidget(BitBtn9, 1, 6);
    filtros->addWidget(new QLabel(QString::fromUtf8("Por Código:"), this), 0, 7);
    filtros->addWidget(txtcodigo, 1, 7);
    raiz->addLayout(filtros);

    // Product list
    prodsgrid = new QTableView(this);
    prodsgrid->setObjectName("prodsgrid");
    partes_ = new pos::ModeloPartes(this);
    prodsgrid->setModel(partes_);
    prodsgrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    prodsgrid->setSelectionMode(QAbstractItemView::SingleSelection);
    prodsgrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    prodsgrid->verticalHeader()->setVisible(false);
    prodsgrid->verticalHeader()->setDefaultSectionSize(18);
    prodsgrid->horizontalHeader()->setStretchLastSection(true);
    const int anchos[] = {50, 220, 90, 90, 60, 70, 60, 45, 100, 90};
    for (int c = 0; c < pos::ModeloPartes::kVisibles; ++c) prodsgrid->setColumnWidth(c, anchos[c]);
    raiz->addWidget(prodsgrid, 3);

    // Line panel
    auto* linea = new QHBoxLayout;
    LblPrecioEspecial = new QLabel("Precio Especial", this);
    LblPrecioEspecial->setObjectName("LblPrecioEspecial");
    txtprecioespecial = new QLineEdit(this);
    txtprecioespecial->setObjectName("txtprecioespecial");
    txtprecioespecial->setMaximumWidth(90);
    txtprecioespecial->setValidator(new pos::ValidadorImporte(true, txtprecioespecial));
    Label7 = new QLabel("Pesos", this);
    Label7->setObjectName("Label7");
    TxtCantidad = new QLineEdit("1", this);
    TxtCantidad->setObjectName("TxtCantidad");
    TxtCantidad->setMaximumWidth(60);
    TxtCantidad->setValidator(new pos::ValidadorImporte(true, TxtCantidad));
    auto* datos = new QGridLayout;
    datos->addWidget(LblPrecioEspecial, 0, 0);
    datos->addWidget(txtprecioespecial, 0, 1);
    datos->addWidget(Label7, 0, 2);
    datos->addWidget(new QLabel("Cantidad", this), 1, 0);
    datos->addWidget(TxtCantidad, 1, 1);
    linea->addLayout(datos);
    auto* cliente = new QVBoxLayout;
    LblDescuento = new QLabel(this);
    LblDescuento->setObjectName("LblDescuento");
    LblDescuento->setStyleSheet("QLabel { color: red; font-weight: bold; }");
    LblDescuento->hide();
    BitBtn10 = boton("BitBtn10", kSeleccionDescuento, this);
    cliente->addWidget(LblDescuento);
    cliente->addWidget(BitBtn10);
    linea->addLayout(cliente);
    auto* descuento = new QGroupBox("Descuento Especial", this);
    descuento->setObjectName("GroupBox1");
    auto* d = new QHBoxLayout(descuento);
    RBNormal = new QRadioButton("Precio Normal", descuento);
    RBNormal->setObjectName("RBNormal");
    Rb15 = new QRadioButton("15%", descuento);
    Rb15->setObjectName("Rb15");
    Rb20 = new QRadioButton("20%", descuento);
    Rb20->setObjectName("Rb20");
    Rb25 = new QRadioButton("25%", descuento);
    Rb25->setObjectName("Rb25");
    for (QRadioButton* r : {RBNormal, Rb15, Rb20, Rb25}) d->addWidget(r);
    RBNormal->setChecked(true);
    linea->addWidget(descuento);
    auto* tipo = new QGroupBox("Tipo de Producto", this);
    tipo->setObjectName("GroupBox2");
    auto* t = new QHBoxLayout(tipo);
    RbTw = new QRadioButton("TW", tipo);
    RbTw->setObjectName("RbTw");
    RadioButton5 = new QRadioButton("Uso Org.", tipo);
    RadioButton5->setObjectName("RadioButton5");
    t->addWidget(RbTw);
    t->addWidget(RadioButton5);
    RbTw->setChecked(true);
    linea->addWidget(tipo);
    raiz->addLayout(linea);

    // Ticket
    Grid = new QTableWidget(this);
    Grid->setObjectName("Grid");
    raiz->addWidget(Grid, 2);

    // Total panel
    auto* totales = new QHBoxLayout;
    BitBtn2 = boton("BitBtn2", "Quitar Producto", this, "Eliminar Producto");
    BitBtn1 = boton("BitBtn1", "Quitar todos los productos", this, "Eliminar Todos los Productos");
    totales->addWidget(BitBtn2);
    totales->addWidget(BitBtn1);
    totales->addStretch();
    auto* caption = new QLabel("Total:", this);
    QFont grande = caption->font();
    grande.setPixelSize(26);
    grande.setBold(true);
    caption->setFont(grande);
    totales->addWidget(caption);
    LblTotal = new QLabel(this);
    LblTotal->setObjectName("LblTotal");
    QFont digitos = grande;
    digitos.setPixelSize(40);
    LblTotal->setFont(digitos);
    LblTotal->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LblTotal->setMinimumWidth(260);
    totales->addWidget(LblTotal);
    auto* pesos = new QLabel("Pesos", this);
    pesos->setFont(grande);
    totales->addWidget(pesos);
    raiz->addLayout(totales);

    // Action panel
    auto* acciones = new QHBoxLayout;
    BitBtn8 = boton("BitBtn8", "Reimprimir", this);
    BitBtn3 = boton("BitBtn3", QString::fromUtf8("Cancelación"), this);
    BitBtn12 = boton("BitBtn12", QString::fromUtf8("Devolución"), this);
    BitBtn11 = boton("BitBtn11", "Tipo de Cambio", this);
    BitBtn4 = boton("BitBtn4", QString::fromUtf8("Cotización"), this);
    BitBtn5 = boton("BitBtn5", QString::fromUtf8("Crédito"), this);
    BitBtn6 = boton("BitBtn6", "Traspaso", this);
    BitBtn7 = boton("BitBtn7", "Efectivo", this, "Venta");
    BitBtn13 = boton("BitBtn13", QString::fromUtf8("Nota de Crédito"), this);
    BtnNotaCredito = boton("BtnNotaCredito", QString::fromUtf8("Nota Crédito"), this);
    BitBtn13->hide();
    BtnNotaCredito->hide();
    for (QPushButton* b : {BitBtn8, BitBtn3, BitBtn12, BitBtn11, BitBtn4, BitBtn5, BitBtn6, BitBtn7, BitBtn13,
                           BtnNotaCredito}) {
        b->setMinimumHeight(36);
        acciones->addWidget(b);
    }
    raiz->addLayout(acciones);

    // Events
    connect(CmbMarcas, &QComboBox::editTextChanged, this, [this] { CmbMarcasChange(); });
    connect(CmbModelos, &QComboBox::editTextChanged, this, [this] { ActualizarPartes(); });
    connect(CmbModelos, &QComboBox::activated, this, [this] { CmbModelosClick(); });
    connect(CmbFamilias, &QComboBox::editTextChanged, this, [this] { ActualizarPartes(); });
    connect(TxtAno, &QLineEdit::textChanged, this, [this] { ActualizarPartes(); });
    connect(TxtDescripcion, &QLineEdit::textChanged, this, [this] { ActualizarPartes(); });
    connect(prodsgrid, &QTableView::doubleClicked, this, [this] { AgregarProducto(); });
    connect(prodsgrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { prodsgridRowChange(); });
    connect(partes_, &QAbstractItemModel::modelReset, this, [this] { prodsgridRowChange(); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { BitBtn3Click(); });
    connect(BitBtn4, &QPushButton::clicked, this, [this] { BitBtn4Click(); });
    connect(BitBtn5, &QPushButton::clicked, this, [this] { BitBtn5Click(); });
    connect(BitBtn6, &QPushButton::clicked, this, [this] { BitBtn6Click(); });
    connect(BitBtn7, &QPushButton::clicked, this, [this] { BitBtn7Click(); });
    connect(BitBtn8, &QPushButton::clicked, this, [this] { BitBtn8Click(); });
    connect(BitBtn9, &QPushButton::clicked, this, [this] { BitBtn9Click(); });
    connect(BitBtn10, &QPushButton::clicked, this, [this] { BitBtn10Click(); });
    connect(BitBtn11, &QPushButton::clicked, this, [this] { BitBtn11Click(); });
    connect(BitBtn12, &QPushButton::clicked, this, [this] { BitBtn12Click(); });
    connect(BitBtn13, &QPushButton::clicked, this, [this] { BitBtn13Click(); });
    connect(BitBtn14, &QPushButton::clicked, this, [this] { BitBtn14Click(); });
    connect(BtnNotaCredito, &QPushButton::clicked, this, [this] { BtnNotaCreditoClick(); });

    for (QWidget* w :
         std::initializer_list<QWidget*>{CmbMarcas, CmbModelos, TxtAno, CmbFamilias, TxtDescripcion,
                                         txtcodigo, prodsgrid, txtprecioespecial, TxtCantidad, Grid})
        w->installEventFilter(this);
    ZUMUtils::colorearFoco({CmbMarcas, CmbModelos, TxtAno, CmbFamilias, TxtDescripcion, txtcodigo,
                            txtprecioespecial, TxtCantidad});
}

void TFrmVentas::aplicarPermisos() {
    BitBtn9->setVisible(sesion::TienePermiso(3));
    const bool especial = sesion::TienePermiso(4);
    LblPrecioEspecial->setVisible(especial);
    txtprecioespecial->setVisible(especial);
    BitBtn10->setVisible(sesion::TienePermiso(5));
    BitBtn8->setVisible(sesion::TienePermiso(6));
    BitBtn3->setVisible(sesion::TienePermiso(7));
    BitBtn4->setVisible(sesion::TienePermiso(8));
    BitBtn5->setVisible(sesion::TienePermiso(9));
    BitBtn6->setVisible(sesion::TienePermiso(10));
    BitBtn7->setVisible(sesion::TienePermiso(11));
    BitBtn11->setVisible(sesion::TienePermiso(55));
    BitBtn12->setVisible(sesion::TienePermiso(58));
}

void TFrmVentas::cargarListas() {
    // Each entry keeps the Id behind it, so that two entries of the same name (models of
    // two brands, listed together when no brand is chosen) stand for their own rows.
    db::Consulta QMarcas("select * from tblcat_marcas order by marca");
    listas::llenar(CmbMarcas, QMarcas, "Marca");
    db::Consulta qfamilias("select * from tblcat_familias order by familia");
    listas::llenar(CmbFamilias, qfamilias, "Familia");
}

void TFrmVentas::llenarModelos(int marca) {
    db::Consulta q(marca ? "select * from tblcat_modelos where marca = :marca order by modelo"
                         : "select * from tblcat_modelos order by modelo");
    if (marca) q.bind("marca", marca);
    listas::llenar(CmbModelos, q, "Modelo");
}

// --- the product list ------------------------------------------------------------------

void TFrmVentas::cerrarPartes() {
    QPartes.cerrar();
    partesAbierta_ = false;
    partes_->vaciar();
}

void TFrmVentas::abrirPartes(bool avisarVacio) {
    QPartes.abrir();
    partes_->cargar(QPartes);
    QPartes.cerrar();
    partesAbierta_ = true;
    if (partes_->rowCount() > 0) prodsgrid->setCurrentIndex(partes_->index(0, 0));
    if (avisarVacio && partes_->rowCount() == 0) ui::mensaje("El codigo no existe, gracias", this);
}

void TFrmVentas::refrescarPartes() {
    if (!partesAbierta_) return;
    const int fila = prodsgrid->currentIndex().row();
    abrirPartes(false);
    if (fila >= 0 && partes_->rowCount() > 0)
        prodsgrid->setCurrentIndex(partes_->index(qMin(fila, partes_->rowCount() - 1), 0));
}

void TFrmVentas::ActualizarPartes() {
    if (sinRefrescar_) return;
    ui::protegido(
        [&] {
            QString sql = seleccionPartes() + " where 1=1 ";
            QVariantMap params;
            if (int modelo = listas::idSeleccionado(CmbModelos)) {
                sql += " and (modeloid = :modelo)";
                params["modelo"] = modelo;
            }
            const QString ano = TxtAno->text();
            QString anio;
            if (ano.size() == 2) {
                bool ok = false;
                const int y = formato::leerEntero(ano, &ok);
                if (!ok) {
                    cerrarPartes();
                    ui::error(formato::errorConversion(ano), this);
                    return;
                }
                anio = QString::number(y <= 30 ? 2000 + y : 1900 + y);
            } else if (ano.size() == 4) {
                anio = ano;
            }
            if (!anio.isEmpty()) {
                sql += " and (" + dialecto::como("anodesplegado", ":ano") + ")";
                params["ano"] = dialecto::patronContiene(anio);
            }
            if (int familia = listas::idSeleccionado(CmbFamilias)) {
                sql += " and familia = :familia ";
                params["familia"] = familia;
            }
            if (!TxtDescripcion->text().isEmpty()) {
                sql += " and " + dialecto::como("parte", ":parte") + " ";
                params["parte"] = dialecto::patronContiene(TxtDescripcion->text());
            }
            sql += " order by parte ";
            // Without any condition the whole catalogue would come back: the list stays
            // closed until a filter is given.
            if (params.isEmpty()) {
                cerrarPartes();
                return;
            }
            QPartes.setSql(sql);
            for (auto it = params.begin(); it != params.end(); ++it) QPartes.bind(it.key(), it.value());
            abrirPartes(false);
        },
        this);
}

void TFrmVentas::txtcodigoKeyDown() {
    const QString codigo = txtcodigo->text().trimmed();
    if (codigo.isEmpty()) return;
    ui::protegido(
        [&] {
            QString sql = seleccionPartes() + " where CodigoDeBarras = :codigo or " +
                          dialecto::como("CodigoParte", ":patron");
            const QString numero = dialecto::numeroEntero(codigo);
            if (!numero.isEmpty()) sql += " or id = :numero";
            QPartes.setSql(sql);
            QPartes.bind("codigo", codigo).bind("patron", dialecto::patronContiene(codigo));
            if (!numero.isEmpty()) QPartes.bind("numero", numero.toLongLong());
            abrirPartes(true);
        },
        this);
}

pos::ProductoLista TFrmVentas::productoActual() const {
    if (!partesAbierta_) return {};
    return partes_->producto(prodsgrid->currentIndex().row());
}

void TFrmVentas::prodsgridRowChange() {
    const QModelIndex i = prodsgrid->currentIndex();
    if (!i.isValid()) return;
    const QString moneda = partes_->valor(i.row(), pos::ModeloPartes::Moneda).toString();
    Label7->setText(moneda == "Pesos" ? "Pesos" : QString::fromUtf8("Dólares"));
}

// --- the vehicle filters ---------------------------------------------------------------

void TFrmVentas::CmbMarcasChange() {
    if (sinRefrescar_) return;
    ui::protegido(
        [&] {
            cerrarPartes();
            ++sinRefrescar_;
            CmbFamilias->setCurrentIndex(-1);
            CmbFamilias->clearEditText();
            --sinRefrescar_;
            const int marca = listas::idSeleccionado(CmbMarcas);
            if (marca) {
                llenarModelos(marca);
            } else {
                ++sinRefrescar_;
                CmbModelos->clear();
                --sinRefrescar_;
            }
        },
        this);
}

void TFrmVentas::CmbMarcasExit() {
    const int i = listas::seleccionado(CmbMarcas);
    if (i < 0) return;
    ++sinRefrescar_;
    CmbMarcas->setCurrentIndex(i);
    CmbMarcas->setEditText(CmbMarcas->itemText(i));
    --sinRefrescar_;
}

void TFrmVentas::CmbModelosEnter() {
    modelosDesplegados_ = false;
    if (CmbMarcas->currentText().isEmpty()) {
        ui::protegido(
            [&] {
                cerrarPartes();
                llenarModelos(0);
            },
            this);
    }
}

void TFrmVentas::CmbModelosExit() {
    const int i = listas::seleccionado(CmbModelos);
    if (i >= 0) {
        ++sinRefrescar_;
        CmbModelos->setCurrentIndex(i);
        CmbModelos->setEditText(CmbModelos->itemText(i));
        --sinRefrescar_;
    }
    ActualizarPartes();
}

void TFrmVentas::CmbModelosClick() {
    if (!modelosDesplegados_) return;
    TxtAno->clear();
    TxtAno->setFocus();
}

void TFrmVentas::FiltroEnter() {
    txtcodigo->clear();
}

void TFrmVentas::TxtCantidadExit() {
    if (TxtCantidad->text().isEmpty()) TxtCantidad->setText("1");
}

// --- the ticket ------------------------------------------------------------------------

void TFrmVentas::mostrarTotal() {
    LblTotal->setText(ticket_->textoTotal());
}

QString TFrmVentas::textoTotal() const {
    return LblTotal->text();
}

void TFrmVentas::AgregarProducto() {
    if (!partesAbierta_) return;
    const QModelIndex actual = prodsgrid->currentIndex();
    if (!actual.isValid()) return;
    ui::protegido(
        [&] {
            const pos::ProductoLista p = partes_->producto(actual.row());
            const QString cantidad = TxtCantidad->text();
            bool ok = false;
            formato::leerEntero(cantidad, &ok);
            if (!ok) {
                ui::error(formato::errorConversion(cantidad), this);
                return;
            }
            pos::ReglasPrecio r;
            r.sobreprecio = Rb15->isChecked()   ? pos::Sobreprecio::Mas15
                            : Rb20->isChecked() ? pos::Sobreprecio::Mas20
                            : Rb25->isChecked() ? pos::Sobreprecio::Mas25
                                                : pos::Sobreprecio::Normal;
            r.clienteDescuento = clienteDescuento_;
            r.tipoCambio = tipoDeCambio();
            if (r.sobreprecio == pos::Sobreprecio::Normal && !txtprecioespecial->text().isEmpty()) {
                r.especial = formato::leerDecimal(txtprecioespecial->text(), &ok);
                if (!ok) {
                    ui::error(formato::errorConversion(txtprecioespecial->text()), this);
                    return;
                }
                r.hayEspecial = true;
            }
            const pos::PrecioElegido precio = pos::precioUnitario(p, r);

            pos::LineaTicket l;
            l.clave = p.id;
            l.cantidad = cantidad;
            l.parte = p.parte;
            l.marca = p.marca;
            l.modelo = p.modelo;
            l.ano = p.ano;
            l.precio = precio.precio;
            l.costo = p.costo1;
            l.tipo = RbTw->isChecked() ? "TW" : "Uso Org.";
            ticket_->agregar(l);

            if (precio.usoEspecial) txtprecioespecial->clear();
            refrescarPartes();
            txtcodigo->clear();
            TxtCantidad->setText("1");
        },
        this);
}

void TFrmVentas::BitBtn2Click() {  // "Quitar Producto"
    const int r = ticket_->renglonSeleccionado();
    if (r == 0) return;
    const pos::LineaTicket l = ticket_->linea(r);
    if (!ui::pregunta(QString::fromUtf8("¿En verdad quieres borrar la parte: ") + l.parte + "?", this))
        return;
    ui::protegido(
        [&] {
            ticket_->quitar(r);
            refrescarPartes();
        },
        this);
}

void TFrmVentas::BitBtn1Click() {  // "Quitar todos los productos"
    quitarTodosLosProductos();
}

void TFrmVentas::quitarTodosLosProductos() {
    if (!ui::pregunta(
            QString::fromUtf8(
                "¿Estas seguro de querer borrar todos los productos seleccionados en la ventana de ventas?"),
            this))
        return;
    if (!ui::protegido([&] { ticket_->quitarTodas(); }, this)) return;
    reiniciarPantalla(true);
}

// After a sale, a transfer or "Quitar todos los productos": the brand, model and year are
// cleared, the discount customer removed, the product list closed.
void TFrmVentas::reiniciarPantalla(bool limpiarCodigo) {
    ui::protegido([&] { ticket_->InicializarTicket(); }, this);
    ++sinRefrescar_;
    CmbMarcas->setCurrentIndex(-1);
    CmbMarcas->clearEditText();
    CmbModelos->setCurrentIndex(-1);
    CmbModelos->clearEditText();
    TxtAno->clear();
    if (limpiarCodigo) txtcodigo->clear();
    --sinRefrescar_;
    cerrarPartes();
    quitarClienteDescuento();
    CmbMarcas->setFocus();
}

// --- discount customer -----------------------------------------------------------------

void TFrmVentas::BitBtn10Click() {
    if (BitBtn10->text() != kSeleccionDescuento) {
        quitarClienteDescuento();
        return;
    }
    if (!dialogos().BuscaCliente) return;
    dialogos().BuscaCliente->setProposito(5, this, [this](int id) {
        setClienteDescuento(id);
        return true;
    });
    dialogos().BuscaCliente->mostrar();
}

void TFrmVentas::setClienteDescuento(int id) {
    ui::protegido(
        [&] {
            db::Consulta QClientes("select * from tblcat_Clientes where id = :id");
            QClientes.bind("id", id);
            QClientes.abrir();
            if (QClientes.vacia()) return;
            clienteDescuento_ = id;
            LblDescuento->setText("Aplicando descuento de: " + QClientes.texto("Nombre"));
            LblDescuento->show();
            BitBtn10->setText("Remover Descuento");
            datosTicket_ = {QClientes.texto("Nombre"), QClientes.texto("Direccion"),
                            QClientes.texto("Telefono1")};
            clienteVenta_ = id;
        },
        this);
}

void TFrmVentas::quitarClienteDescuento() {
    BitBtn10->setText(kSeleccionDescuento);
    LblDescuento->hide();
    clienteDescuento_ = 0;
}

// --- checkout ----------------------------------------------------------------------------

void TFrmVentas::BitBtn7Click() {  // "Efectivo"
    if (!(ticket_->total() > 0) || !dialogos().Pago) return;
    clienteVenta_ = 0;
    dialogos().Pago->mostrar(this);
}

void TFrmVentas::BitBtn5Click() {  // "Crédito"
    if (!(ticket_->total() > 0) || !dialogos().BuscaCliente) return;
    dialogos().BuscaCliente->setProposito(2, this, [this](int id) { return aceptarCredito(id); });
    dialogos().BuscaCliente->mostrar();
}

bool TFrmVentas::aceptarCredito(int idCliente) {
    bool aceptado = false;
    ui::protegido(
        [&] {
            db::Consulta c("select * from tblcat_Clientes where id = :id");
            c.bind("id", idCliente);
            c.abrir();
            if (c.vacia()) return;
            const Money adeudo = dialogos().BuscaCliente
                                     ? dialogos().BuscaCliente->adeudo(idCliente)
                                     : Money::fromVariant(db::valorUnico(
                                           "select sum(saldo) from TblCtrl_credito where saldo > 0 "
                                           "and cliente = :cliente",
                                           {{"cliente", idCliente}}));
            const QString rechazo = pos::rechazoCredito(c.logico("Credito"), c.logico("Bloqueado"),
                                                        c.dinero("LimiteCredito"), adeudo, ticket_->total());
            if (!rechazo.isEmpty()) {
                ui::mensaje(rechazo, this);
                return;
            }
            aceptado = true;
            clienteVenta_ = idCliente;
        },
        this);
    if (aceptado) ConfirmarCredito();
    return aceptado;
}

void TFrmVentas::ConfirmarCredito() {
    QString nombre;
    if (!ui::protegido(
            [&] {
                db::Consulta QClientes("select * from tblcat_Clientes where id = :id");
                QClientes.bind("id", clienteVenta_);
                QClientes.abrir();
                nombre = QClientes.texto("Nombre");
                diasCredito_ = QClientes.entero("DiasCredito");
            },
            this))
        return;
    if (!ui::pregunta(QString::fromUtf8("¿Estas seguro de cargarle la cantidad de ") +
                          formato::moneda(ticket_->total()) + " al cliente: " + nombre + "?",
                      this))
        return;
    GuardarVenta(true);
}

bool TFrmVentas::GuardarVenta(bool credito) {
    int numero = 0;
    const bool guardada = ui::protegido(
        [&] {
            pos::DatosVenta v;
            v.lineas = ticket_->todas();
            v.total = ticket_->total();
            v.credito = credito;
            v.cliente = credito ? clienteVenta_ : 0;
            v.diasCredito = credito ? diasCredito_ : 0;
            numero = pos::guardarVenta(v, ticket_->estacion());
        },
        this);
    if (!guardada) return false;  // nothing stored; the ticket stays on screen
    ui::protegido([&] { pos::imprimirNotaDeVenta(numero, datosTicket_); }, this);
    reiniciarPantalla(false);
    ui::protegido([] { inventario::registrarValorMercancias(); }, this);
    return true;
}

void TFrmVentas::BitBtn6Click() {  // "Traspaso"
    if (!(ticket_->total() > 0)) return;
    if (!ui::pregunta("Estas seguro de querer realizar el traspaso?", this)) return;
    int id = 0;
    if (!ui::protegido(
            [&] { id = pos::guardarTraspaso(ticket_->todas(), ticket_->total(), ticket_->estacion()); },
            this))
        return;
    ui::protegido([&] { pos::imprimirTraspaso(id); }, this);
    reiniciarPantalla(false);
    ui::protegido([] { inventario::registrarValorMercancias(); }, this);
}

// --- other screens -----------------------------------------------------------------------

void TFrmVentas::BitBtn8Click() {
    if (dialogos().ReimpresionVentas) dialogos().ReimpresionVentas->mostrar();
}
void TFrmVentas::BitBtn3Click() {
    if (dialogos().CancelacionesVentas) dialogos().CancelacionesVentas->mostrar();
}
void TFrmVentas::BitBtn12Click() {
    if (dialogos().Devoluciones) dialogos().Devoluciones->mostrar();
}
void TFrmVentas::BitBtn4Click() {
    if (dialogos().Cotizaciones) dialogos().Cotizaciones->mostrar(this);
}
void TFrmVentas::BitBtn11Click() {
    if (dialogos().TipoDeCambio) dialogos().TipoDeCambio->mostrar();
}
void TFrmVentas::BitBtn13Click() {
    if (dialogos().NotaDeCredito2) dialogos().NotaDeCredito2->mostrar();
}
void TFrmVentas::BtnNotaCreditoClick() {
    if (!(ticket_->total() > 0) || !dialogos().BuscaCliente) return;
    dialogos().BuscaCliente->setProposito(7, this, [](int) { return false; });
    dialogos().BuscaCliente->mostrar();
}

void TFrmVentas::BitBtn9Click() {  // "Info"
    const QModelIndex i = prodsgrid->currentIndex();
    if (!partesAbierta_ || !i.isValid()) return;
    using M = pos::ModeloPartes;
    ui::mensaje("Info Extra: " + formato::decimal(partes_->valor(i.row(), M::Costo1).toDouble()) +
                    "\r\nAnaquel: " + partes_->valor(i.row(), M::BodegaAnaquel).toString() +
                    "\r\nLinea: " + partes_->valor(i.row(), M::BodegaLinea).toString() +
                    "\r\nNivel: " + partes_->valor(i.row(), M::BodegaNivel).toString(),
                this);
}

void TFrmVentas::BitBtn14Click() {  // the product photo
    const pos::ProductoLista p = productoActual();
    if (p.id == 0 || !dialogos().Fotografia) return;
    dialogos().Fotografia->mostrar(p.id);
}

// --- events ----------------------------------------------------------------------------

void TFrmVentas::closeEvent(QCloseEvent* e) {
    if (ticket_->pendiente()) {
        ui::mensaje("No puedes cerrar ventas si tienes una venta pendiente, gracias", this);
        e->ignore();
        return;
    }
    e->accept();
}

bool TFrmVentas::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        const int key = k->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if (o == CmbMarcas || o == CmbFamilias) {
            if (enter || key == Qt::Key_Right) {
                CmbModelos->setFocus();
                return true;
            }
        } else if (o == CmbModelos) {
            if (key == Qt::Key_Left) {
                CmbMarcas->setFocus();
                return true;
            }
            if (enter || key == Qt::Key_Right) {
                TxtAno->setFocus();
                return true;
            }
        } else if (o == TxtAno || o == TxtDescripcion) {
            if (key == Qt::Key_Down) {
                prodsgrid->setFocus();
                return true;
            }
            if (key == Qt::Key_Left) {
                CmbModelos->setFocus();
                return true;
            }
            if (enter) {
                ActualizarPartes();
                return true;
            }
        } else if (o == txtcodigo) {
            if (enter) {
                txtcodigoKeyDown();
                return true;
            }
            if (key == Qt::Key_Down) {
                prodsgrid->setFocus();
                return true;
            }
        } else if (o == prodsgrid || o == txtprecioespecial || o == TxtCantidad) {
            if (enter) {
                AgregarProducto();
                return true;
            }
        } else if (o == Grid) {
            if (key == Qt::Key_Delete) {
                BitBtn2Click();
                return true;
            }
        }
    } else if (e->type() == QEvent::FocusIn) {
        if (o == CmbMarcas || o == CmbModelos || o == TxtAno || o == CmbFamilias || o == TxtDescripcion)
            FiltroEnter();
        if (o == CmbModelos) CmbModelosEnter();
    } else if (e->type() == QEvent::FocusOut) {
        if (o == CmbMarcas) CmbMarcasExit();
        if (o == CmbModelos) CmbModelosExit();
        if (o == TxtCantidad) TxtCantidadExit();
    }
    return QWidget::eventFilter(o, e);
}
