#include "catalog/BuscaProductos.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QTableView>
#include <QVBoxLayout>

#include "catalog/Listas.h"
#include "common/Formats.h"
#include "common/Seams.h"
#include "common/ZUMUtils.h"
#include "db/Dialect.h"
#include "db/Sql.h"

namespace {
// The columns of the list, the eight shown first.
const char* kColumnas =
    "id, parte, marca, modelo, ano, precio1, existencia, codigoparte, marcaid, modeloid, anodesplegado, "
    "familia, famnom, costo1, moneda, CodigoDeBarras, bodega_linea, bodega_anaquel, bodega_nivel";
const int kVisibles = 8;
enum { cId, cParte, cMarca, cModelo, cAno, cPrecio, cExistencia, cCodigoParte };
}  // namespace

// The product list: rows are read from the engine as the grid scrolls, so a search that
// matches thousands of parts shows its first rows at once.
class ModeloPartes : public QSqlQueryModel {
  public:
    using QSqlQueryModel::QSqlQueryModel;
    QVariant data(const QModelIndex& i, int rol) const override {
        if (rol == Qt::DisplayRole && i.column() == cPrecio) {
            const QVariant v = QSqlQueryModel::data(i, rol);
            return v.isNull() ? QVariant() : QVariant(formato::dinero(v.toDouble()));
        }
        if (rol == Qt::DisplayRole && i.column() == cExistencia) {
            const QVariant v = QSqlQueryModel::data(i, rol);
            return v.isNull() ? QVariant() : QVariant(formato::decimal(v.toDouble()));
        }
        if (rol == Qt::TextAlignmentRole && (i.column() == cPrecio || i.column() == cExistencia))
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return QSqlQueryModel::data(i, rol);
    }
    QVariant headerData(int s, Qt::Orientation o, int rol) const override {
        static const char* titulos[] = {"Clave", "Parte",  "Marca",      "Modelo",
                                        "Año",   "Precio", "Existencia", "Codigo De Parte"};
        if (o == Qt::Horizontal && rol == Qt::DisplayRole && s >= 0 && s < kVisibles)
            return QString::fromUtf8(titulos[s]);
        return QSqlQueryModel::headerData(s, o, rol);
    }
};

