#include "catalog/Productos.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "catalog/Anos.h"
#include "catalog/BuscaProductos.h"
#include "catalog/Listas.h"
#include "common/Dialogos.h"
#include "common/Formats.h"
#include "common/Seams.h"
#include "common/Sesion.h"
#include "common/ZUMUtils.h"
#include "db/Sql.h"

std::function<void(QWidget*)> TFrmProductos::abrirAjustes;

namespace {
const char* kFaltanDatos = "Faltan datos importantes, gracias";
const QString kDolares = QString::fromUtf8("Dólares");

QVariant textoONulo(const QLineEdit* e) {
    return e->text().isEmpty() ? QVariant() : QVariant(e->text());
}
QString numeroATexto(const QVariant& v) {
    return v.isNull() ? QString() : formato::decimal(v.toDouble());
}
// A typed number; blank is allowed only where the record accepts an empty value.
bool leerNumero(const QLineEdit* e, QVariant* valor, QWidget* padre) {
    const QString t = e->text().trimmed();
    if (t.isEmpty()) {
        *valor = QVariant();
        return true;
    }
    bool ok = false;
    const double v = formato::leerDecimal(t, &ok);
    if (!ok) {
        ui::error(formato::errorConversion(t), padre);
        return false;
    }
    *valor = v;
    return true;
}
// Writes the years out, or says what is wrong with them.
bool desplegarAnos(const QString& texto, QString* desplegado, QWidget* padre) {
    QString parte;
    switch (anos::desplegar(texto, desplegado, &parte)) {
        case anos::Resultado::Correcto:
            return true;
        case anos::Resultado::LongitudIncorrecta:
            ui::mensaje(anos::mensajeLongitud(), padre);
            return false;
        case anos::Resultado::NoEsNumero:
            ui::error(formato::errorConversion(parte), padre);
            return false;
    }
    return false;
}
}  // namespace

