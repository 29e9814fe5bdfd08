#include "catalog/Usuarios.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/Seams.h"
#include "common/Sesion.h"
#include "common/ZUMUtils.h"
#include "db/Password.h"
#include "db/Sql.h"

namespace {
const char* kQusuarios2 = "select * from tblcat_usuarios where id = :usuario";
const char* kQUsuarios = "select * from tblcat_usuarios order by nombre";
const char* kQModulos = "select * from tblctrl_modulos where padre = :padre order by id";
}  // namespace

TFrmUsuarios::TFrmUsuarios(QWidget* parent) : QWidget(parent) {
    setObjectName("FrmUsuarios");
    setWindowTitle("Usuarios");
    resize(771, 441);
    setMinimumSize(746, 441);

    auto* raiz = new QHBoxLayout(this);
    auto* izquierda = new QVBoxLayout;
    auto* botones = new QHBoxLayout;
    btnborrar = new QPushButton("Borrar Usuario", this);
    btnborrar->setObjectName("btnborrar");
    btnagregar = new QPushButton("Agregar Usuario", this);
    btnagregar->setObjectName("btnagregar");
    botones->addWidget(btnborrar);
    botones->addWidget(btnagregar);
    izquierda->addLayout(botones);
    LstUsuarios = new QListWidget(this);
    LstUsuarios->setObjectName("LstUsuarios");
    izquierda->addWidget(LstUsuarios);
    raiz->addLayout(izquierda, 1);

    auto* derecha = new QVBoxLayout;
    auto* campos = new QGridLayout;
    txtnombre = new QLineEdit(this);
    txtnombre->setObjectName("txtnombre");
    txtnombre->setMaxLength(250);
    txtusuario = new QLineEdit(this);
    txtusuario->setObjectName("txtusuario");
    txtusuario->setMaxLength(50);
    txtpassword = new QLineEdit(this);
    txtpassword->setObjectName("txtpassword");
    txtpassword->setEchoMode(QLineEdit::Password);
    txtpassword->setMaxLength(50);
    campos->addWidget(new QLabel("Nombre:"), 0, 0);
    campos->addWidget(txtnombre, 0, 1);
    campos->addWidget(new QLabel("Usuario:"), 1, 0);
    campos->addWidget(txtusuario, 1, 1);
    campos->addWidget(new QLabel("Password:"), 2, 0);
    campos->addWidget(txtpassword, 2, 1);
    derecha->addLayout(campos);
    auto* acciones = new QHBoxLayout;
    acciones->addStretch();
    btncancelar = new QPushButton("Cancelar", this);
    btncancelar->setObjectName("btncancelar");
    btnaceptar = new QPushButton("Aceptar", this);
    btnaceptar->setObjectName("btnaceptar");
    acciones->addWidget(btncancelar);
    acciones->addWidget(btnaceptar);
    derecha->addLayout(acciones);
    auto* listas = new QHBoxLayout;
    LstModulos = new QListWidget(this);
    LstModulos->setObjectName("LstModulos");
    LstAcciones = new QListWidget(this);
    LstAcciones->setObjectName("LstAcciones");
    listas->addWidget(LstModulos);
    listas->addWidget(LstAcciones);
    derecha->addLayout(listas, 1);
    raiz->addLayout(derecha, 2);

    ZUMUtils::colorearFoco({txtnombre, txtusuario, txtpassword});

    connect(LstUsuarios, &QListWidget::itemClicked, this, &TFrmUsuarios::LstUsuariosClick);
    connect(LstUsuarios, &QListWidget::currentRowChanged, this, [this](int r) {
        if (r >= 0) LstUsuariosClick();
    });
    connect(LstModulos, &QListWidget::currentRowChanged, this, [this](int r) {
        if (r >= 0) LstModulosClick();
    });
    connect(LstModulos, &QListWidget::itemChanged, this, &TFrmUsuarios::marcar);
    connect(LstAcciones, &QListWidget::itemChanged, this, &TFrmUsuarios::marcar);
    connect(btnagregar, &QPushButton::clicked, this, &TFrmUsuarios::btnagregarClick);
    connect(btnaceptar, &QPushButton::clicked, this, &TFrmUsuarios::btnaceptarClick);
    connect(btncancelar, &QPushButton::clicked, this, &TFrmUsuarios::btncancelarClick);
    connect(btnborrar, &QPushButton::clicked, this, &TFrmUsuarios::btnborrarClick);

    habilitarCampos(false);
    habilitarListas(false);
    llenarUsuarios();
    btnborrar->setVisible(sesion::TienePermiso(41));
    btnagregar->setVisible(sesion::TienePermiso(42));
}

void TFrmUsuarios::habilitarCampos(bool si) {
    for (QWidget* w : {static_cast<QWidget*>(txtnombre), static_cast<QWidget*>(txtusuario),
                       static_cast<QWidget*>(txtpassword), static_cast<QWidget*>(btnaceptar),
                       static_cast<QWidget*>(btncancelar)})
        w->setEnabled(si);
}

void TFrmUsuarios::habilitarListas(bool si) {
    LstModulos->setEnabled(si);
    LstAcciones->setEnabled(si);
}

void TFrmUsuarios::llenarUsuarios() {
    ui::protegido(
        [&] {
            QSignalBlocker b(LstUsuarios);
            LstUsuarios->clear();
            db::Consulta q(kQUsuarios);
            q.abrir();
            for (bool hay = !q.vacia(); hay; hay = q.siguiente()) {
                auto* it = new QListWidgetItem(q.texto("Nombre"), LstUsuarios);
                it->setData(Qt::UserRole, q.entero("Id"));
            }
        },
        this);
}

