#include <QAbstractItemModel>
#include <QPushButton>
#include <QTableView>
#include <functional>

#include "TestSupport.h"
#include "common/Dialogos.h"
#include "db/Clock.h"
#include "pos/Anulaciones.h"
#include "pos/CancelacionesVentas.h"
#include "printing/Report.h"
#include "test_cancelaciones_ventas.h"

namespace {
// The line of the sale with this product, by its row in the lines grid.
void elegirLinea(TFrmCancelacionesVentas* p, int producto) {
    elegir(control<QTableView>(p, "DBGrid2"), producto);
}
}  // namespace

class TestCancelaciones : public QObject {
    Q_OBJECT
  private slots:
    void listaSoloLasVentasDelDia();
    void cancelaLaVentaCompleta_data();
    void cancelaLaVentaCompleta();
    void respuestaNoNoCambiaNada();
    void rechazos_data();
    void rechazos();
    void cancelaUnSoloProducto();
    void elContadorNoRetrocede();
    void unFalloDejaTodoComoEstaba_data();
    void unFalloDejaTodoComoEstaba();
};

void TestCancelaciones::listaSoloLasVentasDelDia() {
    TiendaDePrueba t(true);
    const int p = t.producto("Balata", 100);
    const int ayer = ventaGuardada(QDateTime(QDate(2026, 1, 9), QTime(23, 59, 59)), {{p, 1, 100}});
    const int primera = ventaGuardada(QDateTime(QDate(2026, 1, 10), QTime(0, 0, 0)), {{p, 1, 100}});
    const int tarde = ventaGuardada(QDateTime(QDate(2026, 1, 10), QTime(16, 0, 0)), {{p, 2, 100}});
    const int ultima = ventaGuardada(QDateTime(QDate(2026, 1, 10), QTime(23, 59, 59)), {{p, 1, 100}});
    const int manana = ventaGuardada(QDateTime(QDate(2026, 1, 11), QTime(0, 0, 0)), {{p, 1, 100}});

    enPantalla(t, dialogos().CancelacionesVentas, [&](TFrmCancelacionesVentas* d) {
        auto* g = control<QTableView>(d, "DBGrid1");
        QCOMPARE(columna(g, 0),
                 (QStringList{QString::number(ultima), QString::number(tarde), QString::number(primera)}));
        QCOMPARE(columna(g, 1)[1], QString("$200.00"));
        // Moving to another sale shows its lines.
        elegir(g, tarde);
        auto* lineas = control<QTableView>(d, "DBGrid2");
        QCOMPARE(lineas->model()->rowCount(), 1);
        QCOMPARE(columna(lineas, 1), QStringList{"Balata"});
    });

    // Another day, another list: only what was sold on that day.
    reloj::fijar(QDateTime(QDate(2026, 1, 9), QTime(9, 0)));
    enPantalla(t, dialogos().CancelacionesVentas, [&](TFrmCancelacionesVentas* d) {
        QCOMPARE(columna(control<QTableView>(d, "DBGrid1"), 0), QStringList{QString::number(ayer)});
    });
    reloj::fijar(QDateTime(QDate(2026, 1, 11), QTime(9, 0)));
    enPantalla(t, dialogos().CancelacionesVentas, [&](TFrmCancelacionesVentas* d) {
        QCOMPARE(columna(control<QTableView>(d, "DBGrid1"), 0), QStringList{QString::number(manana)});
    });
}

void TestCancelaciones::cancelaLaVentaCompleta_data() {
    QTest::addColumn<bool>("credito");
    QTest::newRow("contado") << false;
    QTest::newRow("crédito sin pagos") << true;
}

void TestCancelaciones::cancelaLaVentaCompleta() {
    QFETCH(bool, credito);
    TiendaDePrueba t(true);
    const int f = t.familia("Frenos");
    const int a = t.producto("Balata", 100, 60, 7, 0, 0, f);
    const int b = t.producto("Disco", 50, 30, 4, 0, 0, f);
    const int cliente = credito ? t.cliente("Taller Ruiz") : 0;
    const int otra = ventaGuardada(kHoy.addSecs(-60), {{a, 1, 100}});
    const int venta = ventaGuardada(kHoy.addSecs(-30), {{a, 3, 100, 60}, {b, 1, 50, 30}}, cliente);
    const int fotos = fotografiasInventario();

    t.guion.respuestas = {true};
    const int r = enPantalla(t, dialogos().CancelacionesVentas, [&](TFrmCancelacionesVentas* d) {
        elegir(control<QTableView>(d, "DBGrid1"), venta);
        control<QPushButton>(d, "BitBtn1")->click();
    });

    QCOMPARE(r, int(QDialog::Accepted));
    QCOMPARE(t.guion.preguntas, QStringList{"Cancelar toda la compra???"});
    QCOMPARE(t.existencia(a), 10.0);
    QCOMPARE(t.existencia(b), 5.0);
    QCOMPARE(rastro(venta), (RastroVenta{0, 0, 0}));
    QCOMPARE(rastro(otra), (RastroVenta{1, 1, 0}));
    QCOMPARE(fotografiasInventario(), fotos + 1);

    // The receipt: two copies, the sale's number, lines and total, "Cancelado".
    const QList<rpt::Documento> impresos = rpt::prueba::impresos();
    QCOMPARE(impresos.size(), 1);
    QCOMPARE(impresos[0].layout, QString("RvTicket"));
    QCOMPARE(impresos[0].copias, 2);
    const QString texto = impresos[0].texto();
    for (const QString& s :
         {QString("Nota de Venta"), "No. " + QString::number(venta), QString("Cod."), QString("P. Unitario"),
          QString("Balata"), QString("$300.00"), QString("$350.00"), QString("Cancelado")})
        QVERIFY2(texto.contains(s), qPrintable(s + " missing in:\n" + texto));
}