TFrmProductos::TFrmProductos(QWidget* parent) : QWidget(parent) {
    setObjectName("FrmProductos");
    setWindowTitle(QString::fromUtf8("Productos"));
    setMinimumSize(627, 464);
    resize(900, 540);

    auto edit = [this](const char* nombre) {
        auto* e = new QLineEdit(this);
        e->setObjectName(nombre);
        return e;
    };
    auto combo = [this](const char* nombre, bool conTecleo) {
        auto* c = new QComboBox(this);
        c->setObjectName(nombre);
        c->setEditable(conTecleo);
        if (conTecleo) c->setInsertPolicy(QComboBox::NoInsert);
        return c;
    };
    auto boton = [this](const char* nombre, const QString& texto) {
        auto* b = new QPushButton(texto, this);
        b->setObjectName(nombre);
        b->setAutoDefault(false);
        return b;
    };

    // --- the product form -----------------------------------------------------------
    forma = new QWidget(this);
    forma->setObjectName("PanelForma");
    auto* f = new QGridLayout(forma);
    txtnumero = edit("txtnumero");
    txtnumero->setReadOnly(true);
    txtparte = edit("txtparte");
    cmbfamilia = combo("cmbfamilia", true);
    cmbmarca = combo("cmbmarca", true);
    cmbmodelo = combo("cmbmodelo", true);
    txtanos = edit("txtanos");
    TxtCodigoParte = edit("TxtCodigoParte");
    txtcodigo = edit("txtcodigo");
    txtcosto = edit("txtcosto");
    txtprecio = edit("txtprecio");
    cmbproveedor = combo("cmbproveedor", false);
    txtminimo = edit("txtminimo");
    txtmaximo = edit("txtmaximo");
    txtanaquel = edit("txtanaquel");
    txtlinea = edit("txtlinea");
    txtnivel = edit("txtnivel");
    CmbUnidades = combo("CmbUnidades", false);
    auto* grupoMoneda = new QGroupBox("Moneda", forma);
    grupoMoneda->setObjectName("GroupBox1");
    RBPesos = new QRadioButton("Pesos", grupoMoneda);
    RBPesos->setObjectName("RBPesos");
    RBDolares = new QRadioButton(kDolares, grupoMoneda);
    RBDolares->setObjectName("RBDolares");
    auto* lm = new QHBoxLayout(grupoMoneda);
    lm->addWidget(RBPesos);
    lm->addWidget(RBDolares);
    RBPesos->setChecked(true);

    int r = 0;
    auto fila = [&](const char* etiqueta, QWidget* w, int col = 0, int ancho = 3) {
        f->addWidget(new QLabel(QString::fromUtf8(etiqueta), forma), r, col);
        f->addWidget(w, r, col + 1, 1, ancho);
    };
    fila("Número:", txtnumero), ++r;
    fila("Parte", txtparte), ++r;
    fila("Familia:", cmbfamilia), ++r;
    fila("Marca:", cmbmarca), ++r;
    fila("Modelo:", cmbmodelo), ++r;
    fila("Años: (Ejem. 00-05)", txtanos), ++r;
    fila("Código de Parte:", TxtCodigoParte), ++r;
    fila("Código de Barras:", txtcodigo), ++r;
    fila("Costo:", txtcosto, 0, 1);
    fila("Precio:", txtprecio, 2, 1), ++r;
    fila("Proveedor:", cmbproveedor), ++r;
    fila("Mínimo:", txtminimo, 0, 1);
    fila("Máximo:", txtmaximo, 2, 1), ++r;
    fila("Anaquel:", txtanaquel, 0, 1);
    fila("Linea:", txtlinea, 2, 1), ++r;
    fila("Nivel:", txtnivel, 0, 1), ++r;
    f->addWidget(grupoMoneda, r, 0, 1, 2);
    f->addWidget(new QLabel("Unidad de Medida:", forma), r, 2);
    f->addWidget(CmbUnidades, r, 3), ++r;
    f->setRowStretch(r, 1);

    auto* izquierda = new QWidget(this);
    auto* li = new QVBoxLayout(izquierda);
    li->setContentsMargins(0, 0, 0, 0);
    li->addWidget(forma, 1);
    auto* botonesForma = new QHBoxLayout;
    BtnAdd = boton("BtnAdd", "Agregar");
    BitBtn1 = boton("BitBtn1", "Borrar");
    BitBtn2 = boton("BitBtn2", "Modificar");
    BitBtn5 = boton("BitBtn5", "Buscar");
    for (QPushButton* b : {BtnAdd, BitBtn1, BitBtn2, BitBtn5}) botonesForma->addWidget(b);
    li->addLayout(botonesForma);

    // --- the similar fitments -------------------------------------------------------
    semejantes = new QWidget(this);
    semejantes->setObjectName("semejantes");
    auto* ls = new QVBoxLayout(semejantes);
    ls->setContentsMargins(0, 0, 0, 0);
    pilaSemejantes = new QStackedWidget(semejantes);
    ls->addWidget(pilaSemejantes);
    auto* lista = new QWidget(pilaSemejantes);
    auto* ll = new QVBoxLayout(lista);
    ll->setContentsMargins(0, 0, 0, 0);
    auto* bs = new QHBoxLayout;
    BtnAddSemejante = boton("BtnAddSemejante", "Agregar Similar");
    BtnDeleteSemejante = boton("BtnDeleteSemejante", "Borrar Similar");
    BtnAddSemejante->setParent(lista);
    BtnDeleteSemejante->setParent(lista);
    bs->addWidget(BtnAddSemejante);
    bs->addWidget(BtnDeleteSemejante);
    bs->addStretch();
    ll->addLayout(bs);
    GridSemejantes = new QTableWidget(0, 3, lista);
    GridSemejantes->setObjectName("GridSemejantes");
    GridSemejantes->setHorizontalHeaderLabels({"Marca", "Modelo", QString::fromUtf8("Año")});
    GridSemejantes->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GridSemejantes->setSelectionBehavior(QAbstractItemView::SelectRows);
    GridSemejantes->setSelectionMode(QAbstractItemView::SingleSelection);
    GridSemejantes->verticalHeader()->hide();
    GridSemejantes->horizontalHeader()->setStretchLastSection(true);
    ll->addWidget(GridSemejantes);
    pilaSemejantes->addWidget(lista);

    Panel5 = new QWidget(pilaSemejantes);
    Panel5->setObjectName("Panel5");
    auto* lp = new QFormLayout(Panel5);
    CmbMarca2 = combo("CmbMarca2", true);
    cmbmodelo2 = combo("cmbmodelo2", true);
    txtanos2 = edit("txtanos2");
    BitBtn10 = boton("BitBtn10", "Aceptar");
    for (QWidget* w : std::initializer_list<QWidget*>{CmbMarca2, cmbmodelo2, txtanos2, BitBtn10})
        w->setParent(Panel5);
    lp->addRow("Marca:", CmbMarca2);
    lp->addRow("Modelo:", cmbmodelo2);
    lp->addRow(QString::fromUtf8("Años:"), txtanos2);
    lp->addRow(QString(), BitBtn10);
    pilaSemejantes->addWidget(Panel5);
    pilaSemejantes->setCurrentIndex(0);

    auto* centro = new QHBoxLayout;
    centro->addWidget(izquierda, 3);
    centro->addWidget(semejantes, 2);

    // --- the bottom bar -------------------------------------------------------------
    auto* abajo = new QHBoxLayout;
    BitBtn3 = boton("BitBtn3", "Aceptar");
    BitBtn4 = boton("BitBtn4", "Cancelar");
    BitBtn6 = boton("BitBtn6", "Siguiente");
    BitBtn7 = boton("BitBtn7", "Anterior");
    BitBtn8 = boton("BitBtn8", "Inicio");
    BitBtn9 = boton("BitBtn9", "Final");
    BitBtn11 = boton("BitBtn11", "Ajuste de Inventarios");
    for (QPushButton* b : {BitBtn3, BitBtn4}) abajo->addWidget(b);
    abajo->addStretch();
    for (QPushButton* b : {BitBtn8, BitBtn7, BitBtn6, BitBtn9}) abajo->addWidget(b);
    abajo->addStretch();
    abajo->addWidget(BitBtn11);

    auto* l = new QVBoxLayout(this);
    l->addLayout(centro, 1);
    l->addLayout(abajo);

    // --- events -------------------------------------------------------------------------
    auto conectar = [this](QPushButton* b, void (TFrmProductos::*h)()) {
        connect(b, &QPushButton::clicked, this,
                [this, h] { ui::protegido([this, h] { (this->*h)(); }, this); });
    };
    conectar(BtnAdd, &TFrmProductos::BtnAddClick);
    conectar(BitBtn1, &TFrmProductos::BitBtn1Click);
    conectar(BitBtn2, &TFrmProductos::BitBtn2Click);
    conectar(BitBtn5, &TFrmProductos::BitBtn5Click);
    conectar(BitBtn3, &TFrmProductos::BitBtn3Click);
    conectar(BitBtn4, &TFrmProductos::BitBtn4Click);
    conectar(BitBtn6, &TFrmProductos::BitBtn6Click);
    conectar(BitBtn7, &TFrmProductos::BitBtn7Click);
    conectar(BitBtn8, &TFrmProductos::BitBtn8Click);
    conectar(BitBtn9, &TFrmProductos::BitBtn9Click);
    conectar(BitBtn11, &TFrmProductos::BitBtn11Click);
    conectar(BtnAddSemejante, &TFrmProductos::BtnAddSemejanteClick);
    conectar(BtnDeleteSemejante, &TFrmProductos::BtnDeleteSemejanteClick);
    conectar(BitBtn10, &TFrmProductos::BitBtn10Click);
    connect(cmbmarca, &QComboBox::editTextChanged, this, [this] { alCambiarMarca(); });
    for (QComboBox* c : {cmbfamilia, cmbmarca, cmbmodelo, CmbMarca2, cmbmodelo2}) {
        c->installEventFilter(this);
        c->lineEdit()->installEventFilter(this);
    }
    txtanos2->installEventFilter(this);

    ZUMUtils::colorearFoco({txtnumero, txtparte, cmbfamilia, cmbmarca, cmbmodelo, txtanos, TxtCodigoParte,
                            txtcodigo, txtcosto, txtprecio, cmbproveedor, txtminimo, txtmaximo, txtanaquel,
                            txtlinea, txtnivel, CmbMarca2, cmbmodelo2, txtanos2});

    // --- opening ------------------------------------------------------------------------
    ui::protegido(
        [this] {
            LlenarUnidades();
            LlenarFamilias();
            LlenarMarcas(cmbmarca);
            LlenarModelos(cmbmodelo, -1);
            LlenarProveedores();
            LeerProductos();
            irAPosicion(qproductos.isEmpty() ? -1 : 0);
        },
        this);
    BtnAdd->setVisible(sesion::TienePermiso(13));
    BitBtn1->setVisible(sesion::TienePermiso(14));
    BitBtn2->setVisible(sesion::TienePermiso(15));
    BitBtn11->setVisible(sesion::TienePermiso(16));
    BtnAddSemejante->setVisible(sesion::TienePermiso(17));
    BtnDeleteSemejante->setVisible(sesion::TienePermiso(18));
    HabilitarForma(false);
}

