#include "catalog/Proveedores.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "common/Formats.h"
#include "common/Seams.h"
#include "common/Sesion.h"
#include "common/ZUMUtils.h"
#include "db/Sql.h"

TFrmProveedores::TFrmProveedores(QWidget* parent) : QWidget(parent) {
    setObjectName("FrmProveedores");
    setWindowTitle(QString::fromUtf8("Proveedores"));
    resize(585, 514);

    auto boton = [this](const char* nombre, const QString& texto) {
        auto* b = new QPushButton(texto, this);
        b->setObjectName(nombre);
        b->setAutoDefault(false);
        return b;
    };
    auto campo = [this](QGridLayout* g, int fila, int col, const char* etiqueta, const char* nombre,
                        const char* columna, int ancho = 1) {
        auto* e = new QLineEdit(this);
        e->setObjectName(nombre);
        g->addWidget(new QLabel(QString::fromUtf8(etiqueta)), fila, col);
        g->addWidget(e, fila, col + 1, 1, ancho);
        campos_.append({e, columna});
        return e;
    };

    auto* l = new QVBoxLayout(this);
    auto* arriba = new QHBoxLayout;
    arriba->addStretch();
    BtnAdd = boton("BtnAdd", "Agregar");
    BitBtn1 = boton("BitBtn1", "Borrar");
    BitBtn2 = boton("BitBtn2", "Modificar");
    arriba->addWidget(BtnAdd);
    arriba->addWidget(BitBtn1);
    arriba->addWidget(BitBtn2);
    l->addLayout(arriba);

    auto* generales = new QGridLayout;
    txtid = new QLineEdit(this);
    txtid->setObjectName("txtid");
    txtid->setReadOnly(true);
    generales->addWidget(new QLabel("Id"), 0, 0);
    generales->addWidget(txtid, 0, 1);
    txtnombre = campo(generales, 1, 0, "Nombre", "txtnombre", "Nombre", 3);
    campo(generales, 2, 0, "Dirección", "txtdireccion", "Direccion", 3);
    campo(generales, 3, 0, "C.P.", "txtcp", "CP");
    campo(generales, 3, 2, "Fax", "txtfax", "Fax");
    campo(generales, 4, 0, "Teléfono 1", "txttelefono1", "Telefono1");
    campo(generales, 4, 2, "Teléfono 2", "txttelefono2", "Telefono2");
    campo(generales, 5, 0, "Teléfono 3", "txttelefono3", "Telefono3");
    campo(generales, 6, 0, "Correo Electrónico", "txtcorreo", "Email", 3);
    l->addLayout(generales);

    auto* fiscales = new QGroupBox("Datos Fiscales", this);
    auto* gf = new QGridLayout(fiscales);
    campo(gf, 0, 0, "Nombre Fiscal", "txtnombrefiscal", "NombreFiscal", 3);
    campo(gf, 1, 0, "Dirección Fiscal", "txtdireccionfiscal", "DireccionComercial", 3);
    campo(gf, 2, 0, "RFC", "txtrfc", "RFC");
    campo(gf, 2, 2, "Ciudad", "txtciudad", "Ciudad");
    l->addWidget(fiscales);

    auto* contacto = new QGroupBox("Contacto", this);
    auto* gc = new QGridLayout(contacto);
    campo(gc, 0, 0, "Nombre", "txtnombrecontacto", "Contacto_Nombre");
    campo(gc, 0, 2, "Celular", "txtcelularcontacto", "Contacto_Celular");
    l->addWidget(contacto);

    auto* pagos = new QGroupBox("Datos Pagos", this);
    pagos->setObjectName("PanelPagos");
    auto* gp = new QGridLayout(pagos);
    campo(gp, 0, 0, "Banco", "txtbanco", "Banco");
    campo(gp, 0, 2, "Cuenta", "txtcuenta", "Cuenta");
    campo(gp, 1, 0, "CLABE", "txtclabe", "CLABE");
    txtdiascred = campo(gp, 1, 2, "Días de Crédito", "txtdiascred", "DiasCredito");
    l->addWidget(pagos);
    l->addStretch();

    auto* abajo = new QHBoxLayout;
    BitBtn8 = boton("BitBtn8", "Inicio");
    BitBtn7 = boton("BitBtn7", "Anterior");
    BitBtn6 = boton("BitBtn6", "Siguiente");
    BitBtn9 = boton("BitBtn9", "Final");
    BitBtn4 = boton("BitBtn4", "Cancelar");
    BitBtn5 = boton("BitBtn5", "Guardar");
    for (QPushButton* b : {BitBtn8, BitBtn7, BitBtn6, BitBtn9}) abajo->addWidget(b);
    abajo->addStretch();
    abajo->addWidget(BitBtn4);
    abajo->addWidget(BitBtn5);
    l->addLayout(abajo);

    for (const Campo& c : campos_) ZUMUtils::colorearFoco(c.edit);
    ZUMUtils::colorearFoco(txtid);

    auto conectar = [this](QPushButton* b, void (TFrmProveedores::*h)()) {
        connect(b, &QPushButton::clicked, this,
                [this, h] { ui::protegido([this, h] { (this->*h)(); }, this); });
    };
    conectar(BtnAdd, &TFrmProveedores::BtnAddClick);
    conectar(BitBtn1, &TFrmProveedores::BitBtn1Click);
    conectar(BitBtn2, &TFrmProveedores::BitBtn2Click);
    conectar(BitBtn4, &TFrmProveedores::BitBtn4Click);
    conectar(BitBtn5, &TFrmProveedores::BitBtn5Click);
    conectar(BitBtn6, &TFrmProveedores::BitBtn6Click);
    conectar(BitBtn7, &TFrmProveedores::BitBtn7Click);
    conectar(BitBtn8, &TFrmProveedores::BitBtn8Click);
    conectar(BitBtn9, &TFrmProveedores::BitBtn9Click);

    ui::protegido(
        [this] {
            LeerProveedores();
            irAPosicion(0);
        },
        this);
    BtnAdd->setVisible(sesion::TienePermiso(25));
    BitBtn1->setVisible(sesion::TienePermiso(26));
    BitBtn2->setVisible(sesion::TienePermiso(27));
    Habilitar(false);
}

