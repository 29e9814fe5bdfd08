#include "catalog/Marcas.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

#include "catalog/RejillaEditable.h"
#include "common/Seams.h"
#include "db/Dialect.h"

namespace {
QList<QVariantList> filas(db::Consulta& q, const QString& columna) {
    QList<QVariantList> r;
    q.abrir();
    if (!q.vacia()) do
            r << QVariantList{q.entero("Id"), q.texto(columna)};
        while (q.siguiente());
    return r;
}
}  // namespace

TFrmMarcas::TFrmMarcas(QWidget* parent) : QWidget(parent) {
    setObjectName("FrmMarcas");
    setWindowTitle(QString::fromUtf8("Marcas y Modelos"));
    resize(420, 520);
    QProds.setSql("select Id from tblcat_Productos where marca = :marca" + dialecto::limite(1));
    qprods2.setSql("select Id from tblcat_Productos where modelo = :modelo" + dialecto::limite(1));

    auto* l = new QVBoxLayout(this);
    auto* barra1 = new QHBoxLayout;
    BtnAdd = new QPushButton("Agregar Marca", this);
    BtnAdd->setObjectName("BtnAdd");
    BtnDelete = new QPushButton("Borrar Marca", this);
    BtnDelete->setObjectName("BtnDelete");
    barra1->addWidget(BtnAdd);
    barra1->addWidget(BtnDelete);
    barra1->addStretch();

    auto* arriba = new QWidget(this);
    auto* la = new QVBoxLayout(arriba);
    la->setContentsMargins(0, 0, 0, 0);
    la->addLayout(barra1);
    marcas = new RejillaEditable({"Marca"}, arriba);
    marcas->setObjectName("marcas");
    la->addWidget(marcas);

    auto* abajo = new QWidget(this);
    auto* lb = new QVBoxLayout(abajo);
    lb->setContentsMargins(0, 0, 0, 0);
    auto* barra2 = new QHBoxLayout;
    BitBtn1 = new QPushButton("Agregar Modelo", abajo);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn2 = new QPushButton("Borrar Modelo", abajo);
    BitBtn2->setObjectName("BitBtn2");
    barra2->addWidget(BitBtn1);
    barra2->addWidget(BitBtn2);
    barra2->addStretch();
    lb->addLayout(barra2);
    modelos = new RejillaEditable({"Modelo"}, abajo);
    modelos->setObjectName("modelos");
    lb->addWidget(modelos);

    auto* split = new QSplitter(Qt::Vertical, this);
    split->setObjectName("Splitter1");
    split->addWidget(arriba);
    split->addWidget(abajo);
    l->addWidget(split);

    connect(BtnAdd, &QPushButton::clicked, this, [this] { ui::protegido([this] { BtnAddClick(); }, this); });
    connect(BtnDelete, &QPushButton::clicked, this,
            [this] { ui::protegido([this] { BtnDeleteClick(); }, this); });
    connect(BitBtn1, &QPushButton::clicked, this,
            [this] { ui::protegido([this] { BitBtn1Click(); }, this); });
    connect(BitBtn2, &QPushButton::clicked, this,
            [this] { ui::protegido([this] { BitBtn2Click(); }, this); });
    connect(marcas, &RejillaEditable::enterPresionado, this, [this] { marcasEnter(); });
    connect(marcas, &RejillaEditable::suprimirPresionado, this,
            [this] { ui::protegido([this] { BtnDeleteClick(); }, this); });
    connect(marcas, &RejillaEditable::filaAbandonada, this, [this] { GuardarMarca(); });
    connect(marcas, &QTableWidget::currentCellChanged, this, [this](int f, int, int anterior, int) {
        if (f != anterior) CargarModelos();
    });
    connect(modelos, &RejillaEditable::enterPresionado, this, [this] { modelosEnter(); });
    connect(modelos, &RejillaEditable::suprimirPresionado, this,
            [this] { ui::protegido([this] { BitBtn2Click(); }, this); });
    connect(modelos, &RejillaEditable::filaAbandonada, this, [this] { GuardarModelo(); });

    ui::protegido([this] { LeerMarcas(0); }, this);
}

void TFrmMarcas::LeerMarcas(int seleccionar) {
    marcas->cargar(filas(QMarcas, "Marca"));
    if (seleccionar > 0) marcas->seleccionarId(seleccionar);
    CargarModelos();
}

void TFrmMarcas::CargarModelos() {
    // A brand that is not stored yet has no models to show: the list stays as it is.
    const int marca = marcas->idActual();
    if (marca <= 0) return;
    try {
        QModelos.bind("marca", marca);
        modelos->cargar(filas(QModelos, "Modelo"));
    } catch (const db::SqlError&) {
    }
}

void TFrmMarcas::BtnAddClick() {
    if (marcas->filaEditada() >= 0 && !marcas->filaNuevaIntacta() && !GuardarMarca()) return;
    marcas->descartarEdicion();
    marcas->agregarFila();
}

bool TFrmMarcas::GuardarMarca() {
    const int f = marcas->filaEditada();
    if (f < 0) return false;
    try {
        const int id = marcas->idFila(f);
        db::Edicion e =
            id > 0 ? db::Edicion::existente("tblcat_marcas", "Id", id) : db::Edicion::nueva("tblcat_marcas");
        e.set("Marca", marcas->texto(f, 0));
        marcas->marcarGuardada(f, int(e.post()));
        return true;
    } catch (const db::SqlError&) {
        return false;  // the row stays in edit; the user corrects or abandons it
    }
}

void TFrmMarcas::marcasEnter() {
    const int f = marcas->filaEditada();
    if (f < 0 || !GuardarMarca()) return;
    const int id = marcas->idFila(f);
    ui::protegido([this, id] { LeerMarcas(id); }, this);
}

void TFrmMarcas::BtnDeleteClick() {
    const int f = marcas->currentRow();
    if (!borrarSiNoTieneProductos(marcas, QProds, "marca", "tblcat_marcas",
                                  "No se puede borrar una marca si todavia tiene productos asignados",
                                  QString::fromUtf8("¿En realidad quieres borrar la marca: "), this))
        return;
    LeerMarcas(marcas->idFila(f + 1 < marcas->rowCount() ? f + 1 : f - 1));
}

void TFrmMarcas::BitBtn1Click() {
    if (modelos->filaEditada() >= 0 && !modelos->filaNuevaIntacta() && !GuardarModelo()) return;
    modelos->descartarEdicion();
    modelos->agregarFila();
}

bool TFrmMarcas::GuardarModelo() {
    const int f = modelos->filaEditada();
    if (f < 0) return false;
    try {
        const int id = modelos->idFila(f);
        db::Edicion e = id > 0 ? db::Edicion::existente("tblcat_modelos", "Id", id)
                               : db::Edicion::nueva("tblcat_modelos");
        // A model always belongs to the brand current at the moment it is stored.
        e.set("Marca", qMax(0, marcas->idActual()));
        e.set("Modelo", modelos->texto(f, 0));
        modelos->marcarGuardada(f, int(e.post()));
        return true;
    } catch (const db::SqlError&) {
        return false;
    }
}

void TFrmMarcas::modelosEnter() {
    GuardarModelo();
}

void TFrmMarcas::BitBtn2Click() {
    const int f = modelos->currentRow();
    if (borrarSiNoTieneProductos(modelos, qprods2, "modelo", "tblcat_modelos",
                                 "No se puede borrar un modelo si todavia tiene productos asignados",
                                 QString::fromUtf8("¿En realidad quieres borrar el modelo: "), this))
        modelos->removeRow(f);
}