// --- lists -----------------------------------------------------------------------------
void TFrmProductos::LlenarUnidades() {
    db::Consulta QUnidades("select * from tbl_app_unidades order by Id");
    listas::llenar(CmbUnidades, QUnidades, "Unidad");
}

void TFrmProductos::LlenarFamilias() {
    const bool antes = cargando_;
    cargando_ = true;
    db::Consulta QFamilias("select * from tblcat_familias order by familia");
    listas::llenar(cmbfamilia, QFamilias, "Familia");
    cargando_ = antes;
}

void TFrmProductos::LlenarMarcas(QComboBox* lista) {
    const bool antes = cargando_;
    cargando_ = true;
    db::Consulta QMarcas("select * from tblcat_marcas order by marca");
    listas::llenar(lista, QMarcas, "Marca");
    cargando_ = antes;
}

void TFrmProductos::LlenarModelos(QComboBox* lista, int marca) {
    const bool antes = cargando_;
    cargando_ = true;
    db::Consulta QModelos(marca < 0 ? "select * from tblcat_modelos order by modelo"
                                    : "select * from tblcat_modelos where marca = :marca order by modelo");
    if (marca >= 0) QModelos.bind("marca", marca);
    listas::llenar(lista, QModelos, "Modelo");
    cargando_ = antes;
}