void TestCancelaciones::respuestaNoNoCambiaNada() {
    TiendaDePrueba t(true);
    const int a = t.producto("Balata", 100, 60, 7);
    const int venta = ventaGuardada(kHoy, {{a, 3, 100}});
    t.guion.respuestas = {false};
    const int r =
        enPantalla(t, dialogos().CancelacionesVentas, [&](TFrmCancelacionesVentas* d) { d->BitBtn1Click(); });
    QCOMPARE(r, int(QDialog::Accepted));  // the screen closes after No as well
    QCOMPARE(t.existencia(a), 7.0);
    QCOMPARE(rastro(venta), (RastroVenta{1, 1, 0}));
    QVERIFY(rpt::prueba::impresos().isEmpty());
}

void TestCancelaciones::rechazos_data() {
    QTest::addColumn<bool>("credito");
    QTest::addColumn<bool>("conPago");
    QTest::addColumn<int>("lineas");
    QTest::addColumn<QString>("boton");
    QTest::addColumn<QString>("mensaje");
    QTest::addColumn<bool>("cierra");
    const QString conPagos = "No se puede cancelar una nota de crédito con pagos realizados, gracias";
    const QString parcial =
        "Cuando es una venta a crédito, la venta no se puede cancelar parcialmente, gracias";
    const QString uno = "Si sólo es un producto en la venta, tienes que cancelar la nota completa, gracias";
    QTest::newRow("crédito con pago, toda") << true << true << 2 << "BitBtn1" << conPagos << false;
    QTest::newRow("crédito con pago, un producto") << true << true << 2 << "BitBtn2" << parcial << true;
    QTest::newRow("crédito sin pago, un producto") << true << false << 2 << "BitBtn2" << parcial << true;
    QTest::newRow("contado de una línea") << false << false << 1 << "BitBtn2" << uno << true;
}

void TestCancelaciones::rechazos() {
    QFETCH(bool, credito);
    QFETCH(bool, conPago);
    QFETCH(int, lineas);
    QFETCH(QString, boton);
    QFETCH(QString, mensaje);
    QFETCH(bool, cierra);
    TiendaDePrueba t(true);
    const int a = t.producto("Balata", 100, 60, 7);
    const int b = t.producto("Disco", 50, 30, 4);
    QList<LineaDePrueba> ls{{a, 3, 100}};
    if (lineas == 2) ls << LineaDePrueba{b, 1, 50};
    const int venta = ventaGuardada(kHoy, ls, credito ? t.cliente("Taller Ruiz") : 0);
    if (conPago) pagoAplicado(venta, 10);
    const RastroVenta antes = rastro(venta);
    const int fotos = fotografiasInventario();
    const double total =
        db::valorUnico("select Total from tblctrl_saldosventas where Id = :v", {{"v", venta}}).toDouble();

    t.guion.respuestas = {true, true};
    const int r = enPantalla(t, dialogos().CancelacionesVentas,
                             [&](TFrmCancelacionesVentas* d) { control<QPushButton>(d, boton)->click(); });

    QCOMPARE(t.guion.mostrados, QStringList{mensaje});  // no question asked
    QCOMPARE(r, int(cierra ? QDialog::Accepted : QDialog::Rejected));
    QCOMPARE(rastro(venta), antes);
    QCOMPARE(t.existencia(a), 7.0);
    QCOMPARE(t.existencia(b), 4.0);
    QCOMPARE(
        db::valorUnico("select Total from tblctrl_saldosventas where Id = :v", {{"v", venta}}).toDouble(),
        total);
    QCOMPARE(fotografiasInventario(), fotos);
    QVERIFY(rpt::prueba::impresos().isEmpty());
}

