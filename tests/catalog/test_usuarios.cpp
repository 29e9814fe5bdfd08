#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "TestSupport.h"
#include "catalog/Usuarios.h"
#include "common/Sesion.h"
#include "db/Password.h"
#include "db/Sql.h"

namespace {
int agregarUsuario(const QString& nombre, const QString& login, const QList<int>& modulos = {}) {
    auto e = db::Edicion::nueva("tblcat_usuarios");
    e.set("Nombre", nombre);
    e.set("Usuario", login);
    e.set("Password", contrasena::cifrar("clave"));
    int id = int(e.post());
    for (int m : modulos)
        db::ejecutar("insert into tblrel_permisos (usuario, modulo) values (:u, :m)", {{"u", id}, {"m", m}});
    return id;
}
void seleccionar(QListWidget* l, const QString& texto) {
    auto items = l->findItems(texto, Qt::MatchExactly);
    QVERIFY2(!items.isEmpty(), qPrintable(texto));
    l->setCurrentItem(items.first());
}
bool tiene(int u, int m) {
    return sesion::TienePermiso(u, m);
}
}  // namespace

class TestUsuarios : public QObject {
    Q_OBJECT
  private slots:
    void botonesSegunPermisos();
    void listaYTicksDePermisos();
    void sinPermiso43NoSeEdita();
    void agregarUsuarioNuevo();
    void faltanDatos_data();
    void faltanDatos();
    void passwordVacioConservaElGuardado();
    void borrarUsuario();
};

void TestUsuarios::botonesSegunPermisos() {
    TiendaDePrueba t;
    sesion::setIdUsuario(agregarUsuario("Sin borrar", "sb", {40, 42}));
    TFrmUsuarios u;
    QVERIFY(!control<QPushButton>(&u, "btnborrar")->isVisibleTo(&u));
    QVERIFY(control<QPushButton>(&u, "btnagregar")->isVisibleTo(&u));
    QVERIFY(!control<QLineEdit>(&u, "txtnombre")->isEnabled());
    QVERIFY(!control<QPushButton>(&u, "btnaceptar")->isEnabled());
}

void TestUsuarios::listaYTicksDePermisos() {
    TiendaDePrueba t;
    int ana = agregarUsuario("Ana", "ana", {2, 5});
    TFrmUsuarios u;
    auto* lista = control<QListWidget>(&u, "LstUsuarios");
    QCOMPARE(lista->count(), 2);
    QCOMPARE(lista->item(0)->text(), QString("Administrador"));  // ordered by name
    QCOMPARE(lista->item(1)->text(), QString("Ana"));
    seleccionar(lista, "Ana");
    QVERIFY(control<QLineEdit>(&u, "txtnombre")->isEnabled());
    QCOMPARE(control<QLineEdit>(&u, "txtusuario")->text(), QString("ana"));
    QCOMPARE(control<QLineEdit>(&u, "txtpassword")->text(), QString());
    auto* modulos = control<QListWidget>(&u, "LstModulos");
    auto* acciones = control<QListWidget>(&u, "LstAcciones");
    QVERIFY(acciones->count() == 0);
    QListWidgetItem* ventas = modulos->findItems("Ventas", Qt::MatchExactly).first();
    QCOMPARE(ventas->checkState(), Qt::Checked);
    QListWidgetItem* clientes = modulos->findItems("Clientes", Qt::MatchExactly).first();
    QCOMPARE(clientes->checkState(), Qt::Unchecked);
    // Ticking stores at once; clearing a screen leaves its actions' rows.
    clientes->setCheckState(Qt::Checked);
    QVERIFY(tiene(ana, 32));
    modulos->setCurrentItem(ventas);
    QVERIFY(acciones->count() > 5);
    QListWidgetItem* descuento = nullptr;
    for (int i = 0; i < acciones->count(); ++i)
        if (acciones->item(i)->data(Qt::UserRole).toInt() == 5) descuento = acciones->item(i);
    QVERIFY(descuento);
    QCOMPARE(descuento->checkState(), Qt::Checked);
    ventas->setCheckState(Qt::Unchecked);
    QVERIFY(!tiene(ana, 2));
    QVERIFY(tiene(ana, 5));
    descuento->setCheckState(Qt::Unchecked);
    QVERIFY(!tiene(ana, 5));
    QCOMPARE(db::valorUnico("select count(*) from tblrel_permisos where usuario = :u", {{"u", ana}}).toInt(),
             1);
}

void TestUsuarios::sinPermiso43NoSeEdita() {
    TiendaDePrueba t;
    sesion::setIdUsuario(agregarUsuario("Zoe", "zoe", {40}));
    TFrmUsuarios u;
    seleccionar(control<QListWidget>(&u, "LstUsuarios"), "Administrador");
    QCOMPARE(control<QLineEdit>(&u, "txtnombre")->text(), QString("Administrador"));
    QVERIFY(!control<QLineEdit>(&u, "txtnombre")->isEnabled());
    QVERIFY(!control<QPushButton>(&u, "btnaceptar")->isEnabled());
    QVERIFY(!control<QListWidget>(&u, "LstModulos")->isEnabled());
}

