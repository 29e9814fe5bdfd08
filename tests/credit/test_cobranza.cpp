#include <QSqlQuery>
#include <QThread>
#include <QtConcurrent/QtConcurrent>

#include "CreditoFixture.h"
#include "TestSupport.h"
#include "credit/Cobranza.h"
#include "db/Clock.h"
#include "db/Sql.h"

using fixture::deuda;
using fixture::leer;
using fixture::m;

namespace {
const QDateTime kAhora(QDate(2026, 1, 10), QTime(17, 5, 0));
QDateTime dias(int n) {
    return kAhora.addDays(n);
}
}  // namespace

class TestCobranza : public QObject {
    Q_OBJECT
  private slots:
    void pagoAplicaPrimeroALaDeudaMasAntigua();
    void cancelarDevuelveCadaAplicacion();
    void montosDePago_data();
    void montosDePago();
    void pagarNotaIgnoraDeudasAnteriores();
    void pagarNotaYaPagadaNoEscribeNada();
    void abonoEnDosPartesCancelaSoloElSegundo();
    void cancelarPagoInexistente();
    void pagoFallidoNoDejaNada();
    void cancelacionFallidaNoDejaNada();
    void otraEstacionVeElPagoAnterior();
    void dosEstacionesPagandoALaVezNoGastanElMismoSaldo();
    void vencidoYAlCorrienteAlrededorDeAhora();
    void historialIncluyeElDiaCompleto();
    void reciboLlenaLaTablaTemporalConLasAplicaciones();
};

void TestCobranza::pagoAplicaPrimeroALaDeudaMasAntigua() {
    TiendaDePrueba t;
    const int c = t.cliente("JUAN PÉREZ");
    // Created newest first, so that the order comes from Fecha and not from Id.
    const qlonglong nueva = deuda(c, 8, 80, dias(-5), dias(25));
    const qlonglong vieja = deuda(c, 7, 50, dias(-10), dias(20));
    const cobranza::Pago p = cobranza::pagar(c, m(100));
    QVERIFY(p.aplicado());
    QVERIFY(p.numero > 0);
    QCOMPARE(p.aplicaciones.size(), 2);
    QCOMPARE(p.aplicaciones[0].credito, vieja);
    QCOMPARE(p.aplicaciones[0].cantidad, m(50));
    QCOMPARE(p.aplicaciones[0].status, QString("Nota Pagada"));
    QCOMPARE(p.aplicaciones[1].credito, nueva);
    QCOMPARE(p.aplicaciones[1].cantidad, m(50));
    QCOMPARE(p.aplicaciones[1].status, QString("Nota Parcialmente Pagada, Adeudo: $30.00"));

    const auto a = leer(vieja), b = leer(nueva);
    QCOMPARE(a.saldo, Money());
    QVERIFY(a.pagado);
    QCOMPARE(a.status, QString("Nota Pagada"));
    QCOMPARE(b.saldo, m(30));
    QVERIFY(!b.pagado);
    QCOMPARE(b.status, QString("Nota Parcialmente Pagada, Adeudo: $30.00"));

    db::Consulta k("select * from tblctrl_kardexcredito order by id");
    k.abrir();
    QCOMPARE(k.largo("Saldo"), p.numero);
    QCOMPARE(k.entero("Documento"), 7);
    QCOMPARE(k.entero("Cliente"), c);
    QCOMPARE(k.texto("Fecha"), QString("2026-01-10 17:05:00"));
    QVERIFY(k.siguiente());
    QCOMPARE(k.entero("Documento"), 8);
    QCOMPARE(k.texto("Status"), QString("Nota Parcialmente Pagada, Adeudo: $30.00"));
    db::Consulta s("select * from tblctrl_saldoscredito");
    s.abrir();
    QCOMPARE(s.dinero("Cantidad"), m(100));
    QCOMPARE(s.entero("Cliente"), c);
    QCOMPARE(cobranza::adeudo(c), m(30));
    VERIFICAR_LIBRO();
}

