// "Proveedores": adding, editing, navigation only while browsing, the deletion question.
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "TestSupport.h"
#include "catalog/Proveedores.h"
#include "db/Sql.h"

class TestProveedores : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void agregaConDatosBancarios();
    void navegacionSoloNavegando();
    void borrar_data();
    void borrar();
    void permisos();

  private:
    int proveedor(const QString& nombre) {
        auto e = db::Edicion::nueva("tblcat_proveedores");
        e.set("Nombre", nombre);
        return int(e.post());
    }
    TiendaDePrueba* t = nullptr;
};

void TestProveedores::init() {
    t = new TiendaDePrueba(false);
}
void TestProveedores::cleanup() {
    delete t;
}

void TestProveedores::agregaConDatosBancarios() {
    proveedor("Autopartes del Norte");
    TFrmProveedores p;
    QVERIFY(!control<QLineEdit>(&p, "txtnombre")->isEnabled());
    control<QPushButton>(&p, "BtnAdd")->click();
    QVERIFY(p.editando());
    const QList<QPair<QString, QString>> datos = {
        {"txtnombre", QString::fromUtf8("Refacciones Peña")},
        {"txtbanco", "Banco Uno"},
        {"txtcuenta", "0123456789"},
        {"txtclabe", "012345678901234567"},
        {"txtdiascred", "30"},
        {"txtdireccionfiscal", "Calle 5"},
        {"txtcorreo", "ventas@example.com"},
        {"txtnombrecontacto", "Luis"},
    };
    for (const auto& d : datos) control<QLineEdit>(&p, d.first)->setText(d.second);
    control<QPushButton>(&p, "BitBtn5")->click();
    QVERIFY(!p.editando());
    db::Consulta q("select * from tblcat_proveedores where Id = :id");
    q.bind("id", p.idActual()).abrir();
    QCOMPARE(q.texto("Nombre"), QString::fromUtf8("Refacciones Peña"));
    QCOMPARE(q.texto("Banco"), QString("Banco Uno"));
    QCOMPARE(q.texto("CLABE"), QString("012345678901234567"));
    QCOMPARE(q.entero("DiasCredito"), 30);
    QCOMPARE(q.texto("DireccionComercial"), QString("Calle 5"));
    QCOMPARE(q.texto("Email"), QString("ventas@example.com"));
    QCOMPARE(q.texto("Contacto_Nombre"), QString("Luis"));
    QCOMPARE(control<QLineEdit>(&p, "txtid")->text(), q.texto("Id"));

    // A supplier without a name is accepted.
    control<QPushButton>(&p, "BtnAdd")->click();
    control<QPushButton>(&p, "BitBtn5")->click();
    QCOMPARE(db::valorUnico("select count(*) from tblcat_proveedores").toInt(), 3);
}

void TestProveedores::navegacionSoloNavegando() {
    const int a = proveedor("A"), b = proveedor("B");
    TFrmProveedores p;
    QCOMPARE(p.idActual(), a);
    control<QPushButton>(&p, "BitBtn2")->click();
    control<QLineEdit>(&p, "txtnombre")->setText("A cambiado");
    control<QPushButton>(&p, "BitBtn6")->click();
    QCOMPARE(p.idActual(), a);
    control<QPushButton>(&p, "BitBtn4")->click();  // cancel: the stored name is back
    QCOMPARE(control<QLineEdit>(&p, "txtnombre")->text(), QString("A"));
    control<QPushButton>(&p, "BitBtn9")->click();
    QCOMPARE(p.idActual(), b);
    control<QPushButton>(&p, "BitBtn8")->click();
    QCOMPARE(p.idActual(), a);
}

void TestProveedores::borrar_data() {
    QTest::addColumn<QString>("nombre");
    QTest::newRow("con nombre") << "Autopartes del Norte";
    QTest::newRow("sin nombre") << "";
}

void TestProveedores::borrar() {
    QFETCH(QString, nombre);
    proveedor(nombre);
    TFrmProveedores p;
    t->guion.respuestas = {true};
    control<QPushButton>(&p, "BitBtn1")->click();
    QCOMPARE(t->guion.preguntas,
             QStringList{QString::fromUtf8("¿Estas seguro de querer borrar el proveedor: ") + nombre + "?"});
    QCOMPARE(db::valorUnico("select count(*) from tblcat_proveedores").toInt(), 0);
    QCOMPARE(p.idActual(), 0);
}

void TestProveedores::permisos() {
    db::ejecutar("delete from tblrel_permisos where Usuario = 1 and Modulo in (25, 27)");
    TFrmProveedores p;
    QVERIFY(control<QPushButton>(&p, "BtnAdd")->isHidden());
    QVERIFY(!control<QPushButton>(&p, "BitBtn1")->isHidden());
    QVERIFY(control<QPushButton>(&p, "BitBtn2")->isHidden());
}

QTEST_MAIN(TestProveedores)
#include "test_proveedores.moc"