TFrmBuscaProductos::TFrmBuscaProductos(QWidget* parent) : QDialog(parent) {
    setObjectName("FrmBuscaProductos");
    setWindowTitle(QString::fromUtf8("Buscar Producto"));
    resize(860, 520);

    auto* l = new QVBoxLayout(this);
    auto* filtros = new QGridLayout;
    auto combo = [this](const char* nombre) {
        auto* c = new QComboBox(this);
        c->setObjectName(nombre);
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
        c->setMinimumWidth(150);
        return c;
    };
    auto edit = [this](const char* nombre) {
        auto* e = new QLineEdit(this);
        e->setObjectName(nombre);
        return e;
    };
    auto chk = [this](const char* nombre) {
        auto* c = new QCheckBox(this);
        c->setObjectName(nombre);
        return c;
    };
    auto etiqueta = [this](const char* texto, QCheckBox* guardar) {
        auto* w = new QWidget(this);
        auto* h = new QHBoxLayout(w);
        h->setContentsMargins(0, 0, 0, 0);
        h->addWidget(new QLabel(QString::fromUtf8(texto), w));
        if (guardar) h->addWidget(guardar);
        h->addStretch();
        return w;
    };
    CmbMarcas = combo("CmbMarcas");
    CmbModelos = combo("CmbModelos");
    CmbFamilia = combo("CmbFamilia");
    TxtAno = edit("TxtAno");
    TxtAno->setFixedWidth(60);
    txtCodigoParte = edit("txtCodigoParte");
    txtparte = edit("txtparte");
    txtcodigo = edit("txtcodigo");
    txtcodigo->setFixedWidth(90);
    txtparte->setMinimumWidth(200);
    txtCodigoParte->setMinimumWidth(110);
    ChkModelo = chk("ChkModelo");
    ChkParte = chk("ChkParte");
    ChkFamilia = chk("ChkFamilia");
    BitBtn5 = new QPushButton("Limpiar Todo", this);
    BitBtn5->setObjectName("BitBtn5");
    BitBtn5->setToolTip("Limpiar Datos");
    BitBtn5->setAutoDefault(false);

    filtros->addWidget(etiqueta("Marca", nullptr), 0, 0);
    filtros->addWidget(etiqueta("Modelo", ChkModelo), 0, 1);
    filtros->addWidget(etiqueta("Año", nullptr), 0, 2);
    filtros->addWidget(etiqueta("Código de Parte", nullptr), 0, 3);
    filtros->addWidget(etiqueta("Parte", ChkParte), 0, 4);
    filtros->addWidget(etiqueta("Código Interno", nullptr), 0, 5);
    filtros->addWidget(etiqueta("Familia", ChkFamilia), 0, 6);
    filtros->addWidget(CmbMarcas, 1, 0);
    filtros->addWidget(CmbModelos, 1, 1);
    filtros->addWidget(TxtAno, 1, 2);
    filtros->addWidget(txtCodigoParte, 1, 3);
    filtros->addWidget(txtparte, 1, 4);
    filtros->addWidget(txtcodigo, 1, 5);
    filtros->addWidget(CmbFamilia, 1, 6);
    filtros->addWidget(BitBtn5, 1, 7);
    filtros->setColumnStretch(4, 2);
    l->addLayout(filtros);

    QPartes = new ModeloPartes(this);
    prodsgrid = new QTableView(this);
    prodsgrid->setObjectName("prodsgrid");
    prodsgrid->setModel(QPartes);
    prodsgrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    prodsgrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    prodsgrid->setSelectionMode(QAbstractItemView::SingleSelection);
    prodsgrid->verticalHeader()->setDefaultSectionSize(20);
    prodsgrid->verticalHeader()->hide();
    prodsgrid->horizontalHeader()->setStretchLastSection(true);
    l->addWidget(prodsgrid, 1);

    ZUMUtils::colorearFoco({CmbMarcas, CmbModelos, TxtAno, txtCodigoParte, txtparte, txtcodigo, CmbFamilia});
    for (QObject* o : std::initializer_list<QObject*>{CmbMarcas, CmbModelos, CmbFamilia, TxtAno,
                                                      txtCodigoParte, txtparte, txtcodigo, prodsgrid})
        o->installEventFilter(this);
    for (QComboBox* c : {CmbMarcas, CmbModelos, CmbFamilia}) c->lineEdit()->installEventFilter(this);

    auto proteger = [this](auto f) {
        return [this, f] { ui::protegido([this, f] { (this->*f)(); }, this); };
    };
    connect(CmbMarcas, &QComboBox::editTextChanged, this, proteger(&TFrmBuscaProductos::CmbMarcasChange));
    connect(CmbMarcas, qOverload<int>(&QComboBox::activated), this, [this] { CmbModelos->setFocus(); });
    connect(CmbModelos, &QComboBox::editTextChanged, this, proteger(&TFrmBuscaProductos::CmbModelosChange));
    connect(CmbFamilia, &QComboBox::editTextChanged, this, proteger(&TFrmBuscaProductos::CmbFamiliaChange));
    for (QLineEdit* e : {TxtAno, txtparte, txtcodigo, txtCodigoParte})
        connect(e, &QLineEdit::textChanged, this, [this] {
            if (!cargando_) ActualizarPartes();
        });
    connect(BitBtn5, &QPushButton::clicked, this, proteger(&TFrmBuscaProductos::BitBtn5Click));
    connect(prodsgrid, &QTableView::doubleClicked, this, [this] { SeleccionarProducto(); });

    ui::protegido(
        [this] {
            LlenarMarcas();
            LlenarFamilias();
        },
        this);
}