void TestCobranza::cancelarDevuelveCadaAplicacion() {
    TiendaDePrueba t;
    const int c = t.cliente("JUAN");
    const qlonglong vieja = deuda(c, 7, 50, dias(-10), dias(20));
    const qlonglong nueva = deuda(c, 8, 80, dias(-5), dias(25));
    const int otro = t.cliente("OTRO");
    deuda(otro, 9, 40, dias(-3), dias(27));
    const cobranza::Pago ajeno = cobranza::pagar(otro, m(15));
    const cobranza::Pago p = cobranza::pagar(c, m(100));

    QVERIFY(cobranza::cancelarPago(p.numero));
    const auto a = leer(vieja), b = leer(nueva);
    QCOMPARE(a.saldo, m(50));
    QCOMPARE(a.status, QString("Sin Pago"));
    QVERIFY(!a.pagado);
    QCOMPARE(b.saldo, m(80));
    // Its application was not its whole amount.
    QCOMPARE(b.status, QString("Nota Parcialmente Pagada, Adeudo: $80.00"));
    QVERIFY(!b.pagado);
    QCOMPARE(
        db::valorUnico("select count(*) from tblctrl_saldoscredito where id = :p", {{"p", p.numero}}).toInt(),
        0);
    QCOMPARE(db::valorUnico("select count(*) from tblctrl_kardexcredito where saldo = :p", {{"p", p.numero}})
                 .toInt(),
             0);
    // Another customer's payment is untouched.
    QCOMPARE(fixture::contar("tblctrl_saldoscredito"), 1);
    QCOMPARE(fixture::contar("tblctrl_kardexcredito"), 1);
    QCOMPARE(cobranza::adeudo(otro), m(25));
    Q_UNUSED(ajeno);
    VERIFICAR_LIBRO();
}

void TestCobranza::montosDePago_data() {
    QTest::addColumn<QList<double>>("deudas");  // oldest first
    QTest::addColumn<double>("pago");
    QTest::addColumn<bool>("aceptado");
    QTest::addColumn<QList<double>>("saldos");
    QTest::addColumn<QStringList>("status");
    QTest::addColumn<int>("aplicaciones");

    QTest::newRow("igual al adeudo paga todo")
        << QList<double>{50, 80} << 130.0 << true << QList<double>{0, 0}
        << QStringList{"Nota Pagada", "Nota Pagada"} << 2;
    QTest::newRow("cero registra un pago sin aplicaciones")
        << QList<double>{50, 80} << 0.0 << true << QList<double>{50, 80}
        << QStringList{"Sin Pago", "Sin Pago"} << 0;
    QTest::newRow("mayor al adeudo por una diezmilesima")
        << QList<double>{50, 80} << 130.0001 << false << QList<double>{50, 80}
        << QStringList{"Sin Pago", "Sin Pago"} << 0;
    QTest::newRow("exacto en cuatro decimales")
        << QList<double>{0.1, 0.2} << 0.3 << true << QList<double>{0, 0}
        << QStringList{"Nota Pagada", "Nota Pagada"} << 2;
    QTest::newRow("justo el saldo de la primera")
        << QList<double>{50, 80} << 50.0 << true << QList<double>{0, 80}
        << QStringList{"Nota Pagada", "Sin Pago"} << 1;
    QTest::newRow("deja centavos en la segunda")
        << QList<double>{1234.56, 10} << 1244.55 << true << QList<double>{0, 0.01}
        << QStringList{"Nota Pagada", "Nota Parcialmente Pagada, Adeudo: $0.01"} << 2;
    QTest::newRow("miles con separador en el status")
        << QList<double>{5000} << 1000.0 << true << QList<double>{4000}
        << QStringList{"Nota Parcialmente Pagada, Adeudo: $4,000.00"} << 1;
    QTest::newRow("sin deudas solo acepta cero")
        << QList<double>{} << 0.01 << false << QList<double>{} << QStringList{} << 0;
    QTest::newRow("negativo nunca") << QList<double>{50} << -10.0 << false << QList<double>{50}
                                    << QStringList{"Sin Pago"} << 0;
}