void TFrmProductos::LlenarProveedores() {
    const int elegido = listas::idSeleccionado(cmbproveedor);
    db::Consulta QProveedores("select * from tblcat_proveedores order by nombre");
    listas::llenar(cmbproveedor, QProveedores, "Nombre");
    if (elegido > 0) listas::seleccionarId(cmbproveedor, elegido);
}

// --- browsing --------------------------------------------------------------------------
void TFrmProductos::LeerProductos() {
    qproductos.clear();
    db::Consulta q("select Id from tblcat_productos order by id");
    q.abrir();
    if (!q.vacia()) do
            qproductos << q.entero("Id");
        while (q.siguiente());
}

int TFrmProductos::idActual() const {
    return pos_ >= 0 && pos_ < qproductos.size() ? qproductos[pos_] : 0;
}

void TFrmProductos::irAPosicion(int pos) {
    pos_ = qproductos.isEmpty() ? -1 : std::clamp(pos, 0, int(qproductos.size()) - 1);
    MostrarProducto();
}

bool TFrmProductos::irAProducto(int id) {
    if (modo_ != Modo::Navegando) return false;
    auto it = std::lower_bound(qproductos.begin(), qproductos.end(), id);
    if (it == qproductos.end() || *it != id) {
        LeerProductos();  // added meanwhile at another counter
        it = std::lower_bound(qproductos.begin(), qproductos.end(), id);
        if (it == qproductos.end() || *it != id) return false;
    }
    irAPosicion(int(it - qproductos.begin()));
    return true;
}

