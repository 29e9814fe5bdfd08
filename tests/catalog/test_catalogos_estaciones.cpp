// Every catalogue screen left open with a long list: another station writes, and this
// station must still be able to write (a list read only in part would hold this
// connection's old snapshot and refuse its writes).
#include <QSqlDatabase>
#include <QtTest>
#include <memory>

#include "TestSupport.h"
#include "catalog/BuscaCliente.h"
#include "catalog/Clientes.h"
#include "catalog/Familias.h"
#include "catalog/Marcas.h"
#include "catalog/Productos.h"
#include "catalog/Proveedores.h"
#include "db/Sql.h"

class TestCatalogosEstaciones : public QObject {
    Q_OBJECT
  private slots:
    void pantallaAbiertaNoBloqueaEscrituras_data();
    void pantallaAbiertaNoBloqueaEscrituras();
};

void TestCatalogosEstaciones::pantallaAbiertaNoBloqueaEscrituras_data() {
    QTest::addColumn<QString>("pantalla");
    for (const char* p : {"Marcas", "Familias", "Productos", "Clientes", "Proveedores", "BuscaCliente"})
        QTest::newRow(p) << QString(p);
}

void TestCatalogosEstaciones::pantallaAbiertaNoBloqueaEscrituras() {
    QFETCH(QString, pantalla);
    TiendaDePrueba t;
    {
        db::Transaccion tr;
        const int marca = t.marca("Ford");
        const int modelo = t.modelo(marca, "Focus");
        const int familia = t.familia("Frenos");
        for (int i = 0; i < 1200; ++i) {
            const QString n = QString("%1").arg(i, 4, 10, QChar('0'));
            t.marca("MARCA " + n);
            t.modelo(marca, "MODELO " + n);
            t.familia("FAMILIA " + n);
            t.producto("BALATA " + n, 100, 50, 10, marca, modelo, familia);
            t.cliente("CLIENTE " + n);
            db::ejecutar("insert into tblcat_proveedores (Nombre) values (:n)", {{"n", "PROVEEDOR " + n}});
        }
        tr.confirmar();
    }
    auto otraEstacionEscribe = [&] {
        {
            QSqlDatabase otra = db::abrirConexionAdicional(t.archivo(), "otra");
            db::ejecutar(otra, "update tblcat_productos set Existencia = Existencia + 1 where Id = 1");
            otra.close();
        }
        QSqlDatabase::removeDatabase("otra");
    };
    bool escribio = false;
    auto estaEstacionEscribe = [&] {
        escribio =
            db::ejecutarSilencioso("update tblcat_productos set Existencia = Existencia - 3 where Id = 1");
    };

    std::unique_ptr<QWidget> w;
    if (pantalla == "BuscaCliente") {
        TFrmBuscaCliente busca;
        t.guion.dialogo = [&](QDialog*) {
            otraEstacionEscribe();
            estaEstacionEscribe();
            return int(QDialog::Rejected);
        };
        busca.mostrar();
    } else {
        if (pantalla == "Marcas") w.reset(new TFrmMarcas);
        if (pantalla == "Familias") w.reset(new TFrmFamilias);
        if (pantalla == "Productos") w.reset(new TFrmProductos);
        if (pantalla == "Clientes") w.reset(new TFrmClientes);
        if (pantalla == "Proveedores") w.reset(new TFrmProveedores);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        otraEstacionEscribe();
        estaEstacionEscribe();
    }
    QVERIFY(t.guion.errores.isEmpty());
    QVERIFY(escribio);
    QCOMPARE(t.existencia(1), 8.0);
}

QTEST_MAIN(TestCatalogosEstaciones)
#include "test_catalogos_estaciones.moc"