void TestCobranza::montosDePago() {
    QFETCH(QList<double>, deudas);
    QFETCH(double, pago);
    QFETCH(bool, aceptado);
    QFETCH(QList<double>, saldos);
    QFETCH(QStringList, status);
    QFETCH(int, aplicaciones);
    TiendaDePrueba t;
    const int c = t.cliente("CLIENTE");
    QList<qlonglong> ids;
    for (int i = 0; i < deudas.size(); ++i) ids << deuda(c, 100 + i, deudas[i], dias(-30 + i), dias(i));

    const cobranza::Pago p = cobranza::pagar(c, m(pago));
    QCOMPARE(p.aplicado(), aceptado);
    QCOMPARE(fixture::contar("tblctrl_saldoscredito"), aceptado ? 1 : 0);
    QCOMPARE(fixture::contar("tblctrl_kardexcredito"), aplicaciones);
    if (!aceptado && pago > 0) QCOMPARE(p.resultado, cobranza::Pago::MayorAlAdeudo);
    for (int i = 0; i < ids.size(); ++i) {
        const auto d = leer(ids[i]);
        QCOMPARE(d.saldo, m(saldos[i]));
        QCOMPARE(d.status, status[i]);
        QCOMPARE(d.pagado, saldos[i] == 0);
    }
    if (aplicaciones > 0) QCOMPARE(p.aplicaciones.last().status, status[aplicaciones - 1]);
    VERIFICAR_LIBRO();
}

void TestCobranza::pagarNotaIgnoraDeudasAnteriores() {
    TiendaDePrueba t;
    const int c = t.cliente("JUAN");
    const qlonglong vieja = deuda(c, 7, 50, dias(-40), dias(-10));
    const qlonglong nueva = deuda(c, 8, 80, dias(-5), dias(25));
    cobranza::pagar(c, m(60));  // the older is paid, the newer is at 70
    const cobranza::Pago p = cobranza::pagarNota(nueva);
    QVERIFY(p.aplicado());
    QCOMPARE(p.cantidad, m(70));
    QCOMPARE(p.cliente, c);
    QCOMPARE(p.aplicaciones.size(), 1);
    QCOMPARE(p.aplicaciones[0].status, QString("Nota Pagada"));
    QCOMPARE(leer(nueva).saldo, Money());
    QCOMPARE(leer(nueva).status, QString("Nota Pagada"));
    QVERIFY(leer(nueva).pagado);
    QCOMPARE(leer(vieja).saldo, Money());

    // With an older unpaid debt still open, only the chosen one is paid.
    const qlonglong masVieja = deuda(c, 5, 30, dias(-90), dias(-60));
    const qlonglong otra = deuda(c, 9, 20, dias(-1), dias(29));
    const cobranza::Pago q = cobranza::pagarNota(otra);
    QCOMPARE(q.cantidad, m(20));
    QCOMPARE(leer(masVieja).saldo, m(30));
    QCOMPARE(leer(masVieja).status, QString("Sin Pago"));
    QCOMPARE(db::valorUnico("select cantidad from tblctrl_saldoscredito where id = :p", {{"p", q.numero}})
                 .toDouble(),
             20.0);
    VERIFICAR_LIBRO();

    // Cancelling the whole-note payment restores that note only.
    QVERIFY(cobranza::cancelarPago(q.numero));
    QCOMPARE(leer(otra).saldo, m(20));
    QCOMPARE(leer(otra).status, QString("Sin Pago"));
    VERIFICAR_LIBRO();
}

void TestCobranza::pagarNotaYaPagadaNoEscribeNada() {
    TiendaDePrueba t;
    const int c = t.cliente("JUAN");
    const qlonglong d = deuda(c, 7, 50, dias(-40), dias(-10));
    QVERIFY(cobranza::pagarNota(d).aplicado());
    const cobranza::Pago otra = cobranza::pagarNota(d);
    QCOMPARE(otra.resultado, cobranza::Pago::NotaSinSaldo);
    QCOMPARE(cobranza::pagarNota(9999).resultado, cobranza::Pago::NotaSinSaldo);
    QCOMPARE(fixture::contar("tblctrl_saldoscredito"), 1);
    QCOMPARE(fixture::contar("tblctrl_kardexcredito"), 1);
    VERIFICAR_LIBRO();
}