void TFrmProductos::LimpiarForma() {
    cargando_ = true;
    for (QLineEdit* e : {txtnumero, txtparte, txtanos, TxtCodigoParte, txtcodigo, txtcosto, txtprecio,
                         txtminimo, txtmaximo, txtanaquel, txtlinea, txtnivel})
        e->clear();
    listas::limpiarSeleccion(cmbfamilia);
    listas::limpiarSeleccion(cmbmarca);
    listas::limpiarSeleccion(cmbmodelo);
    listas::limpiarSeleccion(CmbUnidades);
    cargando_ = false;
}

void TFrmProductos::MostrarProducto() {
    cargando_ = true;
    const int id = idActual();
    db::Consulta q("select * from tblcat_productos where id = :id");
    q.bind("id", id);
    q.abrir();
    if (q.vacia()) {
        LimpiarForma();
        listas::limpiarSeleccion(cmbproveedor);
        GridSemejantes->setRowCount(0);
        monedaGuardada_.clear();
        RBPesos->setChecked(true);
        cargando_ = false;
        return;
    }
    txtnumero->setText(QString::number(q.entero("Id")));
    txtparte->setText(q.texto("Parte"));
    txtanos->setText(q.texto("Ano"));
    TxtCodigoParte->setText(q.texto("CodigoParte"));
    txtcodigo->setText(q.texto("CodigoDeBarras"));
    txtcosto->setText(numeroATexto(q.valor("Costo1")));
    txtprecio->setText(numeroATexto(q.valor("Precio1")));
    txtminimo->setText(numeroATexto(q.valor("Minimo")));
    txtmaximo->setText(numeroATexto(q.valor("Maximo")));
    txtanaquel->setText(q.texto("Bodega_Anaquel"));
    txtlinea->setText(q.texto("Bodega_Linea"));
    txtnivel->setText(q.texto("Bodega_Nivel"));
    listas::seleccionarId(CmbUnidades, q.entero("Unidad"));
    CargarSemejantes();
    listas::seleccionarId(cmbfamilia, q.entero("Familia"));
    listas::seleccionarId(cmbmarca, q.entero("Marca"));
    // Every model, so that any product's model can be shown.
    LlenarModelos(cmbmodelo, -1);
    listas::seleccionarId(cmbmodelo, q.entero("Modelo"));
    listas::seleccionarId(cmbproveedor, q.entero("Proveedor"));
    monedaGuardada_ = q.texto("Moneda");
    (monedaGuardada_ == kDolares ? RBDolares : RBPesos)->setChecked(true);
    cargando_ = false;
}

void TFrmProductos::CargarSemejantes() {
    GridSemejantes->setRowCount(0);
    db::Consulta QSemejantes(
        "select S.Id as id, M.Marca as marca, O.Modelo as modelo, S.Ano as ano from tblcat_semejantes S "
        "left join tblcat_marcas M on M.Id = S.Marca inner join tblcat_modelos O on O.Id = S.Modelo "
        "where S.Producto = :producto order by S.Id");
    QSemejantes.bind("producto", idActual());
    QSemejantes.abrir();
    if (QSemejantes.vacia()) return;
    do {
        const int f = GridSemejantes->rowCount();
        GridSemejantes->insertRow(f);
        auto* marca = new QTableWidgetItem(QSemejantes.texto("marca"));
        marca->setData(Qt::UserRole, QSemejantes.entero("id"));
        GridSemejantes->setItem(f, 0, marca);
        GridSemejantes->setItem(f, 1, new QTableWidgetItem(QSemejantes.texto("modelo")));
        GridSemejantes->setItem(f, 2, new QTableWidgetItem(QSemejantes.texto("ano")));
    } while (QSemejantes.siguiente());
}