void TFrmBuscaProductos::LlenarMarcas() {
    cargando_ = true;
    db::Consulta QMarcas("select * from tblcat_marcas order by marca");
    listas::llenar(CmbMarcas, QMarcas, "Marca");
    cargando_ = false;
}

void TFrmBuscaProductos::LlenarFamilias() {
    cargando_ = true;
    db::Consulta qfamilias("select * from tblcat_familias order by familia");
    listas::llenar(CmbFamilia, qfamilias, "Familia");
    cargando_ = false;
}

void TFrmBuscaProductos::LlenarModelos(int marca) {
    cargando_ = true;
    if (marca > 0) {
        db::Consulta QModelos("select * from tblcat_modelos where marca = :marca order by modelo");
        QModelos.bind("marca", marca);
        listas::llenar(CmbModelos, QModelos, "Modelo");
    } else {
        db::Consulta QModelos2("select * from tblcat_modelos order by modelo");
        listas::llenar(CmbModelos, QModelos2, "Modelo");
    }
    marcaActual_ = marca;
    cargando_ = false;
}

void TFrmBuscaProductos::setProposito(int p, QWidget* l, Accion a) {
    proposito_ = p;
    llamador_ = l;
    accion_ = std::move(a);
}

int TFrmBuscaProductos::mostrar() {
    ui::protegido(
        [this] {
            // Brands added meanwhile appear; the brand is always chosen anew.
            LlenarMarcas();
            // So do families (a kept one stays chosen) and models: the model list is
            // refilled when a brand is chosen or the box is entered.
            const int familia = listas::idSeleccionado(CmbFamilia);
            LlenarFamilias();
            marcaActual_ = -2;
            cargando_ = true;
            if (ChkFamilia->isChecked() && familia > 0) listas::seleccionarId(CmbFamilia, familia);
            if (!ChkModelo->isChecked()) listas::limpiarSeleccion(CmbModelos);
            TxtAno->clear();
            txtcodigo->clear();
            txtCodigoParte->clear();
            if (!ChkParte->isChecked()) txtparte->clear();
            if (!ChkFamilia->isChecked()) listas::limpiarSeleccion(CmbFamilia);
            cargando_ = false;
            if (ChkModelo->isChecked() || ChkParte->isChecked() || ChkFamilia->isChecked()) {
                const int fila = posicion_;
                ActualizarPartes();
                irAFila(fila);
            } else {
                CerrarPartes();
                CmbMarcas->setFocus();
            }
            if (ChkFamilia->isChecked()) CmbModelos->setFocus();
        },
        this);
    return ui::ejecutar(this);
}

void TFrmBuscaProductos::hideEvent(QHideEvent* e) {
    soltarLista();
    QDialog::hideEvent(e);
}

void TFrmBuscaProductos::soltarLista() {
    // Where the list stood, for a reopening that keeps filters.
    posicion_ = prodsgrid->currentIndex().isValid() ? prodsgrid->currentIndex().row() : -1;
    // A list read only in part holds the connection's read snapshot open; once another
    // station wrote, this station could then write nothing. Reading it to the end lets
    // the snapshot go.
    while (QPartes->canFetchMore()) QPartes->fetchMore();
}

void TFrmBuscaProductos::CerrarPartes() {
    QPartes->clear();
}

void TFrmBuscaProductos::irAFila(int fila) {
    if (fila < 0) return;
    while (QPartes->rowCount() <= fila && QPartes->canFetchMore()) QPartes->fetchMore();
    if (fila < QPartes->rowCount()) prodsgrid->setCurrentIndex(QPartes->index(fila, 0));
}

int TFrmBuscaProductos::filas() const {
    ModeloPartes* m = QPartes;
    while (m->canFetchMore()) m->fetchMore();
    return m->rowCount();
}

int TFrmBuscaProductos::idActual() const {
    const QModelIndex i = prodsgrid->currentIndex();
    if (!i.isValid()) return 0;
    return QPartes->data(QPartes->index(i.row(), cId), Qt::EditRole).toInt();
}