void TestCobranza::abonoEnDosPartesCancelaSoloElSegundo() {
    TiendaDePrueba t;
    const int c = t.cliente("JUAN");
    const qlonglong d = deuda(c, 7, 100, dias(-10), dias(20));
    const cobranza::Pago primero = cobranza::pagar(c, m(30));
    QCOMPARE(leer(d).status, QString("Nota Parcialmente Pagada, Adeudo: $70.00"));
    reloj::fijar(kAhora.addDays(1));
    const cobranza::Pago segundo = cobranza::pagar(c, m(70));
    QCOMPARE(leer(d).saldo, Money());
    QCOMPARE(leer(d).status, QString("Nota Pagada"));
    QVERIFY(leer(d).pagado);

    QVERIFY(cobranza::cancelarPago(segundo.numero));
    const auto r = leer(d);
    QCOMPARE(r.saldo, m(70));
    QVERIFY(!r.pagado);
    QCOMPARE(r.status, QString("Nota Parcialmente Pagada, Adeudo: $70.00"));
    QCOMPARE(
        db::valorUnico("select count(*) from tblctrl_kardexcredito where saldo = :p", {{"p", primero.numero}})
            .toInt(),
        1);
    QCOMPARE(fixture::contar("tblctrl_saldoscredito"), 1);
    VERIFICAR_LIBRO();

    // The cancelled instalment can be taken again.
    QVERIFY(cobranza::pagar(c, m(70)).aplicado());
    QCOMPARE(leer(d).saldo, Money());
    VERIFICAR_LIBRO();
}

void TestCobranza::cancelarPagoInexistente() {
    TiendaDePrueba t;
    const int c = t.cliente("JUAN");
    const qlonglong d = deuda(c, 7, 100, dias(-10), dias(20));
    const cobranza::Pago p = cobranza::pagar(c, m(40));
    QVERIFY(cobranza::cancelarPago(p.numero));
    // A second cancellation of the same payment (another station) gives nothing back twice.
    QVERIFY(!cobranza::cancelarPago(p.numero));
    QVERIFY(!cobranza::cancelarPago(12345));
    QCOMPARE(leer(d).saldo, m(100));
    VERIFICAR_LIBRO();
}

void TestCobranza::pagoFallidoNoDejaNada() {
    TiendaDePrueba t;
    const int c = t.cliente("JUAN");
    const qlonglong a = deuda(c, 7, 50, dias(-10), dias(20));
    const qlonglong b = deuda(c, 8, 80, dias(-5), dias(25));
    // The engine refuses the second application part-way through the payment.
    db::ejecutar(
        "create trigger falla before insert on tblctrl_kardexcredito when new.Documento = 8 "
        "begin select raise(abort, 'disco lleno'); end");
    QVERIFY_THROWS_EXCEPTION(db::SqlError, cobranza::pagar(c, m(100)));
    QCOMPARE(fixture::contar("tblctrl_saldoscredito"), 0);
    QCOMPARE(fixture::contar("tblctrl_kardexcredito"), 0);
    QCOMPARE(leer(a).saldo, m(50));
    QCOMPARE(leer(a).status, QString("Sin Pago"));
    QCOMPARE(leer(b).saldo, m(80));
    QVERIFY_THROWS_EXCEPTION(db::SqlError, cobranza::pagarNota(b));
    QCOMPARE(fixture::contar("tblctrl_saldoscredito"), 0);
    VERIFICAR_LIBRO();
}

void TestCobranza::cancelacionFallidaNoDejaNada() {
    TiendaDePrueba t;
    const int c = t.cliente("JUAN");
    const qlonglong a = deuda(c, 7, 50, dias(-10), dias(20));
    const qlonglong b = deuda(c, 8, 80, dias(-5), dias(25));
    const cobranza::Pago p = cobranza::pagar(c, m(100));
    db::ejecutar(
        "create trigger falla before delete on tblctrl_saldoscredito "
        "begin select raise(abort, 'bloqueado'); end");
    QVERIFY_THROWS_EXCEPTION(db::SqlError, cobranza::cancelarPago(p.numero));
    QCOMPARE(leer(a).saldo, Money());
    QCOMPARE(leer(b).saldo, m(30));
    QCOMPARE(fixture::contar("tblctrl_kardexcredito"), 2);
    QCOMPARE(fixture::contar("tblctrl_saldoscredito"), 1);
    VERIFICAR_LIBRO();
}

