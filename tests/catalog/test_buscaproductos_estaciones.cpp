#include <QLineEdit>
#include <QSqlDatabase>

#include "TestSupport.h"
#include "catalog/BuscaProductos.h"
#include "db/Sql.h"

// A counter leaves the product search with a long list on screen; another counter then
// writes; this counter must still be able to write.
class TestBuscaProductosEstaciones : public QObject {
    Q_OBJECT
  private slots:
    void listaLargaNoBloqueaEscrituras();
};

void TestBuscaProductosEstaciones::listaLargaNoBloqueaEscrituras() {
    TiendaDePrueba t;
    {
        db::Transaccion tr;
        for (int i = 0; i < 1200; ++i) t.producto(QString("BALATA %1").arg(i, 4, 10, QChar('0')), 100);
        tr.confirmar();
    }
    TFrmBuscaProductos busca;
    int elegido = 0;
    busca.setProposito(2, nullptr, [&](int id) {
        elegido = id;
        // The caller writes right after the choice.
        db::ejecutar("update tblcat_productos set existencia = existencia - 1 where id = :id", {{"id", id}});
    });
    t.guion.dialogo = [&](QDialog* d) {
        QTest::keyClicks(control<QLineEdit>(d, "txtparte"), "BALATA");
        // Another station writes while the list is on screen.
        {
            QSqlDatabase otra = db::abrirConexionAdicional(t.archivo(), "otra");
            db::ejecutar(otra, "update tblcat_productos set existencia = existencia + 5 where id = 1");
            otra.close();
        }
        QSqlDatabase::removeDatabase("otra");
        busca.SeleccionarProducto();
        return d->result();
    };
    busca.mostrar();
    QVERIFY(t.guion.errores.isEmpty());
    QVERIFY(elegido > 0);
    QCOMPARE(t.existencia(elegido), elegido == 1 ? 14.0 : 9.0);
    t.marca("ESCRITURA POSTERIOR");  // and the station goes on writing
    QCOMPARE(db::valorUnico("select count(*) from tblcat_marcas").toInt(), 1);
}

QTEST_MAIN(TestBuscaProductosEstaciones)
#include "test_buscaproductos_estaciones.moc"
