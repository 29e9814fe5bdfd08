#include <QAbstractItemModel>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <functional>

#include "TestSupport.h"
#include "common/Dialogos.h"
#include "db/Clock.h"
#include "pos/Anulaciones.h"
#include "pos/Devoluciones.h"
#include "pos/NotaDeCredito2.h"
#include "printing/Report.h"
#include "test_cancelaciones_ventas.h"

namespace {
const QDateTime kSemanaPasada(QDate(2026, 1, 3), QTime(11, 20, 0));

}  // namespace

class TestDevoluciones : public QObject {
    Q_OBJECT
  private slots:
    void listaLasVentasDeOtrosDias();
    void devuelveUnaVentaDeContado();
    void devuelveUnaVentaACreditoSinPagos();
    void rechazaCreditoConPagos();
    void respuestaNoNoCambiaNada();
    void unFalloDejaTodoComoEstaba();
    void notasDeCreditoListanCadaDevolucion();
};

void TestDevoluciones::listaLasVentasDeOtrosDias() {
    TiendaDePrueba t(true);
    const int p = t.producto("Balata", 100);
    const int antigua = ventaGuardada(QDateTime(QDate(2025, 12, 1), QTime(10, 0)), {{p, 1, 100}});
    const int ayer = ventaGuardada(QDateTime(QDate(2026, 1, 9), QTime(23, 59, 59)), {{p, 2, 100}});
    ventaGuardada(QDateTime(QDate(2026, 1, 10), QTime(0, 0, 0)), {{p, 1, 100}});
    ventaGuardada(QDateTime(QDate(2026, 1, 10), QTime(23, 59, 59)), {{p, 1, 100}});

    enPantalla(t, dialogos().Devoluciones, [&](TFrmDevoluciones* d) {
        auto* g = control<QTableView>(d, "DBGrid1");
        QCOMPARE(columna(g, 0), (QStringList{QString::number(ayer), QString::number(antigua)}));
        QCOMPARE(columna(g, 3)[0], QString("$200.00"));
        elegir(g, antigua);
        auto* lineas = control<QTableView>(d, "DBGrid2");
        QCOMPARE(columna(lineas, 0), QStringList{QString::number(p)});
        QCOMPARE(columna(lineas, 2), QStringList{"Balata"});
    });
}

void TestDevoluciones::devuelveUnaVentaDeContado() {
    TiendaDePrueba t(true);
    const int f = t.familia("Frenos");
    const int a = t.producto("Balata", 120, 70, 5, 0, 0, f);
    const int b = t.producto("Disco", 80, 45.5, 3, 0, 0, f);
    const int venta = ventaGuardada(kSemanaPasada, {{a, 2, 110.5, 70}, {b, 1, 80, 45.5}});
    const int fotos = fotografiasInventario();

    t.guion.respuestas = {true};
    const int r = enPantalla(t, dialogos().Devoluciones, [&](TFrmDevoluciones* d) {
        elegir(control<QTableView>(d, "DBGrid1"), venta);
        control<QPushButton>(d, "BitBtn1")->click();
    });

    QCOMPARE(r, int(QDialog::Accepted));
    QCOMPARE(t.guion.preguntas, QStringList{"Devolver los productos???"});
    QCOMPARE(t.existencia(a), 7.0);
    QCOMPARE(t.existencia(b), 4.0);
    QCOMPARE(rastro(venta), (RastroVenta{0, 0, 0}));
    QCOMPARE(fotografiasInventario(), fotos + 1);

    db::Consulta q(
        "select Producto, Cantidad, Precio, Costo, Fecha, Documento from tblctrl_kardexdevoluciones order by "
        "Id");
    q.abrir();
    QStringList filas;
    if (!q.vacia()) do
            filas << QString("%1 %2 %3 %4 %5 %6")
                         .arg(q.entero("Producto"))
                         .arg(q.entero("Cantidad"))
                         .arg(q.dinero("Precio").toSql(), q.dinero("Costo").toSql(), q.texto("Fecha"))
                         .arg(q.entero("Documento"));
        while (q.siguiente());
    const QString d = QString::number(venta);
    QCOMPARE(filas, (QStringList{QString("%1 2 110.5 70 2026-01-10 17:05:00 %2").arg(a).arg(d),
                                 QString("%1 1 80 45.5 2026-01-10 17:05:00 %2").arg(b).arg(d)}));

    const QList<rpt::Documento> impresos = rpt::prueba::impresos();
    QCOMPARE(impresos.size(), 1);
    QCOMPARE(impresos[0].copias, 2);
    const QString texto = impresos[0].texto();
    for (const QString& s : {"No. " + d, QString("Balata"), QString("Disco"), QString("$221.00"),
                             QString("$301.00"), QString("Devolución")})
        QVERIFY2(texto.contains(s), qPrintable(s + " missing in:\n" + texto));
    QVERIFY(!texto.contains("Cancelado"));
}