void TestCobranza::otraEstacionVeElPagoAnterior() {
    TiendaDePrueba t;
    const int c = t.cliente("JUAN");
    const qlonglong a = deuda(c, 7, 50, dias(-10), dias(20));
    const qlonglong b = deuda(c, 8, 80, dias(-5), dias(25));
    {
        QSqlDatabase otra = db::abrirConexionAdicional(t.archivo(), "otra");
        // Both stations show 130.00 owed; this one takes 100.00 first.
        QCOMPARE(cobranza::adeudo(c, otra), m(130));
        QVERIFY(cobranza::pagar(c, m(100)).aplicado());
        // The other one asks for the same 100.00 and for the older note: neither is there.
        QCOMPARE(cobranza::pagar(c, m(100), otra).resultado, cobranza::Pago::MayorAlAdeudo);
        QCOMPARE(cobranza::pagarNota(a, otra).resultado, cobranza::Pago::NotaSinSaldo);
        const cobranza::Pago resto = cobranza::pagar(c, m(30), otra);
        QVERIFY(resto.aplicado());
        QCOMPARE(resto.aplicaciones.size(), 1);
        QCOMPARE(resto.aplicaciones[0].credito, b);
        // A payment cancelled here is gone for the other station as well.
        QVERIFY(cobranza::cancelarPago(resto.numero));
        QVERIFY(!cobranza::cancelarPago(resto.numero, otra));
        otra.close();
    }
    QSqlDatabase::removeDatabase("otra");
    QCOMPARE(cobranza::adeudo(c), m(30));
    VERIFICAR_LIBRO();
}

void TestCobranza::dosEstacionesPagandoALaVezNoGastanElMismoSaldo() {
    TiendaDePrueba t;
    const int c = t.cliente("JUAN");
    deuda(c, 7, 50, dias(-10), dias(20));
    deuda(c, 8, 80, dias(-5), dias(25));
    const QString archivo = t.archivo();
    {
        // Registers the second station's name on this thread before the race starts.
        QSqlDatabase o = db::abrirConexionAdicional(archivo, "otra");
        { db::Transaccion x(o); }
        o.close();
    }
    QSqlDatabase::removeDatabase("otra");

    QFuture<int> otraEstacion;
    {
        // This station holds the write lock while it takes its payment; the other one
        // starts its own payment of the same 100.00 meanwhile and has to wait.
        db::Transaccion tr;
        QVERIFY(cobranza::pagar(c, m(100)).aplicado());
        otraEstacion = QtConcurrent::run([archivo, c] {
            int r = -1;
            {
                QSqlDatabase otra = db::abrirConexionAdicional(archivo, "otra");
                r = int(cobranza::pagar(c, m(100), otra).resultado);
                otra.close();
            }
            QSqlDatabase::removeDatabase("otra");
            return r;
        });
        QThread::msleep(400);
        QVERIFY(!otraEstacion.isFinished());
        tr.confirmar();
    }
    QCOMPARE(otraEstacion.result(), int(cobranza::Pago::MayorAlAdeudo));
    QCOMPARE(fixture::contar("tblctrl_saldoscredito"), 1);
    QCOMPARE(cobranza::adeudo(c), m(30));
    VERIFICAR_LIBRO();
}

void TestCobranza::vencidoYAlCorrienteAlrededorDeAhora() {
    TiendaDePrueba t;
    const int c = t.cliente("JUAN");
    deuda(c, 1, 10, dias(-40), kAhora.addSecs(-1));  // due a second ago: overdue
    deuda(c, 2, 20, dias(-30), kAhora);              // due right now: current
    deuda(c, 3, 40, dias(-1), dias(29));
    const qlonglong pagada = deuda(c, 4, 80, dias(-50), dias(-20));
    cobranza::pagarNota(pagada);
    QCOMPARE(cobranza::adeudoVencido(c, kAhora), m(10));
    QCOMPARE(cobranza::adeudoCorriente(c, kAhora), m(60));
    QCOMPARE(cobranza::adeudo(c), m(70));
    // A second later the second one is overdue too.
    QCOMPARE(cobranza::adeudoVencido(c, kAhora.addSecs(1)), m(30));
    QCOMPARE(cobranza::adeudoCorriente(c, kAhora.addSecs(1)), m(40));
    QCOMPARE(cobranza::adeudo(t.cliente("SIN DEUDAS")), Money());
}