void TFrmProductos::HabilitarForma(bool si) {
    forma->setEnabled(si);
    semejantes->setEnabled(!si);
}

void TFrmProductos::BitBtn8Click() {
    if (modo_ == Modo::Navegando) irAPosicion(0);
}
void TFrmProductos::BitBtn7Click() {
    if (modo_ == Modo::Navegando && pos_ > 0) irAPosicion(pos_ - 1);
}
void TFrmProductos::BitBtn6Click() {
    if (modo_ == Modo::Navegando && pos_ + 1 < qproductos.size()) irAPosicion(pos_ + 1);
}
void TFrmProductos::BitBtn9Click() {
    if (modo_ == Modo::Navegando) irAPosicion(int(qproductos.size()) - 1);
}

void TFrmProductos::FormActivate() {
    // Suppliers added meanwhile appear; the chosen one stays chosen.
    LlenarProveedores();
}

bool TFrmProductos::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) ui::protegido([this] { FormActivate(); }, this);
    return QWidget::event(e);
}

void TFrmProductos::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (conectadoActivacion_) return;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        connect(sub, &QMdiSubWindow::aboutToActivate, this,
                [this] { ui::protegido([this] { FormActivate(); }, this); });
        conectadoActivacion_ = true;
    }
}

// --- adding, editing, deleting -------------------------------------------------------------
void TFrmProductos::BtnAddClick() {
    if (modo_ != Modo::Navegando) return;
    modo_ = Modo::Agregando;
    idNuevo_ = 0;
    pilaSemejantes->setCurrentIndex(0);
    HabilitarForma(true);
    // The supplier chosen stays as it was; everything else starts empty.
    LimpiarForma();
    GridSemejantes->setRowCount(0);
    monedaGuardada_.clear();
    RBPesos->setChecked(true);
    txtparte->setFocus();
}

void TFrmProductos::BitBtn2Click() {
    if (modo_ != Modo::Navegando || idActual() <= 0) return;
    modo_ = Modo::Editando;
    pilaSemejantes->setCurrentIndex(0);
    HabilitarForma(true);
    txtparte->setFocus();
}