bool TFrmProveedores::editando() const {
    return txtnombre->isEnabled();
}

int TFrmProveedores::idActual() const {
    return pos_ >= 0 && pos_ < QProveedores.size() ? QProveedores[pos_] : 0;
}

void TFrmProveedores::LeerProveedores() {
    QProveedores.clear();
    db::Consulta q("select Id from tblcat_proveedores order by id");
    q.abrir();
    if (!q.vacia()) do
            QProveedores << q.entero("Id");
        while (q.siguiente());
}

void TFrmProveedores::irAPosicion(int pos) {
    pos_ = QProveedores.isEmpty() ? -1 : std::clamp(pos, 0, int(QProveedores.size()) - 1);
    Mostrar();
}

void TFrmProveedores::Mostrar() {
    db::Consulta q("select * from tblcat_proveedores where id = :id");
    q.bind("id", idActual());
    q.abrir();
    txtid->setText(q.vacia() ? QString() : q.texto("Id"));
    for (const Campo& c : campos_) c.edit->setText(q.vacia() ? QString() : q.texto(c.columna));
}

void TFrmProveedores::Habilitar(bool si) {
    for (const Campo& c : campos_) c.edit->setEnabled(si);
    txtid->setEnabled(si);
}

void TFrmProveedores::BitBtn8Click() {
    if (!editando()) irAPosicion(0);
}
void TFrmProveedores::BitBtn7Click() {
    if (!editando() && pos_ > 0) irAPosicion(pos_ - 1);
}
void TFrmProveedores::BitBtn6Click() {
    if (!editando() && pos_ + 1 < QProveedores.size()) irAPosicion(pos_ + 1);
}
void TFrmProveedores::BitBtn9Click() {
    if (!editando()) irAPosicion(int(QProveedores.size()) - 1);
}

void TFrmProveedores::BtnAddClick() {
    if (editando()) return;
    nuevo_ = true;
    Habilitar(true);
    txtid->clear();
    for (const Campo& c : campos_) c.edit->clear();
    txtnombre->setFocus();
}

void TFrmProveedores::BitBtn2Click() {
    if (editando() || idActual() <= 0) return;
    nuevo_ = false;
    Habilitar(true);
    txtnombre->setFocus();
}

void TFrmProveedores::BitBtn5Click() {
    if (!editando()) return;
    // The days of credit are a whole number; the purchase screen dates debts with them.
    QVariant dias;
    const QString d = txtdiascred->text().trimmed();
    if (!d.isEmpty()) {
        bool ok = false;
        dias = formato::leerEntero(d, &ok);
        if (!ok) {
            ui::error(formato::errorConversion(d), this);
            return;
        }
    }
    Habilitar(false);
    db::Edicion e = nuevo_ ? db::Edicion::nueva("tblcat_proveedores")
                           : db::Edicion::existente("tblcat_proveedores", "Id", idActual());
    for (const Campo& c : campos_) {
        if (c.edit == txtdiascred)
            e.set(c.columna, dias);
        else
            e.set(c.columna, c.edit->text());
    }
    const int id = int(e.post());
    nuevo_ = false;
    LeerProveedores();
    irAPosicion(int(std::lower_bound(QProveedores.begin(), QProveedores.end(), id) - QProveedores.begin()));
}

void TFrmProveedores::BitBtn4Click() {
    if (!editando()) return;
    nuevo_ = false;
    Habilitar(false);
    Mostrar();
}

void TFrmProveedores::BitBtn1Click() {
    if (editando() && nuevo_) {
        // A supplier not stored yet is simply abandoned.
        if (ui::pregunta(
                QString::fromUtf8("¿Estas seguro de querer borrar el proveedor: ") + txtnombre->text() + "?",
                this))
            BitBtn4Click();
        return;
    }
    if (idActual() <= 0) return;
    const QString nombre =
        db::valorUnico("select Nombre from tblcat_proveedores where Id = :id", {{"id", idActual()}})
            .toString();
    if (!ui::pregunta(QString::fromUtf8("¿Estas seguro de querer borrar el proveedor: ") + nombre + "?",
                      this))
        return;
    // Products, purchases and debts that name the supplier stay as they are.
    db::ejecutar("delete from tblcat_proveedores where Id = :id", {{"id", idActual()}});
    const int pos = pos_;
    nuevo_ = false;
    Habilitar(false);
    LeerProveedores();
    irAPosicion(pos);
}
