#include "catalog/Familias.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "catalog/RejillaEditable.h"
#include "common/Formats.h"
#include "common/Seams.h"
#include "db/Dialect.h"

TFrmFamilias::TFrmFamilias(QWidget* parent) : QWidget(parent) {
    setObjectName("FrmFamilias");
    setWindowTitle(QString::fromUtf8("Familias"));
    resize(420, 460);
    QProds.setSql("select Id from tblcat_Productos where familia = :familia" + dialecto::limite(1));

    auto* l = new QVBoxLayout(this);
    auto* barra = new QHBoxLayout;
    BtnAdd = new QPushButton("Agregar Familia", this);
    BtnAdd->setObjectName("BtnAdd");
    BtnDelete = new QPushButton("Borrar Familia", this);
    BtnDelete->setObjectName("BtnDelete");
    barra->addWidget(BtnAdd);
    barra->addWidget(BtnDelete);
    barra->addStretch();
    l->addLayout(barra);
    Familias = new RejillaEditable({"Familia", "Porcentaje"}, this);
    Familias->setObjectName("Familias");
    Familias->setColumnWidth(0, 260);
    l->addWidget(Familias);

    connect(BtnAdd, &QPushButton::clicked, this, [this] { ui::protegido([this] { BtnAddClick(); }, this); });
    connect(BtnDelete, &QPushButton::clicked, this,
            [this] { ui::protegido([this] { BtnDeleteClick(); }, this); });
    connect(Familias, &RejillaEditable::enterPresionado, this, [this] { FamiliasEnter(); });
    connect(Familias, &RejillaEditable::suprimirPresionado, this,
            [this] { ui::protegido([this] { BtnDeleteClick(); }, this); });
    connect(Familias, &RejillaEditable::filaAbandonada, this, [this] { GuardarFamilia(); });

    ui::protegido([this] { LeerFamilias(0); }, this);
}

void TFrmFamilias::LeerFamilias(int seleccionar) {
    // Stored order: the families are listed as they were created.
    QList<QVariantList> filas;
    QFamilias.abrir();
    if (!QFamilias.vacia()) do
            filas << QVariantList{
                QFamilias.entero("Id"), QFamilias.texto("Familia"),
                QFamilias.esNulo("Porcentaje") ? QString() : QString::number(QFamilias.entero("Porcentaje"))};
        while (QFamilias.siguiente());
    Familias->cargar(filas);
    if (seleccionar > 0) Familias->seleccionarId(seleccionar);
}

void TFrmFamilias::BtnAddClick() {
    if (Familias->filaEditada() >= 0 && !Familias->filaNuevaIntacta() && !GuardarFamilia()) return;
    Familias->descartarEdicion();
    Familias->agregarFila();
}

bool TFrmFamilias::GuardarFamilia() {
    const int f = Familias->filaEditada();
    if (f < 0) return false;
    // The percentage is a whole number, or empty (the purchase screen then keeps the price).
    const QString p = Familias->texto(f, 1).trimmed();
    QVariant porcentaje;
    if (!p.isEmpty()) {
        bool ok = false;
        const int n = formato::leerEntero(p, &ok);
        if (!ok) {
            ui::error(formato::errorConversion(p), this);
            return false;
        }
        porcentaje = n;
    }
    try {
        const int id = Familias->idFila(f);
        db::Edicion e = id > 0 ? db::Edicion::existente("tblcat_familias", "Id", id)
                               : db::Edicion::nueva("tblcat_familias");
        e.set("Familia", Familias->texto(f, 0));
        e.set("Porcentaje", porcentaje);
        Familias->marcarGuardada(f, int(e.post()));
        return true;
    } catch (const db::SqlError&) {
        return false;  // the row stays in edit; the user corrects or abandons it
    }
}

void TFrmFamilias::FamiliasEnter() {
    GuardarFamilia();
}

void TFrmFamilias::BtnDeleteClick() {
    const int f = Familias->currentRow();
    if (borrarSiNoTieneProductos(Familias, QProds, "familia", "tblcat_familias",
                                 "No se puede borrar una familia si todavia tiene productos asignados",
                                 QString::fromUtf8("¿En realidad quieres borrar la familia: "), this))
        Familias->removeRow(f);
}