void TFrmProductos::BitBtn3Click() {
    for (QComboBox* c : {cmbfamilia, cmbmarca, cmbmodelo}) {
        cargando_ = true;
        listas::normalizar(c);
        cargando_ = false;
    }
    if (txtparte->text().trimmed().isEmpty() || txtcosto->text().trimmed().isEmpty() ||
        txtprecio->text().trimmed().isEmpty() || txtanos->text().trimmed().isEmpty() ||
        !listas::haySeleccion(cmbfamilia) || !listas::haySeleccion(cmbmarca) ||
        !listas::haySeleccion(cmbmodelo)) {
        ui::mensaje(kFaltanDatos, this);
        return;
    }
    if (modo_ == Modo::Navegando) return;
    QVariant costo, precio, minimo, maximo;
    if (!leerNumero(txtcosto, &costo, this) || !leerNumero(txtprecio, &precio, this) ||
        !leerNumero(txtminimo, &minimo, this) || !leerNumero(txtmaximo, &maximo, this))
        return;
    const QString moneda = RBPesos->isChecked() ? QString("Pesos") : kDolares;
    if (modo_ == Modo::Agregando && idNuevo_ == 0) {
        // Taken and stored at once: a number is never handed out twice, and one taken for
        // an abandoned addition is not reused.
        idNuevo_ = db::siguienteConsecutivo("IdProductos");
        txtnumero->setText(QString::number(idNuevo_));
    }
    QString desplegado;
    if (!desplegarAnos(txtanos->text(), &desplegado, this)) return;

    db::Edicion e = modo_ == Modo::Agregando ? db::Edicion::nueva("tblcat_productos")
                                             : db::Edicion::existente("tblcat_productos", "Id", idActual());
    if (modo_ == Modo::Agregando) {
        e.set("Id", idNuevo_);
        e.set("Existencia", 0);
    }
    e.set("Parte", txtparte->text());
    e.set("Familia", listas::idSeleccionado(cmbfamilia));
    e.set("Marca", listas::idSeleccionado(cmbmarca));
    e.set("Modelo", listas::idSeleccionado(cmbmodelo));
    e.set("Proveedor", listas::idSeleccionado(cmbproveedor));
    e.set("Unidad", listas::idSeleccionado(CmbUnidades));
    e.set("Ano", txtanos->text());
    e.set("AnoDesplegado", desplegado);
    e.set("CodigoParte", textoONulo(TxtCodigoParte));
    e.set("CodigoDeBarras", textoONulo(txtcodigo));
    e.set("Costo1", costo);
    e.set("Precio1", precio);
    e.set("Minimo", minimo);
    e.set("Maximo", maximo);
    e.set("Bodega_Anaquel", textoONulo(txtanaquel));
    e.set("Bodega_Linea", textoONulo(txtlinea));
    e.set("Bodega_Nivel", textoONulo(txtnivel));
    e.set("Moneda", moneda);
    const int id = int(e.post());

    modo_ = Modo::Navegando;
    idNuevo_ = 0;
    HabilitarForma(false);
    LeerProductos();
    irAProducto(id);
}

void TFrmProductos::BitBtn4Click() {
    if (modo_ != Modo::Navegando) {
        modo_ = Modo::Navegando;
        idNuevo_ = 0;
        HabilitarForma(false);
        MostrarProducto();
    }
    pilaSemejantes->setCurrentIndex(0);
}

void TFrmProductos::BitBtn1Click() {
    if (modo_ != Modo::Navegando || idActual() <= 0) return;
    if (!ui::pregunta("¿De verdad quieres borrar el producto?", this)) return;
    // Only the product row: its stock history and fitments stay.
    db::ejecutar("delete from tblcat_productos where Id = :id", {{"id", idActual()}});
    const int pos = pos_;
    LeerProductos();
    irAPosicion(pos);
}

void TFrmProductos::BitBtn5Click() {
    if (modo_ != Modo::Navegando) return;
    TFrmBuscaProductos* buscar = dialogos().BuscaProductos;
    if (!buscar) return;
    buscar->setProposito(2, this, [this](int id) { irAProducto(id); });
    buscar->mostrar();
}

void TFrmProductos::BitBtn11Click() {
    if (abrirAjustes) {
        abrirAjustes(this);
        return;
    }
    ui::mensaje(
        QString::fromUtf8(
            "La pantalla \"Ajustes de Inventarios\" estará disponible en una próxima versión del sistema."),
        this);
}

// --- the drop-downs while editing ---------------------------------------------------------
void TFrmProductos::alEntrarLista(QComboBox* lista) {
    // Entering a list reloads it, so entries added meanwhile appear; the user chooses again.
    if (lista == cmbfamilia) {
        LlenarFamilias();
    } else if (lista == cmbmarca || lista == CmbMarca2) {
        LlenarMarcas(lista);
    } else if (lista == cmbmodelo || lista == cmbmodelo2) {
        // Only the models of the chosen brand; none while no brand is chosen.
        const int marca = listas::idSeleccionado(lista == cmbmodelo ? cmbmarca : CmbMarca2);
        const bool antes = cargando_;
        cargando_ = true;
        if (marca > 0) {
            LlenarModelos(lista, marca);
        } else {
            lista->clear();
            lista->setEditText(QString());
        }
        cargando_ = antes;
    }
}