void TFrmBuscaProductos::ActualizarPartes() {
    QString sql = " select " + QString(kColumnas) + " from view_partes2 where 1=1 ";
    QVariantMap p;
    if (const int marca = listas::idSeleccionado(CmbMarcas); marca > 0) {
        sql += " and (marcaid = :marca)";
        p["marca"] = marca;
    }
    if (const int modelo = listas::idSeleccionado(CmbModelos); modelo > 0) {
        sql += " and (modeloid = :modelo)";
        p["modelo"] = modelo;
    }
    // The year is matched as text against the written-out years: "98" also finds 1989.
    if (!TxtAno->text().isEmpty()) {
        sql += " and (" + dialecto::como("anodesplegado", ":ano") + ")";
        p["ano"] = dialecto::patronContiene(TxtAno->text());
    }
    if (!txtparte->text().isEmpty()) {
        sql += " and (" + dialecto::como("parte", ":parte") + ")";
        p["parte"] = dialecto::patronContiene(txtparte->text());
    }
    if (const int familia = listas::idSeleccionado(CmbFamilia); familia > 0) {
        sql += " and (familia = :familia)";
        p["familia"] = familia;
    }
    sql += " order by parte ";
    // An internal code looks the product up alone; a part code wins over it.
    if (!txtCodigoParte->text().isEmpty()) {
        sql = " select " + QString(kColumnas) + " from view_partes2 where " +
              dialecto::como("codigoparte", ":codigo");
        p = {{"codigo", dialecto::patronContiene(txtCodigoParte->text())}};
    } else if (!txtcodigo->text().isEmpty()) {
        const QString n = dialecto::numeroEntero(txtcodigo->text());
        if (n.isEmpty()) {
            CerrarPartes();
            ui::error(formato::errorCriterio(txtcodigo->text()), this);
            return;
        }
        sql = " select " + QString(kColumnas) + " from view_partes2 where id = :id";
        p = {{"id", n.toLongLong()}};
    }
    ultimaConsulta_ = sql;

    QSqlQuery q(db::cnn());
    q.setForwardOnly(false);
    bool ok = q.prepare(sql);
    if (ok) {
        for (auto it = p.begin(); it != p.end(); ++it) q.bindValue(":" + it.key(), it.value());
        ok = q.exec();
    }
    if (!ok) {
        CerrarPartes();
        const QSqlError e = q.lastError();
        ui::error(e.databaseText().isEmpty() ? e.text() : e.databaseText(), this);
        return;
    }
    QPartes->setQuery(std::move(q));
    for (int c = kVisibles; c < QPartes->columnCount(); ++c) prodsgrid->setColumnHidden(c, true);
    const int anchos[kVisibles] = {60, 280, 100, 110, 60, 90, 75, 110};
    for (int c = 0; c < kVisibles; ++c) prodsgrid->setColumnWidth(c, anchos[c]);
    if (QPartes->rowCount() > 0) prodsgrid->setCurrentIndex(QPartes->index(0, 0));
}

void TFrmBuscaProductos::SeleccionarProducto() {
    const int id = idActual();
    if (!prodsgrid->currentIndex().isValid()) return;
    soltarLista();  // before the caller acts on the choice, which may write
    if (accion_) accion_(id);
    accept();
}

void TFrmBuscaProductos::BitBtn5Click() {
    cargando_ = true;
    TxtAno->clear();
    txtparte->clear();
    txtcodigo->clear();
    txtCodigoParte->clear();
    listas::limpiarSeleccion(CmbModelos);
    listas::limpiarSeleccion(CmbMarcas);
    listas::limpiarSeleccion(CmbFamilia);
    ChkModelo->setChecked(false);
    ChkParte->setChecked(false);
    ChkFamilia->setChecked(false);
    cargando_ = false;
    CerrarPartes();
}