void TestCobranza::historialIncluyeElDiaCompleto() {
    TiendaDePrueba t;
    const int c = t.cliente("JUAN");
    const int otro = t.cliente("OTRO");
    deuda(c, 7, 500, dias(-40), dias(-10));
    deuda(otro, 8, 500, dias(-40), dias(-10));
    const QDate dia(2026, 1, 10);
    const QList<QTime> horas{QTime(0, 0, 0), QTime(12, 0, 0), QTime(23, 59, 59)};
    reloj::fijar(QDateTime(dia.addDays(-1), QTime(23, 59, 59)));
    cobranza::pagar(c, m(1));
    for (const QTime& h : horas) {
        reloj::fijar(QDateTime(dia, h));
        cobranza::pagar(c, m(10));
    }
    cobranza::pagar(otro, m(5));
    reloj::fijar(QDateTime(dia.addDays(1), QTime(0, 0, 0)));
    cobranza::pagar(c, m(2));
    cobranza::pagar(c, m(0));  // no applications: one row with an empty note

    const rpt::Trabajo h = cobranza::historialDePagos(c, dia, dia);
    const rpt::DataSet ds = h.datos.value("DSHistorial");
    QCOMPARE(ds.size(), 3);
    for (int i = 0; i < ds.size(); ++i) {
        QCOMPARE(Money::fromVariant(ds.valor(i, "TotalPago")), m(10));
        QCOMPARE(ds.valor(i, "clienteid").toInt(), c);
        QCOMPARE(ds.valor(i, "nomcliente").toString(), QString("JUAN"));
        QCOMPARE(ds.valor(i, "Nota").toInt(), 7);
        QCOMPARE(ds.valor(i, "status").toString(),
                 QString("Nota Parcialmente Pagada, Adeudo: $%1.00").arg(499 - 10 * (i + 1)));
    }
    QCOMPARE(Money::fromVariant(h.datos.value("DSTOTALPAGOS").valor(0, "total")), m(30));
    QCOMPARE(h.layout.nombre, QString("HistorialDePagos"));

    const rpt::Trabajo dosDias = cobranza::historialDePagos(c, dia, dia.addDays(1));
    QCOMPARE(dosDias.datos.value("DSHistorial").size(), 5);
    QCOMPARE(Money::fromVariant(dosDias.datos.value("DSTOTALPAGOS").valor(0, "total")), m(32));
}

void TestCobranza::reciboLlenaLaTablaTemporalConLasAplicaciones() {
    TiendaDePrueba t;
    const int c = t.cliente("JUAN");
    deuda(c, 7, 50, dias(-40), dias(-10));                                                 // overdue
    deuda(c, 8, 80, dias(-5), dias(25));                                                   // current
    deuda(c, 9, 15, dias(-35), dias(-5));                                                  // overdue
    db::ejecutar("insert into tbltmp_ticket (Id, Producto, Cantidad) values (99, 1, 1)");  // leftovers
    const cobranza::Pago p = cobranza::pagar(c, m(100));
    const rpt::Trabajo r = cobranza::reciboDePago(p.numero);
    QCOMPARE(r.layout.nombre, QString("Ticket"));
    const rpt::DataSet ds = r.datos.value("DSTicketcredito");
    QCOMPARE(ds.size(), 3);
    const QList<int> notas{7, 9, 8};
    const QList<double> aplicado{50, 15, 35};
    const QStringList status{"Nota Pagada", "Nota Pagada", "Nota Parcialmente Pagada, Adeudo: $45.00"};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(ds.valor(i, "Cantidad").toInt(), notas[i]);
        QCOMPARE(Money::fromVariant(ds.valor(i, "Precio")), m(aplicado[i]));
        QCOMPARE(ds.valor(i, "Factura").toString(), status[i]);
        QCOMPARE(ds.valor(i, "Saldo").toLongLong(), p.numero);
    }
    QCOMPARE(fixture::contar("tbltmp_ticket"), 3);
    // The balances after the payment.
    QCOMPARE(Money::fromVariant(r.datos.value("DSVencido").valor(0, "total")), Money());
    QCOMPARE(Money::fromVariant(r.datos.value("DSCorriente").valor(0, "total")), m(45));
    QCOMPARE(r.datos.value("DSClientescredito").valor(0, "NombreFiscal").toString(), QString("JUAN"));
}

QTEST_MAIN(TestCobranza)
#include "test_cobranza.moc"