void TFrmUsuarios::cargarCampos() {
    txtnombre->clear();
    txtusuario->clear();
    txtpassword->clear();
    if (usuario_ == 0) return;
    db::Consulta qusuarios2(kQusuarios2);
    qusuarios2.bind("usuario", usuario_);
    qusuarios2.abrir();
    if (qusuarios2.vacia()) return;
    txtnombre->setText(qusuarios2.texto("Nombre"));
    txtusuario->setText(qusuarios2.texto("Usuario"));
    // The stored password is a hash: the field starts empty and, left empty, keeps it.
}

void TFrmUsuarios::LstUsuariosClick() {
    QListWidgetItem* it = LstUsuarios->currentItem();
    if (!it) return;
    ui::protegido(
        [&] {
            usuario_ = it->data(Qt::UserRole).toInt();
            agregando_ = false;
            cargarCampos();
            const bool puede = sesion::TienePermiso(43);
            habilitarCampos(puede);
            habilitarListas(puede);
            if (puede) txtnombre->setFocus();
            LstAcciones->clear();
            llenarModulos();
        },
        this);
}

void TFrmUsuarios::llenarLista(QListWidget* lista, int padre) {
    llenando_ = true;
    lista->clear();
    db::Consulta q(kQModulos);
    q.bind("padre", padre);
    q.abrir();
    for (bool hay = !q.vacia(); hay; hay = q.siguiente()) {
        auto* it = new QListWidgetItem(q.texto("Modulo"), lista);
        const int modulo = q.entero("Id");
        it->setData(Qt::UserRole, modulo);
        it->setFlags(it->flags() | Qt::ItemIsUserCheckable);
        it->setCheckState(sesion::TienePermiso(usuario_, modulo) ? Qt::Checked : Qt::Unchecked);
    }
    llenando_ = false;
}

void TFrmUsuarios::llenarModulos() {
    llenarLista(LstModulos, 0);
}

void TFrmUsuarios::llenarAcciones(int modulo) {
    llenarLista(LstAcciones, modulo);
}

void TFrmUsuarios::LstModulosClick() {
    QListWidgetItem* it = LstModulos->currentItem();
    if (!it) return;
    ui::protegido([&] { llenarAcciones(it->data(Qt::UserRole).toInt()); }, this);
}

void TFrmUsuarios::marcar(QListWidgetItem* item) {
    if (llenando_ || usuario_ == 0) return;
    const int modulo = item->data(Qt::UserRole).toInt();
    ui::protegido(
        [&] {
            if (item->checkState() == Qt::Checked)
                db::ejecutar("insert into tblrel_permisos (usuario, modulo) values (:u, :m)",
                             {{"u", usuario_}, {"m", modulo}});
            else
                db::ejecutar("delete from tblrel_permisos where usuario = :u and modulo = :m",
                             {{"u", usuario_}, {"m", modulo}});
        },
        this);
}

void TFrmUsuarios::btnagregarClick() {
    agregando_ = true;
    usuario_ = 0;
    txtnombre->clear();
    txtusuario->clear();
    txtpassword->clear();
    habilitarCampos(true);
    habilitarListas(false);
    txtnombre->setFocus();
}

void TFrmUsuarios::btnaceptarClick() {
    if (!agregando_ && usuario_ == 0) return;  // nothing loaded
    if (txtnombre->text().isEmpty() || txtusuario->text().isEmpty() ||
        (agregando_ && txtpassword->text().isEmpty())) {
        ui::mensaje("Faltan datos, gracias", this);
        return;
    }
    try {
        db::Edicion e = agregando_ ? db::Edicion::nueva("tblcat_usuarios")
                                   : db::Edicion::existente("tblcat_usuarios", "Id", usuario_);
        e.set("Nombre", txtnombre->text());
        e.set("Usuario", txtusuario->text());
        if (!txtpassword->text().isEmpty()) e.set("Password", contrasena::cifrar(txtpassword->text()));
        usuario_ = int(e.post());
        agregando_ = false;
        txtpassword->clear();
    } catch (const db::SqlError&) {
        // A failure to store is not reported: the refreshed list shows what the database holds.
    }
    llenarUsuarios();
    LstModulos->clear();
    LstAcciones->clear();
}

void TFrmUsuarios::btncancelarClick() {
    ui::protegido(
        [&] {
            if (agregando_) {
                agregando_ = false;
                usuario_ = 0;
            }
            cargarCampos();
        },
        this);
    habilitarCampos(false);
}

void TFrmUsuarios::btnborrarClick() {
    if (usuario_ == 0 || agregando_) return;
    if (usuario_ == 1) {
        ui::mensaje("No puedes borrar el usuario admin, gracias", this);
        return;
    }
    if (!ui::pregunta("¿Borrar el usuario permanentemente?", this)) return;
    ui::protegido(
        [&] {
            db::ejecutar("delete from tblcat_usuarios where id = :id", {{"id", usuario_}});
            usuario_ = 0;
            txtnombre->clear();
            txtusuario->clear();
            txtpassword->clear();
            habilitarCampos(false);
            llenarUsuarios();
            LstModulos->clear();
            LstAcciones->clear();
        },
        this);
}