void TestCancelaciones::cancelaUnSoloProducto() {
    TiendaDePrueba t(true);
    const int f = t.familia("Frenos");
    const int a = t.producto("Balata", 100, 60, 7, 0, 0, f);
    const int b = t.producto("Disco", 50, 30, 4, 0, 0, f);
    const int venta = ventaGuardada(kHoy, {{a, 3, 100, 60}, {b, 1, 50, 30}});
    const int fotos = fotografiasInventario();

    t.guion.respuestas = {true};
    const int r = enPantalla(t, dialogos().CancelacionesVentas, [&](TFrmCancelacionesVentas* d) {
        elegir(control<QTableView>(d, "DBGrid1"), venta);
        elegirLinea(d, a);
        d->BitBtn2Click();
    });

    QCOMPARE(r, int(QDialog::Accepted));
    QCOMPARE(t.guion.preguntas, QStringList{"Cancelar el producto???"});
    QCOMPARE(t.existencia(a), 10.0);
    QCOMPARE(t.existencia(b), 4.0);
    QCOMPARE(Money::fromVariant(
                 db::valorUnico("select Total from tblctrl_saldosventas where Id = :v", {{"v", venta}})),
             Money::fromDouble(50));
    QCOMPARE(rastro(venta), (RastroVenta{1, 1, 0}));
    QCOMPARE(
        db::valorUnico("select Producto from tblctrl_kardexventas where Saldo = :v", {{"v", venta}}).toInt(),
        b);
    QCOMPARE(fotografiasInventario(), fotos + 1);
    QVERIFY(rpt::prueba::impresos().isEmpty());  // no receipt for one line
}

void TestCancelaciones::elContadorNoRetrocede() {
    TiendaDePrueba t(true);
    const int a = t.producto("Balata", 100);
    ventaGuardada(kHoy, {{a, 1, 100}});
    const int venta = ventaGuardada(kHoy, {{a, 1, 100}});
    QCOMPARE(pos::anularVenta(venta, pos::Anulacion::Cancelacion), QString());
    QCOMPARE(db::valorUnico("select IdNotaVenta from tblctrl_consecutivos").toInt(), venta);
    QCOMPARE(db::siguienteConsecutivo("IdNotaVenta"), venta + 1);
    // Undoing it again (another counter still showing it) gives nothing back twice.
    QCOMPARE(pos::anularVenta(venta, pos::Anulacion::Cancelacion), QString("La venta ya no existe, gracias"));
    QCOMPARE(t.existencia(a), 11.0);
}

void TestCancelaciones::unFalloDejaTodoComoEstaba_data() {
    QTest::addColumn<QString>("boton");
    QTest::addColumn<QString>("disparador");
    QTest::newRow("toda la venta, al borrar la cabecera") << "BitBtn1"
                                                          << "before delete on tblctrl_saldosventas";
    QTest::newRow("toda la venta, al borrar el crédito") << "BitBtn1"
                                                         << "before delete on tblctrl_credito";
    QTest::newRow("un producto, al borrar la línea") << "BitBtn2"
                                                     << "before delete on tblctrl_kardexventas";
    QTest::newRow("al registrar el valor del inventario") << "BitBtn1"
                                                          << "before insert on tbl_hist_mercancias";
}

void TestCancelaciones::unFalloDejaTodoComoEstaba() {
    QFETCH(QString, boton);
    QFETCH(QString, disparador);
    TiendaDePrueba t(true);
    const int f = t.familia("Frenos");
    const int a = t.producto("Balata", 100, 60, 7, 0, 0, f);
    const int b = t.producto("Disco", 50, 30, 4, 0, 0, f);
    // A cash sale for the line, a credit one without payments for the whole sale.
    const int cliente = boton == "BitBtn1" ? t.cliente("Taller Ruiz") : 0;
    const int venta = ventaGuardada(kHoy, {{a, 3, 100}, {b, 1, 50}}, cliente);
    const RastroVenta antes = rastro(venta);
    const int fotos = fotografiasInventario();
    db::ejecutar("create trigger impide " + disparador +
                 " begin select raise(abort, 'operación impedida'); end");

    t.guion.respuestas = {true};
    enPantalla(t, dialogos().CancelacionesVentas, [&](TFrmCancelacionesVentas* d) {
        elegirLinea(d, a);
        control<QPushButton>(d, boton)->click();
    });

    QCOMPARE(t.guion.errores, QStringList{"operación impedida"});
    QCOMPARE(rastro(venta), antes);
    QCOMPARE(t.existencia(a), 7.0);
    QCOMPARE(t.existencia(b), 4.0);
    QCOMPARE(Money::fromVariant(
                 db::valorUnico("select Total from tblctrl_saldosventas where Id = :v", {{"v", venta}})),
             Money::fromDouble(350));
    QCOMPARE(fotografiasInventario(), fotos);
    QVERIFY(rpt::prueba::impresos().isEmpty());  // nothing printed for what did not happen
    // The connection is usable afterwards: the same cancellation goes through.
    db::ejecutar("drop trigger impide");
    QCOMPARE(pos::anularVenta(venta, pos::Anulacion::Cancelacion), QString());
    QCOMPARE(t.existencia(a), 10.0);
}

QTEST_MAIN(TestCancelaciones)
#include "test_cancelaciones.moc"