void TestUsuarios::agregarUsuarioNuevo() {
    TiendaDePrueba t;
    TFrmUsuarios u;
    control<QPushButton>(&u, "btnagregar")->click();
    QVERIFY(!control<QListWidget>(&u, "LstModulos")->isEnabled());
    control<QLineEdit>(&u, "txtnombre")->setText("Beto Cajero");
    control<QLineEdit>(&u, "txtusuario")->setText("beto");
    control<QLineEdit>(&u, "txtpassword")->setText("Beto'123");
    control<QPushButton>(&u, "btnaceptar")->click();
    QVERIFY(t.guion.mostrados.isEmpty());
    db::Consulta q("select * from tblcat_usuarios where usuario = 'beto'");
    q.abrir();
    QVERIFY(!q.vacia());
    QVERIFY(q.texto("Password") != "Beto'123");
    QVERIFY(contrasena::verificar("Beto'123", q.texto("Password")));
    QCOMPARE(control<QListWidget>(&u, "LstUsuarios")->count(), 2);
    // Permissions can be given once he is stored and selected.
    seleccionar(control<QListWidget>(&u, "LstUsuarios"), "Beto Cajero");
    auto* modulos = control<QListWidget>(&u, "LstModulos");
    QVERIFY(modulos->isEnabled());
    modulos->findItems("Ventas", Qt::MatchExactly).first()->setCheckState(Qt::Checked);
    QVERIFY(tiene(q.entero("Id"), 2));
}

void TestUsuarios::faltanDatos_data() {
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<QString>("usuario");
    QTest::addColumn<QString>("password");
    QTest::newRow("sin nombre") << ""
                                << "x"
                                << "y";
    QTest::newRow("sin usuario") << "X"
                                 << ""
                                 << "y";
    QTest::newRow("sin password") << "X"
                                  << "x"
                                  << "";
}

void TestUsuarios::faltanDatos() {
    QFETCH(QString, nombre);
    QFETCH(QString, usuario);
    QFETCH(QString, password);
    TiendaDePrueba t;
    TFrmUsuarios u;
    control<QPushButton>(&u, "btnagregar")->click();
    control<QLineEdit>(&u, "txtnombre")->setText(nombre);
    control<QLineEdit>(&u, "txtusuario")->setText(usuario);
    control<QLineEdit>(&u, "txtpassword")->setText(password);
    control<QPushButton>(&u, "btnaceptar")->click();
    QCOMPARE(t.guion.mostrados, QStringList{"Faltan datos, gracias"});
    QCOMPARE(db::valorUnico("select count(*) from tblcat_usuarios").toInt(), 1);
}

void TestUsuarios::passwordVacioConservaElGuardado() {
    TiendaDePrueba t;
    int ana = agregarUsuario("Ana", "ana");
    const QString antes =
        db::valorUnico("select Password from tblcat_usuarios where id = :u", {{"u", ana}}).toString();
    TFrmUsuarios u;
    seleccionar(control<QListWidget>(&u, "LstUsuarios"), "Ana");
    control<QLineEdit>(&u, "txtnombre")->setText("Ana María");
    control<QPushButton>(&u, "btnaceptar")->click();
    QVERIFY(t.guion.mostrados.isEmpty());
    db::Consulta q("select * from tblcat_usuarios where id = :u");
    q.bind("u", ana);
    q.abrir();
    QCOMPARE(q.texto("Nombre"), QString("Ana María"));
    QCOMPARE(q.texto("Password"), antes);
    // A typed password replaces it.
    seleccionar(control<QListWidget>(&u, "LstUsuarios"), "Ana María");
    control<QLineEdit>(&u, "txtpassword")->setText("Nueva");
    control<QPushButton>(&u, "btnaceptar")->click();
    q.abrir();
    QVERIFY(contrasena::verificar("Nueva", q.texto("Password")));
}

void TestUsuarios::borrarUsuario() {
    TiendaDePrueba t;
    int ana = agregarUsuario("Ana", "ana", {2});
    TFrmUsuarios u;
    auto* lista = control<QListWidget>(&u, "LstUsuarios");
    seleccionar(lista, "Administrador");
    control<QPushButton>(&u, "btnborrar")->click();
    QCOMPARE(t.guion.mostrados, QStringList{"No puedes borrar el usuario admin, gracias"});
    t.guion.limpiar();
    seleccionar(lista, "Ana");
    t.guion.respuestas = {false};
    control<QPushButton>(&u, "btnborrar")->click();
    QCOMPARE(t.guion.preguntas, QStringList{"¿Borrar el usuario permanentemente?"});
    QCOMPARE(lista->count(), 2);
    t.guion.respuestas = {true};
    control<QPushButton>(&u, "btnborrar")->click();
    QCOMPARE(lista->count(), 1);
    QCOMPARE(db::valorUnico("select count(*) from tblcat_usuarios where id = :u", {{"u", ana}}).toInt(), 0);
    // His permission rows stay, without effect.
    QCOMPARE(db::valorUnico("select count(*) from tblrel_permisos where usuario = :u", {{"u", ana}}).toInt(),
             1);
}

QTEST_MAIN(TestUsuarios)
#include "test_usuarios.moc"