void TFrmProductos::alCambiarMarca() {
    // A model of another brand does not stay chosen once the brand changes.
    if (cargando_ || modo_ == Modo::Navegando) return;
    const int modelo = listas::idSeleccionado(cmbmodelo);
    if (modelo <= 0) return;
    const int marca = listas::idSeleccionado(cmbmarca);
    const QVariant suya = db::valorUnico("select Marca from tblcat_modelos where Id = :id", {{"id", modelo}});
    if (marca <= 0 || suya.toInt() != marca) {
        cargando_ = true;
        listas::limpiarSeleccion(cmbmodelo);
        cargando_ = false;
    }
}

bool TFrmProductos::eventFilter(QObject* o, QEvent* e) {
    for (QComboBox* c : {cmbfamilia, cmbmarca, cmbmodelo, CmbMarca2, cmbmodelo2})
        if (o == c->lineEdit()) o = c;
    auto* lista = qobject_cast<QComboBox*>(o);
    if (lista && e->type() == QEvent::FocusIn) {
        const auto razon = static_cast<QFocusEvent*>(e)->reason();
        if (razon != Qt::PopupFocusReason && razon != Qt::ActiveWindowFocusReason)
            ui::protegido([this, lista] { alEntrarLista(lista); }, this);
        return false;
    }
    if (lista && e->type() == QEvent::FocusOut) {
        if (static_cast<QFocusEvent*>(e)->reason() != Qt::PopupFocusReason) {
            listas::normalizar(lista);
        }
        return false;
    }
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            if (o == CmbMarca2) {
                listas::normalizar(CmbMarca2);
                cmbmodelo2->setFocus(Qt::TabFocusReason);
                return true;
            }
            if (o == cmbmodelo2) {
                listas::normalizar(cmbmodelo2);
                txtanos2->setFocus(Qt::TabFocusReason);
                return true;
            }
            if (o == txtanos2) {
                BitBtn10->click();
                return true;
            }
        }
    }
    return false;
}

// --- similar fitments -------------------------------------------------------------------
void TFrmProductos::BtnAddSemejanteClick() {
    if (modo_ != Modo::Navegando || idActual() <= 0) return;
    LlenarMarcas(CmbMarca2);
    cmbmodelo2->clear();
    txtanos2->clear();
    pilaSemejantes->setCurrentIndex(1);
    CmbMarca2->setFocus(Qt::OtherFocusReason);
}

void TFrmProductos::BitBtn10Click() {
    listas::normalizar(CmbMarca2);
    listas::normalizar(cmbmodelo2);
    QString desplegado;
    if (!desplegarAnos(txtanos2->text(), &desplegado, this)) return;
    if (!listas::haySeleccion(CmbMarca2) || !listas::haySeleccion(cmbmodelo2)) {
        ui::mensaje(kFaltanDatos, this);
        return;
    }
    auto e = db::Edicion::nueva("tblcat_semejantes");
    e.set("Producto", idActual());
    e.set("Marca", listas::idSeleccionado(CmbMarca2));
    e.set("Modelo", listas::idSeleccionado(cmbmodelo2));
    e.set("Ano", txtanos2->text());
    e.set("AnoDesplegado", desplegado);
    e.post();
    try {
        CargarSemejantes();
    } catch (const db::SqlError&) {
    }
    pilaSemejantes->setCurrentIndex(0);
}

void TFrmProductos::BtnDeleteSemejanteClick() {
    const int f = GridSemejantes->currentRow();
    if (f < 0 || !GridSemejantes->item(f, 0)) return;
    if (!ui::pregunta("¿Estas seguro de querer borrar este semejante?", this)) return;
    db::ejecutar("delete from tblcat_semejantes where id = :id",
                 {{"id", GridSemejantes->item(f, 0)->data(Qt::UserRole).toInt()}});
    try {
        CargarSemejantes();
    } catch (const db::SqlError&) {
    }
}