void TestDevoluciones::devuelveUnaVentaACreditoSinPagos() {
    TiendaDePrueba t(true);
    const int a = t.producto("Balata", 120, 70, 5);
    const int cliente = t.cliente("Taller Ruiz");
    const int venta = ventaGuardada(kSemanaPasada, {{a, 2, 120, 70}}, cliente);
    const int otra = ventaGuardada(kSemanaPasada.addSecs(60), {{a, 1, 120, 70}}, cliente);
    t.guion.respuestas = {true};
    enPantalla(t, dialogos().Devoluciones, [&](TFrmDevoluciones* d) {
        elegir(control<QTableView>(d, "DBGrid1"), venta);
        d->BitBtn1Click();
    });
    QCOMPARE(rastro(venta), (RastroVenta{0, 0, 0}));
    QCOMPARE(rastro(otra), (RastroVenta{1, 1, 1}));  // the customer's other debt stays
    QCOMPARE(t.existencia(a), 7.0);
}

void TestDevoluciones::rechazaCreditoConPagos() {
    TiendaDePrueba t(true);
    const int a = t.producto("Balata", 120, 70, 5);
    const int venta = ventaGuardada(kSemanaPasada, {{a, 2, 120, 70}}, t.cliente("Taller Ruiz"));
    pagoAplicado(venta, 50);
    t.guion.respuestas = {true};
    const int r = enPantalla(t, dialogos().Devoluciones, [&](TFrmDevoluciones* d) { d->BitBtn1Click(); });
    QCOMPARE(t.guion.mostrados,
             QStringList{"No se puede cancelar una nota de crédito con pagos realizados, gracias"});
    QCOMPARE(r, int(QDialog::Rejected));  // the screen stays open
    QCOMPARE(rastro(venta), (RastroVenta{1, 1, 1}));
    QCOMPARE(t.existencia(a), 5.0);
    QCOMPARE(contar("select count(*) from tblctrl_kardexdevoluciones"), 0);
}

void TestDevoluciones::respuestaNoNoCambiaNada() {
    TiendaDePrueba t(true);
    const int a = t.producto("Balata", 120, 70, 5);
    const int venta = ventaGuardada(kSemanaPasada, {{a, 2, 120, 70}});
    t.guion.respuestas = {false};
    const int r = enPantalla(t, dialogos().Devoluciones, [&](TFrmDevoluciones* d) { d->BitBtn1Click(); });
    QCOMPARE(r, int(QDialog::Accepted));
    QCOMPARE(rastro(venta), (RastroVenta{1, 1, 0}));
    QCOMPARE(t.existencia(a), 5.0);
    QCOMPARE(contar("select count(*) from tblctrl_kardexdevoluciones"), 0);
    QVERIFY(rpt::prueba::impresos().isEmpty());
}

void TestDevoluciones::unFalloDejaTodoComoEstaba() {
    TiendaDePrueba t(true);
    const int a = t.producto("Balata", 120, 70, 5);
    const int b = t.producto("Disco", 80, 45, 3);
    const int venta =
        ventaGuardada(kSemanaPasada, {{a, 2, 120, 70}, {b, 1, 80, 45}}, t.cliente("Taller Ruiz"));
    db::ejecutar(
        "create trigger impide before delete on tblctrl_credito begin select raise(abort, 'operación "
        "impedida'); "
        "end");
    t.guion.respuestas = {true};
    enPantalla(t, dialogos().Devoluciones, [&](TFrmDevoluciones* d) { d->BitBtn1Click(); });
    QCOMPARE(t.guion.errores, QStringList{"operación impedida"});
    QCOMPARE(rastro(venta), (RastroVenta{1, 2, 1}));
    QCOMPARE(t.existencia(a), 5.0);
    QCOMPARE(t.existencia(b), 3.0);
    QCOMPARE(contar("select count(*) from tblctrl_kardexdevoluciones"), 0);
    QVERIFY(rpt::prueba::impresos().isEmpty());
}

void TestDevoluciones::notasDeCreditoListanCadaDevolucion() {
    TiendaDePrueba t(true);
    const int a = t.producto("Balata", 120, 70, 50);
    const int v1 = ventaGuardada(kSemanaPasada, {{a, 2, 120}, {a, 1, 120}});
    const int v2 = ventaGuardada(kSemanaPasada, {{a, 1, 120}});
    reloj::fijar(QDateTime(QDate(2026, 1, 9), QTime(10, 30, 0)));
    QCOMPARE(pos::anularVenta(v1, pos::Anulacion::Devolucion), QString());
    reloj::fijar(kHoy);
    QCOMPARE(pos::anularVenta(v2, pos::Anulacion::Devolucion), QString());

    QStringList vistos;
    t.guion.dialogo = [&](QDialog* d) {
        auto* l = control<QListWidget>(d, "chkdevoluciones");
        for (int i = 0; i < l->count(); ++i) vistos << l->item(i)->text();
        // Its buttons issue nothing.
        for (const char* b : {"BitBtn1", "BitBtn3", "BitBtn4"}) control<QPushButton>(d, b)->click();
        return d->result();
    };
    dialogos().NotaDeCredito2->mostrar();
    QCOMPARE(vistos, (QStringList{QString("Nota : %1 - 09/01/2026 10:30:00").arg(v1),
                                  QString("Nota : %1 - 10/01/2026 17:05:00").arg(v2)}));
    QVERIFY(t.guion.mostrados.isEmpty());
    QVERIFY(rpt::prueba::impresos().isEmpty());
}

QTEST_MAIN(TestDevoluciones)
#include "test_devoluciones.moc"