void TFrmBuscaProductos::CmbMarcasChange() {
    if (cargando_) return;
    CerrarPartes();
    const int marca = listas::idSeleccionado(CmbMarcas);
    if (marca > 0) {
        if (marca != marcaActual_) LlenarModelos(marca);
    } else {
        // No brand: no models to offer until the model box is entered.
        cargando_ = true;
        CmbModelos->clear();
        CmbModelos->setEditText(QString());
        marcaActual_ = -2;
        cargando_ = false;
    }
    ActualizarPartes();
}

void TFrmBuscaProductos::CmbModelosEnter() {
    if (!listas::haySeleccion(CmbMarcas) && marcaActual_ != 0) {
        const int modelo = listas::idSeleccionado(CmbModelos);
        LlenarModelos(0);
        // A model kept from the previous use stays chosen.
        if (modelo > 0) {
            cargando_ = true;
            listas::seleccionarId(CmbModelos, modelo);
            cargando_ = false;
        }
    }
}

void TFrmBuscaProductos::CmbModelosChange() {
    ListaChange(CmbModelos);
}

void TFrmBuscaProductos::CmbFamiliaChange() {
    ListaChange(CmbFamilia);
}

// The model or the family changed: an emptied box chooses nothing; the list follows.
void TFrmBuscaProductos::ListaChange(QComboBox* lista) {
    if (cargando_) return;
    if (lista->currentText().isEmpty()) {
        cargando_ = true;
        lista->setCurrentIndex(-1);
        cargando_ = false;
    }
    ActualizarPartes();
}

bool TFrmBuscaProductos::eventFilter(QObject* o, QEvent* e) {
    // The line edit inside a box with typing stands for the box.
    for (QComboBox* c : {CmbMarcas, CmbModelos, CmbFamilia})
        if (o == c->lineEdit()) o = c;
    if (e->type() == QEvent::FocusIn && o == CmbModelos) {
        ui::protegido([this] { CmbModelosEnter(); }, this);
        return false;
    }
    if (e->type() == QEvent::FocusOut) {
        auto* fe = static_cast<QFocusEvent*>(e);
        if (fe->reason() == Qt::PopupFocusReason) return false;
        if (o == CmbModelos && !cargando_) {
            cargando_ = true;
            listas::normalizar(CmbModelos);
            cargando_ = false;
            ui::protegido([this] { ActualizarPartes(); }, this);
        } else if (o == CmbMarcas && !cargando_) {
            cargando_ = true;
            listas::normalizar(CmbMarcas);
            cargando_ = false;
        }
        return false;
    }
    if (e->type() != QEvent::KeyPress) return false;
    auto* k = static_cast<QKeyEvent*>(e);
    const int key = k->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    auto actualizar = [this] { ui::protegido([this] { ActualizarPartes(); }, this); };
    if (o == CmbMarcas) {
        if (enter || key == Qt::Key_Right) {
            if (enter) {
                cargando_ = true;
                listas::normalizar(CmbMarcas);
                cargando_ = false;
                ui::protegido([this] { CmbMarcasChange(); }, this);
            }
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
    } else if (o == TxtAno || o == txtparte || o == txtcodigo || o == txtCodigoParte) {
        if (key == Qt::Key_Down) {
            prodsgrid->setFocus();
            return true;
        }
        if (enter) {
            actualizar();
            return true;
        }
        if (key == Qt::Key_Left) {
            (o == TxtAno ? static_cast<QWidget*>(CmbModelos) : o == txtparte ? TxtAno : txtparte)->setFocus();
            return true;
        }
        if (key == Qt::Key_Right) {
            (o == TxtAno     ? txtparte
             : o == txtparte ? txtcodigo
                             : static_cast<QWidget*>(CmbFamilia))
                ->setFocus();
            return true;
        }
    } else if (o == CmbFamilia) {
        if (key == Qt::Key_Left) {
            txtcodigo->setFocus();
            return true;
        }
        if (enter) {
            actualizar();
            return true;
        }
    } else if (o == prodsgrid) {
        if (enter) {
            SeleccionarProducto();
            return true;
        }
    }
    return false;
}
